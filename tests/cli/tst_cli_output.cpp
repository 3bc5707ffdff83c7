// What a script reads from vt12cli: JSON Lines that stay one line and parse whatever the
// controller's texts hold, times with date and offset, and CSV rows that each carry their port
// under a single header.
#include "cli/cli_options.h"
#include "cli/controller_report.h"
#include "cli/counters_output.h"
#include "cli/frame_echo.h"
#include "cli/json_lines.h"
#include "cli/monitor_line.h"

#include "tests/support/test_registry.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

namespace {
// Texts as a controller or a damaged reply may hold them: quotes, commas, line ends, controls.
QString AwkwardText(QRandomGenerator& random) {
    static const QString pieces[] = {"F05A",
                                     ",",
                                     "\"",
                                     "\n",
                                     "\r",
                                     "\t",
                                     " ",
                                     "\\",
                                     "=1+1",
                                     QString(QChar(0x1B)),
                                     QString(QChar(0xE9)),
                                     "a;b"};
    QString text;
    const int count = random.bounded(6);
    for (int i = 0; i < count; ++i)
        text += pieces[random.bounded(int(std::size(pieces)))];
    return text;
}

QJsonObject ParsedLine(const QByteArray& line) {
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(line, &error);
    return error.error == QJsonParseError::NoError ? document.object() : QJsonObject();
}
} // namespace

