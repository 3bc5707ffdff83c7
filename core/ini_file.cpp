#include "core/ini_file.h"

#include "core/path_bytes.h"
#include "platform/line_ends.h"

namespace {
bool isHeader(const QString& line) {
    const QString t = line.trimmed();
    return t.startsWith(u'[') && t.endsWith(u']');
}

QString headerName(const QString& line) {
    const QString t = line.trimmed();
    return t.mid(1, t.size() - 2).trimmed();
}

bool isComment(const QString& line) {
    const QString t = line.trimmed();
    return t.startsWith(u';') || t.startsWith(u'#');
}

bool sameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}
} // namespace

SmallFileRead::Outcome IniFile::Load(const QString& path, QString* failure) {
    lines_.clear();
    SmallFileRead read = ReadSmallFile(path, kIniFileLimit);
    if (failure)
        *failure = read.failure;
    if (read.outcome != SmallFileRead::Outcome::Read)
        return read.outcome;
    lines_ = read.bytes.split('\n');
    // The line feed that ends the last line leaves nothing behind it.
    if (!lines_.isEmpty() && lines_.last().isEmpty())
        lines_.removeLast();
    return read.outcome;
}

FileWritten IniFile::Save(const QString& path) const {
    QByteArray text;
    for (const QByteArray& line : lines_)
        text += line + '\n';
    return WriteWholeFile(path, text);
}

// Values are mostly paths (Dir, the devices under [Ports]): bytes that are no UTF-8 are kept.
QString IniFile::Text(int line) const {
    return TextKeepingBytes(lines_[line]);
}

QByteArray IniFile::NewLine(const QString& text) const {
    const bool carriageReturn =
        lines_.isEmpty() ? LinesEndWithCarriageReturn() : lines_.first().endsWith('\r');
    return BytesOfText(text) + (carriageReturn ? QByteArray("\r") : QByteArray());
}

int IniFile::FindSection(const QString& section) const {
    for (int i = 0; i < lines_.size(); ++i)
        if (isHeader(Text(i)) && sameName(headerName(Text(i)), section))
            return i;
    return -1;
}

int IniFile::SectionEnd(int header) const {
    int end = header + 1;
    while (end < lines_.size() && !isHeader(Text(end)))
        ++end;
    return end;
}

int IniFile::FindKey(int header, const QString& key) const {
    const int end = SectionEnd(header);
    for (int i = header + 1; i < end; ++i) {
        const QString line = Text(i);
        const int eq = static_cast<int>(line.indexOf(u'='));
        if (eq > 0 && !isComment(line) && sameName(line.left(eq).trimmed(), key))
            return i;
    }
    return -1;
}

std::optional<QString> IniFile::Value(const QString& section, const QString& key) const {
    const int header = FindSection(section);
    const int at = header < 0 ? -1 : FindKey(header, key);
    if (at < 0)
        return std::nullopt;
    const QString line = Text(at);
    return line.mid(line.indexOf(u'=') + 1).trimmed();
}

void IniFile::SetValue(const QString& section, const QString& key, const QString& value) {
    const QByteArray line = NewLine(key + u'=' + value);
    const int header = FindSection(section);
    if (header < 0) {
        if (!lines_.isEmpty() && !lines_.last().trimmed().isEmpty())
            lines_.append(NewLine(QString()));
        lines_.append(NewLine(u'[' + section + u']'));
        lines_.append(line);
        return;
    }
    const int at = FindKey(header, key);
    if (at >= 0) {
        if (Value(section, key) != value)
            lines_[at] = line;
        return;
    }
    // After the section's last non-blank line, so blank separators stay between sections.
    int insertAt = SectionEnd(header);
    while (insertAt > header + 1 && lines_[insertAt - 1].trimmed().isEmpty())
        --insertAt;
    lines_.insert(insertAt, line);
}

std::vector<std::pair<QString, QString>> IniFile::Entries(const QString& section) const {
    std::vector<std::pair<QString, QString>> entries;
    const int header = FindSection(section);
    if (header < 0)
        return entries;
    const int end = SectionEnd(header);
    for (int i = header + 1; i < end; ++i) {
        const QString line = Text(i);
        const int eq = static_cast<int>(line.indexOf(u'='));
        if (eq > 0 && !isComment(line))
            entries.emplace_back(line.left(eq).trimmed(), line.mid(eq + 1).trimmed());
    }
    return entries;
}
