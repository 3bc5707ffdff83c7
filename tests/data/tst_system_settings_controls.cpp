#include "data/factory_defaults.h"
#include "data/system_settings_controls.h"

#include "tests/support/test_registry.h"

#include <QTest>
#include <functional>
#include <vector>

namespace {

FeatureLevels Levels(const QString& master) {
    FeatureLevels levels;
    levels.SetMasterCode(FirmwareCode::FromText(master));
    return levels;
}

// What the page shows for the factory settings: the controls every edit test starts from.
SystemControls DefaultsShown(const FeatureLevels& levels) {
    SystemControls controls;
    ShowSystemSettings(SystemDefaults, levels, controls);
    return controls;
}

QString SystemControls::*EditNamed(const QString& name) {
    static const std::pair<const char*, QString SystemControls::*> edits[] = {
        {"eOnDelay", &SystemControls::eOnDelay},
        {"eOffDelay", &SystemControls::eOffDelay},
        {"eButtonCancel", &SystemControls::eButtonCancel},
        {"eMBA", &SystemControls::eMBA},
        {"eMinCurrent", &SystemControls::eMinCurrent},
        {"eMaxCurrent", &SystemControls::eMaxCurrent},
        {"eOpRangeMin", &SystemControls::eOpRangeMin},
        {"eOpRangeMax", &SystemControls::eOpRangeMax},
        {"eReverseDelay", &SystemControls::eReverseDelay},
        {"eCleanHowOften", &SystemControls::eCleanHowOften},
        {"eCleanHowLong", &SystemControls::eCleanHowLong},
        {"eInactiveAfterStart", &SystemControls::eInactiveAfterStart},
        {"eCleanAtStopRunMin", &SystemControls::eCleanAtStopRunMin},
        {"eCleanAtStopHowLong", &SystemControls::eCleanAtStopHowLong},
        {"eSmartMinAiflowPercent", &SystemControls::eSmartMinAiflowPercent},
    };
    for (const auto& [edit, member] : edits) {
        if (name == QLatin1String(edit))
            return member;
    }
    return nullptr;
}

int StoredAt(const SystemSettingsBlock& image, int at, int width) {
    const auto byte = [&](int i) { return int(image.Bytes[size_t(i)]); };
    return width == 2 ? byte(at) * 256 + byte(at + 1) : byte(at);
}

// One field of the image and the stored values the program itself can give it.
struct Field {
    const char* name;
    std::function<void(SystemSettingsBlock&, int)> set;
    std::function<std::vector<int>(const FeatureLevels&)> values;
};

std::vector<int> Range(int first, int last, int step = 1) {
    std::vector<int> values;
    for (int v = first; v <= last; v += step)
        values.push_back(v);
    return values;
}

// The bytes the program stores for these percentages, and the controller's own 50 % where the
// up-down reaches it.
std::vector<int> Percents(int first, int last) {
    const FeatureLevels levels = Levels(QStringLiteral("F05A"));
    SystemControls controls = DefaultsShown(levels);
    std::vector<int> stored;
    if (first <= 50)
        stored.push_back(128);
    for (int percent = first; percent <= last; ++percent) {
        controls.eOpRangeMin = QString::number(percent);
        SystemSettingsBlock image;
        BuildSystemImage(controls, levels, image);
        stored.push_back(image.OpRangeMin());
    }
    return stored;
}

std::vector<int> Multiples(int unit, int most) {
    std::vector<int> values{1};
    for (int v = unit; v <= most; v += unit)
        values.push_back(v);
    return values;
}

const std::vector<Field>& Fields() {
    using B = SystemSettingsBlock;
    using L = const FeatureLevels&;
    static const std::vector<Field> fields = {
        {"FanOnDelay", [](B& b, int v) { b.SetFanOnDelay(uint16_t(v)); },
         [](L) { return Multiples(10, 65535); }},
        {"FanOffDelay", [](B& b, int v) { b.SetFanOffDelay(uint16_t(v)); },
         [](L l) {
             const int unit = l.Has(Feature::FanOffDelayInSeconds) ? 60 : 600;
             return Multiples(unit, std::min(65535, unit * 480));
         }},
        {"ButtonCancel", [](B& b, int v) { b.SetButtonCancel(uint16_t(v)); },
         [](L) { return Range(0, 65535, 10); }},
        {"MBA", [](B& b, int v) { b.SetMBA(uint8_t(v)); }, [](L) { return Range(0, 255); }},
        {"OpenAtStop", [](B& b, int v) { b.SetOpenAtStop(uint8_t(v)); },
         [](L) { return Range(0, 1); }},
        {"OpenAtError", [](B& b, int v) { b.SetOpenAtError(uint8_t(v)); },
         [](L) { return Range(0, 1); }},
        {"RunAtError", [](B& b, int v) { b.SetRunAtError(uint8_t(v)); },
         [](L) { return Range(0, 1); }},
        {"GateMode", [](B& b, int v) { b.SetGateMode(uint8_t(v)); }, [](L) { return Range(0, 1); }},
        {"MinCurrent", [](B& b, int v) { b.SetMinCurrent(uint8_t(v)); },
         [](L) { return Range(6, 60); }},
        {"MaxCurrent", [](B& b, int v) { b.SetMaxCurrent(uint8_t(v)); },
         [](L) { return Range(24, 252); }},
        {"OpRangeMin", [](B& b, int v) { b.SetOpRangeMin(uint8_t(v)); },
         [](L) { return Percents(25, 99); }},
        {"OpRangeMax", [](B& b, int v) { b.SetOpRangeMax(uint8_t(v)); },
         [](L) { return Percents(51, 100); }},
        {"ReverseDelay", [](B& b, int v) { b.SetReverseDelay(uint8_t(v)); },
         [](L) { return Range(10, 200); }},
        {"StopOnCurrDecay", [](B& b, int v) { b.SetStopOnCurrDecay(uint8_t(v)); },
         [](L) { return Range(0, 1); }},
        {"CleanFlags", [](B& b, int v) { b.SetCleanFlags(uint8_t(v)); },
         [](L) { return Range(0, 3); }},
        {"CleanHowLong", [](B& b, int v) { b.SetCleanHowLong(uint8_t(v)); },
         [](L) { return Range(1, 60); }},
        {"CleanHowOften", [](B& b, int v) { b.SetCleanHowOften(uint8_t(v)); },
         [](L l) { return l.Has(Feature::CleanHowOftenInMinutes) ? Range(2, 99) : Range(0, 20); }},
        {"InstallationMode", [](B& b, int v) { b.SetInstallationMode(uint8_t(v)); },
         [](L) { return Range(0, 3); }},
        {"InactiveAfterStart", [](B& b, int v) { b.SetInactiveAfterStart(uint8_t(v)); },
         [](L) { return Range(0, 255); }},
        {"CleanAtStopRunMin", [](B& b, int v) { b.SetCleanAtStopRunMin(uint8_t(v)); },
         [](L) { return Range(2, 60); }},
        {"CleanAtStopHowLong", [](B& b, int v) { b.SetCleanAtStopHowLong(uint8_t(v)); },
         [](L) { return Range(1, 20); }},
        {"SmartMinAirflow", [](B& b, int v) { b.SetSmartMinAirflow(uint8_t(v)); },
         [](L) {
             std::vector<int> values = Range(0, 100);
             for (int percent = 0; percent <= 100; ++percent)
                 values.push_back(0x80 | percent);
             return values;
         }},
        {"KeepLastUsedOpen", [](B& b, int v) { b.SetKeepLastUsedOpen(uint8_t(v)); },
         [](L l) { return Range(0, l.Has(Feature::KeepLastUsedOpen) ? 1 : 0); }},
        {"PressureFromVFD", [](B& b, int v) { b.SetPressureFromVFD(uint8_t(v)); },
         [](L l) { return Range(0, l.Has(Feature::PressureFromVFDWritten) ? 1 : 0); }},
        {"reserved byte 27", [](B& b, int v) { b.Bytes[27] = uint8_t(v); },
         [](L) { return Range(0, 255); }},
    };
    return fields;
}

} // namespace

