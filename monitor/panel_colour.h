#pragma once
// A colour the monitor rules choose for a control, as red, green and blue 0..255; the views
// turn it into their own colour type.

#include <cstdint>

struct PanelColour {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;

    friend constexpr bool operator==(const PanelColour&, const PanelColour&) = default;
};

inline constexpr PanelColour kPanelSilver{192, 192, 192};
inline constexpr PanelColour kPanelGrey{128, 128, 128};
inline constexpr PanelColour kPanelYellow{255, 255, 0};
inline constexpr PanelColour kPanelDarkRed{191, 0, 0};
inline constexpr PanelColour kPanelRed{255, 0, 0};
inline constexpr PanelColour kPanelGreen{0, 224, 0};
inline constexpr PanelColour kPanelBrightGreen{0, 255, 0};
inline constexpr PanelColour kPanelAqua{0, 255, 255};
// pTest and lWarningVacuum while test mode is on.
inline constexpr PanelColour kTestModeTint{255, 153, 153};
