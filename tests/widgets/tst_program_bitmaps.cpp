#include "widgets/gate_pictures.h"
#include "widgets/program_bitmaps.h"

#include "tests/support/test_registry.h"

#include <QBitmap>
#include <QSet>
#include <QTest>

class TestProgramBitmaps : public QObject {
    Q_OBJECT
private slots:
    void designSize_data();
    void designSize();
    void unknownNameGivesNothing_data();
    void unknownNameGivesNothing();
    void gatePicturesShowWhiteTransparent();
    void gatePictureKinds();
    void checkBoxes_data();
    void checkBoxes();
};

void TestProgramBitmaps::designSize_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    for (const char* gate :
         {"GATEOPEN", "GATECLOSE", "GATEDISABLE", "GATEOPENING", "GATECLOSING"}) {
        QTest::newRow(gate) << gate << QSize(36, 30);
    }
    for (const char* box : {"CHECKBOXNOTCHECK", "CHECKBOXCHECKED", "CHECKBOX_DIS_CH"}) {
        QTest::newRow(box) << box << QSize(13, 13);
    }
    for (const char* logo : {"LOGODURVIK", "LOGOVELDRA"}) {
        QTest::newRow(logo) << logo << QSize(132, 53);
    }
    for (const char* schematic : {"MS_SINGLE", "MS_MS", "MS_VFD"}) {
        QTest::newRow(schematic) << schematic << QSize(522, 440);
    }
}

void TestProgramBitmaps::designSize() {
    QFETCH(QString, name);
    QFETCH(QSize, size);
    QVERIFY(ProgramBitmapNames().contains(name));
    const QPixmap picture = ProgramBitmap(name);
    QCOMPARE(picture.size(), size);
    // Drawn, not blank.
    const QImage image = picture.toImage();
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            colours.insert(image.pixel(x, y));
        }
    }
    QVERIFY(colours.size() >= 2);
}

void TestProgramBitmaps::unknownNameGivesNothing_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("empty") << "";
    QTest::newRow("other case") << "gateopen";
    QTest::newRow("path") << "../bitmaps/GATEOPEN";
}

void TestProgramBitmaps::unknownNameGivesNothing() {
    QFETCH(QString, name);
    QVERIFY(ProgramBitmap(name).isNull());
}

void TestProgramBitmaps::gatePicturesShowWhiteTransparent() {
    const GatePictures pictures = GatePictures::FromResources();
    for (const QPixmap& picture : {pictures.imGateOpen, pictures.imGateClose, pictures.imGateND,
                                   pictures.imGateOpening, pictures.imGateClosing}) {
        QCOMPARE(picture.size(), QSize(36, 30));
        const QImage mask = picture.mask().toImage();
        QCOMPARE(mask.pixelColor(0, 29), QColor(Qt::white));
        QCOMPARE(mask.pixelColor(18, 17), QColor(Qt::black));
    }
}

void TestProgramBitmaps::gatePictureKinds() {
    const GatePictures pictures = GatePictures::FromResources();
    QCOMPARE(pictures.ForKind(0).cacheKey(), pictures.imGateND.cacheKey());
    QCOMPARE(pictures.ForKind(1).cacheKey(), pictures.imGateOpening.cacheKey());
    QCOMPARE(pictures.ForKind(2).cacheKey(), pictures.imGateClosing.cacheKey());
    QCOMPARE(pictures.ForKind(3).cacheKey(), pictures.imGateOpen.cacheKey());
    QCOMPARE(pictures.ForKind(4).cacheKey(), pictures.imGateClose.cacheKey());
    QVERIFY(pictures.ForKind(5).isNull());
    QVERIFY(pictures.ForKind(-1).isNull());
}

void TestProgramBitmaps::checkBoxes_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QColor>("inside");
    QTest::addColumn<QColor>("tick");
    QTest::newRow("not checked") << "CHECKBOXNOTCHECK" << QColor(Qt::white) << QColor(Qt::white);
    QTest::newRow("checked") << "CHECKBOXCHECKED" << QColor(Qt::white) << QColor(Qt::black);
    QTest::newRow("greyed") << "CHECKBOX_DIS_CH" << QColor(192, 192, 192) << QColor(128, 128, 128);
}

void TestProgramBitmaps::checkBoxes() {
    QFETCH(QString, name);
    QFETCH(QColor, inside);
    QFETCH(QColor, tick);
    const QImage image = ProgramBitmap(name).toImage();
    QCOMPARE(image.pixelColor(0, 6), QColor(128, 128, 128));
    QCOMPARE(image.pixelColor(12, 6), QColor(128, 128, 128));
    QCOMPARE(image.pixelColor(2, 2), inside);
    QCOMPARE(image.pixelColor(5, 8), tick);
}

VT12_TEST(TestProgramBitmaps, TestApplication::Widgets)
#include "tst_program_bitmaps.moc"