class TestSystemSettingsControls : public QObject {
    Q_OBJECT

private slots:
    void entryStores_data();
    void entryStores();
    void firmwareDecidesWhatIsWritten_data();
    void firmwareDecidesWhatIsWritten();
    void checkBoxesAndModes();
    void reservedByteIsLeft();
    void atLeastOneGateNotice_data();
    void atLeastOneGateNotice();
    void smartMinimumAirflow();
    void factoryDefaultsShown_data();
    void factoryDefaultsShown();
    void storedValueShown_data();
    void storedValueShown();
    void hiddenControlsKeepTheirState();
    void shownAndRebuiltComesBackByteForByte_data();
    void shownAndRebuiltComesBackByteForByte();
};

void TestSystemSettingsControls::entryStores_data() {
    QTest::addColumn<QString>("firmware");
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("at");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("stored");

    const auto row = [](const char* name, const char* firmware, const char* edit, const char* text,
                        int at, int width, int stored) {
        QTest::newRow(name) << QString::fromLatin1(firmware) << QString::fromLatin1(edit)
                            << QString::fromLatin1(text) << at << width << stored;
    };
    row("0 s on delay stores 1", "F05A", "eOnDelay", "0", 0, 2, 1);
    row("on delay in tenths", "F05A", "eOnDelay", "12", 0, 2, 120);
    row("on delay beyond the word", "F05A", "eOnDelay", "7000", 0, 2, 65535);
    row("negative on delay", "F05A", "eOnDelay", "-3", 0, 2, 1);
    row("on delay not a number", "F05A", "eOnDelay", "abc", 0, 2, 1);
    row("45 min off delay at F04A", "F04A", "eOffDelay", "45", 2, 2, 2700);
    row("45 min off delay at F03K", "F03K", "eOffDelay", "45", 2, 2, 27000);
    row("0 min off delay stores 1", "F04A", "eOffDelay", "0", 2, 2, 1);
    // The most whole minutes the field holds in tenths: what a reload shows is what was written.
    row("110 min off delay at F03K", "F03K", "eOffDelay", "110", 2, 2, 65400);
    row("109 min off delay at F03K", "F03K", "eOffDelay", "109", 2, 2, 65400);
    row("empty cancel time", "F05A", "eButtonCancel", "", 4, 2, 12000);
    row("cancel time beyond the word", "F05A", "eButtonCancel", "6554", 4, 2, 65535);
    row("MBA beyond a byte", "F05A", "eMBA", "300", 6, 1, 255);
    row("negative MBA", "F05A", "eMBA", "-1", 6, 1, 0);
    row("MBA with blanks and sign", "F05A", "eMBA", " +12 ", 6, 1, 12);
    row("MBA with a fraction", "F05A", "eMBA", "1.5", 6, 1, 1);
    row("MBA beyond whole numbers", "F05A", "eMBA", "99999999999999999999", 6, 1, 1);
    row("40 mA min current", "F05A", "eMinCurrent", "40", 11, 1, 6);
    row("58 mA min current", "F05A", "eMinCurrent", "58", 11, 1, 7);
    row("2200 mA max current", "F05A", "eMaxCurrent", "2200", 12, 1, 252);
    row("empty max current", "F05A", "eMaxCurrent", "", 12, 1, 71);
    row("50 %", "F05A", "eOpRangeMin", "50", 13, 1, 128);
    row("10 %", "F05A", "eOpRangeMin", "10", 13, 1, 26);
    row("30 %", "F05A", "eOpRangeMin", "30", 13, 1, 76);
    row("70 %", "F05A", "eOpRangeMax", "70", 14, 1, 178);
    row("90 %", "F05A", "eOpRangeMax", "90", 14, 1, 230);
    row("100 %", "F05A", "eOpRangeMax", "100", 14, 1, 255);
    row("150 % fills the byte", "F05A", "eOpRangeMax", "150", 14, 1, 255);
    row("negative %", "F05A", "eOpRangeMin", "-5", 13, 1, 0);
    row("3000 ms reverse delay", "F05A", "eReverseDelay", "3000", 15, 1, 200);
    row("50 ms reverse delay", "F05A", "eReverseDelay", "50", 15, 1, 10);
    row("1009 ms reverse delay", "F05A", "eReverseDelay", "1009", 15, 1, 100);
    row("emptied how long", "F05A", "eCleanHowLong", "", 18, 1, 3);
    row("61 min how long", "F05A", "eCleanHowLong", "61", 18, 1, 60);
    row("how often 100 at F03G", "F03G", "eCleanHowOften", "100", 19, 1, 99);
    row("how often 100 below F03G", "F03F", "eCleanHowOften", "100", 19, 1, 20);
    row("how often 1 at F03G", "F03G", "eCleanHowOften", "1", 19, 1, 2);
    row("how often 1 below F03G", "F03F", "eCleanHowOften", "1", 19, 1, 0);
    row("how often 62 below F03G", "F03F", "eCleanHowOften", "62", 19, 1, 12);
    row("empty how often at F03G", "F03G", "eCleanHowOften", "", 19, 1, 60);
    row("empty how often below F03G", "F03F", "eCleanHowOften", "", 19, 1, 20);
    row("inactivity beyond a byte", "F05A", "eInactiveAfterStart", "999", 21, 1, 255);
    row("run minimum below its range", "F05A", "eCleanAtStopRunMin", "1", 22, 1, 2);
    row("run minimum above its range", "F05A", "eCleanAtStopRunMin", "61", 22, 1, 60);
    row("stop cleaning 0 min", "F05A", "eCleanAtStopHowLong", "0", 23, 1, 1);
    row("stop cleaning 21 min", "F05A", "eCleanAtStopHowLong", "21", 23, 1, 20);
    row("150 % smart airflow, box checked", "F05A", "eSmartMinAiflowPercent", "150", 24, 1, 228);
    row("negative smart airflow, box checked", "F05A", "eSmartMinAiflowPercent", "-1", 24, 1, 128);
}

