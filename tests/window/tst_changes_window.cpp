// The pending changes window follows the edits live and empties when the controller holds them.

#include "tests/support/offline_window.h"
#include "tests/support/register_replies.h"
#include "tests/support/test_registry.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

namespace {

// What a verifying read brings back after a save: the edited block.
template <typename Block>
void ReadBack(ControllerSession& session, BlockId id, const Block& block) {
    const auto bytes = WireView(block);
    session.OnSettingsRead(id, replyOf(Bytes(bytes.begin(), bytes.end())));
}

void ReadBackAll(ControllerSession& session) {
    const ControllerImages& images = session.Images();
    ReadBack(session, BlockId::GateSettings, images.GateSettings.Edited);
    ReadBack(session, BlockId::GateNames, images.GateNames.Edited);
    ReadBack(session, BlockId::SystemSettings, images.SystemSettings.Edited);
    ReadBack(session, BlockId::VacuumSettings, images.VacuumSettings.Edited);
}

QStringList Rows(const QTableView& table) {
    QStringList rows;
    const QAbstractItemModel& model = *table.model();
    for (int row = 0; row < model.rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < model.columnCount(); ++column)
            cells << model.index(row, column).data().toString();
        rows << cells.join(u'|');
    }
    return rows;
}

} // namespace

class TestChangesWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void listsEditsLiveAndEmptiesOnVerifiedRead() {
        OfflineWindow offline;
        offline.Open();
        ControllerSession& session = offline.Session();
        session.OnFirmwareInfo(ControllerSession::FirmwarePart::First,
                               replyOf(textReply("VT12F05A")));
        // The images as the controls rebuild them, then as a controller holding them. Twice: the
        // slave's sensor range of 0 is shown as 20, which the next rebuild stores.
        for (const QString& delay : {QStringLiteral("1"), QStringLiteral("2")}) {
            offline.Ui().eOnDelay->setText(delay);
            ReadBackAll(session);
        }
        offline.Ui().bShowChanges->click();
        auto* window = offline.Window().findChild<QWidget*>(QStringLiteral("fChanges"));
        QVERIFY(window && window->isVisible());
        auto* table = window->findChild<QTableView*>(QStringLiteral("gChanges"));
        QVERIFY(table);
        QCOMPARE(Rows(*table), QStringList{});

        const QString name = session.Images().GateNames.Read.Names[1].Name();
        const QString onDelay = offline.Ui().eOnDelay->text();
        offline.Ui().eOnDelay->setText(QString::number(onDelay.toInt() + 2));
        QVERIFY(session.CommitGateCell(1, ColName, QStringLiteral("Planer 2")));
        QCOMPARE(Rows(*table), (QStringList{"gate names|Name of gate 2|" + name + "|Planer 2",
                                            "system settings|Fan On Delay [sec.]|" + onDelay + '|' +
                                                QString::number(onDelay.toInt() + 2)}));

        ReadBackAll(session);
        QCOMPARE(Rows(*table), QStringList{});
    }
};

VT12_TEST(TestChangesWindow, TestApplication::Window)
#include "tst_changes_window.moc"
