#include "widgets/led_bits_instances.h"

TLedBits* CreateLedBits(TLedBitsInstance which, QWidget* parent) {
    auto* leds = new TLedBits(parent);
    const bool control = which == TLedBitsInstance::lbCW;
    leds->setObjectName(control ? QStringLiteral("lbCW") : QStringLiteral("lbSW"));
    leds->resize(control ? 92 : 83, 175);
    leds->SetLedOnColor(control ? QColor(0, 255, 255) : QColor(255, 255, 0));
    leds->SetLedCount(16);
    leds->SetOrientation(TLedOrientation::pbVertical);
    leds->SetAlignment(TPanelAlignment::taLeftJustify);
    leds->SetLayout(TLedLayout::tlTop);
    leds->SetLedDistance(11);
    leds->SetLedWidth(10);
    leds->SetLedHeight(9);
    leds->SetLedFrameWidth(1);
    leds->SetLedFrameColor(QColor(128, 128, 128));
    leds->SetLedOffColor(QColor(192, 192, 192));
    leds->SetLedFirstBit(0);
    leds->SetLeftTopBit0(true);
    leds->SetLedShape(TLedShape::stRectangle);
    // Small enough that a label is no taller than the LED pitch: each label's opaque
    // background would otherwise cut off the one above.
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(9);
    leds->setFont(font);
    if (control) {
        leds->SetLedLabels({"OFF1", "OFF2", "OFF3", "INHIBIT_OP", "RAMP_OUT_0", "RAMP_HOLD",
                            "RAMP_IN_0", "RESET", "JOGGING1", "JOGGING2", "REMOTE_CMD",
                            "EXT_CTRL_LOC"});
    } else {
        leds->SetLedLabels({"RDY_ON", "RDY_RUN", "RDY_REF", "TRIPPED", "OFF_2_STA", "OFF_3_STA",
                            "SWC_ON_INH", "ALARM", "AT_SETPT", "REMOTE", "ABOVE_LMT", "USER",
                            "EXT_RUN_EN", "", ""});
    }
    return leds;
}
