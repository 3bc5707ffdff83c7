// The log memo colours the lines it was given a verdict for, whatever their text says.

#include "window/kom_log_colours.h"

#include "tests/support/test_registry.h"

#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

namespace {
// The colour the highlighter gave the line, invalid for none.
QColor LineColour(const QPlainTextEdit& memo, int line) {
    const QList<QTextLayout::FormatRange> formats =
        memo.document()->findBlockByNumber(line).layout()->formats();
    return formats.isEmpty() ? QColor() : formats.first().format.foreground().color();
}
} // namespace

class TestKomLogColours : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void verdictsNotTextColourTheLines_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("verdict");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("read back otherwise")
            << "Verifying...FALSE!" << int(LogVerdict::Failed) << QColor(Qt::white);
        QTest::newRow("verified") << "Verifying...OK" << int(LogVerdict::Ok) << QColor(0, 128, 0);
        QTest::newRow("verdict text alone")
            << "Verifying...FALSE!" << int(LogVerdict::None) << QColor();
        QTest::newRow("any text judged") << "Page 3" << int(LogVerdict::Ok) << QColor(0, 128, 0);
    }
    void verdictsNotTextColourTheLines() {
        QFETCH(QString, text);
        QFETCH(int, verdict);
        QFETCH(QColor, colour);
        QPlainTextEdit memo;
        ColourLogVerdicts(&memo);
        memo.appendPlainText(QStringLiteral("Writing system settings...OK"));
        MarkLastLineVerdict(&memo, LogVerdict::Ok);
        memo.appendPlainText(text);
        if (LogVerdict(verdict) != LogVerdict::None)
            MarkLastLineVerdict(&memo, LogVerdict(verdict));
        QCOMPARE(LineVerdict(&memo, 1), LogVerdict(verdict));
        QCOMPARE(LineColour(memo, 1), colour);
        // The line before keeps its own verdict.
        QCOMPARE(LineVerdict(&memo, 0), LogVerdict::Ok);
        QCOMPARE(LineColour(memo, 0), QColor(0, 128, 0));
    }
};

VT12_TEST(TestKomLogColours, TestApplication::Widgets)
#include "tst_kom_log_colours.moc"
