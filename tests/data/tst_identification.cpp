#include "data/identification.h"

#include "tests/support/test_registry.h"

#include <QTest>
#include <cstring>

namespace {

QByteArray Bytes(const char* text, int length) {
    return QByteArray(text, length);
}

// A bootloader reply: the text from byte 0, the update time at bytes 64-71.
QByteArray BootloaderReply(const QByteArray& text, double updated, int length = 248) {
    QByteArray reply(248, '\0');
    std::memcpy(reply.data(), text.constData(), size_t(std::min<qsizetype>(text.size(), 64)));
    std::memcpy(reply.data() + 64, &updated, sizeof updated);
    return reply.left(length);
}

} // namespace

class TestIdentification : public QObject {
    Q_OBJECT

private slots:
    void textIsCutAtTheFirstDoubleZero_data();
    void textIsCutAtTheFirstDoubleZero();
    void firmwareCodeFromFirstPart_data();
    void firmwareCodeFromFirstPart();
    void bootloaderTextNamesTheLastUpdate_data();
    void bootloaderTextNamesTheLastUpdate();
    void slaveVersion_data();
    void slaveVersion();
    void captions();
};

void TestIdentification::textIsCutAtTheFirstDoubleZero_data() {
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QString>("text");

    QTest::newRow("plain") << QByteArray("VT12F05A") << "VT12F05A";
    QTest::newRow("double zero ends it") << Bytes("VT12\0\0F05A", 10) << "VT12";
    QTest::newRow("single zeros dropped") << Bytes("V\0T12\0F05A\0", 11) << "VT12F05A";
    QTest::newRow("single zero before the end") << Bytes("AB\0\0CD\0\0", 8) << "AB";
    QTest::newRow("zeros only") << QByteArray(248, '\0') << "";
    QTest::newRow("empty") << QByteArray() << "";
    QTest::newRow("latin-1") << QByteArray("Ger\xE4t") << QString::fromUtf8("Gerät");
    QTest::newRow("line breaks kept") << QByteArray("A\r\nB") << "A\r\nB";
}

void TestIdentification::textIsCutAtTheFirstDoubleZero() {
    QFETCH(QByteArray, reply);
    QFETCH(QString, text);
    QCOMPARE(
        IdentificationText(reinterpret_cast<const uint8_t*>(reply.constData()), int(reply.size())),
        text);
}

void TestIdentification::firmwareCodeFromFirstPart_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("code");

    QTest::newRow("VT12 prefix") << "VT12F05A Vantor 12 controller"
                                 << "F05A";
    QTest::newRow("bootloader prefix") << "VT12B03C"
                                       << "B03C";
    QTest::newRow("VT12 alone") << "VT12"
                                << "    ";
    QTest::newRow("VT12 short") << "VT12F0"
                                << "F0  ";
    QTest::newRow("VT12 wins over the version line") << "VT12F04A Firmware Version: 2.05"
                                                     << "F04A";
    QTest::newRow("prefix is case sensitive") << "vt12F05A"
                                              << "----";
    QTest::newRow("version line after position 10") << "0123456789Firmware Version: 2.05"
                                                    << " 205";
    QTest::newRow("version line at position 10") << "012345678Firmware Version: 2.05"
                                                 << "----";
    QTest::newRow("version 1.23") << "Vantor 12 Dust Control Firmware Version: 1.23"
                                  << " 123";
    QTest::newRow("dots anywhere") << "Vantor 12 v. Firmware Version: 1..2.3"
                                   << " 12 ";
    QTest::newRow("nothing after the line") << "Vantor 12 controller Firmware Version: "
                                            << "    ";
    QTest::newRow("only the first occurrence counts")
        << "Firmware Version: 1.00 Firmware Version: 2.05"
        << "----";
    QTest::newRow("neither") << "Vantor 12"
                             << "----";
    QTest::newRow("empty") << ""
                           << "----";
}

void TestIdentification::firmwareCodeFromFirstPart() {
    QFETCH(QString, text);
    QFETCH(QString, code);
    QCOMPARE(FirmwareCodeOf(text).Text(), code);
}

