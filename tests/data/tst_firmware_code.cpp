#include "data/firmware_code.h"

#include "tests/support/test_registry.h"

#include <QTest>

class TestFirmwareCode : public QObject {
    Q_OBJECT

private slots:
    void comparesAsText_data();
    void comparesAsText();
    void takenFromText_data();
    void takenFromText();
};

void TestFirmwareCode::comparesAsText_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("threshold");
    QTest::addColumn<bool>("below");

    QTest::newRow("equal is from") << "F04A"
                                   << "F04A" << false;
    QTest::newRow("F04B from F04A") << "F04B"
                                    << "F04A" << false;
    QTest::newRow("F04B below F05A") << "F04B"
                                     << "F05A" << true;
    QTest::newRow("F03K below F04A") << "F03K"
                                     << "F04A" << true;
    QTest::newRow("B03B below F03A") << "B03B"
                                     << "F03A" << true;
    QTest::newRow("B03C from B03B") << "B03C"
                                    << "B03B" << false;
    QTest::newRow("B03A below B03B") << "B03A"
                                     << "B03B" << true;
    QTest::newRow("blanks below B03B") << "    "
                                       << "B03B" << true;
    QTest::newRow("dashes below B03B") << "----"
                                       << "B03B" << true;
    QTest::newRow("leading blank below B03B") << " 205"
                                              << "B03B" << true;
    QTest::newRow("letter beats digit") << "F0A0"
                                        << "F099" << false;
    QTest::newRow("lower case sorts above") << "f01A"
                                            << "F05A" << false;
    QTest::newRow("short text below") << "F0"
                                      << "F03A" << true;
}

void TestFirmwareCode::comparesAsText() {
    QFETCH(QString, code);
    QFETCH(QString, threshold);
    QFETCH(bool, below);

    const FirmwareCode a = FirmwareCode::FromText(code);
    const FirmwareCode b = FirmwareCode::FromText(threshold);
    QCOMPARE(a.Below(b), below);
    QCOMPARE(a.From(b), !below);
}

void TestFirmwareCode::takenFromText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("code");

    QTest::newRow("four") << "F05A"
                          << "F05A";
    QTest::newRow("longer is cut") << "F05AXYZ"
                                   << "F05A";
    QTest::newRow("short is padded") << "F0"
                                     << "F0  ";
    QTest::newRow("empty") << ""
                           << "    ";
}

void TestFirmwareCode::takenFromText() {
    QFETCH(QString, text);
    QFETCH(QString, code);
    QCOMPARE(FirmwareCode::FromText(text).Text(), code);
}

static_assert(FirmwareCode() == FirmwareCode("    "));
static_assert(FirmwareCode("F04B").From("F04A") && FirmwareCode("F04B").Below("F05A"));

VT12_TEST(TestFirmwareCode, TestApplication::Core)
#include "tst_firmware_code.moc"
