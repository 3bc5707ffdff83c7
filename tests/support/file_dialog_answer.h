#pragma once
// Answers a program's file dialog as a user would, for tests that press the buttons opening it.

#include <QFileDialog>
#include <QTimer>

// The dialog's next run chooses path; filters, when given, receives the filters it offered.
inline void AnswerFileDialog(QFileDialog* dialog, const QString& path,
                             QStringList* filters = nullptr) {
    QTimer::singleShot(0, dialog, [dialog, path, filters] {
        if (filters)
            *filters = dialog->nameFilters();
        dialog->selectFile(path);
        QMetaObject::invokeMethod(dialog, "accept");
    });
}
