#include "widgets/gate_frames.h"

#include <QEvent>

namespace {

// Stacks a panel's gate frames from the top, each as high as it is and as wide as the panel.
// Heights stay the frames' own, so scaling the whole layout scales the rows too.
class TopStack : public QObject {
public:
    static constexpr const char* kName = "gateFrameStack";

    explicit TopStack(QWidget* panel) : QObject(panel), panel_(panel) {
        setObjectName(QLatin1String(kName));
        panel->installEventFilter(this);
    }

    void Add(TfrGate* frame) {
        frame->installEventFilter(this);
        Restack();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Resize && !restacking_)
            Restack();
        return QObject::eventFilter(watched, event);
    }

private:
    void Restack() {
        restacking_ = true;
        int top = 0;
        for (TfrGate* frame : panel_->findChildren<TfrGate*>(Qt::FindDirectChildrenOnly)) {
            frame->setGeometry(0, top, panel_->width(), frame->height());
            top += frame->height();
        }
        restacking_ = false;
    }

    QWidget* panel_;
    bool restacking_ = false;
};

TopStack* StackOf(QWidget* panel) {
    // Found by name: without a meta-object of its own it cannot be found by type.
    if (QObject* existing =
            panel->findChild<QObject*>(QLatin1String(TopStack::kName), Qt::FindDirectChildrenOnly))
        return static_cast<TopStack*>(existing);
    return new TopStack(panel);
}

} // namespace

std::array<TfrGate*, 24> CreateGateFrames(QWidget* pFirst12, QWidget* pOther24,
                                          const GatePictures& pictures) {
    std::array<TfrGate*, 24> frames{};
    for (int i = 0; i < 24; ++i) {
        QWidget* parent = i < 12 ? pFirst12 : pOther24;
        auto* frame = new TfrGate(pictures, parent);
        frame->setObjectName(QStringLiteral("FrameGate%1").arg(i));
        frame->SetGateName(QStringLiteral("Workstation %1").arg(i + 1));
        frame->SetGateNumber(i + 1);
        frame->SetBoldSeparator(i == 5 || i == 17);
        StackOf(parent)->Add(frame);
        frame->show();
        frames[static_cast<size_t>(i)] = frame;
    }
    return frames;
}
