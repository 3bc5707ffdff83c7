// The simulated unit as the tool meets it: every block of the job table, writes, exceptions,
// commands, the slave link and the bootloader, driven in-process without a line.

#include "sim/controller_model.h"
#include "sim/identification.h"
#include "sim/modbus_responder.h"
#include "tests/sim/sim_requests.h"

#include "tests/support/test_registry.h"

#include <QTest>

#include <bit>

using namespace simtest;
using namespace vt12sim;

class TstControllerModel : public QObject {
    Q_OBJECT

private slots:
    void answersEveryReadOfTheJobTable_data();
    void answersEveryReadOfTheJobTable();
    void keepsWhatWasWritten_data();
    void keepsWhatWasWritten();
    void refusesWithExceptions_data();
    void refusesWithExceptions();
    void storesOneSettingDifferently_data();
    void storesOneSettingDifferently();
    void identifiesItself_data();
    void identifiesItself();
    void holdsCommissionedContent();
    void restartsSilentlyForThreeSeconds();
    void testCommandDrivesGatesAndFan();
    void slaveCanBeLostAndRegained();
    void bootloaderTakesAnUpload_data();
    void bootloaderTakesAnUpload();
    void uploadCutShortLeavesTheBootloader();
    void countersAdvanceWithTime();
    void liveUnitIsSeeded_data();
    void liveUnitIsSeeded();
    void staysStillWithoutLive();
    void forcedInputsReachTheStatus();
    void testModeOverridesTheSchedule();
    void scheduleIgnoresHowTimeIsHandedIn();
};

namespace {

UnitProfile masterProfile() {
    UnitProfile profile;
    profile.master = true;
    return profile;
}

// The register data of a read's answer.
QByteArray readData(ControllerModel& model, uint8_t function, uint16_t start, uint16_t count) {
    const QByteArray answer = ask(model, wordsRequest(function, start, count));
    return answer.size() == 2 * count + 5 ? answer.mid(3, 2 * count) : QByteArray();
}

QByteArray status(ControllerModel& model) {
    return readData(model, 4, 0, 16);
}

uint16_t word(const QByteArray& bytes, int offset) {
    return static_cast<uint16_t>(static_cast<uint8_t>(bytes[offset]) << 8 |
                                 static_cast<uint8_t>(bytes[offset + 1]));
}

uint32_t counter(const QByteArray& counters, int index) {
    return uint32_t{word(counters, 4 * index)} << 16 | word(counters, 4 * index + 2);
}

QByteArray pattern(int bytes) {
    QByteArray data(bytes, '\0');
    for (int i = 0; i < bytes; ++i) {
        data[i] = static_cast<char>(i * 7 + 3);
    }
    return data;
}

// A firmware image as the tool sends it: version text, validity mark, time stamp, checksum.
QByteArray firmwareImage(const QByteArray& version) {
    QByteArray image(0x10000, static_cast<char>(0xFF));
    image.replace(0x5000, version.size(), version);
    image[0xC000] = static_cast<char>(0xAB);
    image[0xC001] = static_cast<char>(0xCD);
    image.replace(0xEFF0, 8, encodeDayTime(45000.25));
    image.replace(0xEFF8, 4, QByteArray(4, '\0'));
    image[0xEFFC] = 0x11;
    image[0xEFFD] = 0x11;
    uint16_t sum = 0;
    for (int at = 0x5000; at < 0xEFFC; ++at) {
        sum = static_cast<uint16_t>(sum + static_cast<uint8_t>(image[at]));
    }
    image[0xEFFE] = static_cast<char>(sum >> 8);
    image[0xEFFF] = static_cast<char>(sum & 0xFF);
    return image;
}

} // namespace

