#pragma once
// Settings.ini: the last port and the last directory, plus optional device paths per port.

#include "core/ini_file.h"
#include "link/modbus_client.h"

#include <QMap>
#include <QString>

// A NetworkTimeout as written: bounded to the client's base timeout and its longest network
// timeout; not a number gives the default.
int NetworkTimeoutFrom(const QString& text);

struct PersistedSettings {
    // The port in use or last tried, as stored: 1 when missing or outside COM1 to COM10,
    // which port detection never tries (it starts at COM1 then anyway).
    int port = 1;
    QString dir;
    // Device paths given per port in the section "Ports", keys in upper case ("COM3"); a path
    // may be a remote port, "tcp://HOST:PORT" or "modbus-tcp://HOST:PORT".
    QMap<QString, QString> portPaths;
    // "NetworkTimeout" in the section "Ports": the answer timeout on remote ports before their
    // round trip is measured, and its upper bound, in milliseconds.
    int networkTimeoutMs = TModbusClient::kDefaultNetworkTimeoutMs;
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