void TestSystemSettingsControls::entryStores() {
    QFETCH(QString, firmware);
    QFETCH(QString, edit);
    QFETCH(QString, text);
    QFETCH(int, at);
    QFETCH(int, width);
    QFETCH(int, stored);

    const FeatureLevels levels = Levels(firmware);
    SystemControls controls = DefaultsShown(levels);
    QVERIFY(controls.cbSmartMinimumAiflowEnabled);
    controls.*EditNamed(edit) = text;
    SystemSettingsBlock image;
    BuildSystemImage(controls, levels, image);
    QCOMPARE(StoredAt(image, at, width), stored);
}

void TestSystemSettingsControls::firmwareDecidesWhatIsWritten_data() {
    QTest::addColumn<QString>("firmware");
    QTest::addColumn<int>("keepLastUsedOpen");
    QTest::addColumn<int>("pressureFromVfd");

    QTest::newRow("nothing known") << "    " << 0 << 0;
    QTest::newRow("F03K") << "F03K" << 0 << 0;
    QTest::newRow("F04A") << "F04A" << 1 << 0;
    QTest::newRow("F04B") << "F04B" << 1 << 1;
    QTest::newRow("F05A") << "F05A" << 1 << 1;
}

void TestSystemSettingsControls::firmwareDecidesWhatIsWritten() {
    QFETCH(QString, firmware);
    QFETCH(int, keepLastUsedOpen);
    QFETCH(int, pressureFromVfd);

    SystemControls controls = DefaultsShown(Levels(firmware));
    controls.cbKeepLastUsedOpen = true;
    controls.cbPressureFromVFD = true;
    SystemSettingsBlock image;
    BuildSystemImage(controls, Levels(firmware), image);
    QCOMPARE(int(image.KeepLastUsedOpen()), keepLastUsedOpen);
    QCOMPARE(int(image.PressureFromVFD()), pressureFromVfd);
}

