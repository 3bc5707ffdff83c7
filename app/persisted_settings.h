#pragma once
// Settings.ini: the last port and the last directory, plus optional device paths per port.

#include "app/ini_file.h"

#include <QMap>
#include <QString>

struct PersistedSettings {
    // The port in use or last tried, as stored: 1 when missing or outside COM1 to COM10,
    // which port detection never tries (it starts at COM1 then anyway).
    int port = 1;
    QString dir;
    // Device paths given per port in the section "Ports", keys in upper case ("COM3").
    QMap<QString, QString> portPaths;
    // Why an existing Settings.ini was not read (the defaults apply then); empty otherwise.
    QString refusal;
};

// The program's directory with a trailing separator; VT12_PROGRAM_DIR overrides it.
QString ProgramDirectory();

// Beside a portable program when Settings.ini is already there or the directory is writable;
// otherwise, and always for an installed program, in the user's configuration directory:
// a system directory is no place for one user's settings, and a read-only one would lose them.
QString SettingsIniPath(const QString& programDir);

PersistedSettings LoadPersistedSettings(const QString& iniPath, const QString& programDir);

// Writes "Port" and "Dir" of section "Last"; the rest of the file stays as it is. A file that
// was refused on reading is not replaced either.
FileWritten SavePersistedSettings(const QString& iniPath, int port, const QString& dir);
