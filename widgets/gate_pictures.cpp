#include "widgets/gate_pictures.h"

#include "widgets/program_bitmaps.h"

#include <QBitmap>

namespace {

QPixmap WhiteTransparent(QPixmap picture) {
    if (!picture.isNull()) {
        picture.setMask(picture.createMaskFromColor(Qt::white));
    }
    return picture;
}

} // namespace

GatePictures GatePictures::FromResources() {
    return {WhiteTransparent(ProgramBitmap(QStringLiteral("GATEOPEN"))),
            WhiteTransparent(ProgramBitmap(QStringLiteral("GATECLOSE"))),
            WhiteTransparent(ProgramBitmap(QStringLiteral("GATEDISABLE"))),
            WhiteTransparent(ProgramBitmap(QStringLiteral("GATEOPENING"))),
            WhiteTransparent(ProgramBitmap(QStringLiteral("GATECLOSING")))};
}

QPixmap GatePictures::ForKind(int kind) const {
    switch (kind) {
    case 0:
        return imGateND;
    case 1:
        return imGateOpening;
    case 2:
        return imGateClosing;
    case 3:
        return imGateOpen;
    case 4:
        return imGateClose;
    default:
        return {};
    }
}
