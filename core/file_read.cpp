#include "core/file_read.h"

#include "core/path_calls.h"

SmallFileRead ReadSmallFile(const QString& path, qint64 limit) {
    using Outcome = SmallFileRead::Outcome;
    const PathEntry entry = EntryAt(path, Links::Followed);
    // A link to nothing has nothing to read; a writer refuses it on its own.
    if (entry.kind == PathKind::Missing)
        return {Outcome::Missing, {}, {}};
    if (entry.kind != PathKind::File)
        return {Outcome::Refused, {}, QStringLiteral("Not a regular file")};
    if (entry.size > limit)
        return {Outcome::Refused, {}, QStringLiteral("Larger than %1 bytes; not read").arg(limit)};
    QFile file;
    if (const QString error = OpenExact(file, path, QIODevice::ReadOnly); !error.isEmpty())
        return {Outcome::Refused, {}, error};
    // The file may have grown since it was looked at: one byte more tells.
    QByteArray bytes = file.read(limit + 1);
    if (file.error() != QFileDevice::NoError)
        return {Outcome::Refused, {}, file.errorString()};
    if (bytes.size() > limit)
        return {Outcome::Refused, {}, QStringLiteral("Larger than %1 bytes; not read").arg(limit)};
    return {Outcome::Read, std::move(bytes), {}};
}
