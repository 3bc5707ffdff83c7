#pragma once
// The communication log memo marks each verdict line, so that a "FALSE!" cannot be read past
// among the "OK" lines.

class QPlainTextEdit;

// A line that ends with "FALSE!" white on red, one that ends with "OK" dark green; the rest
// keeps the memo's colour.
void ColourLogVerdicts(QPlainTextEdit* log);
