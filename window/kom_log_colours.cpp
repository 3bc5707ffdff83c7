#include "window/kom_log_colours.h"

#include <QPlainTextEdit>
#include <QSyntaxHighlighter>

namespace {
class VerdictHighlighter : public QSyntaxHighlighter {
public:
    using QSyntaxHighlighter::QSyntaxHighlighter;

protected:
    void highlightBlock(const QString& text) override {
        QTextCharFormat format;
        if (text.endsWith(QLatin1String("FALSE!"))) {
            format.setForeground(Qt::white);
            format.setBackground(QColor(208, 0, 0));
        } else if (text.endsWith(QLatin1String("OK"))) {
            format.setForeground(QColor(0, 128, 0));
        } else {
            return;
        }
        setFormat(0, int(text.size()), format);
    }
};
} // namespace

void ColourLogVerdicts(QPlainTextEdit* log) {
    new VerdictHighlighter(log->document());
}
