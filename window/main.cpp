#include "core/application_title.h"
#include "core/command_line.h"
#include "core/no_qt_settings.h"
#include "core/path_bytes.h"
#include "core/uncaught_error.h"
#include "platform/privileges.h"
#include "window/close_on_signal.h"
#include "window/main_window.h"

#include <QApplication>
#include <QMessageBox>
#include <QTextStream>

namespace {
// Shown without blocking: the link goes on while the message is up.
void showError(const QString& text) {
    auto* box = new QMessageBox(QMessageBox::Critical, ApplicationTitle(), text, QMessageBox::Ok,
                                QApplication::activeWindow());
    // Paths and texts from files or the unit are shown as they are, never as markup.
    box->setTextFormat(Qt::PlainText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    box->show();
}
} // namespace

int main(int argc, char* argv[]) {
    // Answered before any window exists, so they work without a display.
    QStringList rawArguments;
    for (int i = 0; i < argc; ++i)
        rawArguments.append(QString::fromLocal8Bit(argv[i]));
    if (const auto text = InformationRequest(rawArguments, QStringLiteral(VT12_VERSION))) {
        QTextStream(stdout) << *text;
        return 0;
    }
    // The help browser's sandbox cannot run as root.
    if (RunsAsSuperuser())
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vt12set"));
    SetApplicationTitle(QStringLiteral("Durvik Vantor 12 Setup and Monitoring"));
    SetUncaughtErrorHandler(showError);
    KeepNoQtSettings();

    // A trace file's name keeps its bytes, UTF-8 or not.
    QStringList arguments = ProgramArguments(argc, argv);
    arguments.removeFirst();
    TfVT12SetAppMain window(arguments);
    CloseOnTerminationSignals(&window);
    window.show();
    return QApplication::exec();
}
