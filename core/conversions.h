#pragma once
// Value conversions between the controller's big-endian register words and the host.

#include <QString>
#include <cstdint>

// The two bytes of a 16-bit word exchanged; upper half of the result zero.
uint32_t Swap16(uint16_t word);
// The two low bytes exchanged, the upper 16 bits unchanged.
uint32_t Swap16Low(uint32_t value);
// The four bytes in reverse order.
uint32_t Swap32(uint32_t value);

// Round to nearest, ties to the even neighbour (2.5 -> 2, 3.5 -> 4).
int RoundHalfEven(double value);

// Round(part / whole x 100), ties to even.
int Percent(int part, int whole);

// Byte i := the i-th two-character pair of text read as hex; an invalid pair gives 0.
void HexPairsToBytes(const QString& text, uint8_t* out, int count);

// True when sub occurs in text; position is the 1-based place of the first occurrence, 0 if absent.
bool ContainsAt(const QString& sub, const QString& text, int& position);

// Every occurrence replaced, scanning again from the start after each replacement.
QString ReplaceAll(const QString& text, const QString& sub, const QString& replacement);

// A number typed by the user, read leniently; defaultValue when nothing sensible remains.
double LenientFloat(const QString& text, double defaultValue);
