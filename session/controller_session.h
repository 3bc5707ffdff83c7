#pragma once
// The controller as the program knows it, free of widgets: the link (client, scheduler, port
// detection, trace), the images, the feature levels, bootloader mode, the installation and
// the slave unit. Handlers decide here; the window binds its views to the signals.

#include "data/bootloader_mode.h"
#include "data/controller_images.h"
#include "data/counter_lines.h"
#include "data/feature_levels.h"
#include "data/register_data.h"
#include "data/settings_file.h"
#include "data/slave_link.h"
#include "firmware/firmware_file.h"
#include "firmware/firmware_upload.h"
#include "link/job_scheduler.h"
#include "link/port_detector.h"
#include "link/traffic_ring.h"
#include "link/traffic_trace.h"
#include "monitor/drive_status_display.h"
#include "monitor/failed_verification.h"
#include "monitor/gate_table_model.h"
#include "monitor/status_model.h"
#include "monitor/test_mode.h"
#include "session/session_results.h"
#include "session/settings_backup.h"
#include "session/setup_form.h"

#include <QEvent>
#include <QObject>
#include <array>
#include <optional>

inline constexpr QEvent::Type WM_NEXT_JOB = static_cast<QEvent::Type>(QEvent::User + 1);
inline constexpr QEvent::Type WM_DETECT_PORT = static_cast<QEvent::Type>(QEvent::User + 2);

// What ApplyHardwareVersion shows.
struct HardwareVersionView {
    uint8_t version;    // as taken: 2 below the firmware that reports it
    bool pressure;      // tsVacuum and pCurrentInputValue
    bool slavePressure; // pCurrentInputValueS
};