void TestSystemSettingsControls::checkBoxesAndModes() {
    const FeatureLevels levels = Levels("F05A");
    SystemControls controls = DefaultsShown(levels);
    controls.rbSignalSimul = true;
    controls.cbCleaningBeforeStop = true;
    controls.cbOpenAtError = true;
    controls.InstallationMode = 3;
    SystemSettingsBlock image;
    BuildSystemImage(controls, levels, image);
    QCOMPARE(int(image.GateMode()), 0);
    QCOMPARE(int(image.CleanFlags()), 2);
    QCOMPARE(int(image.OpenAtStop()), 0);
    QCOMPARE(int(image.OpenAtError()), 1);
    QCOMPARE(int(image.InstallationMode()), 3);

    controls.rbSignalSimul = false;
    controls.cbCleanEnabled = true;
    BuildSystemImage(controls, levels, image);
    QCOMPARE(int(image.GateMode()), 1);
    QCOMPARE(int(image.CleanFlags()), 3);
}

void TestSystemSettingsControls::reservedByteIsLeft() {
    const FeatureLevels levels = Levels("F05A");
    SystemSettingsBlock image;
    image.Bytes.fill(0xA5);
    BuildSystemImage(DefaultsShown(levels), levels, image);
    QCOMPARE(int(image.Bytes[27]), 0xA5);
    image.Bytes[27] = 0;
    QCOMPARE(image.Bytes, SystemDefaults.Bytes);
}

