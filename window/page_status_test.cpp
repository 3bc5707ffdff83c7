#include "window/page_status_test.h"

#include "widgets/callout_instances.h"
#include "widgets/led_bits_instances.h"
#include "widgets/level_bar_instances.h"
#include "window/page_align.h"
#include "window/page_builders.h"
#include "window/page_controls.h"

#include <QButtonGroup>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QStyle>
#include <array>
#include <utility>

namespace {

constexpr int kTestPanelWidth = 468;
constexpr int kNotifyPanelHeight = 29;
constexpr int kBarTop = 20;
constexpr int kBarHeight = 146;
constexpr QPoint kOddBar{20, kBarTop};
constexpr QPoint kEvenBar{69, kBarTop};

TLevelBar* PlaceLevelBar(TLevelBarInstance which, QWidget* parent, QPoint topLeft) {
    TLevelBar* bar = CreateLevelBar(which, parent);
    bar->move(topLeft);
    return bar;
}

QLabel* MakeCentred(QWidget* parent, const char* name, const QString& text, const QRect& rect) {
    auto* label = Make<QLabel>(parent, name, rect, text);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

// Scale captions beside a bar: top, middle and bottom of its height.
void MakeBarScale(QWidget* parent, QLabel*& top, QLabel*& middle, QLabel*& bottom,
                  const std::array<const char*, 3>& names, const std::array<const char*, 3>& texts,
                  int left, int width, Qt::Alignment alignment) {
    QLabel** labels[3] = {&top, &middle, &bottom};
    for (int i = 0; i < 3; ++i) {
        const int centre = kBarTop + i * kBarHeight / 2;
        *labels[i] =
            Make<QLabel>(parent, names[static_cast<size_t>(i)], QRect(left, centre - 7, width, 14),
                         QString::fromLatin1(texts[static_cast<size_t>(i)]));
        (*labels[i])->setAlignment(alignment | Qt::AlignVCenter);
    }
}

QLabel* MakeLampCaption(QWidget* parent, const char* name, const QString& text, int top) {
    return Make<QLabel>(parent, name, QRect(28, top, 118, 14), text);
}

TShape* MakeLamp(QWidget* parent, const char* name, int top) {
    auto* lamp = Make<TShape>(parent, name, QRect(8, top, 14, 14), TShape::TShapeKind::Circle);
    lamp->SetBrushColor(kLampOff);
    lamp->SetPen(kFigureGrey);
    return lamp;
}

void SetupGateOverview(StatusTestPageUi& ui) {
    ui.Panel20 = Make<QFrame>(ui.tsManual, "Panel20", QRect(0, 0, 526, 543));
    SetAlign(ui.Panel20, Align::Client);
    ui.pNotifyPanel =
        Make<QFrame>(ui.Panel20, "pNotifyPanel", QRect(0, 514, 526, kNotifyPanelHeight));
    SetAlign(ui.pNotifyPanel, Align::Bottom);
    ui.pNotifyLabel = Make<QFrame>(ui.pNotifyPanel, "pNotifyLabel", QRect(8, 4, 307, 20));
    ui.InfoShape2 = CreateInfoShape(TInfoShapeInstance::InfoShape2, ui.pNotifyLabel);
    ui.lNotifyLabel = MakeCentred(ui.pNotifyLabel, "lNotifyLabel", QString(), QRect(0, 0, 307, 20));
    SetOwnFont(ui.lNotifyLabel, kDesignFontPixels, false, true);
    SetTextColor(ui.lNotifyLabel, kFigureGrey);
    ui.pNotifyLabel->hide();
    // Beside the notice line, which leaves the rest of its panel free.
    ui.bTrends = Make<QPushButton>(ui.pNotifyPanel, "bTrends", QRect(418, 2, 100, 25),
                                   QStringLiteral("Trends"));

    ui.pOther24 = Make<QFrame>(ui.Panel20, "pOther24", QRect(263, 0, 263, 514));
    SetAlign(ui.pOther24, Align::Right);
    ui.pOther24->hide();
    ui.pFirst12 = Make<QFrame>(ui.Panel20, "pFirst12", QRect(0, 0, 526, 514));
    SetAlign(ui.pFirst12, Align::Client);
}

void SetupIndicators(StatusTestPageUi& ui) {
    ui.pIndicators = MakeGroupPanel(ui.pTest, "pIndicators", QRect(4, 4, 150, 222));
    QWidget* p = ui.pIndicators;
    ui.lActiveSns = MakeCentred(p, "lActiveSns", QStringLiteral("0"), QRect(4, 4, 70, 34));
    SetOwnFont(ui.lActiveSns, 28, true);
    ui.lActiveSnsCaption =
        MakeCentred(p, "lActiveSnsCaption", QStringLiteral("Active Sensors"), QRect(2, 38, 74, 14));
    ui.lOpnGates = MakeCentred(p, "lOpnGates", QStringLiteral("0"), QRect(76, 4, 70, 34));
    SetOwnFont(ui.lOpnGates, 28, true);
    ui.lOpnGatesCaption =
        MakeCentred(p, "lOpnGatesCaption", QStringLiteral("Open Gates"), QRect(74, 38, 74, 14));

    ui.shSecurityInput = MakeLamp(p, "shSecurityInput", 64);
    ui.lSecurityInput = MakeLampCaption(p, "lSecurityInput", QStringLiteral("SECURITY INPUT"), 64);
    ui.shBypassInput = MakeLamp(p, "shBypassInput", 84);
    ui.lBypassInput = MakeLampCaption(p, "lBypassInput", QStringLiteral("BYPASS INPUT"), 84);

    ui.lCleaningCaption =
        MakeCaption(p, "lCleaningCaption", QStringLiteral("CLEANING"), QRect(8, 108, 138, 14));
    ui.shCleaning = MakeLamp(p, "shCleaning", 126);
    ui.lCleanLabel =
        Make<QLabel>(p, "lCleanLabel", QRect(28, 126, 56, 14), QStringLiteral("REGULAR"));
    ui.lCASE = Make<QLabel>(p, "lCASE", QRect(84, 126, 62, 14), QStringLiteral("- AT STOP"));
    ui.lCleanLabel->setEnabled(false);
    ui.lCASE->setEnabled(false);
    ui.lCleanAfter = MakeLampCaption(p, "lCleanAfter", QString(), 144);
    ui.lCleanAfter->hide();

    ui.sDustOn = MakeLamp(p, "sDustOn", 172);
    ui.lFanRunCaption = MakeLampCaption(p, "lFanRunCaption", QStringLiteral("FAN - RUN"), 172);
    SetBold(ui.lFanRunCaption);
    ui.lDelay = MakeLampCaption(p, "lDelay", QString(), 190);
    ui.lDelay->hide();
    ui.lbDelay = PlaceLevelBar(TLevelBarInstance::lbDelay, p, QPoint(28, 208));
}

void SetupCurrentBlock(QFrame* block, QLabel*& caption, QLabel*& oddCurrent, QLabel*& evenCurrent,
                       QLabel*& oddGate, QLabel*& evenGate, const char* suffix) {
    const auto name = [suffix](const char* base) { return QByteArray(base) + QByteArray(suffix); };
    caption = MakeCentred(block, name("lGateCurrentCaption").constData(),
                          *suffix ? QStringLiteral("SLAVE GATES [mA]")
                                  : QStringLiteral("GATE CURRENT [mA]"),
                          QRect(0, 2, 106, 14));
    SetOwnFont(caption, 10, true);
    SetTextColor(caption, kCaptionBlue);
    QLabel* top = nullptr;
    QLabel* middle = nullptr;
    QLabel* bottom = nullptr;
    const QByteArray names[3] = {name("lCurrentScale600"), name("lCurrentScale300"),
                                 name("lCurrentScale0")};
    MakeBarScale(block, top, middle, bottom,
                 {names[0].constData(), names[1].constData(), names[2].constData()},
                 {"-600-", "-300-", "-0-"}, 37, 32, Qt::AlignHCenter);
    oddCurrent = MakeCentred(block, name("lOddCurr").constData(), QStringLiteral("0"),
                             QRect(4, 170, 50, 14));
    evenCurrent = MakeCentred(block, name("lEvenCurr").constData(), QStringLiteral("0"),
                              QRect(53, 170, 50, 14));
    SetBold(oddCurrent);
    SetBold(evenCurrent);
    oddGate = MakeCentred(block, name("lOddGateCurrent").constData(), QStringLiteral("Odd"),
                          QRect(4, 186, 50, 14));
    evenGate = MakeCentred(block, name("lEvenGateCurrent").constData(), QStringLiteral("Even"),
                           QRect(53, 186, 50, 14));
}

void SetupBars(StatusTestPageUi& ui) {
    ui.pBars = MakeGroupPanel(ui.pTest, "pBars", QRect(156, 4, 310, 222));
    ui.pFanOutput = Make<QFrame>(ui.pBars, "pFanOutput", QRect(4, 4, 88, 214));
    QWidget* fan = ui.pFanOutput;
    ui.lFanCaption = MakeCentred(fan, "lFanCaption", QStringLiteral("FAN"), QRect(30, 2, 53, 14));
    SetTextColor(ui.lFanCaption, kCaptionBlue);
    SetBold(ui.lFanCaption);
    ui.lbFanOut = PlaceLevelBar(TLevelBarInstance::lbFanOut, fan, QPoint(44, kBarTop));
    MakeBarScale(fan, ui.lFanScale100, ui.lFanScale50, ui.lFanScale0,
                 {"lFanScale100", "lFanScale50", "lFanScale0"}, {"-100%", "-50%", "-0%"}, 0, 42,
                 Qt::AlignRight);
    ui.lRpmCaption = MakeCentred(fan, "lRpmCaption", QStringLiteral("RPM"), QRect(30, 170, 53, 14));
    ui.lVsdPowerProc =
        MakeCentred(fan, "lVsdPowerProc", QStringLiteral("0%"), QRect(30, 186, 53, 14));
    SetBold(ui.lVsdPowerProc);

    ui.pGateCurrent = Make<QFrame>(ui.pBars, "pGateCurrent", QRect(140, 4, 106, 214));
    SetupCurrentBlock(ui.pGateCurrent, ui.lGateCurrentCaption, ui.lOddCurr, ui.lEvenCurr,
                      ui.lOddGateCurrent, ui.lEvenGateCurrent, "");
    // Clear of the master's bars at their MASTER/SLAVE place, so the headings do not touch.
    ui.pGateCurrent24 = Make<QFrame>(ui.pBars, "pGateCurrent24", QRect(202, 4, 106, 214));
    SetupCurrentBlock(ui.pGateCurrent24, ui.lGateCurrentCaption24, ui.lOddCurr24, ui.lEvenCurr24,
                      ui.lOddGateCurrent24, ui.lEvenGateCurrent24, "24");
    ui.lbDrvOdd = PlaceLevelBar(TLevelBarInstance::lbDrvOdd, ui.pGateCurrent, kOddBar);
    ui.lbDrvEven = PlaceLevelBar(TLevelBarInstance::lbDrvEven, ui.pGateCurrent, kEvenBar);
    ui.lbDrvOdd24 = PlaceLevelBar(TLevelBarInstance::lbDrvOdd24, ui.pGateCurrent24, kOddBar);
    ui.lbDrvEven24 = PlaceLevelBar(TLevelBarInstance::lbDrvEven24, ui.pGateCurrent24, kEvenBar);
    ui.pGateCurrent24->hide();
}

QFrame* MakePressurePanel(QWidget* parent, const char* name, int top, QLabel*& caption,
                          const char* unitLabelName, QLabel*& unitLabel, QFrame*& valueBackground,
                          QLabel*& value, QLabel*& units, const char* suffix,
                          const QString& unitName) {
    const auto named = [suffix](const char* base) { return QByteArray(base) + QByteArray(suffix); };
    QFrame* panel = MakeGroupPanel(parent, name, QRect(4, top, 150, 56));
    caption = Make<QLabel>(panel, named("lCurrInpLabel").constData(), QRect(6, 2, 80, 14),
                           QStringLiteral("VACUUM"));
    SetBold(caption);
    SetTextColor(caption, kCaptionBlue);
    unitLabel = Make<QLabel>(panel, unitLabelName, QRect(88, 2, 56, 14), unitName);
    unitLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    valueBackground = MakePanel(panel, named("pCurrInpValueBg").constData(), QRect(6, 18, 112, 32));
    SetBackground(valueBackground, kFigureGrey);
    value = Make<QLabel>(valueBackground, named("lCurrentInputValue").constData(),
                         QRect(2, 2, 70, 28), QStringLiteral("--"));
    SetOwnFont(value, 18, true);
    SetTextColor(value, kSilver);
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    units = Make<QLabel>(valueBackground, named("lCurrentInputUnits").constData(),
                         QRect(76, 2, 34, 28), QStringLiteral("kPa"));
    SetTextColor(units, Qt::white);
    panel->hide();
    return panel;
}

QLabel* MakeVfdFigure(QWidget* parent, const char* name, const QRect& rect) {
    auto* label = Make<QLabel>(parent, name, rect, QStringLiteral("???"));
    SetBackground(label, kFigureGrey);
    SetTextColor(label, kFigureYellow);
    SetOwnFont(label, 14, true);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setIndent(4);
    return label;
}

QLabel* MakeVfdLetter(QWidget* parent, const char* name, const char* letter, const char* hint,
                      int left) {
    auto* label = MakeCentred(parent, name, QString::fromLatin1(letter), QRect(left, 74, 20, 18));
    SetBold(label);
    SetBackground(label, kFigureGrey);
    SetTextColor(label, Qt::white);
    label->setToolTip(QString::fromLatin1(hint));
    return label;
}

// One row of the drive bubble: its caption and its figure.
QLabel* MakeBubbleRow(QWidget* bubble, const char* name, const char* caption, int row) {
    constexpr int kTop = 7;
    constexpr int kPitch = 19;
    const int top = kTop + row * kPitch;
    Make<QLabel>(bubble, (QByteArray(name) + "Caption").constData(), QRect(6, top, 122, 17),
                 QString::fromLatin1(caption));
    auto* figure = Make<QLabel>(bubble, name, QRect(128, top, 62, 17));
    SetBackground(figure, kFigureGrey);
    SetTextColor(figure, kFigureYellow);
    SetBold(figure);
    figure->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return figure;
}

void SetupDrivePanels(StatusTestPageUi& ui) {
    ui.pCurrentInputValue =
        MakePressurePanel(ui.pTest, "pCurrentInputValue", 232, ui.lCurrInpLabel,
                          "lCurrInpLabelMaster", ui.lCurrInpLabelMaster, ui.pCurrInpValueBg,
                          ui.lCurrentInputValue, ui.lCurrentInputUnits, "", QString());
    ui.imPressureError =
        Make<QLabel>(ui.pCurrentInputValue, "imPressureError", QRect(122, 22, 24, 24));
    ui.imPressureError->setPixmap(
        ui.imPressureError->style()->standardIcon(QStyle::SP_MessageBoxCritical).pixmap(24, 24));
    ui.imPressureError->hide();
    ui.pCurrentInputValueS = MakePressurePanel(
        ui.pTest, "pCurrentInputValueS", 292, ui.lCurrInpLabelS, "lCurrInpLabelSlave",
        ui.lCurrInpLabelSlave, ui.pCurrInpValueBgS, ui.lCurrentInputValueS, ui.lCurrentInputUnitsS,
        "S", QStringLiteral("Slave"));

    ui.pVFD_Status = MakeGroupPanel(ui.pTest, "pVFD_Status", QRect(158, 232, 306, 116));
    QWidget* vfd = ui.pVFD_Status;
    ui.lVFD_StatusCaption =
        MakeCaption(vfd, "lVFD_StatusCaption", QStringLiteral("VFD STATUS"), QRect(6, 2, 120, 14));
    ui.sVFD_StatusLED =
        Make<TShape>(vfd, "sVFD_StatusLED", QRect(6, 21, 16, 16), TShape::TShapeKind::Circle);
    ui.sVFD_StatusLED->SetBrushColor(kLampOff);
    ui.lVFD_StatusText = Make<QLabel>(vfd, "lVFD_StatusText", QRect(28, 21, 200, 16));
    SetBold(ui.lVFD_StatusText);
    ui.lVFD_Frequency = MakeVfdFigure(vfd, "lVFD_Frequency", QRect(6, 44, 70, 24));
    ui.lVFD_Frequency->setToolTip(QStringLiteral("VFD Output Frequency"));
    ui.lVFD_FrequencyUnits =
        Make<QLabel>(vfd, "lVFD_FrequencyUnits", QRect(80, 44, 24, 24), QStringLiteral("Hz"));
    ui.lVfdPower = MakeVfdFigure(vfd, "lVfdPower", QRect(112, 44, 70, 24));
    ui.lVfdPower->setToolTip(QStringLiteral("VFD Output Power"));
    ui.lVfdPowerUnits =
        Make<QLabel>(vfd, "lVfdPowerUnits", QRect(186, 44, 24, 24), QStringLiteral("kW"));
    ui.lVfdBits_Manual = MakeVfdLetter(vfd, "lVfdBits_Manual", "M", "Manual Mode", 6);
    ui.lVfdBits_Auto = MakeVfdLetter(vfd, "lVfdBits_Auto", "A", "Automatic Mode", 28);
    ui.lVfdBits_OK1 = MakeVfdLetter(vfd, "lVfdBits_OK1", "1", "Airlock input", 50);
    ui.lVfdBits_OK2 = MakeVfdLetter(vfd, "lVfdBits_OK2", "2", "Transport Fan input", 72);
    ui.lVfdBits_Security = MakeVfdLetter(vfd, "lVfdBits_Security", "S", "Immediate Stop", 94);
    ui.lVfdBits_Enable = MakeVfdLetter(vfd, "lVfdBits_Enable", "E", "Enable input", 116);
    ui.lMoreAboutVFD = Make<QLabel>(vfd, "lMoreAboutVFD", QRect(190, 94, 110, 16),
                                    QStringLiteral("More about VFD"));
    QFont link = ui.lMoreAboutVFD->font();
    link.setUnderline(true);
    ui.lMoreAboutVFD->setFont(link);
    SetTextColor(ui.lMoreAboutVFD, QColor(0, 0, 255));
    ui.lMoreAboutVFD->setCursor(Qt::PointingHandCursor);
    ui.pVFD_Status->hide();

    ui.pMoreAboutVfd = Make<QFrame>(ui.tsManual, "pMoreAboutVfd", QRect(469, 240, 215, 125));
    ui.ibAboutVfd = CreateIbAboutVfd(ui.pMoreAboutVfd);
    SetAlign(ui.ibAboutVfd, Align::Left);
    QWidget* bubble = ui.ibAboutVfd;
    ui.lVfdFrequencyRef = MakeBubbleRow(bubble, "lVfdFrequencyRef", "Frequency Reference", 0);
    ui.lVfdOutputCurrent = MakeBubbleRow(bubble, "lVfdOutputCurrent", "Output Current", 1);
    ui.lVfdOutputVoltage = MakeBubbleRow(bubble, "lVfdOutputVoltage", "Output Voltage", 2);
    ui.lVfdFanPressureRaw =
        MakeBubbleRow(bubble, "lVfdFanPressureRaw", "Fan Pressure [0..1000]", 3);
    ui.lVfdFilterPressureRaw =
        MakeBubbleRow(bubble, "lVfdFilterPressureRaw", "Filter Pressure [0..1000]", 4);
    ui.lVfdMaxFrequency = MakeBubbleRow(bubble, "lVfdMaxFrequency", "Maximum Frequency", 5);
    ui.pMoreAboutVfd->hide();

    // Floats over the page beside the bubble (placed when it opens).
    ui.pRawVfdData = MakePanel(ui.tsManual, "pRawVfdData", QRect(4, 298, 460, 241));
    SetBackground(ui.pRawVfdData, QColor(64, 64, 64));
    SetTextColor(ui.pRawVfdData, Qt::white);
    ui.lRawVfdData = Make<QLabel>(ui.pRawVfdData, "lRawVfdData", QRect(8, 4, 444, 34));
    ui.lRawVfdData->setWordWrap(true);
    ui.lControlWordCaption = Make<QLabel>(ui.pRawVfdData, "lControlWordCaption",
                                          QRect(8, 44, 100, 14), QStringLiteral("CONTROL WORD"));
    SetTextColor(ui.lControlWordCaption, QColor(0, 255, 255));
    SetBold(ui.lControlWordCaption);
    ui.lStatusWordCaption = Make<QLabel>(ui.pRawVfdData, "lStatusWordCaption",
                                         QRect(112, 44, 100, 14), QStringLiteral("STATUS WORD"));
    SetTextColor(ui.lStatusWordCaption, QColor(255, 255, 0));
    SetBold(ui.lStatusWordCaption);
    ui.lbCW = CreateLedBits(TLedBitsInstance::lbCW, ui.pRawVfdData);
    ui.lbCW->move(8, 62);
    ui.lbSW = CreateLedBits(TLedBitsInstance::lbSW, ui.pRawVfdData);
    ui.lbSW->move(112, 62);
    ui.pRawVfdData->hide();
}

QPushButton* MakeTestButton(QWidget* parent, const char* name, const char* caption, int left,
                            int top) {
    auto* button =
        Make<QPushButton>(parent, name, QRect(left, top, 140, 28), QString::fromLatin1(caption));
    button->setEnabled(false);
    return button;
}

void SetupFanPowerControl(StatusTestPageUi& ui) {
    ui.pRpmCtrl = MakeGroupPanel(ui.pTestMode, "pRpmCtrl", QRect(304, 6, 150, 174));
    SetBackground(ui.pRpmCtrl, QColor(223, 121, 121));
    QWidget* p = ui.pRpmCtrl;
    ui.lRpmCtrlCaption =
        MakeCentred(p, "lRpmCtrlCaption", QStringLiteral("FAN RPM Control"), QRect(0, 4, 150, 14));
    SetBold(ui.lRpmCtrlCaption);
    ui.tbPower = Make<QSlider>(p, "tbPower", QRect(42, 24, 30, 140), Qt::Vertical);
    ui.tbPower->setRange(0, 50);
    ui.tbPower->setPageStep(5);
    ui.tbPower->setTickInterval(5);
    ui.tbPower->setTickPosition(QSlider::TicksBothSides);
    ui.tbPower->setInvertedAppearance(true);
    ui.tbPower->setValue(50);
    const auto scale = [p](const char* name, const char* text, int top) {
        auto* label = Make<QLabel>(p, name, QRect(4, top, 36, 14), QString::fromLatin1(text));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        return label;
    };
    ui.lPowerScale100 = scale("lPowerScale100", "100%", 28);
    ui.lPowerScale50 = scale("lPowerScale50", "50%", 87);
    ui.lPowerScale0 = scale("lPowerScale0", "0%", 146);
    ui.eFanPwr = Make<QLineEdit>(p, "eFanPwr", QRect(80, 82, 36, 22), QStringLiteral("0"));
    SetOwnFont(ui.eFanPwr, 13, true);
    SetBackground(ui.eFanPwr, QColor(176, 64, 64));
    SetTextColor(ui.eFanPwr, Qt::white);
    ui.eFanPwr->setAlignment(Qt::AlignRight);
    ui.udFanPwr = Make<TUpDown>(p, "udFanPwr", QRect(116, 82, 16, 22));
    ui.udFanPwr->SetRange(0, 100);
    ui.udFanPwr->SetBuddy(ui.eFanPwr);
    ui.lFanPwrPercent =
        Make<QLabel>(p, "lFanPwrPercent", QRect(134, 82, 14, 22), QStringLiteral("%"));
    SetBold(ui.lFanPwrPercent);
    ui.pRpmCtrl->hide();
}

void SetupTestMode(StatusTestPageUi& ui) {
    ui.pTestMode = MakeGroupPanel(ui.pTest, "pTestMode", QRect(4, 354, 460, 186));
    QWidget* p = ui.pTestMode;
    ui.lTestModeCaption =
        MakeCaption(p, "lTestModeCaption", QStringLiteral("TEST MODE"), QRect(8, 4, 200, 14));
    ui.bTestOn = MakeTestButton(p, "bTestOn", "Test Mode On", 8, 24);
    ui.bTestOff = MakeTestButton(p, "bTestOff", "Test Mode Off", 156, 24);
    ui.bOpenAll = MakeTestButton(p, "bOpenAll", "Open All Gates", 8, 70);
    ui.bCloseAll = MakeTestButton(p, "bCloseAll", "Close All Gates", 156, 70);
    ui.bFanRun = MakeTestButton(p, "bFanRun", "Fan Run", 8, 116);
    ui.bFanStop = MakeTestButton(p, "bFanStop", "Fan Stop", 156, 116);
    for (const auto& pair :
         {std::pair{ui.bTestOn, ui.bTestOff}, std::pair{ui.bFanRun, ui.bFanStop}}) {
        auto* group = new QButtonGroup(p);
        for (QPushButton* toggle : {pair.first, pair.second}) {
            toggle->setCheckable(true);
            group->addButton(toggle);
        }
    }
    ui.bTestOff->setChecked(true);
    ui.bFanRun->setChecked(true);
    ui.bOpenAll->setCursor(Qt::PointingHandCursor);
    ui.bCloseAll->setCursor(Qt::PointingHandCursor);
    SetupFanPowerControl(ui);
}

} // namespace

void SetupStatusTestPage(QTabWidget* pages, StatusTestPageUi& ui) {
    ui.tsManual = AddPage(pages, "tsManual", QStringLiteral("STATUS && TEST"));
    ui.pTest = MakePanel(ui.tsManual, "pTest", QRect(526, 0, kTestPanelWidth, 543));
    SetAlign(ui.pTest, Align::Right);
    SetupGateOverview(ui);
    SetupIndicators(ui);
    SetupBars(ui);
    SetupDrivePanels(ui);
    SetupTestMode(ui);
    ui.pRawVfdData->raise();
    ui.pMoreAboutVfd->raise();
}
