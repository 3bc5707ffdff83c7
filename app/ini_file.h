#pragma once
// An INI document that keeps every line it does not change byte for byte (encoding and line
// ends included), so sections and keys written by hand survive a save. Section and key names
// compare without regard to case; names and values are read as UTF-8.

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>
#include <utility>
#include <vector>

// Whether a file was written, and the platform's message when it was not.
struct FileWritten {
    bool written = false;
    QString failure;
    explicit operator bool() const { return written; }
};

class IniFile {
public:
    // A missing or unreadable file gives an empty document.
    void Load(const QString& path);
    // A file that cannot be written stays as it was.
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
