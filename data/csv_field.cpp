#include "data/csv_field.h"

namespace {
// What a spreadsheet reads as the start of a formula.
bool StartsFormula(const QString& text) {
    return !text.isEmpty() && QStringLiteral("=+-@\t\r").contains(text.front());
}
} // namespace

QString CsvField(const QString& text) {
    const bool formula = StartsFormula(text);
    const bool plain = !formula && !text.contains(u',') && !text.contains(u'"') &&
                       !text.contains(u'\n') && !text.contains(u'\r') && text.trimmed() == text;
    if (plain)
        return text;
    QString quoted = formula ? u'\'' + text : text;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}
