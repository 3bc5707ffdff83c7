// The service report's content: what it says of the link, that it shows the controller's
// values as read rather than the screens' edits, the counters of the installed units, and what
// it knows of the traffic.

#include "link/traffic_ring.h"
#include "monitor/gate_table_display.h"
#include "session/service_report.h"

#include "tests/support/test_registry.h"

#include <QTest>

namespace {
const ReportSection* Section(const ServiceReport& report, const QString& title) {
    for (const ReportSection& section : report.sections) {
        if (section.title == title)
            return &section;
    }
    return nullptr;
}
} // namespace

class TestServiceReport : public QObject {
    Q_OBJECT
    ControllerImages images;
    FeatureLevels features;

    ServiceReportSource Source() {
        ServiceReportSource source;
        source.printedAt = QDateTime(QDate(2026, 12, 9), QTime(20, 0));
        source.linkCaption = QStringLiteral("Detected on COM3");
        source.linkUp = true;
        source.firmwareVersion = QStringLiteral("Firmware Version: F05A");
        source.identification = QStringLiteral("VT12F05A Vantor 12\nbuild 2021-03-18\n");
        source.airVelocity = QStringLiteral("4500");
        source.images = &images;
        source.features = &features;
        return source;
    }

private Q_SLOTS:
    void init() {
        images = {};
        features.SetMasterCode(FirmwareCode("F05A"));
    }

    void linkState_data() {
        QTest::addColumn<bool>("up");
        QTest::addColumn<bool>("bootloader");
        QTest::addColumn<QString>("line");
        QTest::newRow("up") << true << false << "Link up: Detected on COM3";
        QTest::newRow("down") << false << false
                              << "Link down (Detected on COM3): values as last read";
        QTest::newRow("bootloader")
            << false << true
            << "Firmware damaged: only the bootloader answers; values as last read";
    }

    void linkState() {
        QFETCH(bool, up);
        QFETCH(bool, bootloader);
        QFETCH(QString, line);
        ServiceReportSource source = Source();
        source.linkUp = up;
        source.bootloaderMode = bootloader;
        const ServiceReport report = BuildServiceReport(source);
        const QStringList unit = Section(report, QStringLiteral("Unit"))->lines;
        QVERIFY2(unit.contains(line), qPrintable(unit.join(u'|')));
        QVERIFY(unit.contains(QStringLiteral("Firmware Version: F05A")));
        QCOMPARE(Section(report, QStringLiteral("Firmware Data"))->lines,
                 (QStringList{"VT12F05A Vantor 12", "build 2021-03-18"}));
    }

    // The gate table holds what the controller holds, not an edit that was never saved.
    void gateTableAsRead() {
        GateRecord& read = images.GateSettings.Read.Gates[2];
        read.SetEnabled(1);
        read.SetOffDelay(85);
        images.GateNames.Read.Names[2].SetName(QStringLiteral("Planer"));
        images.GateSettings.Edited = images.GateSettings.Read;
        images.GateSettings.Edited.Gates[2].SetOffDelay(60);
        images.GateNames.Edited.Names[2].SetName(QStringLiteral("Planer 2"));

        const ServiceReport report = BuildServiceReport(Source());
        const ReportTable& table =
            Section(report, QStringLiteral("Gate Table as Read from the Controller"))->table;
        QCOMPARE(table.rows.size(), 12);
        QCOMPARE(table.rows[2][ColName], QStringLiteral("Planer"));
        QCOMPARE(table.rows[2][ColDelayOff], QStringLiteral("8.5"));
        QCOMPARE(table.rows[0][ColDelayOn], QStringLiteral("Not Used"));
    }

    // Every setting as the controller holds it, and the edits a save has not written.
    void settingsAsRead() {
        images.SystemSettings.Read.SetFanOnDelay(30);
        images.SystemSettings.Edited = images.SystemSettings.Read;
        images.SystemSettings.Edited.SetFanOnDelay(40);
        const ServiceReport report = BuildServiceReport(Source());
        const ReportTable& settings =
            Section(report, QStringLiteral("Settings as Read from the Controller"))->table;
        const auto onDelay = std::ranges::find_if(settings.rows, [](const QStringList& row) {
            return row[1].startsWith("Fan On Delay");
        });
        QVERIFY(onDelay != settings.rows.end());
        QCOMPARE(onDelay->at(2), QStringLiteral("3"));
        const QStringList edits =
            Section(report, QStringLiteral("Edits Not Saved to the Controller"))->lines;
        QCOMPARE(edits.filter(QStringLiteral("Fan On Delay")).size(), 1);
        QVERIFY(edits.filter(QStringLiteral("Fan On Delay")).constFirst().endsWith(u'4'));
    }

    void counters_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("expert");
        QTest::addColumn<QStringList>("header");
        QTest::addColumn<QStringList>("lastRow");
        QTest::newRow("pair") << 2 << false << QStringList{"Counter", "Master", "Slave"}
                              << QStringList{"Starts", "7", "4294967295"};
        QTest::newRow("single unit, expert")
            << 0 << true << QStringList{"Counter", "Value"} << QStringList{"Writes", "0"};
    }

    void counters() {
        QFETCH(int, mode);
        QFETCH(bool, expert);
        QFETCH(QStringList, header);
        QFETCH(QStringList, lastRow);
        images.Counters.Bytes[51] = 7;
        images.SlaveCounters.Bytes.fill(0xFF);
        ServiceReportSource source = Source();
        source.installationMode = mode;
        source.expertMode = expert;
        const ServiceReport report = BuildServiceReport(source);
        const ReportTable& table = Section(report, QStringLiteral("Counters"))->table;
        QCOMPARE(table.header, header);
        QCOMPARE(table.rows.constLast(), lastRow);
    }

    void traffic() {
        ServiceReportSource source = Source();
        const ServiceReport unrecorded = BuildServiceReport(source);
        QVERIFY(Section(unrecorded, QStringLiteral("Traffic"))
                    ->lines.constFirst()
                    .contains(QStringLiteral("not opened")));

        TrafficRing ring;
        const uint8_t request[] = {5, 4, 0, 16, 0, 32, 0, 0};
        ring.Sent(100, request, sizeof request);
        TModbusResult timeout;
        timeout.Status = mrTimeout;
        ring.Answered(700, timeout);
        source.traffic = &ring;
        const ServiceReport recorded = BuildServiceReport(source);
        const ReportSection* section = Section(recorded, QStringLiteral("Traffic"));
        QVERIFY(
            section->lines.join(u'\n').contains(QStringLiteral("Requests 1   OK 0   Timeouts 1")));
        QCOMPARE(section->table.rows.size(), 2);
    }
};

VT12_TEST(TestServiceReport, TestApplication::Core)
#include "tst_service_report.moc"