void TestIdentification::bootloaderTextNamesTheLastUpdate_data() {
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QString>("text");

    const QString head = QStringLiteral("Bootloader version: \r\nBL 1.2\r\n");
    QTest::newRow("no stamp") << BootloaderReply("BL 1.2", 0.0) << head;
    QTest::newRow("at the first day, not after it") << BootloaderReply("BL 1.2", 40000.0) << head;
    QTest::newRow("noon after it")
        << BootloaderReply("BL 1.2", 40000.5) << head + "Firmware Updated: 6 Jul 2009 12:00:00";
    QTest::newRow("quarter day") << BootloaderReply("BL 1.2", 45000.25)
                                 << head + "Firmware Updated: 15 Mar 2023 06:00:00";
    QTest::newRow("rounds into the next day") << BootloaderReply("BL 1.2", 45123.999999999)
                                              << head + "Firmware Updated: 17 Jul 2023 00:00:00";
    QTest::newRow("not a number") << BootloaderReply("BL 1.2", std::nan("")) << head;
    QTest::newRow("far beyond any date") << BootloaderReply("BL 1.2", 1e300) << head;
    QTest::newRow("infinite") << BootloaderReply("BL 1.2", HUGE_VAL) << head;
    QTest::newRow("reply ends inside the stamp") << BootloaderReply("BL 1.2", 45000.25, 70) << head;
    // The stamp is taken from its bytes even though the text stops long before them.
    QTest::newRow("text fills to the stamp") << BootloaderReply(QByteArray(64, 'x'), 45000.25)
                                             << "Bootloader version: \r\n" + QString(64, u'x') +
                                                    "\r\nFirmware Updated: 15 Mar 2023 06:00:00";
}

void TestIdentification::bootloaderTextNamesTheLastUpdate() {
    QFETCH(QByteArray, reply);
    QFETCH(QString, text);
    QCOMPARE(BootloaderDataText(reinterpret_cast<const uint8_t*>(reply.constData()),
                                int(reply.size()), QLocale::c()),
             text);
}

void TestIdentification::slaveVersion_data() {
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("code"); // empty: the code is left as it was

    QTest::newRow("VT12F05A") << QByteArray("VT12F05A") << "Slave Firmware Version: VT12F05A"
                              << "F05A";
    QTest::newRow("bootloader slave")
        << QByteArray("VT12B03C") << "Slave Firmware Version: VT12B03C"
        << "";
    QTest::newRow("no VT12F") << QByteArray("ABCDEFGH") << "Slave Firmware Version: ABCDEFGH"
                              << "";
    QTest::newRow("short reply") << QByteArray("VT12F0") << "Slave Firmware Version: VT12F0"
                                 << "F0  ";
    QTest::newRow("zeros") << QByteArray(8, '\0') << "Slave Firmware Version: "
                           << "";
    QTest::newRow("longer reply is cut")
        << QByteArray("VT12F05AXX") << "Slave Firmware Version: VT12F05A"
        << "F05A";
}

void TestIdentification::slaveVersion() {
    QFETCH(QByteArray, reply);
    QFETCH(QString, caption);
    QFETCH(QString, code);

    const SlaveVersion version =
        DecodeSlaveVersion(reinterpret_cast<const uint8_t*>(reply.constData()), int(reply.size()));
    QCOMPARE(version.caption, caption);
    QCOMPARE(version.code.has_value(), !code.isEmpty());
    if (version.code)
        QCOMPARE(version.code->Text(), code);
}

void TestIdentification::captions() {
    QCOMPARE(HardwareVersionCaption(4), QString("Hardware Version: H04"));
    QCOMPARE(HardwareVersionCaption(0), QString("Hardware Version: H00"));
    QCOMPARE(HardwareVersionCaption(255), QString("Hardware Version: H255"));
    QCOMPARE(FirmwareVersionCaption(FirmwareCode("F05A")), QString("Firmware Version: F05A"));
    QCOMPARE(FirmwareVersionCaption(FirmwareCode()), QString("Firmware Version:     "));
}

VT12_TEST(TestIdentification, TestApplication::Core)
#include "tst_identification.moc"
