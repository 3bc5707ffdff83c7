#include "window/page_master_slave.h"

#include "data/settings_captions.h"
#include "widgets/program_bitmaps.h"
#include "window/page_align.h"
#include "window/page_builders.h"
#include "window/page_controls.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace {

constexpr int kModeFrameHeight = 470;
constexpr QColor kModeBlue{0, 0, 192};

QRadioButton* MakeModeButton(QWidget* parent, const char* name, const QString& caption, int tag,
                             int top, bool emphasised) {
    auto* button = Make<QRadioButton>(parent, name, QRect(12, top, 420, 20), caption);
    button->setProperty("Tag", tag);
    if (emphasised) {
        SetBold(button);
        SetTextColor(button, kModeBlue);
        // The MASTER choice is disabled while a slave answers on the RS-232 port: it must look so.
        QPalette palette = button->palette();
        palette.setColor(QPalette::Disabled, QPalette::WindowText,
                         QApplication::palette().color(QPalette::Disabled, QPalette::WindowText));
        button->setPalette(palette);
    }
    return button;
}

QLabel* MakeExplanation(QWidget* parent, const char* name, const QString& text, int top,
                        int height) {
    auto* label = Make<QLabel>(parent, name, QRect(32, top, 400, height), text);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace

void SetupMasterSlavePage(QTabWidget* pages, MasterSlavePageUi& ui) {
    ui.tsMasterSlave =
        AddPage(pages, "tsMasterSlave", QString::fromLatin1(Caption::MasterSlavePage));
    ui.pMSMode = MakePanel(ui.tsMasterSlave, "pMSMode", QRect(8, 8, 978, kModeFrameHeight));
    ui.shMSModeFrame = Make<TShape>(ui.pMSMode, "shMSModeFrame", QRect(0, 0, 978, kModeFrameHeight),
                                    TShape::TShapeKind::Rectangle);
    ui.shMSModeFrame->SetBrushColor(ui.pMSMode->palette().color(QPalette::Window));
    ui.shMSModeFrame->SetPen(kModeBlue, 2);
    SetAlign(ui.shMSModeFrame, Align::Client);
    QWidget* p = ui.pMSMode;

    ui.rbSlaveOnPort0 = MakeModeButton(
        p, "rbSlaveOnPort0", QString::fromLatin1(Caption::InstallationModes[0]), 0, 14, true);
    ui.rbSlaveOnPort0->setChecked(true);
    ui.lSingleLabel = MakeExplanation(
        p, "lSingleLabel",
        QStringLiteral("Select this option if you are using a single Vantor 12 or when the "
                       "Vantor 12 which you are connected to is the SLAVE unit in the "
                       "Master/Slave installation using two Vantor 12s. This is the default "
                       "mode."),
        36, 44);
    ui.rbSlaveOnPort1 = MakeModeButton(
        p, "rbSlaveOnPort1", QString::fromLatin1(Caption::InstallationModes[1]), 1, 84, false);
    ui.rbSlaveOnPort1->hide();
    ui.rbSlaveOnPort2 = MakeModeButton(
        p, "rbSlaveOnPort2", QString::fromLatin1(Caption::InstallationModes[2]), 2, 110, true);
    ui.Label42 = MakeExplanation(
        p, "Label42",
        QStringLiteral("Set this option only for the MASTER unit (see schematic) which is "
                       "connected to the Windows PC. The SLAVE unit is connected via RS485 cable "
                       "to the MASTER unit; you don\u2019t need to change the SLAVE unit mode - "
                       "leave the default settings."),
        132, 44);
    ui.rbVFD_OnPort2 = MakeModeButton(
        p, "rbVFD_OnPort2", QString::fromLatin1(Caption::InstallationModes[3]), 3, 186, true);
    ui.rbVFD_OnPort2->hide();
    ui.lSingleWithVFDonRS485 = MakeExplanation(
        p, "lSingleWithVFDonRS485",
        QStringLiteral("Select this option if you are using a single Vantor 12 with an Durvik "
                       "Torvex variable frequency drive based on the ABB ACS880 (produced "
                       "starting December 2016). The Torvex is connected to the Vantor 12 via "
                       "simple RS485 Modbus."),
        208, 44);
    ui.lSingleWithVFDonRS485->hide();
    for (QLabel* clickable : {ui.lSingleLabel, ui.Label42}) {
        clickable->setCursor(Qt::PointingHandCursor);
    }

    ui.lSaveReminder = Make<QLabel>(
        p, "lSaveReminder", QRect(12, 270, 420, 32),
        QStringLiteral("Remember to press \"Save to Vantor\" after you change the Vantor mode."));
    ui.lSaveReminder->setWordWrap(true);
    SetBold(ui.lSaveReminder);
    ui.BitBtn1 = Make<QPushButton>(p, "BitBtn1", QRect(12, 308, 200, 30),
                                   QStringLiteral("Reload from Vantor"));
    ui.bSave2 =
        Make<QPushButton>(p, "bSave2", QRect(222, 308, 200, 30), QStringLiteral("Save to Vantor"));

    ui.Panel25 =
        MakePanel(p, "Panel25", QRect(444, 11, 526, kModeFrameHeight - kPictureHeightAllowance));
    SetBackground(ui.Panel25, kFigureGrey);
    ui.Panel25->setContentsMargins(2, 2, 2, 2);
    ui.imMasterSlave = Make<QLabel>(ui.Panel25, "imMasterSlave", QRect(2, 2, 522, 444));
    SetBackground(ui.imMasterSlave, Qt::white);
    ui.imMasterSlave->setScaledContents(true);
    ui.imMasterSlave->setPixmap(ProgramBitmap(QStringLiteral("MS_SINGLE")));
    SetAlign(ui.imMasterSlave, Align::Client);
}
