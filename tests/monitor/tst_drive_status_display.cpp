#include "monitor/drive_status_display.h"

#include "tests/support/test_registry.h"

#include <QTest>
#include <initializer_list>
#include <utility>

namespace {

enum Register {
    Flags = 0,
    MaxFrequency = 1,
    ControlWord = 6,
    FrequencyReference = 7,
    Inputs = 8,
    StatusWord = 9,
    OutputFrequency = 10,
    OutputCurrent = 11,
    OutputPower = 12,
    OutputVoltage = 13,
    FilterPressure = 14,
    FanPressure = 15,
};

// Registers high byte first, as they come from the controller.
DriveStatusBlock Drive(std::initializer_list<std::pair<int, uint16_t>> registers) {
    DriveStatusBlock drive{};
    for (const auto& [k, value] : registers) {
        drive.Bytes[2 * k] = static_cast<uint8_t>(value >> 8);
        drive.Bytes[2 * k + 1] = static_cast<uint8_t>(value);
    }
    return drive;
}

QString Name(PanelColour c) {
    if (c == kPanelGrey)
        return QStringLiteral("grey");
    if (c == kPanelRed)
        return QStringLiteral("red");
    if (c == kPanelGreen)
        return QStringLiteral("green");
    if (c == kPanelYellow)
        return QStringLiteral("yellow");
    if (c == kPanelBrightGreen)
        return QStringLiteral("bright green");
    if (c == kPanelAqua)
        return QStringLiteral("aqua");
    return QStringLiteral("(%1,%2,%3)").arg(c.red).arg(c.green).arg(c.blue);
}

QString Letters(const DriveStatusDisplay& display) {
    QStringList names;
    for (const PanelColour c : display.letters)
        names << Name(c);
    return names.join(u' ');
}

} // namespace

class TestDriveStatusDisplay : public QObject {
    Q_OBJECT

private slots:
    void lamp_data();
    void lamp();
    void frequencies_data();
    void frequencies();
    void bubbleFigures();
    void inputLetters_data();
    void inputLetters();
    void brokenDriveLink();
    void rawData();
};

void TestDriveStatusDisplay::lamp_data() {
    QTest::addColumn<uint>("flags");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("lamp");

    QTest::newRow("0x0003") << 0x0003u << "RUNNING"
                            << "bright green";
    QTest::newRow("0x000D error before run problem") << 0x000Du << "VFD ERROR"
                                                     << "red";
    QTest::newRow("0x0009") << 0x0009u << "RUN PROBLEM"
                            << "red";
    QTest::newRow("0x0001") << 0x0001u << "STOP"
                            << "aqua";
    QTest::newRow("0x0002 no link") << 0x0002u << "Comm. Error"
                                    << "yellow";
    QTest::newRow("0x0000") << 0x0000u << "Comm. Error"
                            << "yellow";
    QTest::newRow("0x000F running first") << 0x000Fu << "RUNNING"
                                          << "bright green";
    QTest::newRow("0xFFF1 upper bits ignored") << 0xFFF1u << "STOP"
                                               << "aqua";
}

void TestDriveStatusDisplay::lamp() {
    QFETCH(uint, flags);
    QFETCH(QString, text);
    QFETCH(QString, lamp);

    const DriveStatusDisplay display = ShowDriveStatus(Drive({{Flags, uint16_t(flags)}}));
    QCOMPARE(display.text, text);
    QCOMPARE(Name(display.lamp), lamp);
}

void TestDriveStatusDisplay::frequencies_data() {
    QTest::addColumn<uint>("maxFrequency");
    QTest::addColumn<uint>("scaled");
    QTest::addColumn<QString>("shown");

    QTest::newRow("half of 50.0 Hz") << 500u << 10000u << "25.0";
    QTest::newRow("full 51.3 Hz") << 513u << 20000u << "51.3";
    QTest::newRow("0") << 500u << 0u << "0.0";
    QTest::newRow("no maximum") << 0u << 20000u << "0.0";
    // Half a tenth goes to the even neighbour.
    QTest::newRow("0.05 Hz") << 1u << 10000u << "0.0";
    QTest::newRow("0.15 Hz") << 3u << 10000u << "0.2";
    QTest::newRow("all ones") << 65535u << 65535u << "21474.2";
}

