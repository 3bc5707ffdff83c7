// The help page is found in a portable copy (beside the program) and in an installed one.
#include "core/program_files.h"

#include "tests/support/test_registry.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestProgramFiles : public QObject {
    Q_OBJECT
    QTemporaryDir prefix;

    QString bin() const { return prefix.filePath("bin") + QDir::separator(); }
    QString share() const { return prefix.filePath("share/vt12set") + QDir::separator(); }

    static void create(const QString& path) {
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }

private Q_SLOTS:
    void init() {
        QVERIFY(QDir(prefix.path()).removeRecursively());
        QVERIFY(QDir().mkpath(bin()));
    }

    void findsTheHelpPage_data() {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("expected");
        QTest::newRow("none") << QStringList{} << QString();
        QTest::newRow("portable") << QStringList{"bin/Vantor 12 Help.mht"}
                                  << "bin/Vantor 12 Help.mht";
        QTest::newRow("installed") << QStringList{"share/vt12set/Vantor 12 Help.mht"}
                                   << "share/vt12set/Vantor 12 Help.mht";
        QTest::newRow("portable copy wins")
            << QStringList{"share/vt12set/Vantor 12 A.mht", "bin/Vantor 12 B.mht"}
            << "bin/Vantor 12 B.mht";
        QTest::newRow("first by name")
            << QStringList{"share/vt12set/Vantor 12 b.mht", "share/vt12set/Vantor 12 a.mht"}
            << "share/vt12set/Vantor 12 a.mht";
        QTest::newRow("a directory of that name is no page")
            << QStringList{"bin/Vantor 12 Dir.mht/x", "share/vt12set/Vantor 12 Help.mht"}
            << "share/vt12set/Vantor 12 Help.mht";
        QTest::newRow("other names not taken")
            << QStringList{"bin/Vantor 12 Help.htm", "share/Vantor 12 Help.mht"} << QString();
    }
    void findsTheHelpPage() {
        QFETCH(QStringList, files);
        QFETCH(QString, expected);
        for (const QString& file : files)
            create(prefix.filePath(file));
        const QString found = FindProgramFile(bin(), QStringLiteral("Vantor 12*.mht"));
        QCOMPARE(found, expected.isEmpty() ? QString() : prefix.filePath(expected));
    }

    void installedDirectorySitsBesideBin() {
        QCOMPARE(ProgramFileDirectories(QStringLiteral("/usr/bin/")),
                 (QStringList{"/usr/bin/", "/usr/share/vt12set/"}));
    }
};

VT12_TEST(TestProgramFiles, TestApplication::Core)
#include "tst_program_files.moc"
