#pragma once
// The communication log and its progress bar, as the link and the handlers write them.

#include <QString>

class CommunicationLog {
public:
    virtual ~CommunicationLog() = default;
    // A new line, or with append (replace) the text finishes (becomes) the last line.
    virtual void KomStsLog(const QString& text, bool append, bool replace) = 0;
    virtual void AdvanceProgress(int step) = 0;
    // The last line holds a verdict: a block confirmed, found equal or read back as written
    // (ok), or read back otherwise. Displays that mark verdicts take it from here.
    virtual void JudgeLastLine(bool ok) { static_cast<void>(ok); }
};
