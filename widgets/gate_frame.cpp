#include "widgets/gate_frame.h"

#include "core/conversions.h"
#include "widgets/gate_colors.h"
#include "widgets/shape.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int FrameWidth = 268;
constexpr int FrameHeight = 39;
constexpr int Panel1Width = 137;

QFont ArialPixels(int pixels, bool bold) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

} // namespace

TfrGate::TfrGate(const GatePictures& gatePictures, QWidget* owner)
    : QFrame(owner), pictures(gatePictures) {
    // No minimum width: in the MASTER/SLAVE view a column is narrower than the design.
    resize(FrameWidth, FrameHeight);

    Shape1 = new TShape(TShape::TShapeKind::Rectangle, this);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->SetPen(QColor(192, 192, 192));
    Shape1->SetBrushColor(QColor());
    BuildPanel1();
    BuildPanel2();
    ArrangePanels();

    SetGateActive(false);
}

void TfrGate::BuildPanel1() {
    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));

    bTlacitko = new QPushButton(QStringLiteral("1"), Panel1);
    bTlacitko->setObjectName(QStringLiteral("bTlacitko"));
    bTlacitko->setGeometry(11, 5, 40, 28);
    bTlacitko->setFont(ArialPixels(11, true));
    bTlacitko->setCursor(Qt::PointingHandCursor);
    bTlacitko->setToolTip(QStringLiteral("Test mode: down opens this gate, up closes it"));
    bTlacitko->setCheckable(true);
    bTlacitko->setFocusPolicy(Qt::NoFocus);
    // Only test mode enables the buttons.
    bTlacitko->setEnabled(false);
    connect(bTlacitko, &QPushButton::clicked, this, &TfrGate::GateButtonClicked);

    sManBtn = new TShape(TShape::TShapeKind::Rectangle, Panel1);
    sManBtn->setObjectName(QStringLiteral("sManBtn"));
    sManBtn->setGeometry(12, 34, 39, 3);
    sManBtn->SetPen(QColor(), 0);
    sManBtn->SetBrushColor(QColor(255, 255, 0));

    sSignal = new TShape(TShape::TShapeKind::Circle, Panel1);
    sSignal->setObjectName(QStringLiteral("sSignal"));
    sSignal->setGeometry(62, 9, 21, 21);
    sSignal->SetPen(QColor(64, 64, 64));
    sSignal->SetBrushColor(QColor(192, 192, 192));

    sSignalDelay = new TShape(TShape::TShapeKind::Circle, Panel1);
    sSignalDelay->setObjectName(QStringLiteral("sSignalDelay"));
    sSignalDelay->setGeometry(68, 15, 9, 9);
    sSignalDelay->SetBrushColor(DelayOnFillColor);

    iIkona = new QLabel(Panel1);
    iIkona->setObjectName(QStringLiteral("iIkona"));
    iIkona->setGeometry(92, 4, 37, 30);
    iIkona->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void TfrGate::BuildPanel2() {
    Panel2 = new QWidget(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    auto* layout = new QVBoxLayout(Panel2);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    lGateName = new QLabel(QStringLiteral("Workstation 24"), Panel2);
    lGateName->setTextFormat(Qt::PlainText);
    lGateName->setObjectName(QStringLiteral("lGateName"));
    lGateName->setFont(ArialPixels(13, true));
    lGateName->setWordWrap(true);
    lGateName->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    lGateName->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    layout->addWidget(lGateName, 1);

    pDelayProcessing = new QWidget(Panel2);
    pDelayProcessing->setObjectName(QStringLiteral("pDelayProcessing"));
    pDelayProcessing->setFixedHeight(14);
    pDelayProcessing->hide();
    layout->addWidget(pDelayProcessing);

    lDelayLabel = new QLabel(QStringLiteral("Delay processing"), pDelayProcessing);
    lDelayLabel->setTextFormat(Qt::PlainText);
    lDelayLabel->setObjectName(QStringLiteral("lDelayLabel"));
    lDelayLabel->setGeometry(0, 0, 112, 14);
    lDelayLabel->setFont(ArialPixels(11, false));
    lDelayLabel->setAlignment(Qt::AlignCenter);
    lDelayLabel->setAutoFillBackground(true);
    QPalette palette = lDelayLabel->palette();
    palette.setColor(QPalette::Window, QColor(255, 255, 0));
    palette.setColor(QPalette::WindowText, QColor(0, 0, 128));
    lDelayLabel->setPalette(palette);
}

void TfrGate::ArrangePanels() {
    // The left panel keeps its design width unless the whole layout is scaled, which the
    // frame's height tells; extra width from a wider column goes to the name.
    const int panelHeight = height() - separatorHeight;
    const int panel1Width = RoundHalfEven(double(Panel1Width) * height() / FrameHeight);
    Shape1->setGeometry(0, panelHeight, width(), separatorHeight);
    Panel1->setGeometry(0, 0, panel1Width, panelHeight);
    Panel2->setGeometry(panel1Width, 0, width() - panel1Width, panelHeight);
}

void TfrGate::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    ArrangePanels();
}

