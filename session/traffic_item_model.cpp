#include "session/traffic_item_model.h"

#include "data/block_table.h"
#include "monitor/settings_in_words.h"

#include <array>

namespace {
enum Column { Time, Direction, Function, Block, Start, Count, Result, RoundTrip, Frame, Columns };

constexpr std::array<const char*, Columns> kCaptions{
    "Time [ms]", "Dir.", "Function", "Block", "Start", "Count", "Result", "RTT [ms]", "Frame"};

QString FunctionInWords(uint8_t function) {
    switch (function & 0x7F) {
    case 3:
        return QStringLiteral("Read holding registers");
    case 4:
        return QStringLiteral("Read input registers");
    case 16:
        return QStringLiteral("Write registers");
    case 101:
        return QStringLiteral("Test command / restart");
    case 110:
        return QStringLiteral("Firmware chunk");
    default:
        return QStringLiteral("Function %1").arg(function);
    }
}

QString BlockOfEvent(const TrafficEvent& event) {
    const uint8_t function = event.function & 0x7F;
    for (const BlockSpec& block : kBlocks) {
        const bool sameFunction =
            function == block.function || (function == 16 && block.isSettings());
        if (sameFunction && event.start == block.start)
            return BlockInWords(block.id);
    }
    return {};
}

QString ResultInWords(const TrafficEvent& event) {
    switch (event.status) {
    case mrOK:
        return QStringLiteral("OK");
    case mrTimeout:
        return QStringLiteral("Timeout");
    case mrBadFrame:
        return QStringLiteral("Bad frame");
    case mrException:
        return event.length > 2 ? QStringLiteral("Exception %1").arg(event.frame[2])
                                : QStringLiteral("Exception");
    default:
        return {};
    }
}

QString Hex(const TrafficEvent& event) {
    return QString::fromLatin1(
        QByteArray(reinterpret_cast<const char*>(event.frame.data()), event.length)
            .toHex(' ')
            .toUpper());
}
} // namespace

void TrafficItemModel::Refresh() {
    beginResetModel();
    endResetModel();
}

int TrafficItemModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ring_.Size();
}

int TrafficItemModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Columns;
}

QVariant TrafficItemModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || index.row() >= ring_.Size())
        return {};
    const TrafficEvent& event = ring_.At(index.row());
    // A test command's words are no address and count.
    const bool addressed = (event.function & 0x7F) != 101;
    switch (index.column()) {
    case Time:
        return QString::number(event.atMs);
    case Direction:
        return event.sent ? QStringLiteral("TX") : QStringLiteral("RX");
    case Function:
        return FunctionInWords(event.function);
    case Block:
        return BlockOfEvent(event);
    case Start:
        return addressed ? QString::number(event.start) : QString();
    case Count:
        return addressed && event.sent ? QString::number(event.count) : QString();
    case Result:
        return ResultInWords(event);
    case RoundTrip:
        return event.roundTripMs < 0 ? QString() : QString::number(event.roundTripMs);
    case Frame:
        return Hex(event);
    default:
        return {};
    }
}

QVariant TrafficItemModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= Columns)
        return QAbstractTableModel::headerData(section, orientation, role);
    return QString::fromLatin1(kCaptions[static_cast<size_t>(section)]);
}
