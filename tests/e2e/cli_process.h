#pragma once
// vt12cli run to its end as a script would, in the environment of the test's session, and the
// small file helpers its checks need.

#include "tests/e2e/simulator_process.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>

struct CliResult {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
    qint64 ms = 0;
};

// A run that outlives the bound (or crashes) gives exit code -1.
inline CliResult RunCli(const QStringList& arguments, int boundMs = 120000) {
    QElapsedTimer clock;
    clock.start();
    QProcess cli;
    cli.start(SimulatorProcess::BinDir() + "/vt12cli", arguments);
    if (!cli.waitForFinished(boundMs)) {
        cli.kill();
        cli.waitForFinished();
        return {};
    }
    return {cli.exitStatus() == QProcess::NormalExit ? cli.exitCode() : -1,
            cli.readAllStandardOutput(), cli.readAllStandardError(), clock.elapsed()};
}

inline QByteArray ReadFileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool WriteFileBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
