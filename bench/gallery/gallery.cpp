// Renders every display component in typical states and every program picture to PNG files,
// for looking at them as a user would.

#include "widgets/callout_instances.h"
#include "widgets/gate_colors.h"
#include "widgets/gate_frames.h"
#include "widgets/led_bits_instances.h"
#include "widgets/level_bar_instances.h"
#include "widgets/program_bitmaps.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QTextStream>
#include <cstdio>

namespace {

bool Save(QWidget& widget, const QDir& dir, const QString& name) {
    widget.show();
    QApplication::processEvents();
    const bool saved = widget.grab().save(dir.filePath(name + QStringLiteral(".png")));
    if (!saved) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(dir.filePath(name)));
    }
    return saved;
}

void ShowGateStates(std::array<TfrGate*, 24>& frames) {
    for (TfrGate* frame : frames) {
        frame->SetManualIndicator(false);
        frame->SetMasterSlaveNumbering(true);
    }
    // Gate 1: in use, open, sensor active.
    frames[0]->SetGateActive(true);
    frames[0]->SetGatePicture(3);
    frames[0]->SetSignalColor(SignalActiveColor);
    frames[0]->SetDelayState(true);
    // Gate 2: closed, off-delay still running after the sensor went idle.
    frames[1]->SetGateActive(true);
    frames[1]->SetGatePicture(4);
    frames[1]->SetSignalColor(SignalIdleColor);
    frames[1]->SetDelayState(true);
    // Gate 3: opening, on-delay running.
    frames[2]->SetGateActive(true);
    frames[2]->SetGatePicture(1);
    frames[2]->SetSignalColor(SignalActiveColor);
    frames[2]->SetDelayState(false);
    // Gate 4: closing.
    frames[3]->SetGateActive(true);
    frames[3]->SetGatePicture(2);
    frames[3]->SetSignalColor(SignalIdleColor);
    frames[3]->SetDelayState(false);
    // Gate 5: minimum-airflow gate held open, manual button pressed.
    frames[4]->SetGateActive(true);
    frames[4]->SetMinAirflowGate(true);
    frames[4]->SetGatePicture(3);
    frames[4]->SetSignalColor(SignalMinAirflowColor);
    frames[4]->SetDelayState(false);
    frames[4]->SetManualIndicator(true);
    frames[4]->SetGateName(QStringLiteral("Table saw"));
    // Gate 6: closed, with a long name.
    frames[5]->SetGateActive(true);
    frames[5]->SetGatePicture(4);
    frames[5]->SetSignalColor(SignalIdleColor);
    frames[5]->SetDelayState(false);
    frames[5]->SetGateName(QStringLiteral("Edge banding line 2"));
    // Gates 13 and 14 in test mode: buttons enabled, one pressed.
    for (int i : {12, 13}) {
        frames[i]->SetGateActive(true);
        frames[i]->SetGateButtonEnabled(true);
        frames[i]->SetGatePicture(4);
        frames[i]->SetSignalColor(SignalIdleSlaveColor);
        frames[i]->SetDelayState(false);
    }
    frames[12]->SetGateButtonDown(true);
    frames[12]->SetGatePicture(1);
}

void SaveGateFrames(const QDir& dir, const GatePictures& pictures) {
    QWidget panel;
    panel.resize(2 * 300, 12 * 39);
    auto* first = new QWidget(&panel);
    auto* other = new QWidget(&panel);
    first->setGeometry(0, 0, 300, 12 * 39);
    other->setGeometry(300, 0, 300, 12 * 39);
    auto frames = CreateGateFrames(first, other, pictures);
    ShowGateStates(frames);
    Save(panel, dir, QStringLiteral("gate_frames"));
}

void SaveLedBits(const QDir& dir) {
    QWidget panel;
    panel.resize(420, 200);
    TLedBits* cw = CreateLedBits(TLedBitsInstance::lbCW, &panel);
    TLedBits* sw = CreateLedBits(TLedBitsInstance::lbSW, &panel);
    cw->move(10, 10);
    sw->move(110, 10);
    cw->SetLedBitsValue(0x047F);
    sw->SetLedBitsValue(0x1237);
    auto* row = new TLedBits(&panel);
    row->setGeometry(210, 10, 200, 80);
    row->SetOrientation(TLedOrientation::pbHorizontal);
    row->SetLedCount(12);
    row->SetLedDistance(16);
    row->SetLayout(TLedLayout::tlTop);
    row->SetLedFormatBitNr(QStringLiteral("B00"));
    row->SetLedBitsValue(0x0A5F);
    row->SetLedShape(TLedShape::stCircle);
    row->SetLedOnColor(QColor(0, 220, 0));
    auto* above = new TLedBits(&panel);
    above->setGeometry(210, 100, 200, 90);
    above->SetOrientation(TLedOrientation::pbHorizontal);
    above->SetLedCount(8);
    above->SetLedDistance(20);
    above->SetLedWidth(14);
    above->SetLedHeight(14);
    above->SetLayout(TLedLayout::tlBottom);
    above->SetLeftTopBit0(false);
    above->SetLedAddBitNr(true);
    above->SetLedShape(TLedShape::stRoundRect);
    above->SetLedFrameWidth(2);
    above->SetLedBitsValue(0xC3);
    Save(panel, dir, QStringLiteral("led_bits"));
}