void TstControllerModel::answersEveryReadOfTheJobTable_data() {
    QTest::addColumn<int>("function");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("count");

    QTest::newRow("FirmwareInfoBlock") << 3 << 2048 << 124;
    QTest::newRow("FirmwareInfoBlock2") << 3 << 2172 << 124;
    QTest::newRow("BootloaderInfoBlock") << 3 << 24320 << 124;
    QTest::newRow("CountersBlock") << 4 << 16 << 32;
    QTest::newRow("SlaveCountersBlock") << 4 << 17 << 32;
    QTest::newRow("SystemSettingsBlock") << 3 << 128 << 14;
    QTest::newRow("GateSettingsBlock") << 3 << 0 << 97;
    QTest::newRow("SlaveGateSettingsBlock") << 3 << 512 << 97;
    QTest::newRow("GateNamesBlock") << 3 << 256 << 120;
    QTest::newRow("SlaveGateNamesBlock") << 3 << 640 << 120;
    QTest::newRow("SlaveVersionBlock") << 3 << 656 << 4;
    QTest::newRow("VacuumSettingsBlock") << 3 << 384 << 42;
    QTest::newRow("StatusBlock") << 4 << 0 << 16;
    QTest::newRow("SlaveStatusBlock") << 4 << 80 << 16;
    QTest::newRow("DriveStatusBlock") << 4 << 96 << 16;
    QTest::newRow("part of a block") << 3 << 266 << 10;
}

void TstControllerModel::answersEveryReadOfTheJobTable() {
    QFETCH(int, function);
    QFETCH(int, start);
    QFETCH(int, count);

    ControllerModel model(masterProfile());
    const QByteArray answer =
        ask(model, wordsRequest(static_cast<uint8_t>(function), static_cast<uint16_t>(start),
                                static_cast<uint16_t>(count)));
    QCOMPARE(answer.size(), 2 * count + 5);
    QCOMPARE(static_cast<int>(answer[0]), 5);
    QCOMPARE(static_cast<int>(answer[1]), function);
    QCOMPARE(static_cast<uint8_t>(answer[2]), static_cast<uint8_t>(2 * count));
    QVERIFY(crcMatches(answer));
}

void TstControllerModel::keepsWhatWasWritten_data() {
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("count");

    QTest::newRow("GateSettingsBlock") << 0 << 97;
    QTest::newRow("SystemSettingsBlock") << 128 << 14;
    QTest::newRow("GateNamesBlock") << 256 << 120;
    QTest::newRow("VacuumSettingsBlock") << 384 << 42;
    QTest::newRow("SlaveGateSettingsBlock") << 512 << 97;
    QTest::newRow("SlaveGateNamesBlock") << 640 << 120;
    QTest::newRow("one gate name") << 266 << 10;
}

void TstControllerModel::keepsWhatWasWritten() {
    QFETCH(int, start);
    QFETCH(int, count);

    ControllerModel model(masterProfile());
    int told = 0;
    model.setKeptWriteHandler([&told] { ++told; });
    const QByteArray data = pattern(2 * count);
    const QByteArray request = blockRequest(16, static_cast<uint16_t>(start), data);
    const QByteArray answer = ask(model, request);
    QCOMPARE(answer, withCrc(request.left(6)));
    QCOMPARE(readData(model, 3, static_cast<uint16_t>(start), static_cast<uint16_t>(count)), data);
    QCOMPARE(told, 1);
    const BlockSpan* span =
        blockForWrite(static_cast<uint16_t>(start), static_cast<uint16_t>(count));
    QVERIFY(model.keptBlock(span->id).contains(data));
}

