#pragma once
// The controller's program memory as the firmware file and the upload see it. Only the firmware
// window is ever written; everything else stays 0xFF.

#include <array>
#include <cstdint>

class FirmwareImage {
public:
    static constexpr uint32_t kSize = 0x10000;
    static constexpr uint16_t kWindowStart = 0x5000;
    // First address after the window: 40 pages of 1,024 bytes.
    static constexpr uint16_t kWindowEnd = 0xF000;

    FirmwareImage() { Clear(); }

    void Clear() { bytes_.fill(0xFF); }

    // Copies data to address, cut at the window's end; returns the bytes stored, 0 when the
    // address lies outside the window.
    int Store(uint16_t address, const uint8_t* data, int length);

    uint8_t At(uint16_t address) const { return bytes_[address]; }
    const uint8_t* Data() const { return bytes_.data(); }

private:
    std::array<uint8_t, kSize> bytes_;
};
