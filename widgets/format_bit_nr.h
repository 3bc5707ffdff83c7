#pragma once
// Bit-number labels from a pattern: each run of "0" asks for that many decimal digits at
// least, "H" turns the pending zeros into hexadecimal digits, anything else is copied.
// "B00:" with 12 gives "B12:", "00H" with 10 gives "0A".

#include <QString>

QString FormatBitNr(const QString& pattern, int bitNr);
