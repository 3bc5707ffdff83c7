// The dispatch table: which handler takes the valid answer of which job.

#include "session/controller_session.h"

namespace {
// Function 3 and 4 answers: the register data behind the three header bytes.
RegisterData registerData(const TModbusResult& result) {
    return RegisterDataOfFrame(result.Frame.data(), result.DataByteCount + 5);
}
} // namespace

void ControllerSession::RegisterJobHandlers() {
    TJobScheduler& s = scheduler_;
    const auto identification = [this](FirmwarePart part) {
        return [this, part](const TModbusResult& r) { OnFirmwareInfo(part, registerData(r)); };
    };
    s.SetHandler(JOB_READ_FIRMWARE_INFO, identification(FirmwarePart::First));
    s.SetHandler(JOB_READ_FIRMWARE_INFO_2, identification(FirmwarePart::Second));
    s.SetHandler(JOB_READ_BOOTLOADER_INFO, identification(FirmwarePart::Bootloader));
    s.SetHandler(JOB_READ_SLAVE_VERSION,
                 [this](const TModbusResult& r) { OnSlaveVersion(registerData(r)); });

    for (const BlockSpec& block : kBlocks) {
        if (!block.isSettings())
            continue;
        s.SetHandler(block.readJob, [this, id = block.id](const TModbusResult& r) {
            OnSettingsRead(id, registerData(r));
        });
        s.SetHandler(block.writeJob, [this, readJob = block.readJob](const TModbusResult&) {
            OnSettingsWritten(readJob);
        });
    }

    s.SetHandler(JOB_POLL_STATUS,
                 [this](const TModbusResult& r) { OnStatusPoll(registerData(r)); });
    s.SetHandler(JOB_POLL_SLAVE_STATUS,
                 [this](const TModbusResult& r) { OnSlaveStatusPoll(registerData(r)); });
    s.SetHandler(JOB_POLL_VFD_STATUS,
                 [this](const TModbusResult& r) { OnDriveStatusPoll(registerData(r)); });
    s.SetHandler(JOB_READ_COUNTERS, [this](const TModbusResult& r) {
        OnCounters(CounterMemo::Master, registerData(r));
    });
    s.SetHandler(JOB_READ_SLAVE_COUNTERS, [this](const TModbusResult& r) {
        OnCounters(CounterMemo::Slave, registerData(r));
    });
    s.SetHandler(JOB_WRITE_FIRMWARE_CHUNK,
                 [this](const TModbusResult&) { OnFirmwareChunkWritten(); });
}
