#include "widgets/gate_frames.h"

#include <QBoxLayout>

namespace {

QBoxLayout* StackOf(QWidget* parent) {
    if (auto* existing = qobject_cast<QBoxLayout*>(parent->layout())) {
        return existing;
    }
    auto* layout = new QVBoxLayout(parent);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setAlignment(Qt::AlignTop);
    return layout;
}

} // namespace

std::array<TfrGate*, 24> CreateGateFrames(QWidget* pFirst12, QWidget* pOther24,
                                          const GatePictures& pictures) {
    std::array<TfrGate*, 24> frames{};
    for (int i = 0; i < 24; ++i) {
        QWidget* parent = i < 12 ? pFirst12 : pOther24;
        auto* frame = new TfrGate(pictures, parent);
        frame->setObjectName(QStringLiteral("FrameGate%1").arg(i));
        StackOf(parent)->addWidget(frame);
        frame->SetGateName(QStringLiteral("Workstation %1").arg(i + 1));
        frame->SetGateNumber(i + 1);
        frame->SetBoldSeparator(i == 5 || i == 17);
        frame->show();
        frames[static_cast<size_t>(i)] = frame;
    }
    return frames;
}
