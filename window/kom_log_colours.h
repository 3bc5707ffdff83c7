#pragma once
// The communication log memo marks each verdict line, so that a failed read-back cannot be
// read past among the good ones. The verdicts come with the log from the session, never from
// the lines' text.

class QPlainTextEdit;

enum class LogVerdict { None, Ok, Failed };

// Lines marked Failed white on red, Ok dark green; the rest keeps the memo's colour.
void ColourLogVerdicts(QPlainTextEdit* log);
// The memo's last line holds this verdict.
void MarkLastLineVerdict(QPlainTextEdit* log, LogVerdict verdict);
LogVerdict LineVerdict(const QPlainTextEdit* log, int line);
