// Settings from a file: times of another firmware level taken into the unit's units, and values
// outside their controls' limits bounded, where no image the controls build ever is.

#include "data/factory_defaults.h"
#include "data/settings_plausibility.h"
#include "data/system_settings_controls.h"

#include "tests/support/test_registry.h"

#include <QRandomGenerator>
#include <QTest>

namespace {
FeatureLevels Levels(const char* code) {
    FeatureLevels levels;
    levels.SetMasterCode(FirmwareCode::FromText(QString::fromLatin1(code)));
    levels.SetSlaveCode(FirmwareCode::FromText(QString::fromLatin1(code)));
    return levels;
}
} // namespace

class TestSettingsPlausibility : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Fan Off 5 min and Delay OFF 0.5 s stay what they are across an update, and back.
    void timesKeepTheirMeaning_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<int>("fanOff");
        QTest::addColumn<int>("delayOff");
        QTest::addColumn<int>("howOften");
        QTest::addColumn<int>("fanOffThen");
        QTest::addColumn<int>("delayOffThen");
        QTest::addColumn<int>("howOftenThen");
        QTest::newRow("F03K to F06A") << "F03K"
                                      << "F06A" << 3000 << 50 << 60 << 300 << 5 << 60;
        QTest::newRow("F06A to F03K") << "F06A"
                                      << "F03K" << 300 << 5 << 60 << 3000 << 50 << 60;
        QTest::newRow("F03A to F03G") << "F03A"
                                      << "F03G" << 3000 << 50 << 12 << 3000 << 50 << 60;
        QTest::newRow("same level") << "F05A"
                                    << "F05B" << 300 << 5 << 60 << 300 << 5 << 60;
    }
    void timesKeepTheirMeaning() {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(int, fanOff);
        QFETCH(int, delayOff);
        QFETCH(int, howOften);
        ControllerImages images;
        images.SystemSettings.Edited.SetFanOffDelay(uint16_t(fanOff));
        images.SystemSettings.Edited.SetCleanHowOften(uint8_t(howOften));
        images.GateSettings.Edited.Gates[0].SetOffDelay(uint16_t(delayOff));
        ConvertFirmwareUnits(images, Levels(from.toLatin1().constData()),
                             Levels(to.toLatin1().constData()));
        QTEST(int(images.SystemSettings.Edited.FanOffDelay()), "fanOffThen");
        QTEST(int(images.GateSettings.Edited.Gates[0].OffDelay()), "delayOffThen");
        QTEST(int(images.SystemSettings.Edited.CleanHowOften()), "howOftenThen");
    }

    void outOfRangeIsBoundedAndNamed() {
        ControllerImages images;
        images.SystemSettings.Edited = SystemDefaults;
        images.SystemSettings.Edited.SetMinCurrent(200);
        images.GateSettings.Edited.Gates[2].SetOnDelay(1);
        images.GateSettings.Edited.Gates[2].SetOffDelay(10);
        const QStringList named = BoundImplausibleSettings(images, Levels("F05A"));
        QCOMPARE(named, (QStringList{"system settings: Min. Current [50..500 mA]: 200 \u2192 60",
                                     "gate settings: Gate 3 Delay ON: 1 \u2192 10"}));
        QCOMPARE(images.SystemSettings.Edited.MinCurrent(), uint8_t(60));
        QVERIFY(BoundImplausibleSettings(images, Levels("F05A")).isEmpty());
    }

    // Whatever is typed into the controls, the image they build is within the limits.
    void controlsNeverBuildWhatALoadBounds() {
        QRandomGenerator random(35);
        const char* const codes[] = {"F03A", "F03G", "F04A", "F05A"};
        for (int i = 0; i < 300; ++i) {
            const FeatureLevels levels = Levels(codes[random.bounded(4)]);
            SystemControls controls;
            for (QString* edit :
                 {&controls.eOnDelay, &controls.eOffDelay, &controls.eButtonCancel, &controls.eMBA,
                  &controls.eMinCurrent, &controls.eMaxCurrent, &controls.eOpRangeMin,
                  &controls.eOpRangeMax, &controls.eReverseDelay, &controls.eCleanHowOften,
                  &controls.eCleanHowLong, &controls.eInactiveAfterStart,
                  &controls.eCleanAtStopRunMin, &controls.eCleanAtStopHowLong,
                  &controls.eSmartMinAiflowPercent})
                *edit = QString::number(random.bounded(-100, 100000));
            controls.cbSmartMinimumAiflowEnabled = random.bounded(2) == 1;
            controls.cbKeepLastUsedOpen = random.bounded(2) == 1;
            controls.InstallationMode = uint8_t(random.bounded(4));
            ControllerImages images;
            BuildSystemImage(controls, levels, images.SystemSettings.Edited);
            const QStringList named = BoundImplausibleSettings(images, levels);
            QVERIFY2(named.isEmpty(), qPrintable(named.join(u'\n')));
        }
    }
};

VT12_TEST(TestSettingsPlausibility, TestApplication::None)
#include "tst_settings_plausibility.moc"
