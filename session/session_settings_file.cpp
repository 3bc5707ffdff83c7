// A settings file or backup loaded into the edited images.

#include "data/identification.h"
#include "data/settings_plausibility.h"
#include "session/controller_session.h"

SettingsFileLoaded ControllerSession::LoadSettings(const QString& path) {
    const FeatureLevels before = Features_;
    SettingsFileLoaded loaded = LoadSettingsFile(path, Images_);
    if (!loaded.ok)
        return loaded;
    // Its slave part is the technician's, whatever it holds.
    slaveRowsEmptied_ = false;
    // The firmware the file was written by; its slave part is taken as the slave's present one.
    if (loaded.mFwData) {
        const FirmwareCode code = FirmwareCodeOf(*loaded.mFwData);
        if (code.First() == u'F' && Features_.MasterCode().First() == u'F') {
            FeatureLevels written = before;
            written.SetMasterCode(code);
            ConvertFirmwareUnits(Images_, written, Features_);
        }
    }
    loadCorrections_ = BoundImplausibleSettings(Images_, Features_);
    for (const QString& field : loadCorrections_)
        log_.KomStsLog(QStringLiteral("Out of range in the file, bounded: ") + field, false, false);
    return loaded;
}
