#include "core/path_bytes.h"

#include "platform/file_calls.h"
#include "platform/program_folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace {
constexpr char16_t kByteEscape = 0xDC00;

// Length of the valid UTF-8 sequence at bytes[i] (no overlong form, no surrogate, nothing past
// U+10FFFF), 0 when there is none.
int ValidSequenceAt(const QByteArray& bytes, qsizetype i) {
    const auto at = [&bytes](qsizetype k) { return static_cast<uint8_t>(bytes[k]); };
    const uint8_t lead = at(i);
    if (lead < 0x80)
        return 1;
    int length = 0;
    uint8_t low = 0x80;
    uint8_t high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (i + length > bytes.size())
        return 0;
    for (int k = 1; k < length; ++k) {
        const uint8_t c = at(i + k);
        if (c < (k == 1 ? low : 0x80) || c > (k == 1 ? high : 0xBF))
            return 0;
    }
    return length;
}
} // namespace

QString TextKeepingBytes(const QByteArray& bytes) {
    QString text;
    text.reserve(bytes.size());
    for (qsizetype i = 0; i < bytes.size();) {
        const int length = ValidSequenceAt(bytes, i);
        if (length == 0) {
            text += QChar(static_cast<char16_t>(kByteEscape + static_cast<uint8_t>(bytes[i])));
            ++i;
        } else {
            text += QString::fromUtf8(bytes.constData() + i, length);
            i += length;
        }
    }
    return text;
}

QByteArray BytesOfText(const QString& text) {
    QByteArray bytes;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const std::optional<uint8_t> byte = EscapedByteAt(text, i);
        if (!byte)
            continue;
        bytes += QStringView(text).mid(start, i - start).toUtf8();
        bytes += static_cast<char>(*byte);
        start = i + 1;
    }
    bytes += QStringView(text).mid(start).toUtf8();
    return bytes;
}

std::optional<uint8_t> EscapedByteAt(const QString& text, qsizetype i) {
    const char16_t c = text[i].unicode();
    if (c >= kByteEscape + 0x80 && c <= kByteEscape + 0xFF &&
        (i == 0 || !text[i - 1].isHighSurrogate()))
        return static_cast<uint8_t>(c - kByteEscape);
    return std::nullopt;
}

QString PathFromBytes(const QByteArray& bytes) {
    return FileNamesAreBytes() ? TextKeepingBytes(bytes) : QFile::decodeName(bytes);
}

QByteArray PathBytes(const QString& path) {
    return FileNamesAreBytes() ? BytesOfText(path) : QFile::encodeName(path);
}

QStringList ProgramArguments(int argc, const char* const* argv) {
    // Where names are text, so are the arguments, and only Qt has them whole.
    if (!FileNamesAreBytes())
        return QCoreApplication::arguments();
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(PathFromBytes(QByteArray(argv[i])));
    return arguments;
}

QString EnvironmentPath(const char* name) {
    return FileNamesAreBytes() ? PathFromBytes(qgetenv(name)) : qEnvironmentVariable(name);
}

QString ApplicationDirectory() {
    const QByteArray program = RunningProgramPath();
    if (!program.isEmpty())
        return PathFromBytes(program.left(program.lastIndexOf('/')));
    return QCoreApplication::applicationDirPath();
}

QString WritableLocation(QStandardPaths::StandardLocation location) {
    const QString located = QStandardPaths::writableLocation(location);
    // Qt built the answer from one of these through its own conversion: its start is put back
    // as the bytes were.
    for (const char* name : UserFolderVariables()) {
        const QByteArray bytes = qgetenv(name);
        const QString lossy = QDir::cleanPath(QFile::decodeName(bytes));
        const QString whole = QDir::cleanPath(PathFromBytes(bytes));
        if (bytes.isEmpty() || whole == lossy || !located.startsWith(lossy))
            continue;
        if (located.size() == lossy.size() || located[lossy.size()] == u'/')
            return whole + located.mid(lossy.size());
    }
    return located;
}