void TestSystemSettingsControls::atLeastOneGateNotice_data() {
    QTest::addColumn<QString>("firmware");
    QTest::addColumn<QString>("minutes");
    QTest::addColumn<bool>("afterBuild");
    QTest::addColumn<bool>("afterShow");

    QTest::newRow("no off delay") << "F04A"
                                  << "0" << false << false;
    QTest::newRow("one minute in seconds") << "F04A"
                                           << "1" << true << true;
    QTest::newRow("one minute in tenths") << "F03K"
                                          << "1" << true << true;
}

void TestSystemSettingsControls::atLeastOneGateNotice() {
    QFETCH(QString, firmware);
    QFETCH(QString, minutes);
    QFETCH(bool, afterBuild);
    QFETCH(bool, afterShow);

    const FeatureLevels levels = Levels(firmware);
    SystemControls controls = DefaultsShown(levels);
    controls.eOffDelay = minutes;
    SystemSettingsBlock image;
    QCOMPARE(BuildSystemImage(controls, levels, image).lAtLeastOneGateVisible, afterBuild);
    QCOMPARE(ShowSystemSettings(image, levels, controls).lAtLeastOneGateVisible, afterShow);
}

void TestSystemSettingsControls::smartMinimumAirflow() {
    const FeatureLevels levels = Levels("F05A");
    SystemControls controls = DefaultsShown(levels);
    controls.eSmartMinAiflowPercent = QStringLiteral("120");
    SystemSettingsBlock image;
    QCOMPARE(BuildSystemImage(controls, levels, image).minAirflowPercent, std::optional<int>(100));

    controls.cbSmartMinimumAiflowEnabled = false;
    QCOMPARE(BuildSystemImage(controls, levels, image).minAirflowPercent, std::nullopt);
    QCOMPARE(int(image.SmartMinAirflow()), 100);

    // Bits 0-6 may hold more than the bound; the figures take the bounded percent.
    image.SetSmartMinAirflow(0x80 | 0x7F);
    const SystemSettingsShown shown = ShowSystemSettings(image, levels, controls);
    QCOMPARE(controls.eSmartMinAiflowPercent, QStringLiteral("127"));
    QCOMPARE(shown.minAirflowPercent, std::optional<int>(100));
    QVERIFY(shown.lSmartMinimumAirflowEnabledVisible);
    image.SetSmartMinAirflow(0x80);
    QVERIFY(!ShowSystemSettings(image, levels, controls).lSmartMinimumAirflowEnabledVisible);

    QCOMPARE(MinAirVolume(25, 1000), 250);
    QCOMPARE(MinAirVolume(50, 4501), 2250); // 2250.5, ties to even
    QCOMPARE(MinAirVolume(50, 4503), 2252); // 2251.5
    QCOMPARE(MinAirVolume(0, 4500), 0);
}

