#include "firmware/firmware_loader.h"

#include "core/conversions.h"
#include "core/path_calls.h"
#include "firmware/text_line_reader.h"

#include <QFile>
#include <array>
#include <memory>

namespace {
constexpr int kMaxCount = 255;
// "S", the type, the count and 255 bytes as hex pairs: nothing further along a line is read.
constexpr qsizetype kRecordChars = 4 + 2 * kMaxCount;
// Room for blanks or a comment behind the longest record; a longer line is no record, and
// the file is rejected there rather than read on to a line end that may never come.
constexpr qsizetype kLongestLine = 2 * kRecordChars;
// A type-1 record's address and checksum around its data.
constexpr int kDataRecordOverhead = 3;

enum class Record { Bad, Data, End, Other };

Record ReadRecord(const QByteArray& line, FirmwareImage& image, int32_t& total) {
    if (!line.startsWith('S'))
        return Record::Bad;
    uint8_t count = 0;
    HexPairsToBytes(QString::fromLatin1(line.mid(2, 2)), &count, 1);
    if (count == 0)
        return Record::Bad;
    // Pairs missing from a short line read as 0; the checksum then judges the record.
    std::array<uint8_t, kMaxCount> buffer{};
    HexPairsToBytes(QString::fromLatin1(line.mid(4)), buffer.data(), count);
    uint8_t sum = count;
    for (int i = 0; i < count - 1; ++i)
        sum = static_cast<uint8_t>(sum + buffer[i]);
    if (static_cast<uint8_t>(~sum) != buffer[count - 1])
        return Record::Bad;
    // A count other than 0 came from characters 3 and 4, so the type is there.
    const char type = line.at(1);
    if (type == '9')
        return Record::End;
    if (type != '1')
        return Record::Other;
    if (count > kDataRecordOverhead) {
        const auto address = static_cast<uint16_t>(buffer[0] << 8 | buffer[1]);
        total += image.Store(address, buffer.data() + 2, count - kDataRecordOverhead);
    }
    return Record::Data;
}
} // namespace

int32_t LoadFirmwareRecords(QIODevice& file, FirmwareImage& image) {
    image.Clear();
    int32_t total = 0;
    TextLineReader lines(file, kLongestLine);
    QByteArray line;
    for (;;) {
        const TextLineReader::Read read = lines.Next(line);
        if (read == TextLineReader::Read::TooLong)
            return -total;
        if (read == TextLineReader::Read::End)
            break;
        const Record record = ReadRecord(line.left(kRecordChars), image, total);
        if (record == Record::Bad)
            return -total;
        if (record == Record::End)
            break;
    }
    return total;
}

FirmwareLoad LoadFirmwareImage(const QString& path, FirmwareImage& image) {
    QFile file;
    if (const QString error = OpenExact(file, path, QIODevice::ReadOnly); !error.isEmpty())
        return {0, error};
    // A file that fails half way must leave the image as it was.
    auto loaded = std::make_unique<FirmwareImage>();
    const int32_t total = LoadFirmwareRecords(file, *loaded);
    if (file.error() != QFileDevice::NoError)
        return {0, file.errorString()};
    image = *loaded;
    return {total, {}};
}
