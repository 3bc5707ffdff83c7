#include "link/job_scheduler.h"

#include "data/installation_mode.h"

#include <bit>

namespace {
constexpr uint16_t kFirmwareEndChunk = 0xF000;
constexpr uint16_t kFirmwareChunkWords = 64;
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
                             const FeatureLevels& features, const SchedulerRoles& roles)
    : client_(client), images_(images), features_(features), roles_(roles) {}

void TJobScheduler::StartVerifiedSave(uint32_t writeJobs) {
    SetJob(writeJobs);
    VerifyLog_ = true;
}

void TJobScheduler::StartFullReload() {
    client_.NewLine();
    AnswerCount_ = 0;
    JobMask_ = kFullReloadJobs;
    VerifyLog_ = false;
}

void TJobScheduler::SetHandler(uint32_t job, JobHandler handler) {
    if (job != 0)
        handlers_[static_cast<size_t>(std::countr_zero(job))] = std::move(handler);
}

void TJobScheduler::NextJob() {
    if (!roles_.port.Active())
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
        CurrentJob_ = JOB_RESET_UNIT;
        return;
    }
    Poll();
}

bool TJobScheduler::ServeRead(uint32_t job, bool logVerifying) {
    if (!HasJob(job))
        return false;
    const BlockSpec* block = BlockForJob(job);
    if (logVerifying && VerifyLog_)
        roles_.log.KomStsLog(QStringLiteral("Verifying..."), false, false);
    if (block->function == kReadHolding)
        client_.ReadHoldingRegisters(kSlaveAddress, block->start, block->count);
    else
        client_.ReadInputRegisters(kSlaveAddress, block->start, block->count);
    CurrentJob_ = job;
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
        roles_.log.KomStsLog(QString::fromLatin1(log->writing), false, false);
        CurrentJob_ = job;
        return true;
    }
    roles_.log.KomStsLog(QString::fromLatin1(log->checking), false, false);
    roles_.log.JudgeLastLine(true);
    ClearJob(job);
    roles_.turns.PostNextJob();
    roles_.log.AdvanceProgress(kWriteProgressStep);
    return true;
}

void TJobScheduler::ServeFirmwareChunk() {
    const uint16_t address = roles_.firmwareChunk.UploadAddress();
    client_.WriteFirmwareChunk(kSlaveAddress, address, roles_.firmwareChunk.FirmwareChunk(),
                               kFirmwareChunkWords);
    CurrentJob_ = JOB_WRITE_FIRMWARE_CHUNK;
    if (address >= kFirmwareEndChunk) {
        CurrentJob_ = 0;
        JobMask_ = 0;
        SetJob(kIdentificationJobs);
    }
}

void TJobScheduler::ServeTestCommand() {
    const TestCommandWords words = roles_.testCommand.TestCommand();
    client_.SendCommand101(kSlaveAddress, words.gates, words.fan, words.slaveGates);
    CurrentJob_ = JOB_TEST_COMMAND;
}

void TJobScheduler::Poll() {
    VerifyLog_ = false;
    const int mode = roles_.installation.InstallationMode();
    if (mode == kInstallationMasterSlave && AnswerCount_ % 20 == 19 &&
        features_.SlaveNeedsPeriodicReread())
        SetJob(kSlaveRereadJobs);
    const bool odd = AnswerCount_ % 2 == 1;
    uint32_t poll = JOB_POLL_STATUS;
    if (odd && mode == kInstallationMasterSlave)
        poll = JOB_POLL_SLAVE_STATUS;
    else if (odd && mode == kInstallationDrive)
        poll = JOB_POLL_VFD_STATUS;
    const BlockSpec* block = BlockForJob(poll);
    client_.ReadInputRegisters(kSlaveAddress, block->start, block->count);
    CurrentJob_ = poll;
    if (roles_.testCommand.TestMode() && AnswerCount_ % 8 == 4)
        SetJob(JOB_TEST_COMMAND);
}

void TJobScheduler::OnModbusResult(const TModbusResult& result) {
    if (CurrentJob_ == JOB_RESET_UNIT) {
        roles_.delay.Start(kRestartDelayMs);
        ClearJob(JOB_RESET_UNIT);
    }
    // Bad frames count too: a line that only produces them (noise, an echo) is given up.
    if (result.Status != mrOK)
        ++ErrorCount_;
    else
        ErrorCount_ = 0;
    if (result.Status != mrOK) {
        if (ErrorCount_ >= kErrorsBeforeDetection)
            roles_.turns.PostDetectPort();
        else
            roles_.turns.PostNextJob();
        return;
    }
    roles_.link.LinkAnswered(result.Frame[0]);
    if (CurrentJob_ != 0) {
        const JobHandler& handler = handlers_[static_cast<size_t>(std::countr_zero(CurrentJob_))];
        if (handler)
            handler(result);
    }
    ClearJob(CurrentJob_);
    roles_.turns.PostNextJob();
    ++AnswerCount_;
}
