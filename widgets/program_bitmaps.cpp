#include "widgets/program_bitmaps.h"

#include <QHash>
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

static QImage Rendered(const QString& name) {
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
    return image;
}

QPixmap ProgramBitmap(const QString& name) {
    if (!Names().contains(name)) {
        return {};
    }
    // The window asks again on every resize; drawing a schematic anew each time is wasted.
    static QHash<QString, QImage> rendered;
    auto found = rendered.constFind(name);
    if (found == rendered.constEnd()) {
        found = rendered.insert(name, Rendered(name));
    }
    return QPixmap::fromImage(*found);
}

QStringList ProgramBitmapNames() {
    return Names();
}
