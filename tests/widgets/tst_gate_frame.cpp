#include "widgets/gate_colors.h"
#include "widgets/gate_frame.h"
#include "widgets/gate_frames.h"
#include "widgets/shape.h"

#include "tests/support/test_registry.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

// Pictures told apart by size, so a test sees which one a frame shows.
GatePictures DistinctPictures() {
    GatePictures pictures;
    pictures.imGateND = QPixmap(30, 30);
    pictures.imGateOpening = QPixmap(31, 30);
    pictures.imGateClosing = QPixmap(32, 30);
    pictures.imGateOpen = QPixmap(33, 30);
    pictures.imGateClose = QPixmap(34, 30);
    for (QPixmap* picture : {&pictures.imGateND, &pictures.imGateOpening, &pictures.imGateClosing,
                             &pictures.imGateOpen, &pictures.imGateClose}) {
        picture->fill(Qt::darkGray);
    }
    return pictures;
}

int ShownPictureWidth(TfrGate& frame) {
    return frame.findChild<QLabel*>("iIkona")->pixmap().width();
}

QColor TextColor(TfrGate& frame, const char* child) {
    QWidget* widget = frame.findChild<QWidget*>(child);
    return qobject_cast<QPushButton*>(widget)
               ? widget->palette().color(QPalette::Active, QPalette::ButtonText)
               : widget->palette().color(QPalette::WindowText);
}

QWidget* Strip(TfrGate& frame) {
    return frame.findChild<QWidget*>("pDelayProcessing");
}

} // namespace

class TestGateFrame : public QObject {
    Q_OBJECT
private slots:
    void childrenAtDesignPlaces_data();
    void childrenAtDesignPlaces();
    void startsDisabledAndGrey();
    void pictureLoadsOnlyOnChange();
    void numbering_data();
    void numbering();
    void delayStrip_data();
    void delayStrip();
    void stripKeepsItsDecision();
    void minAirflowColour_data();
    void minAirflowColour();
    void activeKeepsPictureAndCircles();
    void manualIndicator();
    void boldSeparator();
    void buttonDownHasNoOtherEffect();
    void createGateFrames();
    void panelsFollowWidthAndScale_data();
    void panelsFollowWidthAndScale();
};

void TestGateFrame::childrenAtDesignPlaces_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("place");
    QTest::newRow("Panel1") << "Panel1" << QRect(0, 0, 137, 38);
    QTest::newRow("bTlacitko") << "bTlacitko" << QRect(11, 5, 40, 28);
    QTest::newRow("sManBtn") << "sManBtn" << QRect(12, 34, 39, 3);
    QTest::newRow("sSignal") << "sSignal" << QRect(62, 9, 21, 21);
    QTest::newRow("sSignalDelay") << "sSignalDelay" << QRect(68, 15, 9, 9);
    QTest::newRow("iIkona") << "iIkona" << QRect(92, 4, 37, 30);
    QTest::newRow("Panel2") << "Panel2" << QRect(137, 0, 131, 38);
    QTest::newRow("lGateName") << "lGateName" << QRect(0, 0, 131, 38);
    QTest::newRow("lDelayLabel") << "lDelayLabel" << QRect(0, 0, 112, 14);
    QTest::newRow("Shape1") << "Shape1" << QRect(0, 38, 268, 1);
}

void TestGateFrame::childrenAtDesignPlaces() {
    QFETCH(QString, name);
    QFETCH(QRect, place);
    TfrGate frame(DistinctPictures());
    QCOMPARE(frame.size(), QSize(268, 39));
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    QWidget* child = frame.findChild<QWidget*>(name);
    QVERIFY(child);
    QCOMPARE(child->geometry(), place);
}

