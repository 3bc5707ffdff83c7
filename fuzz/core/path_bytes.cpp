// Any bytes as a file name: they come back from the name as they went in, and a name that is
// valid UTF-8 reads as Qt reads it.

#include "core/path_bytes.h"

#include <QStringDecoder>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString path = PathFromBytes(bytes);
    if (PathBytes(path) != bytes || BytesOfText(TextKeepingBytes(bytes)) != bytes)
        std::abort();
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError() && path != text)
        std::abort();
    return 0;
}
