#include "monitor/failed_verification.h"

#include <QStringList>

namespace {
constexpr BlockId kVerifiedBlocks[] = {BlockId::GateSettings,   BlockId::SlaveGateSettings,
                                       BlockId::SystemSettings, BlockId::GateNames,
                                       BlockId::SlaveGateNames, BlockId::VacuumSettings};

uint32_t BitOf(BlockId block) {
    return 1u << static_cast<unsigned>(block);
}

QString InWords(BlockId block) {
    switch (block) {
    case BlockId::GateSettings:
        return QStringLiteral("gate settings");
    case BlockId::SlaveGateSettings:
        return QStringLiteral("slave gate settings");
    case BlockId::SystemSettings:
        return QStringLiteral("system settings");
    case BlockId::GateNames:
        return QStringLiteral("gate names");
    case BlockId::SlaveGateNames:
        return QStringLiteral("slave gate names");
    case BlockId::VacuumSettings:
        return QStringLiteral("pressure settings");
    default:
        break;
    }
    return {};
}
} // namespace

bool FailedVerification::Took(BlockId block, SettingsReply outcome) {
    const uint32_t before = blocks_;
    if (outcome == SettingsReply::Mismatch)
        blocks_ |= BitOf(block);
    else
        blocks_ &= ~BitOf(block);
    return blocks_ != before;
}

QString FailedVerification::Message() const {
    QStringList failed;
    for (const BlockId block : kVerifiedBlocks)
        if (blocks_ & BitOf(block))
            failed << InWords(block);
    if (failed.isEmpty())
        return {};
    return QStringLiteral("SAVE NOT VERIFIED: the unit holds other %1 than were written. "
                          "\"Changes\u2026\" lists what it holds. Correct the values and "
                          "\"Save to Vantor\" again, or \"Reload from Vantor\".")
        .arg(failed.join(QStringLiteral(", ")));
}
