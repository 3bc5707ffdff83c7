#include "sim/sim_options.h"

#include "sim/identification.h"

#include <QCommandLineParser>
#include <QDateTime>
#include <QHostAddress>
#include <QRegularExpression>

#include <limits>
#include <optional>

namespace vt12sim {

namespace {

const char* const kDetails = R"(
Plays a Vantor 12 controller at Modbus address 5 on a pseudo-terminal reachable as DIR/COMN
(functions 3, 4, 16, 101 and 110; exception 01 for other functions, 02 outside the known
blocks, 03 for bad counts). Other addresses and frames with a bad CRC get no answer.

Signals:
  SIGINT, SIGTERM, SIGHUP  remove the link DIR/COMN and exit with status 0
  SIGUSR1                  with --master: lose the slave unit / get it back
  SIGUSR2                  fall silent / answer again (a pulled cable)
  SIGRTMIN+1               security input out of order / in order again
  SIGRTMIN+2               bypass on / off
  SIGRTMIN+3               the drive trips / is reset
  SIGRTMIN+4               the line to the drive is lost / back

Content:
  identification "VT12F05A Vantor 12 Duct Gate Controller ..." (code from --firmware);
  --id-style old: "Vantor 12 Duct Gate Controller / Firmware Version: 2.05 ...";
  units of the settings follow the code the tool derives (the old text counts as oldest)
  --firmware B03C (or any code from B03B to below F03A): a bootloader that answers only the
  identification reads and function 110
  firmware upload (110, start chunk 0x4F80 .. end chunk 0xF000): answered with the 8-byte echo;
  from the start chunk on the unit is bootloader B03C (an upload cut short leaves it so);
  after the end chunk it restarts (--restart-ms silent) as the firmware whose version text at 0x5000
  is "VT12xxxx" (code xxxx; the code it had for another text), or as bootloader B03C when
  the upload broke a rule: chunks of 128 bytes, each the one before again or the next,
  start and end chunks all 0xFF, the mark AB CD at 0xC000, the trailer 00 00 00 00 11 11
  at 0xEFF8 and the checksum at 0xEFFE over 0x5000..0xEFFB
  --drop-chunk 0x6000,10: the answers to the chunk at 0x6000 lost 10 times (the unit keeps
  the chunk); the tool's timeouts and repeats, or with 10 its lost link, can be tried
  bootloader block "Vantor 12 Bootloader 1.3", updated %1 (or at the last upload)
  gates 1-12: Saw 1, Planer, Jointer, Saw 2, Sander, Router, Bandsaw, Drill Press, Lathe,
  Moulder, Edgebander, Spare (gate 12 not in use); gate block register 96 = 0x5A0C,
  system settings byte 27 (reserved) = 0x3C
  status: hardware version from --hw (default 4), SlaveLink 0; without --live no machine
  runs: gates closed and fan off unless the inputs below open or run them
  --live: each workstation's machine runs 8-45 s and pauses 15-90 s, and the workshop breaks
  for 45-150 s after every 90-240 s, all drawn from --seed (the same seed, the same day);
  a sensor makes its workstation active after the gate's Delay ON and inactive after its
  Delay OFF (hundredths, tenths from F04A); an active workstation's gate travels open in
  1.5 s, drawing current on the odd or even driver (more while starting and at the stop);
  the fan starts after Fan On Delay (OnDelayLeft in tenths) and stops after Fan Off Delay
  (OffDelayLeft in tenths, seconds from F04A) once no workstation is active, its output
  ramping (51 a second) to the operating range's share of the open gates' area; while the
  fan is on, the minimum-airflow gates are held open: the manual set, or with Smart Minimum
  Airflow (from F03K) the first further gates that make up the set share of the area,
  reported in ControllerMinAirflowGates; regular cleaning every How Often minutes of fan
  running (units of 5 minutes below F03G) opens every gate for How Long minutes; cleaning
  when the system stops follows once a system that ran at least its minimum stops working;
  the vacuum input follows the fan, less with each open gate
  security input out of order (--security-alarm, SIGRTMIN+1): the fan stops at once unless
  Run Fan is set, the gates open if Open Gates is set (NoticeFlags bit 2); bypass on
  (--bypass, SIGRTMIN+2): every gate open and the fan on, the lamp blinking while the
  security input is out of order; Open Gates at Fan Stop opens every gate while the fan is
  off (NoticeFlags bit 1), Keep Last Used Gates Open (from F04A) keeps the last active gates
  open once none is active (NoticeFlags bit 0)
  --master: installation mode 2, SlaveLink 30, slave version "VT12F05A",
  slave gates 13-24: CNC Router, Panel Saw, Wide Belt Sander, Mortiser, Tenoner, Shaper,
  Saw 3, Planer 2, Dowel Drill, Cut-off Saw, Boring Machine, Spare 2 (gate 24 not in use);
  while the slave is lost: SlaveLink 0, slave status, counters, settings and version read as
  zeros, and writes to the slave blocks are answered but not kept; with --live the slave's
  machines have their own schedule and run the master's fan while the slave is linked
  without --master the slave blocks are empty memory that keeps what is written
  counters (input 16; the slave's at input 17): gate counters grow by one each second in turn
  and with every gate that opens, Starts with every restart, Writes with every write
  restart command (101: 0x2000, 0x00AA, 0): answered, then --restart-ms without answers
  test command (101: gate word, fan word, slave gate word): gates in use travel 1.5 s, the fan
  output follows the fan word, above whatever the workstations want; test mode ends 5 s after
  the last test command
  drive status (input 96): zeros unless installation mode 3 is stored (--drive, or written)
  on firmware from F05A; then a Torvex drive of 50.0 Hz follows the fan output (the test
  command's too) with 10 s ramps: DriveFlags link, running, error, run problem (tripped while
  the fan is wanted: 0x000D); control word 0x047E, 0x047F to run, RESET (0x04FE) while
  tripped; status word 0x1231 ready, 0x1233 asked to run, 0x1237 turning, 0x1337 at the
  setpoint, 0x1737 above 25 Hz, 0x1278 tripped; inputs automatic, immediate-stop circuit
  and enable, airlock and transport fan while turning; power, current and voltage by the fan
  laws (11.0 kW, 18.7 A, 400 V at full speed); with Pressure from VFD (stored with --drive)
  fan pressure 900 and filter pressure 150-400 of 1000 by speed, and the unit's vacuum input
  taken from the fan pressure. --drive-fault: tripped (coasts to a stop); --drive-offline:
  DriveFlags 0 and the other registers as last heard
  --address-bit7: every answer's address byte is 0x85, as from a unit with a slave on its
  RS-232 port
  --store-differently: every write of system settings byte 15 reads back one higher

Faults (--faults KIND=PERCENT,..., up to two decimals, "all=P" for every kind, later entries
override earlier ones, at most 100 % in all): each request draws at most one fault from a
generator seeded with --seed, so the same seed and requests give the same faults:
  timeout    no answer; the unit does not act on the request
  crc        one bit of the answer flipped, so its CRC is wrong
  truncate   only the first 1 to length-1 bytes of the answer
  split      the answer in 2 to 4 pieces, 1 to 200 ms apart
  noise      1 to 8 random bytes just before the answer, or up to 20 ms after it
  exception  an exception answer (code 1 to 4); the unit does not act on the request
  late       the answer 800 to 1100 ms late, past the tool's timeout, so it arrives while the
             next request is out (the next answer follows it)
  duplicate  the answer, and again up to 50 ms later
  address    the answer from another address, with a matching CRC
  store      a write (function 16) kept with one data byte one higher; answered as usual
The count of each kind drawn is said on exit, e.g. "faults: crc 12, late 9".
)";

// The date the bootloader block carries, so that the help cannot tell another one.
QString factoryUpdateText() {
    constexpr qint64 msPerDay = 86400000;
    const QDateTime dayZero(QDate(1899, 12, 30), QTime(0, 0), Qt::UTC);
    return dayZero.addMSecs(qRound64(kFactoryUpdateTime * msPerDay))
        .toString(QStringLiteral("yyyy-MM-dd HH:mm"));
}

bool isFirmwareCode(const QString& code) {
    static const QRegularExpression pattern(QStringLiteral("^[ -~]{4}$"));
    return pattern.match(code).hasMatch();
}

bool readNumber(const QString& text, int lowest, int highest, int* value) {
    bool ok = false;
    const int number = text.toInt(&ok);
    if (!ok || number < lowest || number > highest) {
        return false;
    }
    *value = number;
    return true;
}

// "0x6000" or "0x6000,10".
bool readDropChunk(const QString& text, SimOptions* options) {
    const QStringList parts = text.split(u',');
    bool ok = false;
    const int address = parts[0].trimmed().toInt(&ok, 0);
    if (!ok || address < 0 || address > 0xFFFF || parts.size() > 2) {
        return false;
    }
    int times = 1;
    if (parts.size() == 2 && !readNumber(parts[1].trimmed(), 1, 1000, &times)) {
        return false;
    }
    options->dropChunkAt = static_cast<uint16_t>(address);
    options->dropChunkTimes = times;
    return true;
}

// "hold:128=35" or "hold:0x80=0x23".
std::optional<std::pair<uint16_t, uint16_t>> readPreset(const QString& text) {
    if (!text.startsWith(QLatin1String("hold:")))
        return std::nullopt;
    const QStringList parts = text.mid(5).split(u'=');
    if (parts.size() != 2)
        return std::nullopt;
    bool addressOk = false;
    bool valueOk = false;
    const int address = parts[0].trimmed().toInt(&addressOk, 0);
    const int value = parts[1].trimmed().toInt(&valueOk, 0);
    if (!addressOk || !valueOk || address < 0 || address > 0xFFFF || value < 0 || value > 0xFFFF)
        return std::nullopt;
    return std::pair{static_cast<uint16_t>(address), static_cast<uint16_t>(value)};
}

// "127.0.0.1:5020" or "[::1]:5020": only a loopback address, so that no plant network ever
// sees the simulator.
bool readListenAddress(const QString& text, SimOptions* options) {
    const qsizetype colon = text.lastIndexOf(u':');
    if (colon <= 0)
        return false;
    QString host = text.left(colon);
    if (host.startsWith(u'[') && host.endsWith(u']'))
        host = host.mid(1, host.size() - 2);
    const QHostAddress address(host);
    int port = 0;
    if (address.isNull() || !address.isLoopback() ||
        !readNumber(text.mid(colon + 1), 0, 65535, &port))
        return false;
    options->listenHost = address.toString();
    options->listenPort = static_cast<uint16_t>(port);
    return true;
}

ParsedCommandLine failure(const QString& text) {
    ParsedCommandLine parsed;
    parsed.text = text;
    return parsed;
}

} // namespace

ParsedCommandLine parseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("vt12sim: the Vantor 12 controller simulator for tests and demos."));
    const QCommandLineOption help(QStringList{"h", "help"}, "Show this help and exit.");
    const QCommandLineOption portDir(
        "port-dir", "Directory for the COM link (default: $VT12_PORT_DIR).", "DIR");
    const QCommandLineOption com("com", "COM number N of the link DIR/COMN, 1 to 99 (default 1).",
                                 "N", "1");
    const QCommandLineOption pace(
        "pace", "Emulate the line's timing: 19200 baud 8N2, answers in chunks at the line rate.");
    const QCommandLineOption latency(
        "latency", "Reaction time before each answer (default 0; may exceed the tool's timeout).",
        "MS", "0");
    const QCommandLineOption lateAnswer(
        "late-answer",
        "Answer the N-th request (counted from 1) late, once: after --late-by instead of "
        "--latency.",
        "N", "0");
    const QCommandLineOption lateBy(
        "late-by",
        "Reaction time of the late answer (default 510, past the tool's 500 ms timeout).", "MS",
        "510");
    const QCommandLineOption silent("silent", "Start silent: hear nothing, answer nothing.");
    const QCommandLineOption dropChunk(
        "drop-chunk",
        "Lose the answer to the firmware chunk at ADDRESS (0x6000 or 24576), TIMES times "
        "(default once, at most 1000).",
        "ADDRESS[,TIMES]");
    const QCommandLineOption firmware(
        "firmware", "Firmware code: F05A (default), F04A, F03K, B03C (damaged firmware), ...",
        "CODE", "F05A");
    const QCommandLineOption idStyle("id-style",
                                     "Identification text: new (default) or old "
                                     "(\"Firmware Version: 2.05\").",
                                     "STYLE", "new");
    const QCommandLineOption hardware("hw", "Hardware version byte, 0 to 255 (default 4).", "N",
                                      "4");
    const QCommandLineOption master("master", "A MASTER unit with a linked SLAVE unit.");
    const QCommandLineOption drive(
        "drive", "A unit with a Torvex drive: installation mode 3 stored, the drive live.");
    const QCommandLineOption driveFault("drive-fault", "Start with the drive tripped.");
    const QCommandLineOption driveOffline("drive-offline",
                                          "Start with the unit's line to the drive lost.");
    const QCommandLineOption addressBit7(
        "address-bit7",
        "Answer with address bit 7 set, as a unit with a slave on its RS-232 port.");
    const QCommandLineOption storeDifferently(
        "store-differently",
        "Keep the reverse delay (system settings byte 15) 10 ms longer than written.");
    const QCommandLineOption live(
        "live", "A working plant: machines switch on and off, gates, fan and cleaning follow.");
    const QCommandLineOption seed(
        "seed", "Seed of the --live schedule and of --faults, 0 to 2147483647 (default 1).", "N",
        "1");
    const QCommandLineOption faults(
        "faults", "Answers that go wrong, in percent per request: crc=5,late=2,... (see below).",
        "LIST");
    const QCommandLineOption storeFile(
        "store-file",
        "Write the settings blocks as kept and the identification blocks to FILE at start and "
        "after every kept write: one line per block, its first register and its bytes in hex.",
        "FILE");
    const QCommandLineOption securityAlarm("security-alarm",
                                           "Start with the security input out of order.");
    const QCommandLineOption bypass("bypass", "Start with the bypass input on.");
    const QCommandLineOption restartTime(
        "restart-ms",
        "Silence after the restart command and after a firmware upload (default 3000).", "MS",
        "3000");
    const QCommandLineOption refuseFirmware(
        "refuse-firmware", "After an intact firmware upload restart with the firmware it had.");
    const QCommandLineOption lineNoise(
        "line-noise",
        "No controller: the line carries random bytes (random) or echoes what it hears (echo).",
        "KIND");
    const QCommandLineOption preset(
        "set",
        "Start holding VALUE in the settings register ADDRESS, e.g. hold:128=35 (Fan On Delay "
        "3.5 s); repeatable. Both numbers decimal or 0x hex.",
        "hold:ADDRESS=VALUE");
    const QCommandLineOption tcp(
        "tcp",
        "Listen on the loopback address ADDRESS:PORT instead of a COM link; the RTU frames pass "
        "as they are, as through a serial device server. PORT 0 takes a free one (printed).",
        "ADDRESS:PORT");
    const QCommandLineOption modbusTcp(
        "modbus-tcp", "Listen on ADDRESS:PORT as a Modbus TCP gateway to the unit (unit 5).",
        "ADDRESS:PORT");
    const QCommandLineOption dropConnection(
        "drop-connection-on",
        "With --tcp or --modbus-tcp: reset the connection when the N-th request (default the "
        "first) of FUNCTION (16 a settings write, 110 a firmware chunk) arrives, once; the "
        "request is lost.",
        "FUNCTION[,N]");
    parser.addOption(tcp);
    parser.addOption(modbusTcp);
    parser.addOption(dropConnection);
    parser.addOptions(
        {help,          portDir,          com,       pace,       latency,      lateAnswer,
         lateBy,        silent,           dropChunk, firmware,   idStyle,      hardware,
         master,        storeDifferently, live,      seed,       faults,       storeFile,
         securityAlarm, bypass,           drive,     driveFault, driveOffline, addressBit7,
         restartTime,   refuseFirmware,   lineNoise, preset});

    if (!parser.parse(arguments)) {
        return failure(parser.errorText() + QStringLiteral("\nTry --help."));
    }
    if (parser.isSet(help)) {
        ParsedCommandLine parsed;
        parsed.outcome = ParsedCommandLine::Outcome::Help;
        parsed.text = parser.helpText() + QString::fromLatin1(kDetails).arg(factoryUpdateText());
        return parsed;
    }
    if (!parser.positionalArguments().isEmpty()) {
        return failure(QStringLiteral("Unexpected argument '%1'.\nTry --help.")
                           .arg(parser.positionalArguments().first()));
    }

    ParsedCommandLine parsed;
    SimOptions& options = parsed.options;
    if (parser.isSet(tcp) && parser.isSet(modbusTcp)) {
        return failure(QStringLiteral("--tcp and --modbus-tcp exclude each other."));
    }
    if (parser.isSet(tcp) || parser.isSet(modbusTcp)) {
        options.link = parser.isSet(tcp) ? SimLink::Tcp : SimLink::ModbusTcp;
        const QString where = parser.value(parser.isSet(tcp) ? tcp : modbusTcp);
        if (!readListenAddress(where, &options)) {
            return failure(QStringLiteral("--tcp and --modbus-tcp want a loopback address and a "
                                          "port, such as 127.0.0.1:5020, not '%1'.")
                               .arg(where));
        }
    }
    if (parser.isSet(dropConnection)) {
        const QStringList parts = parser.value(dropConnection).split(u',');
        if (options.link == SimLink::Pty || parts.size() > 2 ||
            !readNumber(parts[0], 1, 255, &options.dropConnectionOn) ||
            (parts.size() == 2 && !readNumber(parts[1], 1, 1000000, &options.dropConnectionNth))) {
            return failure(QStringLiteral("--drop-connection-on wants --tcp or --modbus-tcp, a "
                                          "function code from 1 to 255 and optionally ,N from 1 "
                                          "to 1000000, not '%1'.")
                               .arg(parser.value(dropConnection)));
        }
    }
    options.portDir =
        parser.isSet(portDir) ? parser.value(portDir) : qEnvironmentVariable("VT12_PORT_DIR");
    if (options.portDir.isEmpty() && options.link == SimLink::Pty) {
        return failure(QStringLiteral("No port directory: give --port-dir DIR."));
    }
    if (!readNumber(parser.value(com), 1, 99, &options.com)) {
        return failure(
            QStringLiteral("--com wants a number from 1 to 99, not '%1'.").arg(parser.value(com)));
    }
    if (!readNumber(parser.value(latency), 0, 60000, &options.latencyMs)) {
        return failure(QStringLiteral("--latency wants milliseconds from 0 to 60000, not '%1'.")
                           .arg(parser.value(latency)));
    }
    if (!readNumber(parser.value(lateAnswer), 0, 1000000, &options.lateAnswer)) {
        return failure(QStringLiteral("--late-answer wants a number from 0 to 1000000, not '%1'.")
                           .arg(parser.value(lateAnswer)));
    }
    if (!readNumber(parser.value(lateBy), 0, 60000, &options.lateByMs)) {
        return failure(QStringLiteral("--late-by wants milliseconds from 0 to 60000, not '%1'.")
                           .arg(parser.value(lateBy)));
    }
    if (parser.isSet(dropChunk) && !readDropChunk(parser.value(dropChunk), &options)) {
        return failure(QStringLiteral("--drop-chunk wants an address from 0 to 0xFFFF and "
                                      "optionally ,TIMES from 1 to 1000, not '%1'.")
                           .arg(parser.value(dropChunk)));
    }
    int hardwareVersion = 0;
    if (!readNumber(parser.value(hardware), 0, 255, &hardwareVersion)) {
        return failure(QStringLiteral("--hw wants a number from 0 to 255, not '%1'.")
                           .arg(parser.value(hardware)));
    }
    options.unit.hardwareVersion = static_cast<uint8_t>(hardwareVersion);
    options.unit.firmwareCode = parser.value(firmware);
    if (!isFirmwareCode(options.unit.firmwareCode)) {
        return failure(QStringLiteral("--firmware wants a code of four characters such as F05A, "
                                      "not '%1'.")
                           .arg(options.unit.firmwareCode));
    }
    const QString style = parser.value(idStyle);
    if (style != QLatin1String("new") && style != QLatin1String("old")) {
        return failure(QStringLiteral("--id-style is new or old, not '%1'.").arg(style));
    }
    options.unit.oldIdentification = style == QLatin1String("old");
    int seedNumber = 0;
    if (!readNumber(parser.value(seed), 0, std::numeric_limits<int>::max(), &seedNumber)) {
        return failure(QStringLiteral("--seed wants a number from 0 to 2147483647, not '%1'.")
                           .arg(parser.value(seed)));
    }
    options.unit.seed = static_cast<uint32_t>(seedNumber);
    if (parser.isSet(faults)) {
        const ParsedFaults parsedFaults = parseFaultRates(parser.value(faults));
        if (!parsedFaults.rates) {
            return failure(parsedFaults.error + QStringLiteral("\nTry --help."));
        }
        options.faults = *parsedFaults.rates;
    }
    options.unit.live = parser.isSet(live);
    options.unit.securityAlarm = parser.isSet(securityAlarm);
    options.unit.bypass = parser.isSet(bypass);
    options.unit.master = parser.isSet(master);
    options.unit.drive = parser.isSet(drive);
    if (options.unit.master && options.unit.drive) {
        return failure(QStringLiteral("--master and --drive exclude each other: a unit has either "
                                      "a slave or a drive on its RS-485 port."));
    }
    options.unit.driveTripped = parser.isSet(driveFault);
    options.unit.driveLinkLost = parser.isSet(driveOffline);
    options.unit.addressBit7 = parser.isSet(addressBit7);
    options.unit.storeDifferently = parser.isSet(storeDifferently);
    if (!readNumber(parser.value(restartTime), 0, 600000, &options.unit.restartMs)) {
        return failure(QStringLiteral("--restart-ms wants milliseconds from 0 to 600000, not '%1'.")
                           .arg(parser.value(restartTime)));
    }
    options.unit.refusesFirmware = parser.isSet(refuseFirmware);
    if (parser.isSet(lineNoise)) {
        const QString kind = parser.value(lineNoise);
        if (kind == QLatin1String("random")) {
            options.lineNoise = LineNoiseKind::Random;
        } else if (kind == QLatin1String("echo")) {
            options.lineNoise = LineNoiseKind::Echo;
        } else {
            return failure(QStringLiteral("--line-noise is random or echo, not '%1'.").arg(kind));
        }
    }
    options.paced = parser.isSet(pace);
    options.silent = parser.isSet(silent);
    options.storeFile = parser.value(storeFile);
    for (const QString& text : parser.values(preset)) {
        const std::optional<std::pair<uint16_t, uint16_t>> register_ = readPreset(text);
        if (!register_) {
            return failure(QStringLiteral("--set wants hold:ADDRESS=VALUE with numbers from 0 to "
                                          "65535, not '%1'.")
                               .arg(text));
        }
        options.presets.append(*register_);
    }
    parsed.outcome = ParsedCommandLine::Outcome::Run;
    return parsed;
}

} // namespace vt12sim
