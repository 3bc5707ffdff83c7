#include "cli/terminal_text.h"

#include "core/path_bytes.h"

namespace {
bool Reorders(char16_t c) {
    return (c >= 0x200E && c <= 0x200F) || (c >= 0x202A && c <= 0x202E) ||
           (c >= 0x2066 && c <= 0x2069);
}

bool Unsafe(char16_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || Reorders(c);
}
} // namespace

QString TerminalText(const QString& text, LineBreaks breaks) {
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text[i];
        const char16_t c = ch.unicode();
        const bool kept = breaks == LineBreaks::Kept && (c == u'\n' || c == u'\t');
        if (const std::optional<uint8_t> byte = EscapedByteAt(text, i))
            shown += QStringLiteral("\\x%1").arg(int(*byte), 2, 16, QLatin1Char('0'));
        else if (kept || !Unsafe(c))
            shown += ch;
        else if (c <= 0xFF)
            shown += QStringLiteral("\\x%1").arg(int(c), 2, 16, QLatin1Char('0'));
        else
            shown += QStringLiteral("\\u%1").arg(int(c), 4, 16, QLatin1Char('0'));
    }
    return shown;
}
