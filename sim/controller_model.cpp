#include "sim/controller_model.h"

#include "sim/identification.h"
#include "sim/register_bytes.h"

#include <algorithm>

namespace vt12sim {

namespace {

constexpr uint16_t kRestartA = 0x2000;
constexpr uint16_t kRestartB = 0x00AA;
constexpr uint16_t kTestCommandMark = 0xE000;
constexpr uint16_t kGateBits = 0x0FFF;
constexpr int kSystemReverseDelay = 15;
constexpr int kSystemInstallationMode = 20;
const QString kBootloaderCode = QStringLiteral("B03C");
constexpr int kSystemPressureFromDrive = 26;
// The sensor input's counts: bottom and span of its range; the drive's pressures run to 1000.
constexpr int kInputBottom = 181;
constexpr int kInputSpan = 728;
constexpr int kDrivePressureFull = 1000;

bool isSlaveSettings(BlockId id) {
    return id == BlockId::SlaveGateSettings || id == BlockId::SlaveGateNames;
}

QByteArray countersBytes(const CounterSet& counters) {
    QByteArray bytes(static_cast<qsizetype>(counters.size()) * 4, '\0');
    for (std::size_t i = 0; i < counters.size(); ++i) {
        putLong(bytes, static_cast<qsizetype>(i) * 4, counters[i]);
    }
    return bytes;
}

} // namespace

ControllerModel::ControllerModel(const UnitProfile& profile)
    : profile_(profile), code_(profile.firmwareCode), oldIdentification_(profile.oldIdentification),
      updateTime_(encodeDayTime(kFactoryUpdateTime)), masterWork_(profile.seed, 0),
      slaveWork_(profile.seed, 1), securityAlarm_(profile.securityAlarm), bypass_(profile.bypass),
      masterCounters_(initialCounters(Unit::Master)), slaveCounters_(initialCounters(Unit::Slave)) {
    drive_.setTripped(profile.driveTripped);
    drive_.setLinkLost(profile.driveLinkLost);
    const QString units = unitCode();
    stored(BlockId::GateSettings) = initialGateSettings(Unit::Master, units);
    stored(BlockId::SystemSettings) =
        initialSystemSettings(units, initialInstallationMode(profile));
    stored(BlockId::GateNames) = initialGateNames(Unit::Master);
    stored(BlockId::VacuumSettings) = initialVacuumSettings(units);
    // A single unit has nothing behind its slave blocks but empty memory.
    const BlockSpan& slaveGates = blockSpan(BlockId::SlaveGateSettings);
    const BlockSpan& slaveNames = blockSpan(BlockId::SlaveGateNames);
    stored(BlockId::SlaveGateSettings) = profile.master ? initialGateSettings(Unit::Slave, units)
                                                        : QByteArray(slaveGates.count * 2, '\0');
    stored(BlockId::SlaveGateNames) =
        profile.master ? initialGateNames(Unit::Slave) : QByteArray(slaveNames.count * 2, '\0');
}

ReadOutcome ControllerModel::read(RegisterTable table, uint16_t start, uint16_t count) const {
    const BlockSpan* span = blockForRead(table, start, count);
    if (span == nullptr) {
        return {ModbusException::IllegalDataAddress, {}};
    }
    return {ModbusException::None, blockBytes(span->id).mid((start - span->start) * 2, count * 2)};
}

QByteArray ControllerModel::blockBytes(BlockId id) const {
    const int bytes = blockSpan(id).count * 2;
    switch (id) {
    case BlockId::SlaveGateSettings:
    case BlockId::SlaveGateNames:
        // A master that has lost its slave has nothing to relay.
        return profile_.master && !slaveLinked_ ? QByteArray(bytes, '\0') : stored(id);
    case BlockId::SlaveVersion:
        return slaveVersionBlock(slaveReachable());
    case BlockId::FirmwareInfo:
        return firmwareInfoBlock(code_, oldIdentification_);
    case BlockId::FirmwareInfo2:
        return firmwareInfoBlock2(code_, oldIdentification_);
    case BlockId::BootloaderInfo:
        return bootloaderInfoBlock(updateTime_);
    case BlockId::Status:
        return encodeUnitStatus(unitStatus(Unit::Master));
    case BlockId::SlaveStatus:
        return slaveReachable() ? encodeUnitStatus(unitStatus(Unit::Slave))
                                : QByteArray(bytes, '\0');
    case BlockId::Counters:
        return countersBytes(masterCounters_);
    case BlockId::SlaveCounters:
        return slaveReachable() ? countersBytes(slaveCounters_) : QByteArray(bytes, '\0');
    case BlockId::DriveStatus:
        return encodeDriveStatus(hasDrive() ? drive_.status() : DriveStatus{});
    default:
        return stored(id);
    }
}

uint8_t ControllerModel::systemByte(int offset) const {
    return static_cast<uint8_t>(stored(BlockId::SystemSettings)[offset]);
}

bool ControllerModel::hasDrive() const {
    return systemByte(kSystemInstallationMode) == kDriveInstallation &&
           codeFrom(unitCode(), "F05A");
}

bool ControllerModel::pressureFromDrive() const {
    return hasDrive() && systemByte(kSystemPressureFromDrive) == 1;
}

uint16_t ControllerModel::enabledGates(Unit unit) const {
    const QByteArray& gates =
        stored(unit == Unit::Master ? BlockId::GateSettings : BlockId::SlaveGateSettings);
    uint16_t enabled = 0;
    for (int gate = 0; gate < 12; ++gate) {
        if (gates[gate * 16] != 0) {
            enabled |= static_cast<uint16_t>(1u << gate);
        }
    }
    return enabled;
}

UnitStatus ControllerModel::unitStatus(Unit unit) const {
    UnitStatus status = plant_.status(unit, plantInputs(), plantSetup());
    status.hardwareVersion = profile_.hardwareVersion;
    if (unit == Unit::Master) {
        status.slaveLink = slaveReachable() ? kSlaveLinked : 0;
        if (pressureFromDrive()) {
            status.inputValue = static_cast<uint16_t>(
                kInputBottom + drive_.status().fanPressure * kInputSpan / kDrivePressureFull);
        }
    }
    return status;
}

PlantSetup ControllerModel::plantSetup() const {
    const QString units = unitCode();
    PlantSetup setup;
    setup.system = readSystemSetup(stored(BlockId::SystemSettings), units);
    setup.master = readGateSetup(stored(BlockId::GateSettings), codeFrom(units, "F04A"));
    // The slave runs F05A.
    setup.slave = readGateSetup(stored(BlockId::SlaveGateSettings), true);
    setup.slaveLinked = slaveReachable();
    return setup;
}

PlantInputs ControllerModel::plantInputs() const {
    PlantInputs inputs;
    if (profile_.live) {
        inputs.masterSensors = masterWork_.sensors();
        inputs.slaveSensors = profile_.master ? slaveWork_.sensors() : 0;
    }
    inputs.securityInOrder = !securityAlarm_;
    inputs.bypass = bypass_;
    return inputs;
}

bool ControllerModel::preset(uint16_t address, uint16_t value) {
    const BlockSpan* span = blockForWrite(address, 1);
    if (span == nullptr) {
        return false;
    }
    const qsizetype offset = (address - span->start) * 2;
    QByteArray& bytes = stored(span->id);
    bytes[offset] = static_cast<char>(value >> 8);
    bytes[offset + 1] = static_cast<char>(value & 0xFF);
    return true;
}

ModbusException ControllerModel::write(uint16_t start, QByteArrayView data) {
    const auto count = static_cast<uint16_t>(data.size() / 2);
    const BlockSpan* span = blockForWrite(start, count);
    if (span == nullptr) {
        return ModbusException::IllegalDataAddress;
    }
    const bool slaveBlock = isSlaveSettings(span->id);
    if (slaveBlock && profile_.master && !slaveLinked_) {
        // Nowhere to relay it: the slave keeps what it had.
        return ModbusException::None;
    }
    const qsizetype offset = (start - span->start) * 2;
    stored(span->id).replace(offset, data.size(), data.data(), data.size());
    if (span->id == BlockId::SystemSettings && profile_.storeDifferently) {
        keepOneSettingDifferent(static_cast<uint16_t>(offset), data.size());
    }
    CounterSet& counters = slaveBlock && profile_.master ? slaveCounters_ : masterCounters_;
    ++counters[kWritesCounter];
    if (keptWrite_) {
        keptWrite_();
    }
    return ModbusException::None;
}

void ControllerModel::keepOneSettingDifferent(uint16_t offset, qsizetype bytes) {
    if (offset > kSystemReverseDelay || offset + bytes <= kSystemReverseDelay) {
        return;
    }
    // The reverse delay comes back 10 ms longer than written.
    QByteArray& system = stored(BlockId::SystemSettings);
    const uint8_t written = static_cast<uint8_t>(system[kSystemReverseDelay]);
    system[kSystemReverseDelay] = static_cast<char>(written == 0xFF ? written - 1 : written + 1);
}

ModbusException ControllerModel::command(uint16_t a, uint16_t b, uint16_t c) {
    if (a == kRestartA && b == kRestartB && c == 0) {
        restart();
        return ModbusException::None;
    }
    if ((a & kTestCommandMark) != kTestCommandMark) {
        return ModbusException::IllegalDataValue;
    }
    plant_.testCommand(a & kGateBits, c & kGateBits, static_cast<uint8_t>(b >> 8), plantSetup());
    testModeLeftMs_ = kTestModeHoldMs;
    return ModbusException::None;
}

ModbusException ControllerModel::writeFirmwareChunk(uint16_t start, QByteArrayView data) {
    if (!firmware_.fits(start, data.size())) {
        return ModbusException::IllegalDataAddress;
    }
    if (start == FirmwareStore::kStartChunk && !isBootloaderCode(code_)) {
        // The old firmware is being overwritten: a link lost from here on leaves the bootloader.
        replacedCode_ = code_;
        code_ = kBootloaderCode;
        tell(QStringLiteral("firmware upload begun, bootloader %1 takes over").arg(code_));
    }
    if (const std::optional<UploadVerdict> verdict = firmware_.write(start, data)) {
        installFirmware(*verdict);
    }
    return ModbusException::None;
}

void ControllerModel::installFirmware(const UploadVerdict& verdict) {
    if (verdict.problem.isEmpty() && profile_.refusesFirmware) {
        code_ = replacedCode_;
        tell(QStringLiteral("firmware upload refused, restarting as %1").arg(code_));
    } else if (verdict.problem.isEmpty()) {
        // A version text of another form leaves the unit with the code it had.
        code_ = verdict.code.isEmpty() ? replacedCode_ : verdict.code;
        updateTime_ = verdict.updateTime;
        oldIdentification_ = false;
        tell(QStringLiteral("firmware upload intact, restarting as %1").arg(code_));
    } else {
        code_ = kBootloaderCode;
        tell(QStringLiteral("firmware upload damaged (%1), restarting as bootloader %2")
                 .arg(verdict.problem, code_));
    }
    restart();
}

void ControllerModel::tell(const QString& text) const {
    if (notice_) {
        notice_(text);
    }
}

bool ControllerModel::ignores(uint8_t function, uint16_t start) const {
    if (!isBootloaderCode(code_) || function == 110) {
        return false;
    }
    if (function != 3) {
        return true;
    }
    const BlockSpan* span = blockForRead(RegisterTable::Holding, start, 1);
    return span == nullptr ||
           (span->id != BlockId::FirmwareInfo && span->id != BlockId::FirmwareInfo2 &&
            span->id != BlockId::BootloaderInfo);
}

void ControllerModel::restart() {
    tell(QStringLiteral("restarting, silent for %1 ms").arg(profile_.restartMs));
    restartLeftMs_ = profile_.restartMs;
    testModeLeftMs_ = 0;
    plant_.restart();
    ++masterCounters_[kStartsCounter];
    if (slaveReachable()) {
        ++slaveCounters_[kStartsCounter];
    }
}

void ControllerModel::advance(int ms) {
    restartLeftMs_ = std::max(0, restartLeftMs_ - ms);
    for (int left = ms; left > 0; left -= LivePlant::kStepMs) {
        step(std::min(left, LivePlant::kStepMs));
    }
    countUse(ms);
}

void ControllerModel::step(int ms) {
    if (testModeLeftMs_ > 0) {
        testModeLeftMs_ -= ms;
        if (testModeLeftMs_ <= 0) {
            plant_.leaveTestMode();
        }
    }
    if (profile_.live) {
        masterWork_.advance(ms);
        slaveWork_.advance(ms);
    }
    countArrivals(plant_.advance(ms, plantInputs(), plantSetup()));
    drive_.advance(ms, hasDrive() ? plant_.fanOutput() : 0, pressureFromDrive());
}

void ControllerModel::countArrivals(const GateArrivals& arrivals) {
    for (int gate = 0; gate < 12; ++gate) {
        if (arrivals.master & (1u << gate)) {
            ++masterCounters_[gate];
        }
        if (slaveReachable() && (arrivals.slave & (1u << gate))) {
            ++slaveCounters_[gate];
        }
    }
}

void ControllerModel::countUse(int ms) {
    // The workshop keeps working: every second one more workstation has been used.
    counterClockMs_ += ms;
    for (; counterClockMs_ >= 1000; counterClockMs_ -= 1000) {
        const int gate = counterStep_++ % 12;
        const uint16_t bit = static_cast<uint16_t>(1u << gate);
        if (enabledGates(Unit::Master) & bit) {
            ++masterCounters_[gate];
        }
        if (slaveReachable() && (enabledGates(Unit::Slave) & bit)) {
            ++slaveCounters_[gate];
        }
    }
}

} // namespace vt12sim
