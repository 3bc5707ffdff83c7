#pragma once
// The pending changes: a window of its own beside the main window listing, live, every setting
// whose edited value differs from the controller's, in the words of the screens.

#include <QWidget>

class ChangesItemModel;
class ControllerSession;
class QLabel;
class QTableView;

class ChangesWindow : public QWidget {
public:
    ChangesWindow(const ControllerSession& session, QWidget* parent);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Refresh();

    const ControllerSession& session_;
    ChangesItemModel* rows_;
    QTableView* gChanges;
    QLabel* lChangesCount;
};
