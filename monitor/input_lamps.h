#pragma once
// The blinking of the SECURITY INPUT and BYPASS INPUT lamps, one step per timer tick.

#include "monitor/status_display.h"

// Red becomes off, any other colour red.
constexpr Lamp BypassBlinkStep(Lamp lamp) {
    return lamp == Lamp::Red ? Lamp::Off : Lamp::Red;
}

enum class CaptionColor : uint8_t { Normal, Red, Green };

struct SecurityLamps {
    Lamp lamp;
    CaptionColor caption;
};

// Lamp and caption blink red and green in opposite phase.
constexpr SecurityLamps SecurityBlinkStep(Lamp lamp) {
    if (lamp == Lamp::Red)
        return {Lamp::Green, CaptionColor::Red};
    return {Lamp::Red, CaptionColor::Green};
}

// The security input back in order stops the blinking.
inline constexpr SecurityLamps kSecurityInOrder{Lamp::Green, CaptionColor::Normal};
