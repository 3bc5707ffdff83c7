#pragma once
// The program's switches. Compared in upper case; every argument is examined in order.

#include <QString>
#include <QStringList>

#include <optional>

struct CommandLine {
    bool expert = false;
    bool privateLabel = false;
    // 0 unless a "PORT=" switch names a port above 0; the last such switch counts.
    int fixedPort = 0;
    // --trace=FILE: the traffic trace, off when empty.
    QString traceFile;
};

// arguments without the program name.
CommandLine ParseCommandLine(const QStringList& arguments);

// The text to print before leaving with success when --help or --version is given (help wins),
// nothing otherwise. arguments begin with the program name; what is not known is ignored.
std::optional<QString> InformationRequest(const QStringList& arguments, const QString& version);
