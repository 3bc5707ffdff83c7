// What vt12cli prints of the unit's or a file's text reaches a terminal without a control
// character, and printable text (any language) is left as it is.

#include "cli/terminal_text.h"

#include "core/path_bytes.h"
#include "tests/support/test_registry.h"

#include <QRandomGenerator>
#include <QTest>

namespace {
bool Control(char16_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || (c >= 0x200E && c <= 0x200F) ||
           (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}
} // namespace

class TestTerminalText : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void escapes_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::newRow("gate name") << "Planer 3"
                                   << "Planer 3";
        QTest::newRow("clear screen") << "\x1b[2JSaw"
                                      << "\\x1b[2JSaw";
        QTest::newRow("bell and return") << "a\a\rb"
                                         << "a\\x07\\x0db";
        QTest::newRow("C1 introducer") << QString(QChar(0x9B)) + "31m"
                                       << "\\x9b31m";
        QTest::newRow("right-to-left override") << QString(QChar(0x202E)) + "exe.txt"
                                                << "\\u202eexe.txt";
        QTest::newRow("umlauts stay") << "S\u00e4ge"
                                      << "S\u00e4ge";
        QTest::newRow("file name that is no UTF-8")
            << PathFromBytes("n\xff\xfe.vt12") << "n\\xff\\xfe.vt12";
    }
    void escapes() {
        QFETCH(QString, text);
        QFETCH(QString, shown);
        QCOMPARE(TerminalText(text), shown);
    }

    void noControlCharacterGetsThrough() {
        QRandomGenerator random(24);
        for (int round = 0; round < 2000; ++round) {
            QString text;
            for (int i = 0; i < 12; ++i)
                text += QChar(char16_t(random.bounded(round % 2 ? 0x100 : 0x2100)));
            for (const LineBreaks breaks : {LineBreaks::Kept, LineBreaks::Escaped}) {
                const QString shown = TerminalText(text, breaks);
                for (const QChar c : shown) {
                    const bool kept = breaks == LineBreaks::Kept && (c == u'\n' || c == u'\t');
                    QVERIFY(kept || !Control(c.unicode()));
                }
                // Nothing printable is lost or changed.
                QString printable;
                for (const QChar c : text) {
                    if (!Control(c.unicode()))
                        printable += c;
                }
                QVERIFY(shown.size() >= printable.size());
            }
        }
        QCOMPARE(TerminalText("two\nlines\tand a tab", LineBreaks::Kept), "two\nlines\tand a tab");
        QCOMPARE(TerminalText("two\nlines"), "two\\x0alines");
    }
};

VT12_TEST(TestTerminalText, TestApplication::Core)
#include "tst_terminal_text.moc"
