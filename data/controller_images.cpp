#include "data/controller_images.h"

#include <cstring>
#include <type_traits>

namespace {

template <typename T> struct IsSettingsImagesType : std::false_type {};
template <typename B> struct IsSettingsImagesType<SettingsImages<B>> : std::true_type {};
template <typename T>
constexpr bool IsSettingsImages = IsSettingsImagesType<std::remove_cvref_t<T>>::value;

template <typename Images>
using BytesOf = std::span<std::conditional_t<std::is_const_v<Images>, const uint8_t, uint8_t>>;

// Calls visit with the member that holds the block: its SettingsImages or the block itself.
template <typename Images, typename Visit>
auto VisitBlock(Images& images, BlockId id, Visit visit) {
    switch (id) {
    case BlockId::GateSettings:
        return visit(images.GateSettings);
    case BlockId::SlaveGateSettings:
        return visit(images.SlaveGateSettings);
    case BlockId::SystemSettings:
        return visit(images.SystemSettings);
    case BlockId::GateNames:
        return visit(images.GateNames);
    case BlockId::SlaveGateNames:
        return visit(images.SlaveGateNames);
    case BlockId::VacuumSettings:
        return visit(images.VacuumSettings);
    case BlockId::Status:
        return visit(images.Status);
    case BlockId::SlaveStatus:
        return visit(images.SlaveStatus);
    case BlockId::DriveStatus:
        return visit(images.DriveStatus);
    case BlockId::Counters:
        return visit(images.Counters);
    case BlockId::SlaveCounters:
        return visit(images.SlaveCounters);
    case BlockId::FirmwareInfo:
        return visit(images.FirmwareInfo);
    case BlockId::FirmwareInfo2:
        return visit(images.FirmwareInfo2);
    case BlockId::BootloaderInfo:
        return visit(images.BootloaderInfo);
    case BlockId::SlaveVersion:
        break;
    }
    // SlaveVersion is the one case left.
    return visit(images.SlaveVersion);
}

template <typename Images> BytesOf<Images> ReadBytes(Images& images, BlockId id) {
    return VisitBlock(images, id, [](auto& member) -> BytesOf<Images> {
        if constexpr (IsSettingsImages<decltype(member)>)
            return WireView(member.Read);
        else
            return WireView(member);
    });
}

template <typename Images> BytesOf<Images> EditedBytes(Images& images, BlockId id) {
    return VisitBlock(images, id, [](auto& member) -> BytesOf<Images> {
        if constexpr (IsSettingsImages<decltype(member)>)
            return WireView(member.Edited);
        else
            return {};
    });
}

} // namespace

std::span<uint8_t> ControllerImages::ReadImage(BlockId id) {
    return ReadBytes(*this, id);
}
std::span<const uint8_t> ControllerImages::ReadImage(BlockId id) const {
    return ReadBytes(*this, id);
}
std::span<uint8_t> ControllerImages::EditedImage(BlockId id) {
    return EditedBytes(*this, id);
}
std::span<const uint8_t> ControllerImages::EditedImage(BlockId id) const {
    return EditedBytes(*this, id);
}

bool ControllerImages::IsChanged(BlockId id) const {
    const std::span<const uint8_t> edited = EditedImage(id);
    return !edited.empty() && !std::ranges::equal(edited, ReadImage(id));
}

bool ControllerImages::AnySettingsChanged(bool withSlaveBlocks) const {
    return GateSettings.Changed() || SystemSettings.Changed() || GateNames.Changed() ||
           VacuumSettings.Changed() ||
           (withSlaveBlocks && (SlaveGateSettings.Changed() || SlaveGateNames.Changed()));
}

void ControllerImages::StoreReply(BlockId id, const uint8_t* data, int length) {
    VisitBlock(*this, id, [&](auto& member) {
        if constexpr (IsSettingsImages<decltype(member)>) {
            LoadWire(member.Read, data, length);
            member.Edited = member.Read;
        } else {
            LoadWire(member, data, length);
        }
    });
}

void ControllerImages::StoreReadBack(BlockId id, const uint8_t* data, int length) {
    if (data == nullptr || length != static_cast<int>(EditedImage(id).size()))
        return;
    VisitBlock(*this, id, [&](auto& member) {
        if constexpr (IsSettingsImages<decltype(member)>)
            LoadWire(member.Read, data, length);
    });
}

bool ControllerImages::EditedEquals(BlockId id, const uint8_t* data, int length) const {
    const std::span<const uint8_t> edited = EditedImage(id);
    if (edited.empty() || data == nullptr || length != static_cast<int>(edited.size()))
        return false;
    return std::memcmp(edited.data(), data, edited.size()) == 0;
}
