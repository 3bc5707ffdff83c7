#include "data/feature_levels.h"

bool FeatureLevels::Has(Feature feature) const {
    for (const FeatureRule& rule : kFeatureRules) {
        if (rule.feature != feature)
            continue;
        const FirmwareCode& code = rule.unit == Unit::Master ? master_ : slave_;
        return (!rule.from || code.From(*rule.from)) && (!rule.below || code.Below(*rule.below));
    }
    return false;
}

uint8_t FeatureLevels::HardwareVersion(uint8_t reported) const {
    constexpr uint8_t kOldestHardware = 2;
    return Has(Feature::HardwareVersionReported) ? reported : kOldestHardware;
}
