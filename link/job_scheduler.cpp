#include "link/job_scheduler.h"

#include <bit>

namespace {
constexpr uint16_t kFirmwareEndChunk = 0xF000;
constexpr uint16_t kFirmwareChunkWords = 64;
constexpr uint16_t kMasterTestMark = 0xF000;
constexpr uint16_t kPairTestMark = 0xE000;
constexpr int kMasterSlaveMode = 2;
constexpr int kDriveMode = 3;
constexpr int kWriteProgressStep = 2;

constexpr uint32_t kIdentificationJobs =
    JOB_READ_FIRMWARE_INFO | JOB_READ_FIRMWARE_INFO_2 | JOB_READ_BOOTLOADER_INFO;
constexpr uint32_t kSlaveRereadJobs =
    JOB_READ_SLAVE_COUNTERS | JOB_READ_SLAVE_GATE_SETTINGS | JOB_READ_SLAVE_GATE_NAMES;

constexpr uint32_t kPlainReads[] = {JOB_READ_FIRMWARE_INFO, JOB_READ_FIRMWARE_INFO_2,
                                    JOB_READ_BOOTLOADER_INFO, JOB_READ_COUNTERS,
                                    JOB_READ_SLAVE_COUNTERS};
constexpr uint32_t kSettingsReads[] = {JOB_READ_SYSTEM_SETTINGS, JOB_READ_GATE_SETTINGS,
                                       JOB_READ_SLAVE_GATE_SETTINGS, JOB_READ_GATE_NAMES};
} // namespace

TJobScheduler::TJobScheduler(TModbusClient& client, const ControllerImages& images,
                             SchedulerHost& host)
    : client_(client), images_(images), host_(host) {}

void TJobScheduler::SetHandler(uint32_t job, JobHandler handler) {
    if (job != 0)
        handlers_[static_cast<size_t>(std::countr_zero(job))] = std::move(handler);
}

void TJobScheduler::NextJob() {
    if (!host_.PortOpen())
        return;
    // A request still in flight (the extra turn after a restart command, or stray bytes that
    // keep the client busy) would be refused. Choosing nothing keeps every job pending and
    // CurrentJob on the request whose result is coming; that result continues the chain.
    if (client_.IsBusy())
        return;
    if (HasJob(JOB_WRITE_FIRMWARE_CHUNK)) {
        ServeFirmwareChunk();
        return;
    }
    for (uint32_t job : kPlainReads)
        if (ServeRead(job, false))
            return;
    for (uint32_t job : kSettingsReads)
        if (ServeRead(job, true))
            return;
    if (ServeRead(JOB_READ_SLAVE_GATE_NAMES, true)) {
        SetJob(JOB_READ_SLAVE_VERSION);
        return;
    }
    if (ServeRead(JOB_READ_SLAVE_VERSION, false) || ServeRead(JOB_READ_VACUUM_SETTINGS, true))
        return;
    if (HasJob(JOB_TEST_COMMAND)) {
        ServeTestCommand();
        return;
    }
    for (const WriteJobLog& write : kWriteJobLogs)
        if (ServeWrite(write.job))
            return;
    if (HasJob(JOB_RESET_UNIT)) {
        client_.SendCommand101(kSlaveAddress, 0x2000, 0x00AA, 0);
        CurrentJob = JOB_RESET_UNIT;
        return;
    }
    Poll();
}

bool TJobScheduler::ServeRead(uint32_t job, bool logVerifying) {
    if (!HasJob(job))
        return false;
    const BlockSpec* block = BlockForJob(job);
    if (logVerifying && VerifyLog)
        host_.KomStsLog(QStringLiteral("Verifying..."), false, false);
    if (block->function == kReadHolding)
        client_.ReadHoldingRegisters(kSlaveAddress, block->start, block->count);
    else
        client_.ReadInputRegisters(kSlaveAddress, block->start, block->count);
    CurrentJob = job;
    return true;
}

bool TJobScheduler::ServeWrite(uint32_t job) {
    if (!HasJob(job))
        return false;
    const BlockSpec* block = BlockForJob(job);
    const WriteJobLog* log = WriteJobLogFor(job);
    if (images_.IsChanged(block->id)) {
        client_.WriteMultipleRegisters(kSlaveAddress, block->start,
                                       images_.EditedImage(block->id).data(), block->count);
        host_.KomStsLog(QString::fromLatin1(log->writing), false, false);
        CurrentJob = job;
        return true;
    }
    host_.KomStsLog(QString::fromLatin1(log->checking), false, false);
    ClearJob(job);
    host_.PostNextJob();
    host_.AdvanceProgress(kWriteProgressStep);
    return true;
}

void TJobScheduler::ServeFirmwareChunk() {
    const uint16_t address = host_.UploadAddress();
    client_.WriteFirmwareChunk(kSlaveAddress, address, host_.FirmwareChunk(), kFirmwareChunkWords);
    CurrentJob = JOB_WRITE_FIRMWARE_CHUNK;
    if (address >= kFirmwareEndChunk) {
        CurrentJob = 0;
        JobMask = 0;
        SetJob(kIdentificationJobs);
    }
}

void TJobScheduler::ServeTestCommand() {
    const bool pair = host_.ActiveInstallationMode() == kMasterSlaveMode;
    const uint16_t gates =
        (host_.MasterTestGateBits() & 0x0FFF) | (pair ? kPairTestMark : kMasterTestMark);
    const uint16_t fan = static_cast<uint16_t>(host_.TestFanPower() << 8);
    const uint16_t slaveGates = pair ? host_.SlaveTestGateBits() : 0;
    client_.SendCommand101(kSlaveAddress, gates, fan, slaveGates);
    CurrentJob = JOB_TEST_COMMAND;
}

void TJobScheduler::Poll() {
    VerifyLog = false;
    const int mode = host_.ActiveInstallationMode();
    if (mode == kMasterSlaveMode && AnswerCount % 20 == 19 &&
        !host_.SlaveFirmware().startsWith(u'F'))
        SetJob(kSlaveRereadJobs);
    const bool odd = AnswerCount % 2 == 1;
    uint32_t poll = JOB_POLL_STATUS;
    if (odd && mode == kMasterSlaveMode)
        poll = JOB_POLL_SLAVE_STATUS;
    else if (odd && mode == kDriveMode)
        poll = JOB_POLL_VFD_STATUS;
    const BlockSpec* block = BlockForJob(poll);
    client_.ReadInputRegisters(kSlaveAddress, block->start, block->count);
    CurrentJob = poll;
    if (host_.IsInTestMode() && AnswerCount % 8 == 4)
        SetJob(JOB_TEST_COMMAND);
}

void TJobScheduler::OnModbusResult(const TModbusResult& result) {
    if (CurrentJob == JOB_RESET_UNIT) {
        host_.RestartCommandDone();
        ClearJob(JOB_RESET_UNIT);
    }
    if (result.Status == mrTimeout || result.Status == mrException)
        ++ErrorCount;
    else
        ErrorCount = 0;
    if (result.Status != mrOK) {
        if (ErrorCount >= kErrorsBeforeDetection)
            host_.PostDetectPort();
        else
            host_.PostNextJob();
        return;
    }
    host_.AnswerAddressByte(result.Frame[0]);
    host_.LinkAnswered();
    if (CurrentJob != 0) {
        const JobHandler& handler = handlers_[static_cast<size_t>(std::countr_zero(CurrentJob))];
        if (handler)
            handler(result);
    }
    ClearJob(CurrentJob);
    host_.PostNextJob();
    ++AnswerCount;
}