void TestGateFrame::startsDisabledAndGrey() {
    TfrGate frame(DistinctPictures());
    QCOMPARE(int(frame.PictureKind()), 0);
    QCOMPARE(ShownPictureWidth(frame), 30);
    QCOMPARE(TextColor(frame, "lGateName"), GateInactiveTextColor);
    QCOMPARE(frame.findChild<TShape*>("sSignal")->BrushColor(), SignalIdleColor);
    QCOMPARE(frame.findChild<TShape*>("sSignalDelay")->BrushColor(), DelayOffFillColor);
    QCOMPARE(frame.findChild<TShape*>("sSignalDelay")->PenColor(), DelayOffOutlineColor);
    QVERIFY(Strip(frame)->isHidden());
    QVERIFY(!frame.findChild<QPushButton*>("bTlacitko")->isEnabled());
}

void TestGateFrame::pictureLoadsOnlyOnChange() {
    TfrGate frame(DistinctPictures());
    auto* picture = frame.findChild<QLabel*>("iIkona");
    frame.SetGatePicture(3);
    QCOMPARE(ShownPictureWidth(frame), 33);
    picture->clear();
    frame.SetGatePicture(3);
    QVERIFY(picture->pixmap().isNull());
    frame.SetGatePicture(4);
    QCOMPARE(ShownPictureWidth(frame), 34);
    // A kind past the pictures is kept, and the last picture stays.
    frame.SetGatePicture(7);
    QCOMPARE(int(frame.PictureKind()), 7);
    QCOMPARE(ShownPictureWidth(frame), 34);
    frame.SetGatePicture(4);
    QCOMPARE(ShownPictureWidth(frame), 34);
}

void TestGateFrame::numbering_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<bool>("masterSlave");
    QTest::addColumn<QString>("caption");
    QTest::newRow("13 plain") << 13 << false << "13";
    QTest::newRow("13 slave") << 13 << true << "S1";
    QTest::newRow("12 plain") << 12 << false << "12";
    QTest::newRow("12 master") << 12 << true << "M12";
    QTest::newRow("1 master") << 1 << true << "M1";
    QTest::newRow("24 slave") << 24 << true << "S12";
}

void TestGateFrame::numbering() {
    QFETCH(int, number);
    QFETCH(bool, masterSlave);
    QFETCH(QString, caption);
    TfrGate frame(DistinctPictures());
    auto* button = frame.findChild<QPushButton*>("bTlacitko");
    // The numbering switch applies to the number already given, and the other way round.
    frame.SetGateNumber(number);
    frame.SetMasterSlaveNumbering(masterSlave);
    QCOMPARE(button->text(), caption);
    frame.SetMasterSlaveNumbering(!masterSlave);
    frame.SetGateNumber(number);
    frame.SetMasterSlaveNumbering(masterSlave);
    QCOMPARE(button->text(), caption);
}

void TestGateFrame::delayStrip_data() {
    QTest::addColumn<QColor>("signal");
    QTest::addColumn<bool>("delay");
    QTest::addColumn<bool>("buttonEnabled");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QColor>("innerFill");
    QTest::newRow("off-delay runs")
        << SignalIdleColor << true << false << true << "Delay On" << DelayOnFillColor;
    QTest::newRow("min airflow, off-delay runs")
        << SignalMinAirflowColor << true << false << true << "Delay On" << DelayOnFillColor;
    QTest::newRow("sensor and delay on")
        << SignalActiveColor << true << false << false << "Delay On" << DelayOnFillColor;
    QTest::newRow("on-delay runs")
        << SignalActiveColor << false << false << true << "Delay Off" << DelayOffFillColor;
    QTest::newRow("both off") << SignalIdleColor << false << false << false << "Delay Off"
                              << DelayOffFillColor;
    QTest::newRow("test mode hides the strip")
        << SignalIdleColor << true << true << false << "Delay On" << DelayOnFillColor;
    QTest::newRow("test mode, on-delay")
        << SignalActiveColor << false << true << false << "Delay Off" << DelayOffFillColor;
}

