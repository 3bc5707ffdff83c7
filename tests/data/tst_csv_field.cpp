// A CSV field read back by a spreadsheet gives the text (or the text behind a "'" that keeps it
// from being a formula), and never starts a formula or a new cell or row.

#include "data/csv_field.h"

#include "tests/support/test_registry.h"

#include <QRandomGenerator>
#include <QTest>

namespace {
// The field as a spreadsheet reads it, with where it ended.
QString Unquoted(const QString& field, bool& wasQuoted) {
    wasQuoted = field.startsWith(u'"');
    if (!wasQuoted)
        return field;
    return field.mid(1, field.size() - 2).replace(QStringLiteral("\"\""), QStringLiteral("\""));
}
} // namespace

class TestCsvField : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void formulasAreQuoted_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("field");
        QTest::newRow("firmware code") << "F05A"
                                       << "F05A";
        QTest::newRow("formula") << "=1+1"
                                 << "\"'=1+1\"";
        QTest::newRow("plus") << "+1"
                              << "\"'+1\"";
        QTest::newRow("minus") << "-2+3"
                               << "\"'-2+3\"";
        QTest::newRow("at") << "@SUM(A1)"
                            << "\"'@SUM(A1)\"";
        QTest::newRow("blank at the end") << "205 "
                                          << "\"205 \"";
        QTest::newRow("comma and quote") << "a,\"b\""
                                         << "\"a,\"\"b\"\"\"";
    }
    void formulasAreQuoted() {
        QFETCH(QString, text);
        QFETCH(QString, field);
        QCOMPARE(CsvField(text), field);
    }

    void readsBackAsItsText() {
        const QString alphabet = QStringLiteral("=+-@\t\r\n,\" aZ9;'");
        QRandomGenerator random(24);
        for (int round = 0; round < 5000; ++round) {
            QString text;
            const int length = int(random.bounded(6));
            for (int i = 0; i < length; ++i)
                text += alphabet.at(int(random.bounded(int(alphabet.size()))));
            const QString field = CsvField(text);
            bool quoted = false;
            const QString read = Unquoted(field, quoted);
            QVERIFY(read == text || read == u'\'' + text);
            QVERIFY(quoted || (!field.contains(u',') && !field.contains(u'\n')));
            QVERIFY(field.isEmpty() || !QStringLiteral("=+-@").contains(field.front()));
            QVERIFY(read.isEmpty() || !QStringLiteral("=+-@\t\r").contains(read.front()));
        }
    }
};

VT12_TEST(TestCsvField, TestApplication::Core)
#include "tst_csv_field.moc"
