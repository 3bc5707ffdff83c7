#pragma once
// The service report's content, free of widgets and paper: sections of text lines and tables,
// gathered from what the program holds of the controller. The PDF writer lays it out.

#include "data/controller_images.h"
#include "data/feature_levels.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

class TrafficRing;

struct ReportTable {
    QStringList header; // empty: the section has no table
    QList<QStringList> rows;
};

struct ReportSection {
    QString title;
    QStringList lines;
    ReportTable table;
};

struct ServiceReport {
    QString title;
    QList<ReportSection> sections;
};

// What the report is made of: the screens' texts and the session's images.
struct ServiceReportSource {
    QDateTime printedAt;
    QString programVersion; // lAppVer
    QString linkCaption;    // pVTDetected
    bool linkUp = false;    // shown up: answering, and not in bootloader mode
    bool bootloaderMode = false;
    QString firmwareVersion; // lFwVersion
    QString hardwareVersion; // lHwVersion
    QString slaveVersion;    // lSlaveFirmwareVersion where a slave unit is installed, else empty
    QString identification;  // mFwData
    QString bootloader;      // mFWBLData
    QString komLog;          // mKomSts
    bool expertMode = false;
    int installationMode = 0;
    QString airVelocity; // eIniAirVelocity, for the gate table's air volumes
    const ControllerImages* images = nullptr;
    const FeatureLevels* features = nullptr;
    // The traffic monitor's record; nullptr when it was never opened.
    const TrafficRing* traffic = nullptr;
};

ServiceReport BuildServiceReport(const ServiceReportSource& source);
