#include "widgets/format_bit_nr.h"

#include <cstdint>
#include <cstdlib>

namespace {

QString Decimal(int value, int digits) {
    const QString magnitude =
        QString::number(std::llabs(static_cast<long long>(value))).rightJustified(digits, u'0');
    return value < 0 ? QStringLiteral("-") + magnitude : magnitude;
}

QString Hexadecimal(int value, int digits) {
    return QString::number(static_cast<uint32_t>(value), 16).toUpper().rightJustified(digits, u'0');
}

} // namespace

QString FormatBitNr(const QString& pattern, int bitNr) {
    QString text;
    int zeros = 0;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern.at(i);
        if (c == u'0') {
            ++zeros;
            if (i == pattern.size() - 1) {
                text += Decimal(bitNr, zeros);
            }
        } else if (c == u'H') {
            text += Hexadecimal(bitNr, zeros);
            zeros = 0;
        } else {
            if (zeros > 0) {
                text += Decimal(bitNr, zeros);
                zeros = 0;
            }
            text += c;
        }
    }
    return text;
}
