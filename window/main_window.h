#pragma once
// The program's one window: it owns the session host (the port, the controller session, the
// delay timer and the log), the gate frames, the timers and the dialogs for the life of the
// program, and shows what the session decides.

#include "session/session_host.h"
#include "widgets/gate_frame.h"
#include "window/main_window_ui.h"
#include "window/service_report_pdf.h"
#include "window/setup_settings_view.h"
#include "window/window_resize.h"

#include <QMap>
#include <QPixmap>
#include <QWidget>
#include <array>
#include <memory>

class DriveVacuumView;
class KomStatusPanel;
class GateTableView;
class InstallationView;
class TestModeView;
class TrafficWindow;
class ChangesWindow;
class TrendsWindow;
class StatusView;

class TfVT12SetAppMain : public QWidget {
    Q_OBJECT
public:
    // arguments: the command line without the program name.
    explicit TfVT12SetAppMain(const QStringList& arguments, QWidget* parent = nullptr);
    ~TfVT12SetAppMain() override;

    MainWindowUi ui;

private:
    // Before everything that refers to its session, which must go first.
    SessionHost host_{this};

public:
    TAfComPort& ComPort = host_.Port();
    std::array<TfrGate*, 24> Gates{};
    GatePictures GateImages;
    QPixmap CheckBoxNotChecked;
    QPixmap CheckBoxChecked;
    QPixmap CheckBoxDisabledChecked;

    QString ProgramDir;
    QString SettingsIni;
    int FixedPort = 0;
    bool ExpertMode = false;
    bool ControlsLocked = false;

    ControllerSession& Session() { return *session_; }

    void SetExpertMode(bool on);
    void ApplyPrivateLabel();

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void FormCreate(const QStringList& arguments);
    void FormShow();
    void FormClose();
    void LoadSettings();
    void SaveSettings();
    void BindLink();
    void BindViews();
    void BindDriveVacuumView();
    void ShowTrafficMonitor();
    // bShowChanges and its window fChanges.
    void BindPendingChanges();
    void BindTrends();
    void ShowTrends();
    void ShowPortOpenFailure(int port);
    // The communication log memo mKomSts: what KomStsLog writes, and the verdicts marked.
    void ShowLogText(const QString& text, bool append, bool replace);
    void MarkLogVerdict(bool ok);

    // Views: what the session decided, on the controls.
    void ShowLinkState(bool up, int port);
    void ShowTrying(int port);
    void ShowSlaveOnPort(bool slaveOnPort);
    void ShowFirmwareText(ControllerSession::FirmwarePart part, const QString& text);
    void ShowFeatureLevel();
    void ShowBootloaderMode(const BootloaderTransition& change);
    void ShowHardwareVersion(const HardwareVersionView& view);
    void ShowSlaveLost(bool lost);
    void ShowSaveState(bool unsaved);
    void ShowCounters(CounterMemo memo);
    void ShowSettings(BlockId block);
    void BindSetupButtons();
    void LoadFactoryDefaults();
    void bSaveClick();
    void bReloadClick();
    // Save to File, Load from File.
    void BindSettingsFile();
    void bSaveToFileClick();
    void bLoadFromFileClick();
    void ShowLoadedSettings();
    SettingsFileTexts MemoTexts() const;

    // The firmware update panel on the SERVICE page.
    void BindFirmwareUpdate();
    void ShowFirmwareFileCheck(const FirmwareFileCheck& check);
    void ShowFirmwarePathLock();
    void bFirmwareFileOpenClick();
    void bUploadFirmwareClick();
    // The settings kept before an update, and their way back into the edited images.
    void BindSettingsBackup();
    void ShowSettingsBackup(const SettingsBackupOutcome& outcome);
    void ShowLatestSettingsBackup(const QString& lead);
    void bRestoreBackupClick();
    void ShowSettingsBackupRestored(const QString& path, const SettingsFileLoaded& loaded);

    // Export Counters and Service Report on the SERVICE page.
    void BindServiceExports();
    void bExportCountersClick();
    void bServiceReportClick();
    ServiceReportSource ReportSource() const;
    QList<ReportPicture> PagePictures() const;

    ControllerSession* const session_ = &host_.Session();
    std::unique_ptr<WindowResizer> resizer_;
    std::unique_ptr<StatusView> statusView_;
    std::unique_ptr<DriveVacuumView> driveVacuum_;
    std::unique_ptr<SetupSettingsView> setup_;
    std::unique_ptr<KomStatusPanel> komPanel_;
    std::unique_ptr<GateTableView> gateTable_;
    std::unique_ptr<TestModeView> testMode_;
    std::unique_ptr<InstallationView> installation_;
    // Opened on request; closed before the session it watches.
    std::unique_ptr<TrafficWindow> traffic_;
    std::unique_ptr<ChangesWindow> changes_;
    std::unique_ptr<TrendsWindow> trends_;
    QString savedDir_;
    // Why each port tried since the last one opened could not be opened, by port number.
    QMap<int, QString> portHints_;
    bool portTried_ = false;
    bool shown_ = false;
    bool closed_ = false;
};
