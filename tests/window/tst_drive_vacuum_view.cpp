// The pressure panels and the VFD STATUS box as the session's polls and the link leave them.

#include "tests/support/offline_window.h"
#include "tests/support/register_replies.h"
#include "tests/support/status_bytes.h"
#include "tests/support/test_registry.h"
#include "widgets/led_bits.h"
#include "widgets/shape.h"
#include "window/main_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTemporaryDir>

namespace {
// Registers high byte first; 16 of them for the drive, 16 for a status block.
Bytes Registers(std::initializer_list<std::pair<int, uint16_t>> registers) {
    Bytes bytes(32, 0);
    for (const auto& [k, value] : registers) {
        bytes[size_t(2 * k)] = uint8_t(value >> 8);
        bytes[size_t(2 * k + 1)] = uint8_t(value);
    }
    return bytes;
}

// A status poll of a unit with the given hardware version and pressure input.
Bytes Status(uint8_t hardware, uint16_t input) {
    Bytes bytes = Registers({{13, input}});
    bytes[status_bytes::kHardwareVersion] = hardware;
    return bytes;
}

void Click(QWidget* label) {
    const QPointF at(2, 2);
    QMouseEvent press(QEvent::MouseButtonPress, at, label->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, label->mapToGlobal(at), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(label, &press);
    QApplication::sendEvent(label, &release);
}

QColor Background(const QWidget* widget) {
    return widget->palette().color(QPalette::Window);
}

QColor Text(const QWidget* widget) {
    return widget->palette().color(QPalette::WindowText);
}
} // namespace

class TestDriveVacuumView : public QObject {
    Q_OBJECT
    OfflineWindow offline;

    ControllerSession& session() { return offline.Session(); }
    MainWindowUi& ui() { return offline.Ui(); }

    void identify(const char* text) {
        session().OnFirmwareInfo(ControllerSession::FirmwarePart::First, replyOf(textReply(text)));
    }

private Q_SLOTS:
    void init() { offline.Open(false); }
    void cleanup() { offline.Close(); }

    void vacuumFollowsPollsEntriesAndLink() {
        identify("VT12F05A");
        ui().eCurrInpRng->setText(QStringLiteral("3000"));
        ui().eCurrInpWarning->setText(QStringLiteral("2000"));
        session().OnStatusPoll(replyOf(Status(4, 909)));
        QCOMPARE(ui().lCurrentInputValue->text(), QStringLiteral("3000"));
        QCOMPARE(Background(ui().pCurrInpValueBg), QColor(191, 0, 0));
        QCOMPARE(Text(ui().lCurrentInputValue), QColor(255, 255, 0));

        // The range as typed, not as stored, sets the scale.
        ui().eCurrInpRng->setText(QStringLiteral("20"));
        session().OnStatusPoll(replyOf(Status(4, 545)));
        QCOMPARE(ui().lCurrentInputValue->text(), QStringLiteral("10.0"));
        QCOMPARE(Background(ui().pCurrInpValueBg), QColor(128, 128, 128));

        // A unit without a pressure input leaves the figure alone.
        session().OnStatusPoll(replyOf(Status(3, 170)));
        QCOMPARE(ui().lCurrentInputValue->text(), QStringLiteral("10.0"));

        session().SetLinkState(false);
        QCOMPARE(ui().lCurrentInputValue->text(), QStringLiteral("--"));
        QCOMPARE(Text(ui().lCurrentInputValue), QColor(192, 192, 192));
        QVERIFY(ui().imPressureError->isHidden());
    }

    void errorIconOnlyWithAnErrorLevel_data() {
        QTest::addColumn<QByteArray>("firmware");
        QTest::addColumn<bool>("icon");
        QTest::newRow("F04A, level 0 below the input") << QByteArray("VT12F04A") << true;
        QTest::newRow("F03K has none") << QByteArray("VT12F03K") << false;
    }
    void errorIconOnlyWithAnErrorLevel() {
        QFETCH(QByteArray, firmware);
        QFETCH(bool, icon);
        identify(firmware.constData());
        session().OnStatusPoll(replyOf(Status(4, 545)));
        QCOMPARE(!ui().imPressureError->isHidden(), icon);
    }

