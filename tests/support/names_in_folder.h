#pragma once
// A folder's entries as the file system holds them, bytes and all, sorted.

#include <QByteArray>
#include <QList>

#include <algorithm>
#include <dirent.h>

inline QList<QByteArray> NamesIn(const QByteArray& folder) {
    QList<QByteArray> names;
    DIR* dir = ::opendir(folder.constData());
    while (const dirent* entry = dir ? ::readdir(dir) : nullptr) {
        const QByteArray name(entry->d_name);
        if (name != "." && name != "..")
            names.append(name);
    }
    if (dir)
        ::closedir(dir);
    std::sort(names.begin(), names.end());
    return names;
}
