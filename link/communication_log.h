#pragma once
// The communication log and its progress bar, as the link and the handlers write them.

#include <QString>

class CommunicationLog {
public:
    virtual ~CommunicationLog() = default;
    // A new line, or with append (replace) the text finishes (becomes) the last line.
    virtual void KomStsLog(const QString& text, bool append, bool replace) = 0;
    virtual void AdvanceProgress(int step) = 0;
};
