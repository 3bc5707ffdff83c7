#pragma once
// What vt12cli prints of a controller: gathered from the session as the window's memos and
// captions would show it, then written as text, JSON or CSV.

#include "data/controller_images.h"

#include <QByteArray>
#include <QString>

struct ControllerReport {
    int port = 0;
    QString device;
    QString firmwareCode;
    // mFwData and mFWBLData as the window holds them.
    QString identification;
    QString bootloader;
    QString hardwareVersion;
    int installationMode = 0;
    bool slaveConnected = false;
    QString slaveVersion;
};

// A text as a memo holds it after it is set: every line end one "\n".
QString MemoText(const QString& text);

// "COM3 /dev/ttyUSB2 B05A".
QString DetectLine(const ControllerReport& report);
QString InfoText(const ControllerReport& report);
QByteArray InfoJson(const ControllerReport& report);
