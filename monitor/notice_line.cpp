#include "monitor/notice_line.h"

namespace {
constexpr uint16_t kKeepLastUsedOpen = 1u << 0;
constexpr uint16_t kOpenAtFanStop = 1u << 1;
constexpr uint16_t kOpenAtSecurity = 1u << 2;

QString NoticeText(uint16_t notice) {
    switch (notice) {
    case kKeepLastUsedOpen:
        return QStringLiteral("Keep Last Used Gates Open Active");
    case kOpenAtFanStop:
        return QStringLiteral("Open Gates at Fan Stop Active");
    default:
        return QStringLiteral("Open Gates at Security Active");
    }
}
} // namespace

NoticeDisplay NoticeLine::Show(uint16_t noticeFlags) {
    NoticeDisplay display;
    display.visible = noticeFlags != 0;
    if (!display.visible)
        return display;
    const auto known =
        static_cast<uint16_t>(noticeFlags & (kKeepLastUsedOpen | kOpenAtFanStop | kOpenAtSecurity));
    const auto lowest = static_cast<uint16_t>(known & -known);
    if (lowest != 0 && lowest != shown_) {
        shown_ = lowest;
        display.text = NoticeText(lowest);
    }
    return display;
}
