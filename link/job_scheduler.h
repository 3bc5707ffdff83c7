#pragma once
// All traffic with the controller, as jobs: one bit of JobMask per kind of request, served
// one at a time in a fixed priority order, the live status polled when nothing is pending.

#include "data/controller_images.h"
#include "data/feature_levels.h"
#include "link/communication_log.h"
#include "link/delay_timer.h"
#include "link/firmware_chunk_source.h"
#include "link/installation_source.h"
#include "link/link_events.h"
#include "link/modbus_client.h"
#include "link/serial_channel.h"
#include "link/test_command_source.h"
#include "link/turn_poster.h"

#include <array>
#include <functional>

// Whoever owns each piece of knowledge the scheduler asks for.
struct SchedulerRoles {
    const SerialChannel& port;
    TurnPoster& turns;
    CommunicationLog& log;
    LinkEvents& link;
    DelayTimer& delay;
    const InstallationSource& installation;
    const TestCommandSource& testCommand;
    const FirmwareChunkSource& firmwareChunk;
};

class TJobScheduler {
public:
    static constexpr uint8_t kSlaveAddress = 5;
    static constexpr int kErrorsBeforeDetection = 10;
    static constexpr int kRestartDelayMs = 2000;

    using JobHandler = std::function<void(const TModbusResult& result)>;

    TJobScheduler(TModbusClient& client, const ControllerImages& images,
                  const FeatureLevels& features, const SchedulerRoles& roles);

    void SetJob(uint32_t bits) { JobMask_ |= bits; }
    void ClearJob(uint32_t bits) { JobMask_ &= ~bits; }
    bool HasJob(uint32_t bits) const { return (JobMask_ & bits) != 0; }
    static uint8_t SlaveAddress() { return kSlaveAddress; }

    uint32_t JobMask() const { return JobMask_; }
    uint32_t CurrentJob() const { return CurrentJob_; }
    int32_t ErrorCount() const { return ErrorCount_; }
    uint32_t AnswerCount() const { return AnswerCount_; }
    bool VerifyLog() const { return VerifyLog_; }

    // The save: its write jobs, and every settings read until the mask is empty verifies.
    void StartVerifiedSave(uint32_t writeJobs);
    // A freshly opened port: the full read set replaces whatever was pending, and a save that
    // the lost link interrupted is over; its reads are no longer verifications.
    void StartFullReload();
    // Each detection step starts counting failures anew.
    void ResetErrorCount() { ErrorCount_ = 0; }
    // Bootloader mode takes over the mask as a whole.
    void ReplaceJobs(uint32_t jobMask) { JobMask_ = jobMask; }
    // Called from a handler: the dispatcher's clearing of the finished job leaves it pending.
    void RepeatCurrentJob() { CurrentJob_ = 0; }

    // The one dispatch table: the handler that takes a job's valid answer.
    void SetHandler(uint32_t job, JobHandler handler);

    // One turn, run for every posted next-job message.
    void NextJob();
    // Bound to the client's result callback.
    void OnModbusResult(const TModbusResult& result);

private:
    bool ServeRead(uint32_t job, bool logVerifying);
    bool ServeWrite(uint32_t job);
    void ServeFirmwareChunk();
    void ServeTestCommand();
    void Poll();

    TModbusClient& client_;
    const ControllerImages& images_;
    const FeatureLevels& features_;
    SchedulerRoles roles_;
    std::array<JobHandler, 32> handlers_;

    uint32_t JobMask_ = 0;
    uint32_t CurrentJob_ = 0;
    int32_t ErrorCount_ = 0;
    uint32_t AnswerCount_ = 0;
    bool VerifyLog_ = false;
};
