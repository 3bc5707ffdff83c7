#pragma once
// An INI document that keeps every line it does not change byte for byte (encoding and line
// ends included), so sections and keys written by hand survive a save. Section and key names
// compare without regard to case; names and values are read as UTF-8.

#include "core/file_read.h"
#include "core/file_write.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>
#include <utility>
#include <vector>

// Far more than any hand-written file holds; a larger one is not an INI file of ours.
inline constexpr qint64 kIniFileLimit = 1024 * 1024;

class IniFile {
public:
    // A missing file, or one refused (not a regular file, larger than kIniFileLimit,
    // unreadable), gives an empty document.
    SmallFileRead::Outcome Load(const QString& path, QString* failure = nullptr);
    // A file that cannot be written stays as it was; only a regular file is written over.
    FileWritten Save(const QString& path) const;

    std::optional<QString> Value(const QString& section, const QString& key) const;
    // A key that already reads as value keeps its line as it is.
    void SetValue(const QString& section, const QString& key, const QString& value);
    std::vector<std::pair<QString, QString>> Entries(const QString& section) const;

private:
    QString Text(int line) const;
    // Index of the section's header line, or -1.
    int FindSection(const QString& section) const;
    int SectionEnd(int header) const;
    int FindKey(int header, const QString& key) const;
    QByteArray NewLine(const QString& text) const;

    // Without their line feed; a carriage return before it stays part of the line.
    QList<QByteArray> lines_;
};
