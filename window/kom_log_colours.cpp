#include "window/kom_log_colours.h"

#include <QPlainTextEdit>
#include <QSyntaxHighlighter>
#include <QTextBlock>

namespace {
// A block's user state holds its verdict; -1, Qt's default, is none.
int StateOf(LogVerdict verdict) {
    return verdict == LogVerdict::None ? -1 : static_cast<int>(verdict);
}

class VerdictHighlighter : public QSyntaxHighlighter {
public:
    using QSyntaxHighlighter::QSyntaxHighlighter;

protected:
    void highlightBlock(const QString& text) override {
        QTextCharFormat format;
        const int state = currentBlock().userState();
        if (state == StateOf(LogVerdict::Failed)) {
            format.setForeground(Qt::white);
            format.setBackground(QColor(208, 0, 0));
        } else if (state == StateOf(LogVerdict::Ok)) {
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

void MarkLastLineVerdict(QPlainTextEdit* log, LogVerdict verdict) {
    QTextBlock last = log->document()->lastBlock();
    last.setUserState(StateOf(verdict));
    if (auto* highlighter = log->document()->findChild<QSyntaxHighlighter*>())
        highlighter->rehighlightBlock(last);
}

LogVerdict LineVerdict(const QPlainTextEdit* log, int line) {
    const int state = log->document()->findBlockByNumber(line).userState();
    return state == StateOf(LogVerdict::Ok)       ? LogVerdict::Ok
           : state == StateOf(LogVerdict::Failed) ? LogVerdict::Failed
                                                  : LogVerdict::None;
}
