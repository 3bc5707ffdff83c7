#pragma once
// Qt holds file names as text, and its own conversion turns bytes that are no valid UTF-8 into
// U+FFFD: "n\xff\xfe.vt12" would be written or read as another file. Here each such byte is
// kept in the text as a lone surrogate U+DC80..U+DCFF, which no valid name ever yields, so the
// text turns back into exactly the bytes it came from. Such a name reaches the file system only
// through app/path_calls.h, never through QFile or QFileInfo. Windows names are UTF-16 already
// and are left to Qt.

#include <QByteArray>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

QString PathFromBytes(const QByteArray& bytes);
QByteArray PathBytes(const QString& path);

// UTF-8 with the bytes that are none kept so, on every system: for text that may hold a path.
QString TextKeepingBytes(const QByteArray& bytes);
QByteArray BytesOfText(const QString& text);

// The byte text[i] stands for, when it is one that is no UTF-8; a terminal shows it as \xff.
std::optional<uint8_t> EscapedByteAt(const QString& text, qsizetype i);

// The command line (after QCoreApplication took its own options), the program's name first.
QStringList ProgramArguments(int argc, const char* const* argv);

QString EnvironmentPath(const char* name);

// The folder of the running program, as QCoreApplication::applicationDirPath() but whole.
QString ApplicationDirectory();

// QStandardPaths::writableLocation with the bytes of HOME and the XDG folders kept.
QString WritableLocation(QStandardPaths::StandardLocation location);