void TstControllerModel::refusesWithExceptions_data() {
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<int>("exceptionCode");

    QTest::newRow("holding registers between blocks") << wordsRequest(3, 1000, 4) << 2;
    QTest::newRow("input registers between blocks") << wordsRequest(4, 50, 4) << 2;
    QTest::newRow("read across two blocks") << wordsRequest(3, 120, 20) << 2;
    QTest::newRow("read past a block's end") << wordsRequest(3, 0, 98) << 2;
    QTest::newRow("write to the identification") << blockRequest(16, 2048, QByteArray(8, 'x')) << 2;
    QTest::newRow("write between blocks") << blockRequest(16, 100, QByteArray(4, 'x')) << 2;
    QTest::newRow("firmware chunk past the memory")
        << blockRequest(110, 0xFFC0, QByteArray(128, 'x')) << 2;
    QTest::newRow("read of 126 registers") << wordsRequest(3, 0, 126) << 3;
    QTest::newRow("read of no register") << wordsRequest(4, 0, 0) << 3;
    QTest::newRow("command that is neither restart nor test") << commandRequest(0x1234, 0, 0) << 3;
    QTest::newRow("unknown function") << wordsRequest(7, 0, 1) << 1;
    QTest::newRow("write single register, not offered") << wordsRequest(6, 128, 1) << 1;
}

void TstControllerModel::refusesWithExceptions() {
    QFETCH(QByteArray, request);
    QFETCH(int, exceptionCode);

    ControllerModel model(masterProfile());
    bool told = false;
    model.setKeptWriteHandler([&told] { told = true; });
    const QByteArray answer = ask(model, request);
    QVERIFY(!told);
    QCOMPARE(answer.size(), 5);
    QCOMPARE(static_cast<uint8_t>(answer[1]), static_cast<uint8_t>(request[1] | 0x80));
    QCOMPARE(static_cast<int>(answer[2]), exceptionCode);
    QVERIFY(crcMatches(answer));
}

void TstControllerModel::storesOneSettingDifferently_data() {
    QTest::addColumn<bool>("storeDifferently");
    QTest::addColumn<int>("reverseDelayWritten");
    QTest::addColumn<int>("reverseDelayRead");

    QTest::newRow("faithful") << false << 100 << 100;
    QTest::newRow("10 ms longer") << true << 100 << 101;
    QTest::newRow("at the top it comes back shorter") << true << 255 << 254;
}

void TstControllerModel::storesOneSettingDifferently() {
    QFETCH(bool, storeDifferently);
    QFETCH(int, reverseDelayWritten);
    QFETCH(int, reverseDelayRead);

    UnitProfile profile;
    profile.storeDifferently = storeDifferently;
    ControllerModel model(profile);
    QByteArray settings = readData(model, 3, 128, 14);
    settings[15] = static_cast<char>(reverseDelayWritten);
    ask(model, blockRequest(16, 128, settings));

    QByteArray expected = settings;
    expected[15] = static_cast<char>(reverseDelayRead);
    QCOMPARE(readData(model, 3, 128, 14), expected);
    // Only the system settings are kept differently.
    const QByteArray names = pattern(240);
    ask(model, blockRequest(16, 256, names));
    QCOMPARE(readData(model, 3, 256, 120), names);
}

void TstControllerModel::identifiesItself_data() {
    QTest::addColumn<QString>("firmware");
    QTest::addColumn<bool>("oldStyle");
    QTest::addColumn<QByteArray>("expectedText");
    QTest::addColumn<int>("lowestPosition");

    QTest::newRow("F05A") << "F05A" << false << QByteArray("VT12F05A") << 0;
    QTest::newRow("F04A") << "F04A" << false << QByteArray("VT12F04A") << 0;
    QTest::newRow("F03K") << "F03K" << false << QByteArray("VT12F03K") << 0;
    QTest::newRow("damaged firmware") << "B03C" << false << QByteArray("VT12B03C") << 0;
    QTest::newRow("old text") << "F05A" << true << QByteArray("Firmware Version: 2.05") << 10;
}

void TstControllerModel::identifiesItself() {
    QFETCH(QString, firmware);
    QFETCH(bool, oldStyle);
    QFETCH(QByteArray, expectedText);
    QFETCH(int, lowestPosition);

    UnitProfile profile;
    profile.firmwareCode = firmware;
    profile.oldIdentification = oldStyle;
    ControllerModel model(profile);
    const QByteArray text = readData(model, 3, 2048, 124);
    const qsizetype position = text.indexOf(expectedText);
    QVERIFY2(position >= lowestPosition, text.constData());
    if (lowestPosition == 0) {
        QCOMPARE(position, 0);
    }
    // The text ends before the first two zero bytes, as the tool cuts it.
    QVERIFY(text.indexOf(QByteArray(2, '\0')) > position);
}

