#include "window/drive_vacuum_view.h"

#include "widgets/info_bubble.h"
#include "widgets/led_bits.h"
#include "widgets/shape.h"
#include "window/page_builders.h"
#include "window/page_status_test.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <algorithm>

namespace {
// The bubble's arrow tip, below its top edge.
constexpr int kArrowFromTop = 94;
constexpr int kRawDataGap = 4;

QColor ColorOf(PanelColour c) {
    return {c.red, c.green, c.blue};
}

void ShowFigure(const VacuumFigure& figure, QLabel* value, QWidget* background) {
    value->setText(figure.text);
    SetTextColor(value, ColorOf(figure.colour));
    SetBackground(background, ColorOf(figure.background));
}
} // namespace

DriveVacuumView::DriveVacuumView(StatusTestPageUi& ui, QObject* parent) : QObject(parent), ui_(ui) {
    ui_.lMoreAboutVFD->installEventFilter(this);
    ui_.lVfdMaxFrequency->installEventFilter(this);
}

void DriveVacuumView::ShowDriveStatus(const DriveStatusDisplay& shown) {
    ui_.sVFD_StatusLED->SetBrushColor(ColorOf(shown.lamp));
    ui_.lVFD_StatusText->setText(shown.text);
    ui_.lVFD_Frequency->setText(shown.frequency);
    ui_.lVfdPower->setText(shown.power);
    QLabel* const letters[kDriveInputLetters] = {ui_.lVfdBits_Manual,   ui_.lVfdBits_Auto,
                                                 ui_.lVfdBits_OK1,      ui_.lVfdBits_OK2,
                                                 ui_.lVfdBits_Security, ui_.lVfdBits_Enable};
    for (int i = 0; i < kDriveInputLetters; ++i)
        SetBackground(letters[i], ColorOf(shown.letters[size_t(i)]));
    // Only an open bubble follows the drive (open even while another page is in front).
    if (!ui_.pMoreAboutVfd->isHidden()) {
        const DriveBubbleFigures& bubble = shown.bubble;
        ui_.lVfdFrequencyRef->setText(bubble.frequencyReference);
        ui_.lVfdOutputCurrent->setText(bubble.outputCurrent);
        ui_.lVfdOutputVoltage->setText(bubble.outputVoltage);
        ui_.lVfdFanPressureRaw->setText(bubble.fanPressure);
        ui_.lVfdFilterPressureRaw->setText(bubble.filterPressure);
        ui_.lVfdMaxFrequency->setText(bubble.maxFrequency);
    }
    ui_.lRawVfdData->setText(shown.raw);
    ui_.lbCW->SetLedBitsValue(shown.controlWord);
    ui_.lbSW->SetLedBitsValue(shown.statusWord);
}

void DriveVacuumView::ShowVacuumReading(const VacuumReading& reading) {
    ShowFigure(reading.master, ui_.lCurrentInputValue, ui_.pCurrInpValueBg);
    ui_.imPressureError->setVisible(reading.errorIconVisible);
    if (reading.slave)
        ShowFigure(*reading.slave, ui_.lCurrentInputValueS, ui_.pCurrInpValueBgS);
}

void DriveVacuumView::lMoreAboutVFDClick() {
    QWidget* bubble = ui_.pMoreAboutVfd;
    if (!bubble->isHidden()) {
        bubble->hide();
        ui_.pRawVfdData->hide();
        return;
    }
    // The arrow points at the link, from the left of the VFD box wherever the page has put it.
    QWidget* page = bubble->parentWidget();
    const QPoint link = ui_.lMoreAboutVFD->mapTo(page, QPoint(0, ui_.lMoreAboutVFD->height() / 2));
    const QPoint box = ui_.pVFD_Status->mapTo(page, QPoint(0, 0));
    bubble->move(box.x() - bubble->width(), link.y() - kArrowFromTop);
    bubble->show();
    bubble->raise();
}

void DriveVacuumView::lVfdMaxFrequencyClick() {
    QWidget* raw = ui_.pRawVfdData;
    if (!raw->isHidden()) {
        raw->hide();
        return;
    }
    // Left of the bubble and clear of the VFD box, so neither hides "More about VFD".
    const QWidget* bubble = ui_.pMoreAboutVfd;
    const QWidget* page = raw->parentWidget();
    raw->move(std::max(0, bubble->x() - kRawDataGap - raw->width()),
              std::clamp(bubble->y(), 0, std::max(0, page->height() - raw->height())));
    raw->show();
    raw->raise();
}

bool DriveVacuumView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseButtonRelease)
        return QObject::eventFilter(watched, event);
    const auto* mouse = static_cast<QMouseEvent*>(event);
    // A click: released over the label it was pressed on.
    if (mouse->button() == Qt::LeftButton &&
        static_cast<QWidget*>(watched)->rect().contains(mouse->position().toPoint())) {
        if (watched == ui_.lMoreAboutVFD)
            lMoreAboutVFDClick();
        else if (watched == ui_.lVfdMaxFrequency)
            lVfdMaxFrequencyClick();
    }
    return QObject::eventFilter(watched, event);
}
