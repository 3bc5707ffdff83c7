#pragma once
// Qt holds file names as text: a name whose bytes are no valid UTF-8 comes back from the text
// as other bytes, so a file would be written or read under another name. Such a name is
// refused with a message instead.

#include <QByteArray>
#include <QString>

// Whether the bytes of a command-line argument come back unchanged from the text Qt makes of
// them.
bool KeepsItsBytes(const QByteArray& argument);

// Empty when every argument keeps its bytes, else the message naming the first that does not.
QString ArgumentsLosingBytes(int argc, const char* const* argv);
