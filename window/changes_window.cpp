#include "window/changes_window.h"

#include "core/uncaught_error.h"
#include "session/controller_session.h"
#include "window/changes_item_model.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QVBoxLayout>

ChangesWindow::ChangesWindow(const ControllerSession& session, QWidget* parent)
    : QWidget(parent, Qt::Window), session_(session) {
    setObjectName(QStringLiteral("fChanges"));
    setWindowTitle(QStringLiteral("Changes"));
    resize(640, 360);
    rows_ = new ChangesItemModel(this);
    gChanges = new QTableView(this);
    gChanges->setObjectName(QStringLiteral("gChanges"));
    gChanges->setModel(rows_);
    gChanges->verticalHeader()->hide();
    gChanges->verticalHeader()->setDefaultSectionSize(18);
    gChanges->horizontalHeader()->setStretchLastSection(true);
    gChanges->setSelectionBehavior(QAbstractItemView::SelectRows);
    gChanges->setWordWrap(false);
    for (const auto& [column, width] : {std::pair{0, 130}, {1, 250}, {2, 110}})
        gChanges->setColumnWidth(column, width);
    lChangesCount = new QLabel(this);
    lChangesCount->setTextFormat(Qt::PlainText);
    lChangesCount->setObjectName(QStringLiteral("lChangesCount"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(gChanges, 1);
    layout->addWidget(lChangesCount);

    // Every edit, file load, reload and verified save ends by showing the save state.
    connect(&session_, &ControllerSession::EditsCompared, this, [this] {
        if (isVisible())
            RunGuarded([this] { Refresh(); });
    });
}

void ChangesWindow::showEvent(QShowEvent* event) {
    Refresh();
    QWidget::showEvent(event);
}

void ChangesWindow::Refresh() {
    QList<SettingChange> changes =
        PendingChanges(session_.Images(), session_.Features(), session_.InstallationMode());
    QStringList lines{
        changes.isEmpty() ? QStringLiteral("Nothing differs from the controller's settings.")
        : changes.size() == 1
            ? QStringLiteral("1 setting differs from the controller's.")
            : QStringLiteral("%1 settings differ from the controller's.").arg(changes.size())};
    if (session_.SlavePartUnsaved())
        lines << QStringLiteral("The slave's gate settings and names cannot be written: no "
                                "slave unit answers.");
    for (const QString& field : session_.LoadCorrections())
        lines << QStringLiteral("Out of range in the file, bounded: ") + field;
    lChangesCount->setText(lines.join(u'\n'));
    rows_->SetChanges(std::move(changes));
}
