#pragma once
// The test fan power: the percentage of udFanPwr/eFanPwr and the slider tbPower, kept in step.
// Slider position 0 is the top (100 %), 50 the bottom (0 %); an odd percentage keeps its value
// and puts the slider at the next lower even one.

#include <QString>
#include <cstdint>

class FanPower {
public:
    static constexpr int kMaxPercentage = 100;
    static constexpr int kMaxSliderPosition = 50;

    int Percentage() const { return percentage_; }
    int SliderPosition() const { return kMaxSliderPosition - percentage_ / 2; }

    // Arrows of the up-down; outside 0..100 it stops at the bound as the up-down does.
    void SetPercentage(int percentage);
    // What eFanPwr holds after a keystroke. Text that is no whole number keeps the percentage,
    // so an entry being retyped never sends a stray power. True when a number outside 0..100
    // was bounded: the entry then shows the percentage sent instead of what was typed.
    bool TypePercentage(const QString& text);
    void SetSliderPosition(int position);

    // 0..255 as the controller takes it: Round(percentage x 2.55), ties to even.
    uint8_t PowerByte() const;

private:
    int percentage_ = 0;
};
