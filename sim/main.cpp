// vt12sim: takes the controller's place on a pseudo-terminal for tests and demos.

#include "sim/controller_model.h"
#include "sim/fault_injector.h"
#include "sim/line_noise.h"
#include "sim/line_pacer.h"
#include "sim/line_session.h"
#include "sim/pty_port.h"
#include "sim/signal_relay.h"
#include "sim/sim_options.h"
#include "sim/store_file.h"
#include "sim/tcp_line_port.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>
#include <QTimer>

#include <csignal>
#include <memory>

using namespace vt12sim;

namespace {

constexpr int kModelTickMs = 100;

void say(const QString& line) {
    QTextStream(stdout) << "vt12sim: " << line << Qt::endl;
}

void complain(const QString& line) {
    QTextStream(stderr) << "vt12sim: " << line << Qt::endl;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const ParsedCommandLine command = parseCommandLine(QCoreApplication::arguments());
    switch (command.outcome) {
    case ParsedCommandLine::Outcome::Help:
        QTextStream(stdout) << command.text;
        return 0;
    case ParsedCommandLine::Outcome::Error:
        complain(command.text);
        return 2;
    case ParsedCommandLine::Outcome::Run:
        break;
    }
    const SimOptions& options = command.options;
    // A reader of our messages that goes away must not take the simulator with it.
    std::signal(SIGPIPE, SIG_IGN);

    SignalRelay relay;
    if (!relay.isReady()) {
        complain(QStringLiteral("cannot set up signal handling"));
        return 1;
    }
    QString error;
    std::unique_ptr<LinePort> line;
    QString where;
    if (options.link == SimLink::Pty) {
        auto pty = std::make_unique<PtyPort>();
        if (!pty->open(options.portDir, options.com, &error)) {
            complain(error);
            return 1;
        }
        where = pty->linkPath() + QStringLiteral(" -> ") + pty->devicePath();
        line = std::move(pty);
    } else {
        auto tcp = std::make_unique<TcpLinePort>(options.link == SimLink::ModbusTcp);
        if (!tcp->listen(QHostAddress(options.listenHost), options.listenPort, &error)) {
            complain(error);
            return 1;
        }
        where = tcp->url();
        tcp->dropConnectionOn(options.dropConnectionOn, options.dropConnectionNth);
        line = std::move(tcp);
    }
    LinePort& port = *line;

    ControllerModel model(options.unit);
    for (const auto& [address, value] : options.presets) {
        if (!model.preset(address, value)) {
            complain(QStringLiteral("--set: register %1 lies in no settings block.").arg(address));
            return 1;
        }
    }
    model.setNoticeHandler(say);
    if (!options.storeFile.isEmpty()) {
        const auto store = [&model, &options] {
            QString storeError;
            if (!writeStoreFile(options.storeFile, model, &storeError)) {
                complain(storeError);
            }
        };
        store();
        model.setKeptWriteHandler(store);
    }
    LinePacer pacer(options.paced, options.latencyMs);
    pacer.answerLate(options.lateAnswer, options.lateByMs);
    FaultInjector faults(options.faults, options.unit.seed);
    // A noisy line carries no controller: nothing reaches the unit.
    std::unique_ptr<LineSession> session;
    if (options.lineNoise == LineNoiseKind::None) {
        session = std::make_unique<LineSession>(port, pacer, model, faults, options.silent);
        session->dropChunkAnswers(ChunkAnswerDrop(options.dropChunkAt, options.dropChunkTimes));
    }
    LineNoise noise(port, options.lineNoise, options.unit.seed);

    QElapsedTimer clock;
    clock.start();
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    QObject::connect(&ticker, &QTimer::timeout,
                     [&] { model.advance(static_cast<int>(clock.restart())); });
    ticker.start(kModelTickMs);

    QObject::connect(&relay, &SignalRelay::stopRequested, [&] {
        if (options.faults.total() > 0) {
            say(QStringLiteral("faults: %1").arg(faults.tallyText()));
        }
        // The COM link goes with the pseudo-terminal; a listening port needs nothing.
        if (auto* pty = qobject_cast<PtyPort*>(line.get())) {
            pty->close();
        }
        app.quit();
    });
    QObject::connect(&relay, &SignalRelay::silenceToggleRequested, [&] {
        if (!session) {
            say(QStringLiteral("no unit on a noisy line"));
            return;
        }
        session->setSilent(!session->isSilent());
        say(session->isSilent() ? QStringLiteral("silent") : QStringLiteral("answering"));
    });
    QObject::connect(&relay, &SignalRelay::slaveToggleRequested, [&] {
        if (!model.hasSlave()) {
            say(QStringLiteral("no slave unit without --master"));
            return;
        }
        model.setSlaveLinked(!model.isSlaveLinked());
        say(model.isSlaveLinked() ? QStringLiteral("slave linked") : QStringLiteral("slave lost"));
    });
    QObject::connect(&relay, &SignalRelay::securityToggleRequested, [&] {
        model.setSecurityAlarm(!model.hasSecurityAlarm());
        say(model.hasSecurityAlarm() ? QStringLiteral("security input out of order")
                                     : QStringLiteral("security input in order"));
    });
    QObject::connect(&relay, &SignalRelay::bypassToggleRequested, [&] {
        model.setBypass(!model.isBypassOn());
        say(model.isBypassOn() ? QStringLiteral("bypass on") : QStringLiteral("bypass off"));
    });

    QObject::connect(&relay, &SignalRelay::driveTripToggleRequested, [&] {
        model.setDriveTripped(!model.isDriveTripped());
        say(model.isDriveTripped() ? QStringLiteral("drive tripped")
                                   : QStringLiteral("drive reset"));
    });
    QObject::connect(&relay, &SignalRelay::driveLineToggleRequested, [&] {
        model.setDriveLinkLost(!model.isDriveLinkLost());
        say(model.isDriveLinkLost() ? QStringLiteral("line to the drive lost")
                                    : QStringLiteral("line to the drive back"));
    });

    say(QStringLiteral("%1, firmware %2%3%4%5%6%7")
            .arg(where, options.unit.firmwareCode,
                 options.unit.master  ? QStringLiteral(", master with slave")
                 : options.unit.drive ? QStringLiteral(", with a Torvex drive")
                                      : QString(),
                 options.paced ? QStringLiteral(", paced") : QString(),
                 options.silent ? QStringLiteral(", silent") : QString(),
                 options.unit.live ? QStringLiteral(", live (seed %1)").arg(options.unit.seed)
                                   : QString(),
                 options.faults.total() > 0
                     ? QStringLiteral(", faults (seed %1)").arg(options.unit.seed)
                     : QString()) +
        (options.lineNoise == LineNoiseKind::Random ? QStringLiteral(", random bytes only")
         : options.lineNoise == LineNoiseKind::Echo ? QStringLiteral(", echo only")
                                                    : QString()));
    return app.exec();
}