void TestSystemSettingsControls::factoryDefaultsShown_data() {
    QTest::addColumn<QString>("firmware");
    QTest::addColumn<QString>("cleanHowOften");

    QTest::newRow("F03G") << "F03G"
                          << "60";
    QTest::newRow("below F03G") << "F03F"
                                << "300";
}

void TestSystemSettingsControls::factoryDefaultsShown() {
    QFETCH(QString, firmware);
    QFETCH(QString, cleanHowOften);

    SystemControls controls;
    const SystemSettingsShown shown =
        ShowSystemSettings(SystemDefaults, Levels(firmware), controls);
    QCOMPARE(controls.eOnDelay, QStringLiteral("0"));
    QCOMPARE(controls.eOffDelay, QStringLiteral("0"));
    QCOMPARE(controls.eButtonCancel, QStringLiteral("1200"));
    QCOMPARE(controls.eMBA, QStringLiteral("1"));
    QCOMPARE(controls.eMinCurrent, QStringLiteral("58"));
    QCOMPARE(controls.eMaxCurrent, QStringLiteral("593"));
    QCOMPARE(controls.eOpRangeMin, QStringLiteral("50"));
    QCOMPARE(controls.eOpRangeMax, QStringLiteral("100"));
    QCOMPARE(controls.eReverseDelay, QStringLiteral("1000"));
    QCOMPARE(controls.eCleanHowOften, cleanHowOften);
    QCOMPARE(controls.eCleanHowLong, QStringLiteral("3"));
    QCOMPARE(controls.eInactiveAfterStart, QStringLiteral("3"));
    QCOMPARE(controls.eCleanAtStopRunMin, QStringLiteral("10"));
    QCOMPARE(controls.eCleanAtStopHowLong, QStringLiteral("1"));
    QCOMPARE(controls.eSmartMinAiflowPercent, QStringLiteral("25"));
    QVERIFY(controls.cbSmartMinimumAiflowEnabled);
    QVERIFY(controls.cbStopOnCurrDecay);
    QVERIFY(!controls.rbSignalSimul);
    QVERIFY(!controls.cbOpenAtStop && !controls.cbOpenAtError && !controls.cbRunAtError);
    QVERIFY(!controls.cbCleanEnabled && !controls.cbCleaningBeforeStop);
    QVERIFY(!shown.lAtLeastOneGateVisible);
    QVERIFY(shown.lSmartMinimumAirflowEnabledVisible);
    QCOMPARE(shown.minAirflowPercent, std::optional<int>(25));
}

void TestSystemSettingsControls::storedValueShown_data() {
    QTest::addColumn<QString>("firmware");
    QTest::addColumn<int>("at");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("stored");
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("shown");

    QTest::newRow("smallest on delay") << "F05A" << 0 << 2 << 1 << "eOnDelay"
                                       << "0";
    QTest::newRow("3600 off delay in seconds") << "F05A" << 2 << 2 << 3600 << "eOffDelay"
                                               << "60";
    QTest::newRow("3600 off delay in tenths") << "F03G" << 2 << 2 << 3600 << "eOffDelay"
                                              << "6";
    QTest::newRow("off delay beyond udDelay") << "F05A" << 2 << 2 << 60000 << "eOffDelay"
                                              << "480";
    QTest::newRow("largest max current") << "F05A" << 12 << 1 << 252 << "eMaxCurrent"
                                         << "2104";
    QTest::newRow("current on a tie") << "F05A" << 11 << 1 << 10 << "eMinCurrent"
                                      << "84"; // 83.5
    QTest::newRow("128 is 50 %") << "F05A" << 13 << 1 << 128 << "eOpRangeMin"
                                 << "50";
    QTest::newRow("min % below udOpRangeMin") << "F05A" << 13 << 1 << 26 << "eOpRangeMin"
                                              << "25";
    QTest::newRow("max % below udOpRangeMax") << "F05A" << 14 << 1 << 26 << "eOpRangeMax"
                                              << "51";
    QTest::newRow("how often below F03G") << "F03F" << 19 << 1 << 12 << "eCleanHowOften"
                                          << "60";
    QTest::newRow("how often from F03G") << "F03G" << 19 << 1 << 12 << "eCleanHowOften"
                                         << "12";
    QTest::newRow("reverse delay") << "F05A" << 15 << 1 << 200 << "eReverseDelay"
                                   << "2000";
}

