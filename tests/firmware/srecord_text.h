#pragma once
// S-record text built for the tests, records with correct checksums unless a test spoils one.

#include <QByteArray>
#include <QList>
#include <cstdint>
#include <vector>

namespace srec {

// "S", the type, the count and the payload in hex, then the checksum.
inline QByteArray Record(char type, const QByteArray& payload) {
    const auto count = static_cast<uint8_t>(payload.size() + 1);
    uint8_t sum = count;
    for (char c : payload)
        sum = static_cast<uint8_t>(sum + static_cast<uint8_t>(c));
    QByteArray bytes = QByteArray(1, char(count)) + payload + QByteArray(1, char(~sum));
    return QByteArray("S") + type + bytes.toHex().toUpper();
}

inline QByteArray Data(uint16_t address, const QByteArray& data) {
    return Record('1', QByteArray(1, char(address >> 8)) + char(address & 0xFF) + data);
}

inline QByteArray Header() {
    return Record('0', QByteArray(2, '\0') + "VT12F05A");
}

inline QByteArray End() {
    return Record('9', QByteArray(2, '\0'));
}

// The window 0x5000..0xEFFF with a version text, the validity mark and the placeholder.
inline std::vector<uint8_t> FirmwareWindow(const QByteArray& version = "VT12F05A") {
    std::vector<uint8_t> window(0xA000);
    for (size_t i = 0; i < window.size(); ++i)
        window[i] = static_cast<uint8_t>(i * 7 + i / 256);
    for (int i = 0; i < version.size(); ++i)
        window[size_t(i)] = static_cast<uint8_t>(version[i]);
    window[0xC000 - 0x5000] = 0xAB;
    window[0xC001 - 0x5000] = 0xCD;
    const uint8_t placeholder[] = {0xCC, 0xCC, 0x00, 0x00};
    for (size_t i = 0; i < 4; ++i)
        window[0xEFFC - 0x5000 + i] = placeholder[i];
    return window;
}

// The window as 32-byte data records.
inline QList<QByteArray> DataRecords(const std::vector<uint8_t>& window) {
    QList<QByteArray> lines;
    for (size_t at = 0; at < window.size(); at += 32)
        lines << Data(static_cast<uint16_t>(0x5000 + at),
                      QByteArray(reinterpret_cast<const char*>(window.data() + at), 32));
    return lines;
}

// Header, data and end record.
inline QList<QByteArray> FirmwareLines(const std::vector<uint8_t>& window = FirmwareWindow()) {
    return QList<QByteArray>{Header()} + DataRecords(window) + QList<QByteArray>{End()};
}

// The same record with its last hex digit changed, so its checksum no longer fits.
inline QByteArray Spoiled(QByteArray record) {
    char& last = record[record.size() - 1];
    last = last == '0' ? '1' : '0';
    return record;
}

inline QByteArray Text(const QList<QByteArray>& lines, const QByteArray& ending = "\r\n") {
    return lines.join(ending) + ending;
}

} // namespace srec
