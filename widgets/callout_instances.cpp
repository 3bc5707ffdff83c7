#include "widgets/callout_instances.h"

TInfoShape* CreateInfoShape(TInfoShapeInstance which, QWidget* parent) {
    auto* shape = new TInfoShape(parent);
    shape->SetArrowLayout(TArrowLayout::alLeft);
    shape->SetFrameRound(10);
    if (which == TInfoShapeInstance::InfoShape2) {
        shape->setObjectName(QStringLiteral("InfoShape2"));
        shape->resize(307, 20);
        shape->SetArrowLength(0);
        shape->SetArrowWidth(0);
        shape->SetArrowPosition(0);
        shape->SetArrowStyle(false);
        shape->SetPen(QPen(QColor(64, 64, 64)));
        shape->SetBrush(shape->palette().color(QPalette::Button));
    } else {
        shape->setObjectName(QStringLiteral("InfoShape1"));
        shape->resize(125, 30);
        shape->SetArrowLength(10);
        shape->SetArrowWidth(10);
        shape->SetArrowPosition(10);
        shape->SetArrowStyle(true);
        shape->SetBrush(QColor(255, 255, 0));
    }
    return shape;
}

TInfoBubble* CreateIbAboutVfd(QWidget* parent) {
    auto* bubble = new TInfoBubble(parent);
    bubble->setObjectName(QStringLiteral("ibAboutVfd"));
    bubble->resize(215, 125);
    bubble->SetArrowLayout(TArrowLayout::alRight);
    bubble->SetArrowLength(20);
    bubble->SetArrowWidth(15);
    bubble->SetArrowPosition(94);
    bubble->SetArrowStyle(false);
    bubble->SetFrameColor(QColor(128, 128, 128));
    bubble->SetColor(QColor(255, 251, 240));
    bubble->SetFrameRound(0);
    return bubble;
}
