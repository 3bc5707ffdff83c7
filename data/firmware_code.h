#pragma once
// A unit's 4-character firmware code, compared as text by character code: "F04B" is from
// "F04A" on, "B03B" below "F03A", and blanks or "----" below every code that gates a feature.

#include <QString>
#include <array>
#include <compare>
#include <cstddef>

class FirmwareCode {
public:
    static constexpr int kLength = 4;

    // Four blanks: nothing known yet.
    constexpr FirmwareCode() : chars_{u' ', u' ', u' ', u' '} {}
    template <size_t N>
    requires(N == kLength + 1) consteval FirmwareCode(const char (&text)[N])
        : chars_{char16_t(text[0]), char16_t(text[1]), char16_t(text[2]), char16_t(text[3])} {}

    // The first four characters; missing ones become blanks, which compare below any digit.
    static FirmwareCode FromText(const QString& text);

    QString Text() const;
    constexpr char16_t First() const { return chars_[0]; }

    constexpr bool Below(const FirmwareCode& other) const { return *this < other; }
    constexpr bool From(const FirmwareCode& other) const { return !Below(other); }

    friend constexpr auto operator<=>(const FirmwareCode&, const FirmwareCode&) = default;

private:
    std::array<char16_t, kLength> chars_;
};