void TstControllerModel::holdsCommissionedContent() {
    ControllerModel model(UnitProfile{});
    const QByteArray names = readData(model, 3, 256, 120);
    QCOMPARE(names.mid(0, 20), QByteArray("Saw 1").leftJustified(20, '\0'));
    QCOMPARE(names.mid(20, 20), QByteArray("Planer").leftJustified(20, '\0'));
    const QByteArray gates = readData(model, 3, 0, 97);
    QVERIFY(word(gates, 192) != 0);
    QCOMPARE(static_cast<int>(gates[0]), 1);
    QCOMPARE(static_cast<int>(gates[11 * 16]), 0);

    const QByteArray live = status(model);
    QCOMPARE(static_cast<int>(live[25]), 4);
    QVERIFY(word(live, 2) & 0x2000);
    QVERIFY(static_cast<uint8_t>(live[15]) < 15);
    QCOMPARE(readData(model, 3, 656, 4), QByteArray(8, '\0'));

    const QByteArray bootloader = readData(model, 3, 24320, 124);
    QCOMPARE(bootloader.mid(64, 8), encodeDayTime(kFactoryUpdateTime));
}

void TstControllerModel::restartsSilentlyForThreeSeconds() {
    ControllerModel model(UnitProfile{});
    const uint32_t starts = counter(readData(model, 4, 16, 32), 12);
    const QByteArray answer = ask(model, commandRequest(0x2000, 0x00AA, 0));
    QCOMPARE(answer.size(), 11);
    QCOMPARE(static_cast<int>(answer[2]), 6);
    QVERIFY(!model.isAnswering());
    model.advance(ControllerModel::kRestartMs - 100);
    QVERIFY(!model.isAnswering());
    model.advance(100);
    QVERIFY(model.isAnswering());
    QCOMPARE(counter(readData(model, 4, 16, 32), 12), starts + 1);
}

void TstControllerModel::testCommandDrivesGatesAndFan() {
    ControllerModel model(UnitProfile{});
    const uint32_t gate3Uses = counter(readData(model, 4, 16, 32), 2);
    // Gates 1, 3 and 12 asked open; gate 12 is not in use and stays closed.
    QCOMPARE(ask(model, commandRequest(0xF805, 0x8000, 0)).size(), 11);
    QByteArray live = status(model);
    QCOMPARE(word(live, 6), uint16_t{0x0005});
    QCOMPARE(word(live, 10), uint16_t{0});
    QVERIFY(live[12] != 0);
    QCOMPARE(static_cast<uint8_t>(live[14]), uint8_t{0x80});

    model.advance(GateDrive::kTravelMs);
    live = status(model);
    QCOMPARE(word(live, 6), uint16_t{0});
    QCOMPARE(word(live, 10), uint16_t{0x0005});
    QCOMPARE(static_cast<int>(live[12]), 0);
    QVERIFY(counter(readData(model, 4, 16, 32), 2) > gate3Uses);

    // Without further test commands the unit leaves test mode and closes the gates.
    model.advance(ControllerModel::kTestModeHoldMs - GateDrive::kTravelMs - 1);
    QCOMPARE(word(status(model), 10), uint16_t{0x0005});
    model.advance(1);
    live = status(model);
    QCOMPARE(word(live, 8), uint16_t{0x0005});
    QCOMPARE(static_cast<int>(live[14]), 0);
    model.advance(GateDrive::kTravelMs);
    QCOMPARE(word(status(model), 10), uint16_t{0});
}

