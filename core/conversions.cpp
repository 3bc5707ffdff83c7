#include "core/conversions.h"

#include <QLocale>
#include <cmath>

uint32_t Swap16(uint16_t word) {
    return static_cast<uint16_t>((word >> 8) | (word << 8));
}

uint32_t Swap16Low(uint32_t value) {
    return (value & 0xFFFF0000u) | Swap16(static_cast<uint16_t>(value));
}

uint32_t Swap32(uint32_t value) {
    return (value >> 24) | ((value >> 8) & 0x0000FF00u) | ((value << 8) & 0x00FF0000u) |
           (value << 24);
}

int RoundHalfEven(double value) {
    return static_cast<int>(std::nearbyint(value));
}

int Percent(int part, int whole) {
    // Integer division semantics are not wanted here: 1 of 8 is 12.5 %, rounded to 12.
    if (whole == 0)
        return 0;
    return RoundHalfEven(static_cast<double>(part) / whole * 100.0);
}

static constexpr int kReplaceAllRescans = 10000;

static int hexDigit(QChar c) {
    if (c >= u'0' && c <= u'9')
        return c.unicode() - u'0';
    if (c >= u'A' && c <= u'F')
        return c.unicode() - u'A' + 10;
    if (c >= u'a' && c <= u'f')
        return c.unicode() - u'a' + 10;
    return -1;
}

void HexPairsToBytes(const QString& text, uint8_t* out, int count) {
    for (int i = 0; i < count; ++i) {
        const int at = 2 * i;
        const int high = at < text.size() ? hexDigit(text[at]) : -1;
        const int low = at + 1 < text.size() ? hexDigit(text[at + 1]) : -1;
        out[i] = (high < 0 || low < 0) ? 0 : static_cast<uint8_t>(high * 16 + low);
    }
}

bool ContainsAt(const QString& sub, const QString& text, int& position) {
    position = static_cast<int>(text.indexOf(sub)) + 1;
    return position > 0;
}

QString ReplaceAll(const QString& text, const QString& sub, const QString& replacement) {
    if (sub.isEmpty())
        return text;
    QString result = text;
    // Rescanning would find the replacement's own copy of the sub-text for ever: one pass.
    if (replacement.contains(sub))
        return result.replace(sub, replacement);
    qsizetype at = result.indexOf(sub);
    for (int rounds = 0; at >= 0 && rounds < kReplaceAllRescans; ++rounds) {
        result.replace(at, sub.size(), replacement);
        at = result.indexOf(sub);
    }
    return result;
}

double LenientFloat(const QString& text, double defaultValue) {
    // Always "." internally: accepted inputs and results do not depend on the locale.
    QString s = text.trimmed();
    for (qsizetype i = s.size() - 1; i >= 0; --i) {
        const QChar c = s[i];
        if (c == u',' || c == u'.')
            s[i] = u'.';
        else if (!c.isDigit() && c != u'-' && c != u'e')
            s.remove(i, 1);
    }
    bool kept = false;
    for (qsizetype i = s.size() - 1; i >= 0; --i) {
        if (s[i] != u'.')
            continue;
        if (kept)
            s.remove(i, 1);
        kept = true;
    }
    if (s.isEmpty())
        return defaultValue;
    bool ok = false;
    const double value = QLocale::c().toDouble(s, &ok);
    return ok && std::isfinite(value) ? value : defaultValue;
}