void TestGateFrame::delayStrip() {
    QFETCH(QColor, signal);
    QFETCH(bool, delay);
    QFETCH(bool, buttonEnabled);
    QFETCH(bool, shown);
    QFETCH(QString, text);
    QFETCH(QColor, innerFill);
    TfrGate frame(DistinctPictures());
    frame.SetGateButtonEnabled(buttonEnabled);
    frame.SetGateActive(true);
    frame.SetSignalColor(signal);
    frame.SetDelayState(delay);
    QCOMPARE(!Strip(frame)->isHidden(), shown);
    QCOMPARE(frame.findChild<QLabel*>("lDelayLabel")->text(), text);
    QCOMPARE(frame.findChild<TShape*>("sSignalDelay")->BrushColor(), innerFill);
    QCOMPARE(frame.findChild<TShape*>("sSignal")->BrushColor(), signal);
}

void TestGateFrame::stripKeepsItsDecision() {
    TfrGate frame(DistinctPictures());
    frame.SetSignalColor(SignalIdleColor);
    frame.SetDelayState(true);
    QVERIFY(!Strip(frame)->isHidden());
    frame.SetSignalColor(SignalActiveColor);
    frame.SetGateButtonEnabled(true);
    QVERIFY(!Strip(frame)->isHidden());
    frame.SetDelayState(true);
    QVERIFY(Strip(frame)->isHidden());
}

void TestGateFrame::minAirflowColour_data() {
    QTest::addColumn<bool>("minAirflow");
    QTest::addColumn<bool>("buttonEnabled");
    QTest::addColumn<QColor>("color");
    QTest::newRow("min airflow gate") << true << false << GateMinAirflowTextColor;
    QTest::newRow("min airflow gate in test mode") << true << true << QColor(Qt::black);
    QTest::newRow("ordinary gate") << false << false << QColor(Qt::black);
}

void TestGateFrame::minAirflowColour() {
    QFETCH(bool, minAirflow);
    QFETCH(bool, buttonEnabled);
    QFETCH(QColor, color);
    TfrGate frame(DistinctPictures());
    frame.SetGateButtonEnabled(buttonEnabled);
    frame.SetMinAirflowGate(minAirflow);
    QCOMPARE(TextColor(frame, "bTlacitko"), color);
    QCOMPARE(TextColor(frame, "lGateName"), color);
    // Disabled, the button shows the same colour faded, so it does not look pressable.
    const QPalette button = frame.findChild<QPushButton*>("bTlacitko")->palette();
    QVERIFY(button.color(QPalette::Disabled, QPalette::ButtonText) != color);
    QCOMPARE(button.color(QPalette::Disabled, QPalette::ButtonText).blue() >
                 button.color(QPalette::Disabled, QPalette::ButtonText).red(),
             color.blue() > color.red());
    // Decided at the call: enabling or disabling the button later changes nothing.
    frame.SetGateButtonEnabled(!buttonEnabled);
    QCOMPARE(TextColor(frame, "lGateName"), color);
}

void TestGateFrame::activeKeepsPictureAndCircles() {
    TfrGate frame(DistinctPictures());
    frame.SetMinAirflowGate(true);
    frame.SetGateActive(false);
    QCOMPARE(TextColor(frame, "lGateName"), GateInactiveTextColor);
    frame.SetGateActive(true);
    QCOMPARE(TextColor(frame, "lGateName"), GateMinAirflowTextColor);
    frame.SetGatePicture(3);
    frame.SetSignalColor(SignalActiveColor);
    frame.SetDelayState(true);
    frame.SetGateActive(true);
    QCOMPARE(ShownPictureWidth(frame), 33);
    QCOMPARE(frame.findChild<TShape*>("sSignal")->BrushColor(), SignalActiveColor);
    QCOMPARE(frame.findChild<TShape*>("sSignalDelay")->BrushColor(), DelayOnFillColor);
    frame.SetGateActive(false);
    QCOMPARE(ShownPictureWidth(frame), 30);
    QCOMPARE(frame.findChild<TShape*>("sSignal")->BrushColor(), SignalIdleColor);
    QCOMPARE(frame.findChild<TShape*>("sSignalDelay")->BrushColor(), DelayOffFillColor);
    QVERIFY(frame.IsMinAirflowGate());
}

