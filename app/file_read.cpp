#include "app/file_read.h"

#include <QFile>
#include <QFileInfo>

SmallFileRead ReadSmallFile(const QString& path, qint64 limit) {
    using Outcome = SmallFileRead::Outcome;
    const QFileInfo info(path);
    // A link to nothing has nothing to read; a writer refuses it on its own.
    if (!info.exists())
        return {Outcome::Missing, {}, {}};
    if (!info.isFile())
        return {Outcome::Refused, {}, QStringLiteral("Not a regular file")};
    if (info.size() > limit)
        return {Outcome::Refused, {}, QStringLiteral("Larger than %1 bytes; not read").arg(limit)};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {Outcome::Refused, {}, file.errorString()};
    // The file may have grown since it was looked at: one byte more tells.
    QByteArray bytes = file.read(limit + 1);
    if (file.error() != QFileDevice::NoError)
        return {Outcome::Refused, {}, file.errorString()};
    if (bytes.size() > limit)
        return {Outcome::Refused, {}, QStringLiteral("Larger than %1 bytes; not read").arg(limit)};
    return {Outcome::Read, std::move(bytes), {}};
}
