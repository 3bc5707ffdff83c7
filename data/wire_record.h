#pragma once
// Register data held exactly as it travels. Fields are converted at each access, so no code
// outside the block types does byte arithmetic on an image.

#include "core/conversions.h"

#include <QString>
#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <type_traits>

// Eight-byte values are copied, not swapped: they arrive low byte first, as the host holds them.
static_assert(std::endian::native == std::endian::little);

// Latin-1 characters of a text field, trailing zero bytes removed.
QString WireText(const uint8_t* at, int width);
// The text cut to the field and padded with zero bytes; characters outside Latin-1 become '?'.
void SetWireText(uint8_t* at, int width, const QString& text);

template <size_t N> struct WireRecord {
    std::array<uint8_t, N> Bytes{};

protected:
    template <size_t At> constexpr uint8_t Byte() const {
        static_assert(At < N);
        return Bytes[At];
    }
    template <size_t At> constexpr void SetByte(uint8_t value) {
        static_assert(At < N);
        Bytes[At] = value;
    }
    template <size_t At> uint16_t Word() const {
        static_assert(At + 2 <= N);
        uint16_t raw;
        std::memcpy(&raw, &Bytes[At], 2);
        return static_cast<uint16_t>(Swap16(raw));
    }
    template <size_t At> void SetWord(uint16_t value) {
        static_assert(At + 2 <= N);
        const auto raw = static_cast<uint16_t>(Swap16(value));
        std::memcpy(&Bytes[At], &raw, 2);
    }
    template <typename T, size_t At> T Copied() const {
        static_assert(At + sizeof(T) <= N && std::is_trivially_copyable_v<T>);
        T value;
        std::memcpy(&value, &Bytes[At], sizeof(T));
        return value;
    }
    template <typename T, size_t At> void SetCopied(T value) {
        static_assert(At + sizeof(T) <= N && std::is_trivially_copyable_v<T>);
        std::memcpy(&Bytes[At], &value, sizeof(T));
    }
    template <size_t At, size_t Width> QString Text() const {
        static_assert(At + Width <= N);
        return WireText(&Bytes[At], Width);
    }
    template <size_t At, size_t Width> void SetText(const QString& text) {
        static_assert(At + Width <= N);
        SetWireText(&Bytes[At], Width, text);
    }
    // Register k of the record; 0 outside it.
    uint16_t WordAt(int k) const {
        if (k < 0 || static_cast<size_t>(2 * k + 2) > N)
            return 0;
        uint16_t raw;
        std::memcpy(&raw, &Bytes[static_cast<size_t>(2 * k)], 2);
        return static_cast<uint16_t>(Swap16(raw));
    }
    // The k-th 32-bit field of the record; 0 outside it.
    uint32_t LongAt(int k) const {
        if (k < 0 || static_cast<size_t>(4 * k + 4) > N)
            return 0;
        uint32_t raw;
        std::memcpy(&raw, &Bytes[static_cast<size_t>(4 * k)], 4);
        return Swap32(raw);
    }
};

// A block whose object representation is its wire bytes: no padding, nothing but bytes.
template <typename T>
concept WireBlock = std::is_trivially_copyable_v<T> && std::is_standard_layout_v<T> &&
                    std::has_unique_object_representations_v<T> && alignof(T) == 1;

template <WireBlock T> std::span<uint8_t, sizeof(T)> WireView(T& block) {
    return std::span<uint8_t, sizeof(T)>(reinterpret_cast<uint8_t*>(&block), sizeof(T));
}
template <WireBlock T> std::span<const uint8_t, sizeof(T)> WireView(const T& block) {
    return std::span<const uint8_t, sizeof(T)>(reinterpret_cast<const uint8_t*>(&block), sizeof(T));
}

// A reply's data into a block: a short reply leaves the rest zero, a long one is cut.
template <WireBlock T> void LoadWire(T& block, const uint8_t* data, int length) {
    const std::span<uint8_t, sizeof(T)> bytes = WireView(block);
    std::memset(bytes.data(), 0, bytes.size());
    if (data != nullptr && length > 0)
        std::memcpy(bytes.data(), data, std::min(bytes.size(), static_cast<size_t>(length)));
}