void TestDriveStatusDisplay::frequencies() {
    QFETCH(uint, maxFrequency);
    QFETCH(uint, scaled);
    QFETCH(QString, shown);

    const DriveStatusDisplay display =
        ShowDriveStatus(Drive({{Flags, 1},
                               {MaxFrequency, uint16_t(maxFrequency)},
                               {OutputFrequency, uint16_t(scaled)},
                               {FrequencyReference, uint16_t(scaled)}}));
    QCOMPARE(display.frequency, shown);
    QCOMPARE(display.bubble.frequencyReference, shown + QStringLiteral(" Hz "));
}

void TestDriveStatusDisplay::bubbleFigures() {
    const DriveStatusDisplay display = ShowDriveStatus(Drive({{Flags, 0x0003},
                                                              {MaxFrequency, 513},
                                                              {OutputCurrent, 125},
                                                              {OutputPower, 75},
                                                              {OutputVoltage, 400},
                                                              {FilterPressure, 1000},
                                                              {FanPressure, 65535}}));
    QCOMPARE(display.power, QStringLiteral("7.5"));
    QCOMPARE(display.bubble.outputCurrent, QStringLiteral("12.5 A "));
    QCOMPARE(display.bubble.outputVoltage, QStringLiteral("400.0 V "));
    QCOMPARE(display.bubble.filterPressure, QStringLiteral("1000 "));
    QCOMPARE(display.bubble.fanPressure, QStringLiteral("65535 "));
    QCOMPARE(display.bubble.maxFrequency, QStringLiteral("51.3 Hz "));
}

void TestDriveStatusDisplay::inputLetters_data() {
    QTest::addColumn<uint>("inputs");
    QTest::addColumn<QString>("letters");

    QTest::newRow("none") << 0u << "grey grey grey grey red red";
    QTest::newRow("all") << 0x3Fu << "red green green green green green";
    QTest::newRow("manual") << 0x01u << "red grey grey grey red red";
    QTest::newRow("auto, stop circuit, enable") << 0x32u << "grey green grey grey green green";
    QTest::newRow("upper bits ignored") << 0xFFC0u << "grey grey grey grey red red";
}

void TestDriveStatusDisplay::inputLetters() {
    QFETCH(uint, inputs);
    QFETCH(QString, letters);

    QCOMPARE(Letters(ShowDriveStatus(Drive({{Flags, 1}, {Inputs, uint16_t(inputs)}}))), letters);
}

void TestDriveStatusDisplay::brokenDriveLink() {
    const DriveStatusDisplay display = ShowDriveStatus(
        Drive({{Flags, 0x0006}, {MaxFrequency, 500}, {OutputFrequency, 10000}, {Inputs, 0x3F}}));
    QCOMPARE(Letters(display), QStringLiteral("grey grey grey grey grey grey"));
    const QString unknown = QStringLiteral("???");
    for (const QString& figure :
         {display.frequency, display.power, display.bubble.frequencyReference,
          display.bubble.outputCurrent, display.bubble.outputVoltage, display.bubble.fanPressure,
          display.bubble.filterPressure, display.bubble.maxFrequency})
        QCOMPARE(figure, unknown);
}

void TestDriveStatusDisplay::rawData() {
    DriveStatusBlock drive{};
    for (int i = 0; i < 32; ++i)
        drive.Bytes[i] = static_cast<uint8_t>(0xA0 + i);
    drive.Bytes[2 * ControlWord] = 0x04;
    drive.Bytes[2 * ControlWord + 1] = 0x7F;
    drive.Bytes[2 * StatusWord] = 0x12;
    drive.Bytes[2 * StatusWord + 1] = 0x37;
    for (const uint16_t flags : {0x0000, 0x0003}) {
        drive.Bytes[0] = static_cast<uint8_t>(flags >> 8);
        drive.Bytes[1] = static_cast<uint8_t>(flags);
        const DriveStatusDisplay display = ShowDriveStatus(drive);
        QCOMPARE(display.raw, QStringLiteral("%1 A2A3 A4A5 A6A7 A8A9 AAAB 047F AEAF B0B1 1237 "
                                             "B4B5 B6B7 B8B9 BABB BCBD BEBF ")
                                  .arg(flags, 4, 16, QChar(u'0')));
        QCOMPARE(display.controlWord, uint16_t(0x047F));
        QCOMPARE(display.statusWord, uint16_t(0x1237));
    }
}

VT12_TEST(TestDriveStatusDisplay, TestApplication::None)
#include "tst_drive_status_display.moc"
