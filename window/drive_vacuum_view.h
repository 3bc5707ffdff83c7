#pragma once
// The pressure panels and the VFD STATUS box of the STATUS && TEST page: applies the decoded
// drive status and vacuum reading, and opens and closes the drive bubble and its raw data.

#include "monitor/drive_status_display.h"
#include "monitor/vacuum_reading.h"

#include <QObject>

struct StatusTestPageUi;

class DriveVacuumView : public QObject {
    Q_OBJECT
public:
    explicit DriveVacuumView(StatusTestPageUi& ui, QObject* parent = nullptr);

    void ShowDriveStatus(const DriveStatusDisplay& shown);
    void ShowVacuumReading(const VacuumReading& reading);

    void lMoreAboutVFDClick();
    void lVfdMaxFrequencyClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    StatusTestPageUi& ui_;
};