class TestCliOutput : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void isoTimeKeepsDateOffsetAndInstant() {
        QRandomGenerator random(25);
        const QRegularExpression form(
            R"(^\d{4}-\d{2}-\d{2}T\d{2}:\d{2}:\d{2}\.\d{3}[+-]\d{2}:\d{2}$)");
        for (int i = 0; i < 500; ++i) {
            const qint64 ms = random.bounded(4102444800000LL);
            const int offset = (random.bounded(57) - 28) * 900; // quarter hours, -7 h to +7 h
            const QDateTime time = QDateTime::fromMSecsSinceEpoch(ms, Qt::OffsetFromUTC, offset);
            const QString text = IsoTime(time);
            QVERIFY2(form.match(text).hasMatch(), qPrintable(text));
            QCOMPARE(QDateTime::fromString(text, Qt::ISODateWithMs).toMSecsSinceEpoch(), ms);
        }
    }

    void jsonLinesStayOneLineWhateverTheTexts() {
        QRandomGenerator random(2512);
        CountersBlock counters{};
        for (int i = 0; i < 300; ++i) {
            ControllerReport report;
            report.port = random.bounded(1, 100);
            report.device = AwkwardText(random);
            report.firmwareCode = AwkwardText(random);
            report.identification = AwkwardText(random);
            report.bootloader = AwkwardText(random);
            report.slaveConnected = random.bounded(2) == 1;
            report.slaveFirmwareCode = AwkwardText(random);
            const UnitCounters master{"master", AwkwardText(random), &counters};
            const QByteArray lines[] = {
                DetectJson(report), InfoJson(report),
                CountersJson(UnitKeys(report), QDateTime::currentDateTime(), master,
                             report.slaveConnected ? std::optional(master) : std::nullopt)};
            for (const QByteArray& line : lines) {
                QVERIFY(line.endsWith('\n'));
                QCOMPARE(line.count('\n'), 1);
                const QJsonObject object = ParsedLine(line);
                QCOMPARE(object.value("schema").toInt(), kJsonSchema);
                QCOMPARE(object.value("port").toInt(), report.port);
                QCOMPARE(object.value("device").toString(), report.device);
            }
        }
    }

    void countersCarryAllSixteenAsNumbers() {
        CountersBlock counters{};
        for (uint8_t& byte : counters.Bytes)
            byte = 0xFF;
        const QJsonObject object = ParsedLine(
            CountersJson({{"port", 3}, {"device", "/dev/ttyUSB2"}}, QDateTime::currentDateTime(),
                         {"master", "F05A", &counters}, std::nullopt));
        const QJsonArray all = object.value("counters").toArray();
        QCOMPARE(all.size(), 16);
        for (const QJsonValue& counter : all)
            QCOMPARE(counter.toObject().value("value").toInteger(), 4294967295LL);
        QVERIFY(object.value("slave").isNull());
    }

    void csvOfManyUnitsHasOneHeaderAndAPortOnEveryRow() {
        QRandomGenerator random(77);
        CountersBlock counters{};
        for (int round = 0; round < 100; ++round) {
            QString csv;
            const int units = random.bounded(1, 5);
            for (int port = 1; port <= units; ++port) {
                const QList<UnitCounters> both{{"master", AwkwardText(random), &counters},
                                               {"slave", AwkwardText(random), &counters}};
                csv += CountersCsvWithPort(CountersCsv(QDateTime::currentDateTime(), both, true),
                                           port, port == 1);
            }
            const QStringList records = CsvRecords(csv);
            QCOMPARE(records.size(), 1 + units * 32);
            QVERIFY(records.first().startsWith("port,date,"));
            for (qsizetype i = 1; i < records.size(); ++i)
                QVERIFY(records[i].startsWith(QString::number((i - 1) / 32 + 1) + u','));
        }
    }

    void pollCarriesNumbersWithTheirUnits() {
        StatusDisplay shown;
        shown.fanPercentage = 78;
        shown.unit.odd.current = 334;
        shown.activeSensorCount = 2;
        VacuumReading vacuum;
        vacuum.master.value = 2.4987;
        vacuum.master.text = QStringLiteral("2.5");
        const QJsonObject poll =
            MonitorObject(QDateTime::currentDateTime(), shown, vacuum, QStringLiteral("kPa"));
        QCOMPARE(poll.value("fanPercent").toInt(), 78);
        QCOMPARE(poll.value("oddCurrentMilliamps").toInt(), 334);
        QCOMPARE(poll.value("activeSensors").toInt(), 2);
        QCOMPARE(poll.value("vacuum").toObject(), (QJsonObject{{"value", 2.5}, {"unit", "kPa"}}));
        vacuum.master.value.reset();
        QVERIFY(MonitorObject(QDateTime::currentDateTime(), shown, vacuum, "kPa")
                    .value("vacuum")
                    .isNull());
    }

    // --help gives the header the command prints.
    void helpNamesTheCsvHeaderPrinted() {
        CountersBlock counters{};
        const QString header =
            CsvRecords(CountersCsvWithPort(CountersCsv(QDateTime::currentDateTime(),
                                                       {{"master", "F05A", &counters}}, true),
                                           3, true))
                .first();
        const QString help = ParseCliArguments({"vt12cli", "--help"}, "1.0").text;
        QVERIFY2(help.contains(u'"' + header + u'"'), qPrintable(header));
    }

    // Every option and command word of --help, and every exit code, has its place in the man
    // page: the two are written by hand and must not drift apart.
    void manPageCoversTheHelp() {
        QFile file(QStringLiteral(VT12_CLI_MAN_PAGE));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString page = QString::fromUtf8(file.readAll()).remove(u'\\');
        const QString help = ParseCliArguments({"vt12cli", "--help"}, "1.0").text;
        const QRegularExpression option(R"((?:^|\s)(--[a-z-]+))");
        int options = 0;
        for (auto it = option.globalMatch(help); it.hasNext();) {
            const QString name = it.next().captured(1);
            if (name == "--help-all")
                continue;
            ++options;
            QVERIFY2(page.contains(name), qPrintable(name));
        }
        QVERIFY(options >= 12);
        const QRegularExpression command(R"(\n  ([a-z]+) )");
        int commands = 0;
        for (auto it = command.globalMatch(help.mid(help.indexOf("Commands:"))); it.hasNext();) {
            const QString word = it.next().captured(1);
            ++commands;
            QVERIFY2(page.contains(".B " + word) || page.contains(".BI " + word) ||
                         page.contains(".BR " + word),
                     qPrintable(word));
        }
        QVERIFY(commands >= 10);
        for (int code = 0; code <= int(ExitCode::Unfinished); ++code)
            QVERIFY(page.contains(QStringLiteral(".B %1\n").arg(code)));
    }

    void frameLineShowsBytesResultAndRoundTrip() {
        TrafficEvent answer;
        answer.length = 3;
        answer.frame[0] = 0x05;
        answer.frame[1] = 0x83;
        answer.frame[2] = 0x0a;
        answer.status = mrException;
        answer.roundTripMs = 12;
        QCOMPARE(FrameLine(answer), QStringLiteral("RX 05 83 0A exception 12 ms"));
        answer.sent = true;
        QCOMPARE(FrameLine(answer), QStringLiteral("TX 05 83 0A"));
    }
};

VT12_TEST(TestCliOutput, TestApplication::Core)
#include "tst_cli_output.moc"
