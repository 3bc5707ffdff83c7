#pragma once
// The unit behind the line: its registers, what writes and commands do to them, and time.

#include "sim/firmware_store.h"
#include "sim/live_plant.h"
#include "sim/register_content.h"
#include "sim/register_map.h"
#include "sim/status_image.h"
#include "sim/torvex_drive.h"
#include "sim/unit_profile.h"
#include "sim/work_schedule.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>

namespace vt12sim {

enum class ModbusException : uint8_t {
    None = 0,
    IllegalFunction = 1,
    IllegalDataAddress = 2,
    IllegalDataValue = 3,
};

struct ReadOutcome {
    ModbusException error = ModbusException::None;
    QByteArray data;
};

class ControllerModel {
public:
    // Test mode ends this long after the last test command, as when the tool stops sending.
    static constexpr int kTestModeHoldMs = 5000;
    static constexpr uint8_t kSlaveLinked = 30;
    // Silence after a restart, unless the profile says otherwise.
    static constexpr int kRestartMs = kDefaultRestartMs;

    explicit ControllerModel(const UnitProfile& profile);

    ReadOutcome read(RegisterTable table, uint16_t start, uint16_t count) const;
    ModbusException write(uint16_t start, QByteArrayView data);
    // A holding register of a settings block as the unit keeps it, before any request; false
    // for an address outside those blocks.
    bool preset(uint16_t address, uint16_t value);
    // Function 101: the restart command or a test command.
    ModbusException command(uint16_t a, uint16_t b, uint16_t c);
    // Function 110.
    ModbusException writeFirmwareChunk(uint16_t start, QByteArrayView data);

    // A bootloader knows only the identification reads and the firmware chunks.
    bool ignores(uint8_t function, uint16_t start) const;
    // False while the unit restarts.
    bool isAnswering() const { return restartLeftMs_ <= 0; }
    void advance(int ms);

    bool hasSlave() const { return profile_.master; }
    bool isSlaveLinked() const { return slaveLinked_; }
    void setSlaveLinked(bool linked) { slaveLinked_ = linked; }
    QString firmwareCode() const { return code_; }

    // The security input out of order, the bypass switch on: forced from outside.
    bool hasSecurityAlarm() const { return securityAlarm_; }
    void setSecurityAlarm(bool alarm) { securityAlarm_ = alarm; }
    bool isBypassOn() const { return bypass_; }
    void setBypass(bool on) { bypass_ = on; }

    // The drive of installation mode 3 tripped, its line to the unit lost: forced from outside.
    bool isDriveTripped() const { return drive_.isTripped(); }
    void setDriveTripped(bool tripped) { drive_.setTripped(tripped); }
    bool isDriveLinkLost() const { return drive_.isLinkLost(); }
    void setDriveLinkLost(bool lost) { drive_.setLinkLost(lost); }
    bool answersWithAddressBit7() const { return profile_.addressBit7; }

    // Told what a watching person should know: restarts, the outcome of an upload.
    void setNoticeHandler(std::function<void(const QString&)> handler) {
        notice_ = std::move(handler);
    }
    // Told after every write the unit keeps.
    void setKeptWriteHandler(std::function<void()> handler) { keptWrite_ = std::move(handler); }
    // A settings block as kept, even where a lost slave reads as zeros.
    const QByteArray& keptBlock(BlockId id) const { return stored(id); }
    // A block as a read of it answers now.
    QByteArray blockBytes(BlockId id) const;

private:
    static constexpr std::size_t kBlocks = 15;

    bool slaveReachable() const { return profile_.master && slaveLinked_; }
    // The code the tool reads out of the identification text.
    QString unitCode() const { return oldIdentification_ ? QStringLiteral(" 205") : code_; }
    QByteArray& stored(BlockId id) { return stored_[static_cast<std::size_t>(id)]; }
    const QByteArray& stored(BlockId id) const { return stored_[static_cast<std::size_t>(id)]; }
    uint8_t systemByte(int offset) const;
    // Installation mode 3 stored, on firmware that knows it.
    bool hasDrive() const;
    bool pressureFromDrive() const;
    uint16_t enabledGates(Unit unit) const;
    UnitStatus unitStatus(Unit unit) const;
    PlantSetup plantSetup() const;
    PlantInputs plantInputs() const;
    void step(int ms);
    void keepOneSettingDifferent(uint16_t start, qsizetype bytes);
    void restart();
    void installFirmware(const UploadVerdict& verdict);
    void tell(const QString& text) const;
    void countArrivals(const GateArrivals& arrivals);
    void countUse(int ms);

    UnitProfile profile_;
    QString code_;
    // The running firmware's code before an upload replaced it; a bootloader's is F05A.
    QString replacedCode_ = QStringLiteral("F05A");
    bool oldIdentification_;
    QByteArray updateTime_;
    std::array<QByteArray, kBlocks> stored_;
    LivePlant plant_;
    TorvexDrive drive_;
    WorkSchedule masterWork_;
    WorkSchedule slaveWork_;
    bool securityAlarm_;
    bool bypass_;
    CounterSet masterCounters_;
    CounterSet slaveCounters_;
    FirmwareStore firmware_;
    bool slaveLinked_ = true;
    int testModeLeftMs_ = 0;
    int restartLeftMs_ = 0;
    int counterClockMs_ = 0;
    int counterStep_ = 0;
    std::function<void(const QString&)> notice_;
    std::function<void()> keptWrite_;
};

} // namespace vt12sim
