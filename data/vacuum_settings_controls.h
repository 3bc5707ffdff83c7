#pragma once
// The pressure sensor settings as the Pressure page's controls hold them, and both directions of
// the mapping between those values and the VacuumSettingsBlock image.

#include "data/feature_levels.h"
#include "data/vacuum_settings_block.h"

#include <QString>

struct VacuumControls {
    // Texts longer than their fields (16 characters for captions, 8 for units) are cut.
    QString eCurrInpCaption;
    QString eCurrInpRng; // sensor units
    QString eCurrInpWarning;
    QString eCurrInpUnits;
    QString eCurrInpCaptionS;
    QString eCurrInpRngS;
    QString eCurrInpWarningS;
    QString eCurrInpUnitsS;
    QString eCurrInpError; // sensor units
    bool eCurrInpStopAtError = false;
};

// The whole image rebuilt. Numbers are read leniently; an empty master range counts as 20.
VacuumSettingsBlock BuildVacuumImage(const VacuumControls& controls, const FeatureLevels& levels);

// What the live value panels show.
struct VacuumPanelTexts {
    QString lCurrInpLabel;
    QString lCurrInpLabelS;
    QString lCurrentInputUnits;
    QString lCurrentInputUnitsS;
};

// The controls filled from the image; the error controls only where the firmware has them.
VacuumPanelTexts ShowVacuumSettings(const VacuumSettingsBlock& image, const FeatureLevels& levels,
                                    VacuumControls& controls);
