#pragma once
// All traffic with the controller, as jobs: one bit of JobMask per kind of request, served
// one at a time in a fixed priority order, the live status polled when nothing is pending.

#include "data/controller_images.h"
#include "link/modbus_client.h"
#include "link/scheduler_host.h"

#include <array>
#include <functional>

class TJobScheduler {
public:
    static constexpr uint8_t kSlaveAddress = 5;
    static constexpr int kErrorsBeforeDetection = 10;

    using JobHandler = std::function<void(const TModbusResult& result)>;

    TJobScheduler(TModbusClient& client, const ControllerImages& images, SchedulerHost& host);

    void SetJob(uint32_t bits) { JobMask |= bits; }
    void ClearJob(uint32_t bits) { JobMask &= ~bits; }
    bool HasJob(uint32_t bits) const { return (JobMask & bits) != 0; }
    static uint8_t SlaveAddress() { return kSlaveAddress; }

    // The one dispatch table: the handler that takes a job's valid answer.
    void SetHandler(uint32_t job, JobHandler handler);

    // One turn, run for every posted next-job message.
    void NextJob();
    // Bound to the client's result callback.
    void OnModbusResult(const TModbusResult& result);

    uint32_t JobMask = 0;
    uint32_t CurrentJob = 0;
    int32_t ErrorCount = 0;
    uint32_t AnswerCount = 0;
    bool VerifyLog = false;

private:
    bool ServeRead(uint32_t job, bool logVerifying);
    bool ServeWrite(uint32_t job);
    void ServeFirmwareChunk();
    void ServeTestCommand();
    void Poll();

    TModbusClient& client_;
    const ControllerImages& images_;
    SchedulerHost& host_;
    std::array<JobHandler, 32> handlers_;
};
