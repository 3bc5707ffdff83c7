#include "platform/program_folders.h"

#include <unistd.h>

QStringList SystemProgramFolders() {
    return {QStringLiteral("/usr"), QStringLiteral("/bin"), QStringLiteral("/sbin")};
}

QByteArray RunningProgramPath() {
    // Linux names it in /proc; elsewhere the link is missing and Qt's answer stands.
    QByteArray target(4096, '\0');
    const ssize_t length = ::readlink("/proc/self/exe", target.data(), target.size());
    if (length <= 0 || length >= target.size())
        return {};
    target.truncate(length);
    return target;
}

QList<const char*> UserFolderVariables() {
    return {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "HOME"};
}
