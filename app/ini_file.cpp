#include "app/ini_file.h"

#include <QFile>
#include <QSaveFile>
#include <QTextStream>

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

void IniFile::Load(const QString& path) {
    lines_.clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return;
    QTextStream in(&file);
    while (!in.atEnd())
        lines_.append(in.readLine());
}

bool IniFile::Save(const QString& path) const {
    // Written aside and renamed, so a full disk or a crash never leaves half a file.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    QTextStream out(&file);
    for (const QString& line : lines_)
        out << line << '\n';
    out.flush();
    return file.commit();
}

int IniFile::FindSection(const QString& section) const {
    for (int i = 0; i < lines_.size(); ++i)
        if (isHeader(lines_[i]) && sameName(headerName(lines_[i]), section))
            return i;
    return -1;
}

int IniFile::SectionEnd(int header) const {
    int end = header + 1;
    while (end < lines_.size() && !isHeader(lines_[end]))
        ++end;
    return end;
}

int IniFile::FindKey(int header, const QString& key) const {
    const int end = SectionEnd(header);
    for (int i = header + 1; i < end; ++i) {
        const int eq = static_cast<int>(lines_[i].indexOf(u'='));
        if (eq > 0 && !isComment(lines_[i]) && sameName(lines_[i].left(eq).trimmed(), key))
            return i;
    }
    return -1;
}

std::optional<QString> IniFile::Value(const QString& section, const QString& key) const {
    const int header = FindSection(section);
    const int at = header < 0 ? -1 : FindKey(header, key);
    if (at < 0)
        return std::nullopt;
    return lines_[at].mid(lines_[at].indexOf(u'=') + 1).trimmed();
}

void IniFile::SetValue(const QString& section, const QString& key, const QString& value) {
    const QString line = key + u'=' + value;
    int header = FindSection(section);
    if (header < 0) {
        if (!lines_.isEmpty() && !lines_.last().trimmed().isEmpty())
            lines_.append(QString());
        lines_.append(u'[' + section + u']');
        lines_.append(line);
        return;
    }
    const int at = FindKey(header, key);
    if (at >= 0) {
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
        const int eq = static_cast<int>(lines_[i].indexOf(u'='));
        if (eq > 0 && !isComment(lines_[i]))
            entries.emplace_back(lines_[i].left(eq).trimmed(), lines_[i].mid(eq + 1).trimmed());
    }
    return entries;
}
