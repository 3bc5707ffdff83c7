#include "widgets/level_bar_instances.h"

#include <array>

namespace {

struct TLevelBarSetup {
    TLevelBarInstance which;
    const char* name;
    QSize size;
    QColor back;
    int frameWidth;
    int gap;
    QColor gauge;
    TGrowingFrom growingFrom;
    int max;
};

const QColor Grey{128, 128, 128};
const QColor Red{255, 0, 0};

const std::array<TLevelBarSetup, 6>& Setups() {
    using enum TLevelBarInstance;
    static const std::array<TLevelBarSetup, 6> setups{{
        {lbFanOut,
         "lbFanOut",
         {25, 146},
         Grey,
         1,
         1,
         QColor(255, 255, 0),
         TGrowingFrom::grBottom,
         255},
        {lbDrvOdd, "lbDrvOdd", {17, 146}, Grey, 1, 1, Red, TGrowingFrom::grBottom, 127},
        {lbDrvEven, "lbDrvEven", {17, 146}, Grey, 1, 1, Red, TGrowingFrom::grBottom, 127},
        {lbDrvOdd24, "lbDrvOdd24", {17, 146}, Grey, 1, 1, Red, TGrowingFrom::grBottom, 127},
        {lbDrvEven24, "lbDrvEven24", {17, 146}, Grey, 1, 1, Red, TGrowingFrom::grBottom, 127},
        {lbDelay,
         "lbDelay",
         {118, 4},
         QColor(168, 168, 168),
         0,
         0,
         QColor(0, 0, 255),
         TGrowingFrom::grLeft,
         255},
    }};
    return setups;
}

} // namespace

TLevelBar* CreateLevelBar(TLevelBarInstance which, QWidget* parent) {
    const TLevelBarSetup& setup = Setups()[static_cast<size_t>(which)];
    auto* bar = new TLevelBar(parent);
    bar->setObjectName(QString::fromLatin1(setup.name));
    bar->resize(setup.size);
    bar->SetBackColor(setup.back);
    bar->SetFrameColor(Qt::black);
    bar->SetFrameWidth(setup.frameWidth);
    bar->SetGap(setup.gap);
    bar->SetGaugeColor(setup.gauge);
    bar->SetGrowingFrom(setup.growingFrom);
    bar->SetMin(0);
    bar->SetMax(setup.max);
    bar->SetPosition(0);
    if (which == TLevelBarInstance::lbDelay) {
        bar->hide();
    }
    return bar;
}