void TstControllerModel::slaveCanBeLostAndRegained() {
    ControllerModel model(masterProfile());
    QVERIFY(static_cast<uint8_t>(status(model)[15]) >= 15);
    QCOMPARE(readData(model, 3, 656, 4), QByteArray("VT12F05A"));
    QCOMPARE(static_cast<int>(readData(model, 3, 128, 14)[20]), 2);
    const QByteArray masterCounters = readData(model, 4, 16, 32);
    const QByteArray slaveCounters = readData(model, 4, 17, 32);
    QVERIFY(slaveCounters != masterCounters);
    QVERIFY(slaveCounters != QByteArray(64, '\0'));
    const QByteArray slaveGates = readData(model, 3, 512, 97);

    model.setSlaveLinked(false);
    QVERIFY(static_cast<uint8_t>(status(model)[15]) < 15);
    QCOMPARE(readData(model, 4, 80, 16), QByteArray(32, '\0'));
    QCOMPARE(readData(model, 3, 512, 97), QByteArray(194, '\0'));
    QCOMPARE(readData(model, 3, 656, 4), QByteArray(8, '\0'));
    // A save while the slave is away must not wipe its settings.
    QCOMPARE(ask(model, blockRequest(16, 512, QByteArray(194, '\0'))).size(), 8);

    model.setSlaveLinked(true);
    QVERIFY(static_cast<uint8_t>(status(model)[15]) >= 15);
    QCOMPARE(readData(model, 3, 512, 97), slaveGates);
}

namespace {

// The chunk addresses of a whole upload, start chunk to end chunk.
QList<int> uploadOrder() {
    QList<int> order;
    for (int address = 0x4F80; address <= 0xF000; address += 128) {
        order << address;
    }
    return order;
}

QList<int> withoutChunk(int address) {
    QList<int> order = uploadOrder();
    order.removeOne(address);
    return order;
}

QList<int> chunkSentTwice(int address) {
    QList<int> order = uploadOrder();
    order.insert(order.indexOf(address), address);
    return order;
}

QList<int> chunkSentAfterTheNext(int address) {
    QList<int> order = uploadOrder();
    order.swapItemsAt(order.indexOf(address), order.indexOf(address) + 1);
    return order;
}

} // namespace

void TstControllerModel::bootloaderTakesAnUpload_data() {
    QTest::addColumn<QString>("codeBefore");
    QTest::addColumn<QByteArray>("version");
    QTest::addColumn<QList<int>>("order");
    QTest::addColumn<int>("changedByte");
    QTest::addColumn<QString>("codeAfter");

    const QByteArray v = "VT12F05B";
    QTest::newRow("intact upload") << "B03C" << v << uploadOrder() << -1 << "F05B";
    QTest::newRow("running firmware replaced") << "F04A" << v << uploadOrder() << -1 << "F05B";
    QTest::newRow("a chunk sent again after its lost answer")
        << "B03C" << v << chunkSentTwice(0x6000) << -1 << "F05B";
    QTest::newRow("a chunk missing") << "B03C" << v << withoutChunk(0x6000) << -1 << "B03C";
    QTest::newRow("chunks out of order")
        << "B03C" << v << chunkSentAfterTheNext(0x6000) << -1 << "B03C";
    QTest::newRow("start chunk not erased") << "B03C" << v << uploadOrder() << 0x4FC0 << "B03C";
    QTest::newRow("end chunk not erased") << "B03C" << v << uploadOrder() << 0xF07F << "B03C";
    QTest::newRow("checksum wrong") << "B03C" << v << uploadOrder() << 0x6001 << "B03C";
    QTest::newRow("validity mark missing") << "B03C" << v << uploadOrder() << 0xC000 << "B03C";
    // Outside the checksum: only the trailer rule sees an unstamped signature.
    QTest::newRow("upload signature missing") << "B03C" << v << uploadOrder() << 0xEFFD << "B03C";
    QTest::newRow("version text of another form")
        << "F04A" << QByteArray("XY99F05B") << uploadOrder() << -1 << "F04A";
}

