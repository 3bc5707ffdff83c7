#pragma once
// An INI document that keeps every line it does not change, so sections and keys written
// by hand survive a save. Section and key names compare without regard to case.

#include <QString>
#include <QStringList>
#include <optional>
#include <utility>
#include <vector>

class IniFile {
public:
    // A missing or unreadable file gives an empty document.
    void Load(const QString& path);
    bool Save(const QString& path) const;

    std::optional<QString> Value(const QString& section, const QString& key) const;
    void SetValue(const QString& section, const QString& key, const QString& value);
    std::vector<std::pair<QString, QString>> Entries(const QString& section) const;

private:
    // Index of the section's header line, or -1.
    int FindSection(const QString& section) const;
    int SectionEnd(int header) const;
    int FindKey(int header, const QString& key) const;

    QStringList lines_;
};