void TestSystemSettingsControls::storedValueShown() {
    QFETCH(QString, firmware);
    QFETCH(int, at);
    QFETCH(int, width);
    QFETCH(int, stored);
    QFETCH(QString, edit);
    QFETCH(QString, shown);

    SystemSettingsBlock image = SystemDefaults;
    if (width == 2)
        image.Bytes[size_t(at)] = uint8_t(stored >> 8);
    image.Bytes[size_t(at + width - 1)] = uint8_t(stored);
    SystemControls controls;
    ShowSystemSettings(image, Levels(firmware), controls);
    QCOMPARE(controls.*EditNamed(edit), shown);
}

void TestSystemSettingsControls::hiddenControlsKeepTheirState() {
    SystemSettingsBlock image = SystemDefaults;
    image.SetKeepLastUsedOpen(1);
    image.SetPressureFromVFD(1);
    image.SetInstallationMode(3);

    SystemControls controls;
    SystemSettingsShown shown = ShowSystemSettings(image, Levels("F03K"), controls);
    QVERIFY(!controls.cbKeepLastUsedOpen);
    QVERIFY(!controls.cbPressureFromVFD);
    QVERIFY(!shown.pVFD_StatusVisible);

    // From F04B the controller keeps the value, so the box carries it although it is hidden.
    shown = ShowSystemSettings(image, Levels("F04B"), controls);
    QVERIFY(controls.cbKeepLastUsedOpen);
    QVERIFY(controls.cbPressureFromVFD);
    QVERIFY(!shown.pVFD_StatusVisible);
    QVERIFY(ShowSystemSettings(image, Levels("F05A"), controls).pVFD_StatusVisible);

    image.SetInstallationMode(7);
    ShowSystemSettings(image, Levels("F05A"), controls);
    QCOMPARE(int(controls.InstallationMode), 3);
}

void TestSystemSettingsControls::shownAndRebuiltComesBackByteForByte_data() {
    QTest::addColumn<QString>("firmware");
    QTest::addColumn<QString>("field");

    for (const char* firmware : {"----", "F03A", "F03G", "F04A", "F04B", "F05A"}) {
        for (const Field& field : Fields()) {
            QTest::addRow("%s %s", firmware, field.name)
                << QString::fromLatin1(firmware) << QString::fromLatin1(field.name);
        }
    }
}

void TestSystemSettingsControls::shownAndRebuiltComesBackByteForByte() {
    QFETCH(QString, firmware);
    QFETCH(QString, field);

    const FeatureLevels levels = Levels(firmware);
    SystemSettingsBlock base = SystemDefaults;
    if (!levels.Has(Feature::CleanHowOftenInMinutes))
        base.SetCleanHowOften(12);
    for (const Field& candidate : Fields()) {
        if (field != QLatin1String(candidate.name))
            continue;
        for (const int value : candidate.values(levels)) {
            SystemSettingsBlock read = base;
            candidate.set(read, value);
            SystemControls controls;
            ShowSystemSettings(read, levels, controls);
            SystemSettingsBlock rebuilt = read;
            BuildSystemImage(controls, levels, rebuilt);
            if (rebuilt.Bytes != read.Bytes)
                QFAIL(qPrintable(QStringLiteral("%1 %2 came back changed").arg(field).arg(value)));
        }
    }
}

VT12_TEST(TestSystemSettingsControls, TestApplication::Core)
#include "tst_system_settings_controls.moc"