void TstControllerModel::bootloaderTakesAnUpload() {
    QFETCH(QString, codeBefore);
    QFETCH(QByteArray, version);
    QFETCH(QList<int>, order);
    QFETCH(int, changedByte);
    QFETCH(QString, codeAfter);

    UnitProfile profile;
    profile.firmwareCode = codeBefore;
    ControllerModel model(profile);

    QByteArray image = firmwareImage(version);
    if (changedByte >= 0) {
        image[changedByte] = static_cast<char>(image[changedByte] ^ 0x01);
    }
    for (const int address : order) {
        const QByteArray request =
            blockRequest(110, static_cast<uint16_t>(address), image.mid(address, 128));
        QCOMPARE(ask(model, request), withCrc(request.left(6)));
    }
    QVERIFY(!model.isAnswering());
    model.advance(ControllerModel::kRestartMs);
    QCOMPARE(model.firmwareCode(), codeAfter);
    QVERIFY(readData(model, 3, 2048, 124).startsWith("VT12" + codeAfter.toLatin1()));
    if (codeAfter != QLatin1String("B03C")) {
        QCOMPARE(status(model).size(), 32);
        QCOMPARE(readData(model, 3, 24320, 124).mid(64, 8), encodeDayTime(45000.25));
    } else {
        QVERIFY(ask(model, wordsRequest(4, 0, 16)).isEmpty());
    }
}

void TstControllerModel::uploadCutShortLeavesTheBootloader() {
    ControllerModel model(UnitProfile{});
    const QByteArray image = firmwareImage("VT12F06A");
    const QList<int> order = uploadOrder();
    for (const int address : order.mid(0, 20)) {
        ask(model, blockRequest(110, static_cast<uint16_t>(address), image.mid(address, 128)));
    }
    // The link is lost; detection finds a unit that knows only its identity and the upload.
    QVERIFY(model.isAnswering());
    QVERIFY(readData(model, 3, 2048, 124).startsWith("VT12B03C"));
    QVERIFY(ask(model, wordsRequest(4, 0, 16)).isEmpty());

    for (const int address : order) {
        ask(model, blockRequest(110, static_cast<uint16_t>(address), image.mid(address, 128)));
    }
    model.advance(ControllerModel::kRestartMs);
    QCOMPARE(model.firmwareCode(), QStringLiteral("F06A"));
}

void TstControllerModel::countersAdvanceWithTime() {
    ControllerModel model(UnitProfile{});
    const QByteArray before = readData(model, 4, 16, 32);
    model.advance(12000);
    const QByteArray after = readData(model, 4, 16, 32);
    int grown = 0;
    for (int gate = 0; gate < 12; ++gate) {
        QVERIFY(counter(after, gate) >= counter(before, gate));
        grown += counter(after, gate) > counter(before, gate) ? 1 : 0;
    }
    QCOMPARE(grown, 11);
}

void TstControllerModel::liveUnitIsSeeded_data() {
    QTest::addColumn<bool>("master");

    QTest::newRow("single unit") << false;
    QTest::newRow("master with slave") << true;
}

void TstControllerModel::liveUnitIsSeeded() {
    QFETCH(bool, master);

    UnitProfile profile;
    profile.master = master;
    profile.live = true;
    profile.seed = 7;
    ControllerModel first(profile);
    ControllerModel second(profile);
    profile.seed = 8;
    ControllerModel other(profile);
    const int statusStart = master ? 80 : 0;

    bool differs = false;
    uint16_t sensorsSeen = 0;
    uint16_t openingSeen = 0;
    uint16_t closingSeen = 0;
    uint16_t openSeen = 0;
    bool oddCurrent = false;
    bool evenCurrent = false;
    bool fanRan = false;
    for (int poll = 0; poll < 200; ++poll) {
        const QByteArray live = readData(first, 4, static_cast<uint16_t>(statusStart), 16);
        QCOMPARE(readData(second, 4, static_cast<uint16_t>(statusStart), 16), live);
        differs = differs || readData(other, 4, static_cast<uint16_t>(statusStart), 16) != live;
        sensorsSeen |= word(live, 0);
        openingSeen |= word(live, 6);
        closingSeen |= word(live, 8);
        openSeen |= word(live, 10);
        oddCurrent = oddCurrent || live[12] != 0;
        evenCurrent = evenCurrent || live[13] != 0;
        fanRan = fanRan || live[14] != 0;
        for (ControllerModel* model : {&first, &second, &other}) {
            model->advance(1000);
        }
    }
    QVERIFY(differs);
    QVERIFY(std::popcount(sensorsSeen) >= 6);
    QVERIFY(std::popcount(static_cast<uint16_t>(openingSeen & closingSeen & openSeen)) >= 4);
    QVERIFY(oddCurrent && evenCurrent);
    QVERIFY(fanRan);
}