void TestGateFrame::manualIndicator() {
    TfrGate frame(DistinctPictures());
    auto* bar = frame.findChild<TShape*>("sManBtn");
    QCOMPARE(bar->BrushColor(), QColor(255, 255, 0));
    frame.SetManualIndicator(true);
    QCOMPARE(bar->BrushColor(), ManualIndicatorColor);
    frame.SetManualIndicator(false);
    QCOMPARE(bar->BrushColor(), frame.palette().color(QPalette::Window));
}

void TestGateFrame::boldSeparator() {
    TfrGate frame(DistinctPictures());
    auto* line = frame.findChild<QWidget*>("Shape1");
    frame.SetBoldSeparator(true);
    QCOMPARE(line->geometry(), QRect(0, 37, 268, 2));
    frame.SetBoldSeparator(false);
    QCOMPARE(line->geometry(), QRect(0, 38, 268, 1));
}

void TestGateFrame::buttonDownHasNoOtherEffect() {
    TfrGate frame(DistinctPictures());
    auto* button = frame.findChild<QPushButton*>("bTlacitko");
    QSignalSpy toggled(button, &QPushButton::toggled);
    frame.SetGateButtonDown(true);
    QVERIFY(frame.IsGateButtonDown());
    frame.SetGateButtonDown(false);
    QVERIFY(!frame.IsGateButtonDown());
    QCOMPARE(toggled.count(), 0);
    // In test mode a click toggles this button alone.
    frame.SetGateButtonEnabled(true);
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(frame.IsGateButtonDown());
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(!frame.IsGateButtonDown());
}

void TestGateFrame::createGateFrames() {
    QWidget window;
    window.resize(600, 500);
    auto* first = new QWidget(&window);
    auto* other = new QWidget(&window);
    // Half of the gate overview each, as in the MASTER/SLAVE view: narrower than a frame.
    first->setGeometry(0, 0, 263, 500);
    other->setGeometry(263, 0, 263, 500);
    const std::array<TfrGate*, 24> frames = CreateGateFrames(first, other, DistinctPictures());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    for (int i = 0; i < 24; ++i) {
        TfrGate* frame = frames[static_cast<size_t>(i)];
        QCOMPARE(frame->objectName(), QStringLiteral("FrameGate%1").arg(i));
        QCOMPARE(frame->parentWidget(), i < 12 ? first : other);
        QCOMPARE(frame->y(), (i % 12) * 39);
        QCOMPARE(frame->width(), 263);
        QVERIFY(frame->isVisible());
        QCOMPARE(frame->GateNumber(), i + 1);
        QCOMPARE(frame->findChild<QLabel*>("lGateName")->text(),
                 QStringLiteral("Workstation %1").arg(i + 1));
        const int separator = frame->findChild<QWidget*>("Shape1")->height();
        QCOMPARE(separator, i == 5 || i == 17 ? 2 : 1);
    }
    QCOMPARE(window.findChild<TfrGate*>("FrameGate17"), frames[17]);
}

void TestGateFrame::panelsFollowWidthAndScale_data() {
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("panel1Width");
    QTest::newRow("design") << QSize(268, 39) << 137;
    QTest::newRow("wider column") << QSize(400, 39) << 137;
    QTest::newRow("MASTER/SLAVE column") << QSize(263, 39) << 137;
    QTest::newRow("layout enlarged by 6/5") << QSize(322, 47) << 165;
}

void TestGateFrame::panelsFollowWidthAndScale() {
    QFETCH(QSize, size);
    QFETCH(int, panel1Width);
    TfrGate frame(DistinctPictures());
    frame.show();
    frame.resize(size);
    QWidget* panel1 = frame.findChild<QWidget*>("Panel1");
    QWidget* panel2 = frame.findChild<QWidget*>("Panel2");
    QCOMPARE(panel1->width(), panel1Width);
    QCOMPARE(panel2->x(), panel1Width);
    QCOMPARE(panel2->x() + panel2->width(), size.width());
}

VT12_TEST(TestGateFrame, TestApplication::Widgets)
#include "tst_gate_frame.moc"
