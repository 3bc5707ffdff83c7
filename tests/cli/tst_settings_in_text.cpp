// show and diff of settings files: a diff names exactly the settings whose shown values differ,
// and a file against itself differs in nothing.
#include "cli/settings_in_text.h"
#include "data/factory_defaults.h"
#include "data/settings_file.h"

#include "tests/support/test_registry.h"

#include <QMap>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

namespace {
using Shown = QMap<QString, QString>; // "block\nfield" -> value

Shown ParseShown(const QString& text) {
    Shown shown;
    QString block;
    for (const QString& line : text.split(u'\n', Qt::SkipEmptyParts)) {
        if (!line.startsWith(QStringLiteral("  "))) {
            block = line;
            continue;
        }
        const qsizetype colon = line.lastIndexOf(QStringLiteral(": "));
        shown.insert(block + u'\n' + line.mid(2, colon - 2), line.mid(colon + 2));
    }
    return shown;
}

QByteArray FactoryFile() {
    ControllerImages images;
    ApplyFactoryDefaults(images);
    return SettingsFileBytes(images, {QStringLiteral("VT12F05A\nBuilt 2024"), {}, {}});
}

// Random bytes in the system settings (but its installation mode), gate settings and, as
// letters, the gate names.
QByteArray Mutated(QByteArray file, QRandomGenerator& random) {
    const int changes = random.bounded(4);
    for (int i = 0; i < changes; ++i) {
        switch (random.bounded(3)) {
        case 0: {
            const int at = random.bounded(28);
            if (at != 20)
                file[at] = char(random.bounded(256));
            break;
        }
        case 1:
            file[100 + random.bounded(194)] = char(random.bounded(256));
            break;
        default:
            file[900 + random.bounded(240)] = char('A' + random.bounded(26));
            break;
        }
    }
    return file;
}
} // namespace

class TestSettingsInText : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void diffNamesExactlyTheSettingsShownDifferently() {
        QTemporaryDir dir;
        QRandomGenerator random(2525);
        const QByteArray base = FactoryFile();
        for (int round = 0; round < 150; ++round) {
            const QString pathA = dir.filePath("a.vt12");
            const QString pathB = dir.filePath("b.vt12");
            for (const auto& [path, bytes] : {std::pair{pathA, Mutated(base, random)},
                                              std::pair{pathB, Mutated(base, random)}}) {
                QFile file(path);
                QVERIFY(file.open(QIODevice::WriteOnly));
                file.write(bytes);
            }
            const SettingsFileInWords a = ReadSettingsFileInWords(pathA);
            const SettingsFileInWords b = ReadSettingsFileInWords(pathB);
            QVERIFY(a.error.isEmpty() && b.error.isEmpty());
            const Shown shownA = ParseShown(SettingsText(a));
            const Shown shownB = ParseShown(SettingsText(b));
            QVERIFY(!shownA.isEmpty());
            QCOMPARE(shownA.keys(), shownB.keys());

            QStringList differing;
            for (auto it = shownA.begin(); it != shownA.end(); ++it) {
                if (shownB.value(it.key()) != it.value())
                    differing << it.key();
            }
            QStringList listed;
            for (const SettingChange& change : FileDifferences(a, b)) {
                listed << change.block + u'\n' + change.field;
                QCOMPARE(change.controller, shownA.value(listed.last()));
                QCOMPARE(change.edited, shownB.value(listed.last()));
            }
            listed.sort();
            differing.sort();
            QCOMPARE(listed, differing);
            QCOMPARE(ChangesText(FileDifferences(a, a)), QStringLiteral("No setting differs.\n"));
        }
    }

    void fileOfAnotherSizeIsRefused() {
        QTemporaryDir dir;
        const QString path = dir.filePath("short.vt12");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(FactoryFile().left(2599));
        file.close();
        QVERIFY(ReadSettingsFileInWords(path).error.contains("2599 bytes"));
        QVERIFY(!ReadSettingsFileInWords(dir.filePath("missing.vt12")).error.isEmpty());
    }
};

VT12_TEST(TestSettingsInText, TestApplication::Core)
#include "tst_settings_in_text.moc"