void SaveLevelBars(const QDir& dir) {
    QWidget panel;
    panel.resize(260, 200);
    TLevelBar* fan = CreateLevelBar(TLevelBarInstance::lbFanOut, &panel);
    fan->move(10, 10);
    fan->SetPosition(128);
    const std::array<TLevelBarInstance, 4> drives{
        TLevelBarInstance::lbDrvOdd, TLevelBarInstance::lbDrvEven, TLevelBarInstance::lbDrvOdd24,
        TLevelBarInstance::lbDrvEven24};
    const std::array<int, 4> currents{96, 20, 127, 0};
    for (size_t i = 0; i < drives.size(); ++i) {
        TLevelBar* bar = CreateLevelBar(drives[i], &panel);
        bar->move(50 + static_cast<int>(i) * 25, 10);
        bar->SetPosition(currents[i]);
    }
    TLevelBar* delay = CreateLevelBar(TLevelBarInstance::lbDelay, &panel);
    delay->move(10, 170);
    delay->SetMax(150);
    delay->SetPosition(100);
    delay->show();
    Save(panel, dir, QStringLiteral("level_bars"));
}

QLabel* Caption(const QString& text, QWidget* parent, const QRect& place) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(place);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

void SaveCallouts(const QDir& dir) {
    QWidget panel;
    panel.resize(560, 200);
    panel.setAutoFillBackground(true);
    TInfoShape* note = CreateInfoShape(TInfoShapeInstance::InfoShape1, &panel);
    note->move(10, 10);
    Caption(QStringLiteral("Maximal current was corrected"), &panel, QRect(22, 10, 112, 30))
        ->setWordWrap(true);
    TInfoShape* strip = CreateInfoShape(TInfoShapeInstance::InfoShape2, &panel);
    strip->move(10, 60);
    Caption(QStringLiteral("Gate 3: maximal current exceeded"), &panel, QRect(10, 60, 307, 20));
    TInfoBubble* bubble = CreateIbAboutVfd(&panel);
    bubble->move(330, 10);
    const QStringList rows{
        "Frequency Reference",       "Output Current",   "Output Voltage", "Fan Pressure [0..1000]",
        "Filter Pressure [0..1000]", "Maximum Frequency"};
    const QStringList values{"42.50 Hz", "18.3 A", "398 V", "512", "347", "50.00 Hz"};
    for (int i = 0; i < rows.size(); ++i) {
        auto* name = new QLabel(rows[i], bubble);
        name->setGeometry(8, 8 + i * 18, 120, 16);
        auto* value = new QLabel(values[i], bubble);
        value->setGeometry(128, 8 + i * 18, 58, 16);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setAutoFillBackground(true);
        value->setStyleSheet(
            QStringLiteral("background: rgb(128,128,128); color: yellow; font-weight: bold"));
    }
    TInfoBubble* plain = new TInfoBubble(&panel);
    plain->move(10, 90);
    Caption(QStringLiteral("Default info bubble"), plain, QRect(0, 20, 250, 90));
    Save(panel, dir, QStringLiteral("callouts"));
}

bool SavePictures(const QDir& dir) {
    bool ok = true;
    for (const QString& name : ProgramBitmapNames()) {
        const QPixmap picture = ProgramBitmap(name);
        ok = !picture.isNull() && picture.save(dir.filePath(name + QStringLiteral(".png"))) && ok;
    }
    return ok;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The window's design font: 8 point at 96 dpi.
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    QApplication::setFont(font);
    if (argc != 2) {
        QTextStream(stderr) << "usage: vt12gallery OUTDIR\n";
        return 2;
    }
    QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.mkpath(QStringLiteral("."))) {
        QTextStream(stderr) << "cannot create " << dir.path() << "\n";
        return 1;
    }
    const GatePictures pictures = GatePictures::FromResources();
    SaveGateFrames(dir, pictures);
    SaveLedBits(dir);
    SaveLevelBars(dir);
    SaveCallouts(dir);
    return SavePictures(dir) ? 0 : 1;
}
