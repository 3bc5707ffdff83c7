#pragma once
// Text from the controller or a file, made safe to print: a terminal must never take a gate
// name or a file name for a command, so every control character (escape included, and the
// invisible ones that reorder a line) is shown as an escape such as "\x1b" or "\u202e".

#include <QString>

enum class LineBreaks { Kept, Escaped };

// breaks: whether line feeds and tabs stay (a memo of several lines) or are escaped too (one
// field on one line).
QString TerminalText(const QString& text, LineBreaks breaks = LineBreaks::Escaped);
