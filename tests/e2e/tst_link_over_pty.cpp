// The serial channel and the Modbus client against the simulator on a pseudo-terminal, paced
// like the real line.

#include "link/af_com_port.h"
#include "link/com_port_error.h"
#include "link/modbus_client.h"
#include "link/qt_time_base.h"
#include "tests/e2e/simulator_process.h"

#include "tests/support/test_registry.h"

#include <QSignalSpy>
#include <csignal>

namespace {
constexpr int kPtyCom = 7;
}

class TestLinkOverPty : public QObject {
    Q_OBJECT

    SimulatorProcess sim;
    QtTimeBase time;
    TAfComPort port;
    std::unique_ptr<TModbusClient> client;
    std::vector<int> announced;
    std::vector<TModbusResult> results;

    // Sends one request and lets the loop run until its result and a little beyond, so a
    // second result would show.
    template <typename Send> void exchange(Send send) {
        results.clear();
        announced.clear();
        send();
        QTRY_COMPARE_WITH_TIMEOUT(results.size(), size_t(1), 3000);
        QTest::qWait(150);
        QCOMPARE(results.size(), size_t(1));
    }

    void bindReceive() {
        port.OnDataRecived = [this](TAfComPort*, int count) {
            if (count <= 0)
                return;
            announced.push_back(count);
            uint8_t buffer[256];
            port.ReadData(buffer, count);
            client->ReceiveBytes(buffer, count);
        };
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(sim.Start(kPtyCom, {"--pace"}));
        qputenv("VT12_PORT_DIR", sim.PortDir().toUtf8());
        port.BaudRate = br19200;
        port.Stopbits = sbTwo;
        port.SetComNumber(kPtyCom);
        port.Open();
        QVERIFY(port.Active());
        client = std::make_unique<TModbusClient>(time);
        client->OnSend = [this](const uint8_t* data, int n) { port.WriteData(data, n); };
        client->OnResult = [this](TModbusResult& r) { results.push_back(r); };
        bindReceive();
    }

    void cleanupTestCase() {
        port.Close();
        sim.Stop();
    }

    void longReadArrivesInChunks() {
        exchange([this] { client->ReadHoldingRegisters(5, 2048, 124); });
        QCOMPARE(results[0].Status, uint8_t(mrOK));
        QVERIFY2(announced.size() > 1, "expected the answer in several pieces");
        int total = 0;
        for (int n : announced)
            total += n;
        QCOMPARE(total, 253);
        QCOMPARE(results[0].Frame[2], uint8_t(248));
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(&results[0].Frame[3]), 8),
                 QByteArray("VT12F05A"));
    }

    void everyRequestKindGetsOneResult() {
        exchange([this] { client->ReadInputRegisters(5, 0, 16); });
        QCOMPARE(results[0].Status, uint8_t(mrOK));

        std::array<uint8_t, 28> system{};
        exchange([this] { client->ReadHoldingRegisters(5, 128, 14); });
        std::copy_n(results[0].Frame.begin() + 3, system.size(), system.begin());
        exchange([&] { client->WriteMultipleRegisters(5, 128, system.data(), 14); });
        QCOMPARE(results[0].Status, uint8_t(mrOK));

        exchange([this] { client->SendCommand101(5, 0xF000, 0, 0); });
        QCOMPARE(results[0].Status, uint8_t(mrOK));

        std::array<uint8_t, 128> chunk{};
        chunk.fill(0xFF);
        exchange([&] { client->WriteFirmwareChunk(5, 0x5000, chunk.data(), 64); });
        QCOMPARE(results[0].Status, uint8_t(mrOK));
    }

    void unknownRegistersGiveAnException() {
        exchange([this] { client->ReadHoldingRegisters(5, 7000, 4); });
        QCOMPARE(results[0].Status, uint8_t(mrException));
        QCOMPARE(results[0].ExceptionCode, uint8_t(2));
    }

    void unreadBytesAreAnnouncedAgain() {
        std::vector<int> announcements;
        port.OnDataRecived = [&](TAfComPort*, int count) {
            if (count > 0)
                announcements.push_back(count);
        };
        const uint8_t request[] = {5, 4, 0, 0, 0, 16, 0xF0, 0x42};
        QCOMPARE(TModbusClient::Count_CRC(request, 6), uint16_t(0x42F0));
        port.WriteData(request, 8);
        // Nothing is read, so the same bytes keep being announced.
        QTRY_VERIFY_WITH_TIMEOUT(announcements.size() >= 3, 5000);
        port.Close();
        port.Open();
        announcements.clear();
        QTest::qWait(450);
        QVERIFY(announcements.empty());
        bindReceive();
    }

    void failureTexts() {
        auto textOf = [](auto action) {
            try {
                action();
            } catch (const ComPortError& e) {
                return e.Text();
            }
            return QString();
        };
        TAfComPort other;
        other.SetComNumber(11);
        QCOMPARE(textOf([&] { other.Open(); }), QStringLiteral("Invalid port number (COM11)"));
        QVERIFY(!other.Active());
        other.SetComNumber(kPtyCom);
        QCOMPARE(textOf([&] { other.Open(); }), QStringLiteral("Can't open device COM7"));
        QVERIFY(!other.Active());
        const uint8_t bytes[8] = {};
        QCOMPARE(textOf([&] { other.WriteData(bytes, 8); }),
                 QStringLiteral("ComPort - Write data error [requested: 8, free: 0] "));
        uint8_t buffer[4];
        QCOMPARE(textOf([&] { port.ReadData(buffer, 4); }),
                 QStringLiteral("ComPort - Read data error "));
        std::vector<uint8_t> big(3000);
        QCOMPARE(textOf([&] { port.WriteData(big.data(), int(big.size())); }),
                 QStringLiteral("ComPort - Write data error [requested: 3000, free: 2048] "));
    }

    void otherAddressTimesOut() {
        exchange([this] { client->ReadInputRegisters(9, 0, 16); });
        QCOMPARE(results[0].Status, uint8_t(mrTimeout));
    }
};

VT12_TEST(TestLinkOverPty, TestApplication::Core)
#include "tst_link_over_pty.moc"
