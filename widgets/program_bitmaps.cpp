#include "widgets/program_bitmaps.h"

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

namespace {

const QStringList& Names() {
    static const QStringList names{
        QStringLiteral("GATEOPEN"),        QStringLiteral("GATECLOSE"),
        QStringLiteral("GATEDISABLE"),     QStringLiteral("GATEOPENING"),
        QStringLiteral("GATECLOSING"),     QStringLiteral("CHECKBOXNOTCHECK"),
        QStringLiteral("CHECKBOXCHECKED"), QStringLiteral("CHECKBOX_DIS_CH"),
        QStringLiteral("LOGODURVIK"),      QStringLiteral("LOGOVELDRA"),
        QStringLiteral("MS_SINGLE"),       QStringLiteral("MS_MS"),
        QStringLiteral("MS_VFD")};
    return names;
}

} // namespace

// Outside any namespace, as resource registration requires. The resources live in a static
// library; registering them here keeps the linker from dropping them.
static void RegisterResources() {
    static const bool registered = [] {
        Q_INIT_RESOURCE(vt12_bitmaps);
        return true;
    }();
    (void)registered;
}

QPixmap ProgramBitmap(const QString& name) {
    if (!Names().contains(name)) {
        return {};
    }
    RegisterResources();
    QSvgRenderer renderer(QStringLiteral(":/bitmaps/%1.svg").arg(name));
    if (!renderer.isValid()) {
        return {};
    }
    QImage image(renderer.defaultSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    return QPixmap::fromImage(image);
}

QStringList ProgramBitmapNames() {
    return Names();
}
