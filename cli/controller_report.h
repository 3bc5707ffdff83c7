#pragma once
// What vt12cli prints of a controller: gathered from the session as the window's memos and
// captions would show it, then written as text, JSON or CSV.

#include "data/controller_images.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>

struct ControllerReport {
    int port = 0;
    QString device;
    QString firmwareCode;
    // mFwData and mFWBLData as the window holds them.
    QString identification;
    QString bootloader;
    QString hardwareVersion;
    // As reported; -1 when the firmware does not report it.
    int hardwareVersionNumber = -1;
    int installationMode = 0;
    bool slaveConnected = false;
    QString slaveVersion;
    QString slaveFirmwareCode;
};

// A text as a memo holds it after it is set: every line end one "\n".
QString MemoText(const QString& text);

// "COM3 /dev/ttyUSB2 B05A".
QString DetectLine(const ControllerReport& report);
QString InfoText(const ControllerReport& report);
// --json: one line per unit, each with "port" and "device".
QByteArray DetectJson(const ControllerReport& report);
QByteArray InfoJson(const ControllerReport& report);
// The unit's "port" and "device", for every JSON line about it.
QJsonObject UnitKeys(const ControllerReport& report);
