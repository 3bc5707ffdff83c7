#pragma once
// The simulator's command line.

#include "sim/fault_rates.h"
#include "sim/line_noise.h"
#include "sim/unit_profile.h"

#include <QString>
#include <QStringList>
#include <utility>

namespace vt12sim {

// Where the unit is reached: a pseudo-terminal, or a loopback TCP port carrying RTU frames as
// they are or Modbus TCP.
enum class SimLink { Pty, Tcp, ModbusTcp };

struct SimOptions {
    SimLink link = SimLink::Pty;
    // --tcp and --modbus-tcp: a loopback address and a port, 0 for any free one.
    QString listenHost;
    uint16_t listenPort = 0;
    // Above 0: the connection is reset when the dropConnectionNth request of this function
    // arrives, once.
    int dropConnectionOn = 0;
    int dropConnectionNth = 1;
    QString portDir;
    int com = 1;
    bool paced = false;
    int latencyMs = 0;
    // The answer with this number (from 1) comes lateByMs after its request; 0: none.
    int lateAnswer = 0;
    int lateByMs = 510;
    bool silent = false;
    // Rewritten with the kept settings blocks at start and after every kept write; empty: none.
    QString storeFile;
    // The answers to the firmware chunk at dropChunkAt lost this many times; 0: none.
    uint16_t dropChunkAt = 0;
    int dropChunkTimes = 0;
    // Drawn per request from --seed; all zero without --faults.
    FaultRates faults;
    // No controller on the line, only noise or an echo.
    LineNoiseKind lineNoise = LineNoiseKind::None;
    UnitProfile unit;
    // --set hold:ADDRESS=VALUE: registers the unit holds from the start, in the order given.
    QList<std::pair<uint16_t, uint16_t>> presets;
};

struct ParsedCommandLine {
    enum class Outcome { Run, Help, Error } outcome = Outcome::Error;
    SimOptions options;
    // The usage for Help, the complaint for Error.
    QString text;
};

// arguments[0] is the program name. Without --port-dir the directory comes from
// VT12_PORT_DIR, the variable the tool reads its port directory from.
ParsedCommandLine parseCommandLine(const QStringList& arguments);

} // namespace vt12sim