void TstControllerModel::staysStillWithoutLive() {
    ControllerModel model(masterProfile());
    const QByteArray master = status(model);
    const QByteArray slave = readData(model, 4, 80, 16);
    model.advance(300000);
    QCOMPARE(status(model), master);
    QCOMPARE(readData(model, 4, 80, 16), slave);
    QCOMPARE(word(master, 10), uint16_t{0});
    QCOMPARE(static_cast<int>(master[14]), 0);
}

void TstControllerModel::forcedInputsReachTheStatus() {
    ControllerModel model(masterProfile());
    model.setSecurityAlarm(true);
    model.advance(3000);
    QByteArray live = status(model);
    QCOMPARE(word(live, 2), uint16_t{0});
    // The commissioned unit opens its gates on a security alarm and says so.
    QCOMPARE(word(live, 30), uint16_t{0x0004});
    QCOMPARE(word(live, 10), uint16_t{0x07FF});
    QCOMPARE(word(readData(model, 4, 80, 16), 10), uint16_t{0x07FF});

    model.setBypass(true);
    model.advance(100);
    QCOMPARE(word(status(model), 2), uint16_t{0x5000});
    model.setSecurityAlarm(false);
    model.advance(10000);
    live = status(model);
    QCOMPARE(word(live, 2), uint16_t{0x3000});
    QCOMPARE(word(live, 30), uint16_t{0});
    QVERIFY(live[14] != 0);
    QCOMPARE(word(live, 10), uint16_t{0x07FF});
}

void TstControllerModel::testModeOverridesTheSchedule() {
    UnitProfile profile;
    profile.live = true;
    profile.seed = 7;
    ControllerModel model(profile);
    model.advance(40000);
    const uint16_t active = word(status(model), 2) & 0x0FFF;
    QVERIFY(active != 0);
    QCOMPARE(word(status(model), 10) & active, active);

    ask(model, commandRequest(0xF000, 0, 0));
    model.advance(GateDrive::kTravelMs + 100);
    QCOMPARE(word(status(model), 10), uint16_t{0});
    QCOMPARE(static_cast<int>(status(model)[14]), 0);

    model.advance(ControllerModel::kTestModeHoldMs);
    model.advance(GateDrive::kTravelMs + 100);
    const QByteArray live = status(model);
    const uint16_t nowActive = word(live, 2) & 0x0FFF;
    QVERIFY(nowActive != 0);
    QCOMPARE(word(live, 10) & nowActive, nowActive);
}

void TstControllerModel::scheduleIgnoresHowTimeIsHandedIn() {
    WorkSchedule fine(3, 0);
    WorkSchedule coarse(3, 0);
    WorkSchedule slave(3, 1);
    bool unitsDiffer = false;
    for (int chunk = 0; chunk < 100; ++chunk) {
        for (int step = 0; step < 70; ++step) {
            fine.advance(100);
            slave.advance(100);
        }
        QCOMPARE(coarse.advance(7000), fine.sensors());
        unitsDiffer = unitsDiffer || slave.sensors() != fine.sensors();
    }
    QVERIFY(unitsDiffer);
}

VT12_TEST(TstControllerModel, TestApplication::Core)
#include "tst_controller_model.moc"