void TfrGate::SetGateActive(bool isActive) {
    active = isActive;
    if (active) {
        SetMinAirflowGate(minAirflowGate);
        return;
    }
    SetGatePicture(0);
    SetTextColor(GateInactiveTextColor);
    SetSignalColor(SignalIdleColor);
    SetInnerCircle(DelayOffFillColor, DelayOffOutlineColor);
}

void TfrGate::SetGatePicture(uint8_t kind) {
    if (kind == pictureKind) {
        return;
    }
    pictureKind = kind;
    const QPixmap picture = pictures.ForKind(kind);
    if (!picture.isNull()) {
        iIkona->setPixmap(picture);
    }
}

void TfrGate::SetMinAirflowGate(bool minAirflow) {
    minAirflowGate = minAirflow;
    const bool blue = minAirflowGate && ButtonDisabled();
    SetTextColor(blue ? GateMinAirflowTextColor : QColor(0, 0, 0));
}

void TfrGate::SetSignalColor(const QColor& color) {
    signalColor = color;
    sSignal->SetBrushColor(color);
}

void TfrGate::SetDelayState(bool isDelay) {
    delay = isDelay;
    const bool sensorActive = signalColor == SignalActiveColor;
    if (delay) {
        SetInnerCircle(DelayOnFillColor, DelayOnOutlineColor);
        lDelayLabel->setText(QStringLiteral("Delay On"));
    } else {
        SetInnerCircle(DelayOffFillColor, DelayOffOutlineColor);
        lDelayLabel->setText(QStringLiteral("Delay Off"));
    }
    // The delayed signal differs from the sensor while a delay runs.
    pDelayProcessing->setVisible(delay != sensorActive && ButtonDisabled());
}

void TfrGate::SetManualIndicator(bool on) {
    sManBtn->SetBrushColor(on ? ManualIndicatorColor : palette().color(QPalette::Window));
}

void TfrGate::SetGateName(const QString& name) {
    lGateName->setText(name);
}

void TfrGate::SetGateNumber(int number) {
    gateNumber = number;
    if (!masterSlaveNumbering) {
        bTlacitko->setText(QString::number(number));
    } else if (number <= 12) {
        bTlacitko->setText(QStringLiteral("M%1").arg(number));
    } else {
        bTlacitko->setText(QStringLiteral("S%1").arg(number - 12));
    }
}

void TfrGate::SetMasterSlaveNumbering(bool on) {
    masterSlaveNumbering = on;
    SetGateNumber(gateNumber);
}

void TfrGate::SetBoldSeparator(bool bold) {
    separatorHeight = bold ? 2 : 1;
    ArrangePanels();
}

bool TfrGate::IsGateButtonDown() const {
    return bTlacitko->isChecked();
}

void TfrGate::SetGateButtonDown(bool down) {
    const QSignalBlocker quiet(bTlacitko);
    bTlacitko->setChecked(down);
}

void TfrGate::SetGateButtonEnabled(bool enabled) {
    bTlacitko->setEnabled(enabled);
}

bool TfrGate::ButtonDisabled() const {
    // The button's own setting, whatever its parents say.
    return bTlacitko->testAttribute(Qt::WA_ForceDisabled);
}

void TfrGate::SetInnerCircle(const QColor& fill, const QColor& outline) {
    sSignalDelay->SetBrushColor(fill);
    sSignalDelay->SetPen(outline);
}

void TfrGate::SetTextColor(const QColor& color) {
    // The colour holds in the disabled state too: outside test mode the buttons are
    // disabled, and that is where the minimum-airflow blue must show. A disabled button shows
    // it faded towards its face, so that it still looks disabled.
    for (QWidget* widget : {static_cast<QWidget*>(bTlacitko), static_cast<QWidget*>(lGateName)}) {
        QPalette palette = widget->palette();
        palette.setColor(QPalette::All, QPalette::ButtonText, color);
        palette.setColor(QPalette::All, QPalette::WindowText, color);
        widget->setPalette(palette);
    }
    QPalette button = bTlacitko->palette();
    const QColor face = button.color(QPalette::Disabled, QPalette::Button);
    button.setColor(QPalette::Disabled, QPalette::ButtonText,
                    QColor((color.red() + 2 * face.red()) / 3,
                           (color.green() + 2 * face.green()) / 3,
                           (color.blue() + 2 * face.blue()) / 3));
    bTlacitko->setPalette(button);
}
