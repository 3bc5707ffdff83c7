#pragma once
// The program's one window: it owns the serial port, the Modbus client, the images, the
// scheduler, the gate frames, the timers and the dialogs for the life of the program.

#include "app/main_window_ui.h"
#include "app/window_resize.h"
#include "data/bootloader_mode.h"
#include "data/controller_images.h"
#include "data/counter_lines.h"
#include "data/feature_levels.h"
#include "data/register_data.h"
#include "data/slave_link.h"
#include "link/af_com_port.h"
#include "link/job_scheduler.h"
#include "link/port_detector.h"
#include "link/qt_time_base.h"
#include "link/traffic_trace.h"
#include "widgets/gate_frame.h"

#include <QEvent>
#include <QPixmap>
#include <QWidget>
#include <array>
#include <memory>

inline constexpr QEvent::Type WM_NEXT_JOB = static_cast<QEvent::Type>(QEvent::User + 1);
inline constexpr QEvent::Type WM_DETECT_PORT = static_cast<QEvent::Type>(QEvent::User + 2);

class TfVT12SetAppMain : public QWidget, private SchedulerHost, private DetectorHost {
    Q_OBJECT
public:
    // arguments: the command line without the program name.
    explicit TfVT12SetAppMain(const QStringList& arguments, QWidget* parent = nullptr);
    ~TfVT12SetAppMain() override;

    MainWindowUi ui;
    TAfComPort ComPort;
    ControllerImages Images;
    std::array<TfrGate*, 24> Gates{};
    GatePictures GateImages;
    QPixmap CheckBoxNotChecked;
    QPixmap CheckBoxChecked;
    QPixmap CheckBoxDisabledChecked;

    QString ProgramDir;
    QString SettingsIni;
    int FixedPort = 0;
    bool ExpertMode = false;
    bool LinkUp = true;
    bool TestMode = false;
    bool ControlsLocked = false;
    int InstallationMode = 0;
    bool SlaveConnected = false;
    FeatureLevels Features;
    BootloaderMode Bootloader;
    GateMasks MasterGateMasks;
    GateMasks SlaveGateMasks;

    TModbusClient& ModbusClient() { return *client_; }
    TJobScheduler& Scheduler() { return *scheduler_; }

    void SetExpertMode(bool on);
    void ApplyPrivateLabel();
    void SetLinkState(bool up);

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
    void SetSlaveConnected(bool connected);
    void ShowSaveState();
    void OnCounters(CounterMemo memo, const RegisterData& reply);

protected:
    bool event(QEvent* e) override;
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
    void ComPortDataReceived(TAfComPort* sender, int count);
    void tDelayTimer();
    void PermissionHint(int port);
    void RegisterJobHandlers();

    // SchedulerHost
    bool PortOpen() const override;
    void PostNextJob() override;
    void PostDetectPort() override;
    void KomStsLog(const QString& text, bool append, bool replace) override;
    void AdvanceProgress(int step) override;
    void AnswerAddressByte(uint8_t address) override;
    void LinkAnswered() override;
    void RestartCommandDone() override;
    int ActiveInstallationMode() const override;
    bool IsInTestMode() const override;
    QString SlaveFirmware() const override;
    uint16_t MasterTestGateBits() const override;
    uint16_t SlaveTestGateBits() const override;
    uint8_t TestFanPower() const override;
    uint16_t UploadAddress() const override;
    const uint8_t* FirmwareChunk() const override;

    // DetectorHost
    void StartDelay() override;
    void StopDelay() override;
    void ShowTrying(int port) override;
    void LinkDown() override;
    void PortOpened(int port) override;
    void PortOpenFailed(int port, const QString& text) override;
    void PortClosed(int port) override;

    QtTimeBase time_;
    std::unique_ptr<TModbusClient> client_;
    std::unique_ptr<TJobScheduler> scheduler_;
    std::unique_ptr<TPortDetector> detector_;
    std::unique_ptr<WindowResizer> resizer_;
    TrafficTrace trace_;
    std::array<uint8_t, 65536> firmwareImage_{};
    uint16_t uploadAddress_ = 0;
    QString savedDir_;
    bool portTried_ = false;
    bool shown_ = false;
    bool closed_ = false;
};