    void slaveFigureInMasterInstallation() {
        identify("VT12F05A");
        Bytes system(28, 0);
        system[20] = kInstallationMasterSlave;
        session().OnSettingsRead(BlockId::SystemSettings, replyOf(system));
        ui().eCurrInpRngS->setText(QStringLiteral("3000"));
        Bytes master = Status(4, 175);
        master[15] = 30; // the slave answers
        session().OnStatusPoll(replyOf(master));
        session().OnSlaveStatusPoll(replyOf(Status(4, 175)));
        session().OnStatusPoll(replyOf(master));
        // The master shows zero in its own range's decimals.
        QCOMPARE(ui().lCurrentInputValue->text().toDouble(), 0.0);
        QCOMPARE(ui().lCurrentInputValueS->text(), QStringLiteral("-25"));
    }

    void driveBoxBubbleAndRawData() {
        const Bytes running = Registers({{0, 0x0003},
                                         {1, 513},
                                         {6, 0x047F},
                                         {7, 20000},
                                         {8, 0x0000},
                                         {9, 0x1337},
                                         {10, 10000},
                                         {12, 75}});
        session().OnDriveStatusPoll(replyOf(running));
        QCOMPARE(ui().lVFD_StatusText->text(), QStringLiteral("RUNNING"));
        QCOMPARE(ui().sVFD_StatusLED->BrushColor(), QColor(0, 255, 0));
        // 25.65 Hz, half a tenth to the even neighbour.
        QCOMPARE(ui().lVFD_Frequency->text(), QStringLiteral("25.6"));
        QCOMPARE(ui().lVfdPower->text(), QStringLiteral("7.5"));
        QCOMPARE(Background(ui().lVfdBits_Manual), QColor(128, 128, 128));
        QCOMPARE(Background(ui().lVfdBits_Security), QColor(255, 0, 0));
        QCOMPARE(ui().lbCW->LedBitsValue(), 0x047Fu);
        QCOMPARE(ui().lbSW->LedBitsValue(), 0x1337u);
        QVERIFY(ui().lRawVfdData->text().startsWith(QStringLiteral("0003 0201 0000")));
        // The closed bubble does not follow the drive.
        const QString before = ui().lVfdFrequencyRef->text();
        QVERIFY(before != QStringLiteral("51.3 Hz "));

        Click(ui().lMoreAboutVFD);
        QVERIFY(!ui().pMoreAboutVfd->isHidden());
        const QWidget* page = ui().pMoreAboutVfd->parentWidget();
        const int linkMiddle =
            ui().lMoreAboutVFD->mapTo(page, QPoint(0, ui().lMoreAboutVFD->height() / 2)).y();
        QCOMPARE(ui().pMoreAboutVfd->y() + 94, linkMiddle);
        QCOMPARE(ui().pMoreAboutVfd->geometry().right() + 1,
                 ui().pVFD_Status->mapTo(page, QPoint(0, 0)).x());
        QCOMPARE(ui().lVfdFrequencyRef->text(), before);
        session().OnDriveStatusPoll(replyOf(running));
        QCOMPARE(ui().lVfdFrequencyRef->text(), QStringLiteral("51.3 Hz "));
        QCOMPARE(ui().lVfdMaxFrequency->text(), QStringLiteral("51.3 Hz "));

        Click(ui().lVfdMaxFrequency);
        QVERIFY(!ui().pRawVfdData->isHidden());
        // Neither floating panel hides the other or the link that opened them.
        const QRect raw = ui().pRawVfdData->geometry();
        QVERIFY(!raw.intersects(ui().pMoreAboutVfd->geometry()));
        QVERIFY(!raw.intersects(
            QRect(ui().lMoreAboutVFD->mapTo(page, QPoint()), ui().lMoreAboutVFD->size())));
        QVERIFY(page->rect().contains(raw));
        Click(ui().lVfdMaxFrequency);
        QVERIFY(ui().pRawVfdData->isHidden());
        Click(ui().lVfdMaxFrequency);
        Click(ui().lMoreAboutVFD);
        QVERIFY(ui().pMoreAboutVfd->isHidden());
        QVERIFY(ui().pRawVfdData->isHidden());

        // The controller has lost its drive.
        session().OnDriveStatusPoll(replyOf(Registers({{0, 0x0002}, {1, 513}})));
        QCOMPARE(ui().lVFD_StatusText->text(), QStringLiteral("Comm. Error"));
        QCOMPARE(ui().lVfdPower->text(), QStringLiteral("???"));
        QCOMPARE(Background(ui().lVfdBits_Enable), QColor(128, 128, 128));
    }
};

VT12_TEST(TestDriveVacuumView, TestApplication::Window)
#include "tst_drive_vacuum_view.moc"