class ControllerSession : public QObject,
                          private TurnPoster,
                          private LinkEvents,
                          private PortEvents,
                          private InstallationSource {
    Q_OBJECT
public:
    ControllerSession(SerialChannel& port, TimeBase& time, CommunicationLog& log, DelayTimer& delay,
                      QObject* parent = nullptr);
    ~ControllerSession() override;

    TModbusClient& Client() { return client_; }
    TJobScheduler& Scheduler() { return scheduler_; }
    const TJobScheduler& Scheduler() const { return scheduler_; }
    TPortDetector& Detector() { return detector_; }
    TrafficTrace& Trace() { return trace_; }
    // The traffic monitor's ring while it is open; nullptr stops the recording.
    void SetTrafficMonitor(TrafficRing* ring) {
        if (ring)
            ring->Resumed();
        trafficRing_ = ring;
    }
    ControllerImages& Images() { return Images_; }
    const ControllerImages& Images() const { return Images_; }
    const FeatureLevels& Features() const { return Features_; }
    // The SETUP form's controls, beside the images they edit.
    SetupForm& Form() { return form_; }
    const SetupForm& Form() const { return form_; }

    bool LinkUp() const { return LinkUp_; }
    bool TestMode() const { return testMode_.TestMode(); }
    int InstallationMode() const override { return InstallationMode_; }
    bool SlaveConnected() const { return SlaveConnected_; }
    bool BootloaderModeOn() const { return Bootloader_.IsOn(); }
    const GateMasks& MasterGateMasks() const { return MasterGateMasks_; }
    const GateMasks& SlaveGateMasks() const { return SlaveGateMasks_; }
    const GateTableModel& GateTable() const { return gateTable_; }

    // The gate table and the gate frames refilled from the edited images (defaults, a file).
    void ShowGateTables();
    // A gate table cell's editor closed, or its check box toggled: the edited images take it and
    // the Save buttons follow. Nothing for a cell that takes no such input.
    std::optional<CommitResult> CommitGateCell(int row, int column, const QString& typed);
    std::optional<GateTableTotals> ToggleGateCell(int row, int column);
    GateTableTotals SetAirVelocityText(const QString& text);

    // "Test Mode On" (on) or "Test Mode Off": the buttons start from the gates' present state.
    // Turning it on does nothing while the link is down.
    TestModeControls SetTestMode(bool on);
    TestGateButtons OpenCloseAll(bool open);
    // The fan request and single gate buttons need nothing else of the session.
    TestModeModel& TestRequest() { return testMode_; }
    SmartMinAirflowShown SetSmartMinimumAirflow(bool checked);

    // Above 0: the answer timeout on a port reached over a network (see TModbusClient).
    void SetNetworkTimeout(int ms) { networkTimeoutMs_ = ms; }

    // Bytes as the port delivers them.
    void ReceiveBytes(const uint8_t* data, int count);
    // The program ends: the port is closed and nothing more is sent.
    void Close();

    enum class FirmwarePart { First, Second, Bootloader };
    void OnFirmwareInfo(FirmwarePart part, const RegisterData& reply);
    void OnSlaveVersion(const RegisterData& reply);
    void ApplyFeatureLevel();
    void SetBootloaderMode(bool on);
    void ApplyHardwareVersion();
    void OnSettingsRead(BlockId block, const RegisterData& reply);
    void OnSettingsWritten(uint32_t readJob);
    void OnStatusPoll(const RegisterData& reply);
    void OnSlaveStatusPoll(const RegisterData& reply);
    void OnDriveStatusPoll(const RegisterData& reply);
    void SetSlaveConnected(bool connected);
    // The mode the screens show: read from the controller, loaded from a file or chosen.
    void SetInstallationMode(int mode);
    void ShowSaveState();
    // "Save to Vantor": the blocks that differ written and verified. The slave's part is not
    // written to a slave that does not answer; the log says so.
    void StartSave();
    // The slave's part of the edited images differs, and no slave answers to take it.
    bool SlavePartUnsaved() const;
    // "Reload": the replies replace the edits, the slave's included.
    void ReloadSettings(uint32_t readJobs);
    void OnCounters(CounterMemo memo, const RegisterData& reply);
    void SetLinkState(bool up);

    // eFirmwareFileChange, with the path as typed; the session validates the same path again
    // when the link comes up and after the last data chunk of an upload.
    void ValidateFirmwareFile(const QString& pathText);
    // bUploadFirmware enabled.
    bool FirmwareUploadAllowed() const;
    bool FirmwareUploadRunning() const { return firmwareUpload_.Running(scheduler_.JobMask()); }
    // bUploadFirmwareClick; nothing when the upload is not allowed. The settings as read from a
    // unit running its firmware are kept in a file first, with memos as "Save to File" takes
    // them; when that file cannot be written the upload does not start.
    std::optional<UploadStart> StartFirmwareUpload(const QDateTime& localTime,
                                                   const SettingsFileTexts& memos);
    void OnFirmwareChunkWritten();
    // bRestoreBackup: the file into the edited images as "Load from File" takes it. The unit's
    // settings are read first, so that the Save buttons compare the backup with what the unit
    // holds now (a firmware update may have reset it); a unit that cannot be read now leaves
    // the comparison with what was read last.
    void RestoreSettingsBackup(const QString& path);
    // A settings file into the edited images, exactly: times written by another firmware level
    // are taken into this unit's units, and values outside their controls' limits are bounded,
    // named in the log and kept for the Changes window until nothing differs any more.
    SettingsFileLoaded LoadSettings(const QString& path);
    // The backup taken for this unit by this program's last update of it: found by the update
    // time the unit reports, also by a later run; from a unit that reports none, the one this
    // run took on the port it answers on. Empty when there is none.
    QString UpdateBackup() const;
    // When the unit answering now was last updated, once its bootloader told it.
    const std::optional<QDateTime>& UnitUpdateTime() const { return unitUpdateTime_; }
    const QStringList& LoadCorrections() const { return loadCorrections_; }

Q_SIGNALS:
    // The link went up or down on port; entering bootloader mode takes it down too.
    void LinkChanged(bool up, int port);
    void PortTrying(int port);
    void PortOpenedOn(int port);
    void PortOpenFailedOn(int port);
    // A valid answer came; its address byte tells whether a slave unit answers on the port.
    void UnitAnswered(bool slaveOnPort);
    void FirmwareTextRead(ControllerSession::FirmwarePart part, const QString& text);
    void FeatureLevelApplied();
    void BootloaderModeChanged(const BootloaderTransition& change);
    void HardwareVersionRead(const HardwareVersionView& view);
    void SlaveVersionRead(const QString& caption);
    void SlaveLostChanged(bool lost);
    void EditsCompared(bool unsaved);
    // Which blocks a save could not verify and what to do; empty once they verify or are read.
    void FailedVerificationChanged(const QString& message);
    // A written block confirmed by the unit; its read-back follows.
    void BlockWritten(BlockId block);
    // A settings block read into both images: its screens show it.
    void SettingsRead(BlockId block);
    // A written block read back: it holds what was written (verified) or not.
    void BlockVerified(BlockId block, bool verified);
    // Every write of a save answered and read back, or the save cut short.
    void SaveFinished(const SaveResult& result);
    // The unit answered again after an upload and was read as on connecting, or restarted
    // into its bootloader; reported is the firmware code it answers with.
    void UploadFinished(const UploadResult& result, const FirmwareCode& reported);
    void CountersRead(CounterMemo memo);
    void FirmwareFileChecked(const FirmwareFileCheck& check);
    void SettingsBackupFinished(const SettingsBackupOutcome& outcome);
    void SettingsBackupRestored(const QString& path, const SettingsFileLoaded& loaded);
    // A status poll answered; without data when the link went down.
    void StatusPolled(const StatusDisplay& shown);
    void SlaveStatusPolled(const UnitStatus& shown);
    void DriveStatusPolled(const DriveStatusDisplay& shown);
    void GateSettingsChanged(Unit unit, const GateSettingsShown& shown);
    void GateNamesChanged(Unit unit, const std::array<QString, kGatesPerUnit>& names);
    void InstallationModeChanged(int mode);
    // Test mode ended by the link going down.
    void TestModeEnded(const TestModeControls& controls);

protected:
    bool event(QEvent* e) override;

private:
    void RegisterJobHandlers();
    void ShowLinkState(bool up);
    void ShowSettingsBlock(BlockId block);
    void ShowSlaveStatus();
    TestModeContext TestContext() const;
    SettingsBackupOutcome BackUpSettings(const QDateTime& localTime,
                                         const SettingsFileTexts& memos);
    void TakeRestoreWhenRead(BlockId block);
    void AfterResult();
    void FinishSave(bool interrupted);
    void FinishUpload(bool stayedInBootloader);

    // TurnPoster
    void PostNextJob() override;
    void PostDetectPort() override;
    // LinkEvents
    void LinkAnswered(uint8_t addressByte) override;
    void LinkLost() override;
    // PortEvents
    void PortTried(int port) override;
    void PortOpened(int port) override;
    void PortOpenFailed(int port, const QString& text) override;
    void PortClosed(int port) override;

    SerialChannel& port_;
    TimeBase& time_;
    TrafficRing* trafficRing_ = nullptr;
    CommunicationLog& log_;
    ControllerImages Images_;
    FirmwareFile firmwareFile_;
    QString firmwarePath_;
    FirmwareUpload firmwareUpload_;
    FeatureLevels Features_;
    BootloaderMode Bootloader_;
    // Before the scheduler, which sends its commands.
    TestModeModel testMode_;
    TrafficTrace trace_;
    TModbusClient client_;
    TJobScheduler scheduler_;
    TPortDetector detector_;

    int networkTimeoutMs_ = TModbusClient::kDefaultNetworkTimeoutMs;
    bool LinkUp_ = true;
    int InstallationMode_ = 0;
    bool SlaveConnected_ = false;
    bool slaveShownLost_ = false;
    bool slaveVersionUnread_ = false;
    // The settings reads answered since the port was opened; what a backup may hold.
    uint32_t settingsReadJobs_ = 0;
    // A backup to restore once the unit's settings are read again.
    QString pendingRestore_;
    GateMasks MasterGateMasks_;
    GateMasks SlaveGateMasks_;
    GateTableModel gateTable_{Images_, Features_};
    SetupForm form_{Images_, Features_};
    QStringList loadCorrections_;
    QString lastUpdateBackup_;
    int lastUpdatePort_ = 0;
    // When the unit answering now was last updated, as its bootloader tells.
    std::optional<QDateTime> unitUpdateTime_;
    // Slave reads asked for by Reload: only their replies replace the slave's edits.
    uint32_t slaveReloads_ = 0;
    // The slave's rows were emptied when it was lost, not edited.
    bool slaveRowsEmptied_ = false;
    StatusModel status_{Images_, Features_};
    FailedVerification failedVerification_;
    // The save under way, from StartSave until SaveFinished.
    std::optional<SaveResult> save_;
    // The upload started and not yet reported, from StartFirmwareUpload until UploadFinished.
    std::optional<UploadResult> upload_;
};
