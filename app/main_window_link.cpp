// The window's side of the controller link: wiring, posted turns, the log, detection.

#include "app/main_window.h"
#include "link/uncaught_error.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTimer>

namespace {
constexpr int kDelayMs = 200;
constexpr int kRestartDelayMs = 2000;
constexpr int kReceiveChunk = 256;
} // namespace

void TfVT12SetAppMain::BindLink() {
    client_ = std::make_unique<TModbusClient>(time_);
    scheduler_ =
        std::make_unique<TJobScheduler>(*client_, Images, static_cast<SchedulerHost&>(*this));
    detector_ =
        std::make_unique<TPortDetector>(ComPort, *scheduler_, static_cast<DetectorHost&>(*this));
    ComPort.OnDataRecived = [this](TAfComPort* sender, int count) {
        ComPortDataReceived(sender, count);
    };
    ComPort.OnDeviceLost = [this] { detector_->DeviceLost(ComPort.ComNumber()); };
    client_->OnSend = [this](const uint8_t* data, int length) {
        trace_.Tx(data, length);
        ComPort.WriteData(data, length);
    };
    client_->OnResult = [this](TModbusResult& result) {
        trace_.Result(result);
        scheduler_->OnModbusResult(result);
    };
    connect(ui.tDelay, &QTimer::timeout, this, [this] { RunGuarded([this] { tDelayTimer(); }); });
    RegisterJobHandlers();
}

void TfVT12SetAppMain::ComPortDataReceived(TAfComPort*, int count) {
    // More than one answer can hold is read in pieces; the client rejects it as a whole.
    uint8_t buffer[kReceiveChunk];
    while (count > 0) {
        const int piece = count < kReceiveChunk ? count : kReceiveChunk;
        ComPort.ReadData(buffer, piece);
        trace_.Rx(buffer, piece);
        client_->ReceiveBytes(buffer, piece);
        count -= piece;
    }
}

void TfVT12SetAppMain::tDelayTimer() {
    detector_->DelayExpired();
}

bool TfVT12SetAppMain::PortOpen() const {
    return ComPort.Active();
}

void TfVT12SetAppMain::PostNextJob() {
    QCoreApplication::postEvent(this, new QEvent(WM_NEXT_JOB));
}

void TfVT12SetAppMain::PostDetectPort() {
    QCoreApplication::postEvent(this, new QEvent(WM_DETECT_PORT));
}

void TfVT12SetAppMain::KomStsLog(const QString& text, bool append, bool replace) {
    QPlainTextEdit* log = ui.mKomSts;
    // On an empty log there is no last line to finish: the text starts one.
    if ((!append && !replace) || log->document()->isEmpty()) {
        log->appendPlainText(text);
        return;
    }
    QTextCursor cursor(log->document()->lastBlock());
    cursor.movePosition(QTextCursor::EndOfBlock);
    if (replace)
        cursor.movePosition(QTextCursor::StartOfBlock, QTextCursor::KeepAnchor);
    cursor.insertText(text);
}

void TfVT12SetAppMain::AdvanceProgress(int step) {
    ui.pbKomSts->setValue(ui.pbKomSts->value() + step);
}

void TfVT12SetAppMain::AnswerAddressByte(uint8_t address) {
    const bool slaveOnPort = (address & 0x80) != 0;
    ui.rbSlaveOnPort1->setVisible(slaveOnPort);
    ui.rbSlaveOnPort2->setEnabled(!slaveOnPort);
}

void TfVT12SetAppMain::LinkAnswered() {
    SetLinkState(true);
}

void TfVT12SetAppMain::RestartCommandDone() {
    ui.tDelay->setInterval(kRestartDelayMs);
    ui.tDelay->start();
}

int TfVT12SetAppMain::ActiveInstallationMode() const {
    return InstallationMode;
}

bool TfVT12SetAppMain::IsInTestMode() const {
    return TestMode;
}

QString TfVT12SetAppMain::SlaveFirmware() const {
    return Features.SlaveCode().Text();
}

uint16_t TfVT12SetAppMain::MasterTestGateBits() const {
    uint16_t bits = 0;
    for (int i = 0; i < 12; ++i)
        if (Gates[i]->IsGateButtonDown())
            bits |= static_cast<uint16_t>(1u << i);
    return bits;
}

uint16_t TfVT12SetAppMain::SlaveTestGateBits() const {
    uint16_t bits = 0;
    for (int i = 0; i < 12; ++i)
        if (Gates[12 + i]->IsGateButtonDown())
            bits |= static_cast<uint16_t>(1u << i);
    return bits;
}

uint8_t TfVT12SetAppMain::TestFanPower() const {
    return 0;
}

uint16_t TfVT12SetAppMain::UploadAddress() const {
    return uploadAddress_;
}

const uint8_t* TfVT12SetAppMain::FirmwareChunk() const {
    // The last chunk of the image is the furthest a chunk may start.
    const size_t last = firmwareImage_.size() - 128;
    return firmwareImage_.data() + std::min<size_t>(uploadAddress_, last);
}

void TfVT12SetAppMain::StartDelay() {
    ui.tDelay->start();
}

void TfVT12SetAppMain::StopDelay() {
    ui.tDelay->stop();
    ui.tDelay->setInterval(kDelayMs);
}

void TfVT12SetAppMain::ShowTrying(int port) {
    portTried_ = true;
    ui.pVTDetected->setText(QStringLiteral("... trying detect on COM%1").arg(port));
}

void TfVT12SetAppMain::LinkDown() {
    SetLinkState(false);
}

void TfVT12SetAppMain::PortOpened(int port) {
    trace_.PortOpen(port);
    ui.pVTDetected->setToolTip(QString());
}

void TfVT12SetAppMain::PortOpenFailed(int port, const QString& text) {
    trace_.PortOpenFail(port, text);
    if (ComPort.LastOpenFailure() == OpenFailure::NoPermission)
        PermissionHint(port);
}

void TfVT12SetAppMain::PortClosed(int port) {
    trace_.PortClose(port);
}

void TfVT12SetAppMain::PermissionHint(int port) {
    ui.pVTDetected->setToolTip(
        QStringLiteral("COM%1 (%2) cannot be opened: permission denied.\n"
                       "Add your user to the \"dialout\" group (sudo adduser $USER dialout), "
                       "then log out and in again.")
            .arg(port)
            .arg(ComPort.DevicePath()));
}
