// Screenshots of the running program: the window is created as vt12set creates it, left to
// talk to whatever simulator VT12_PORT_DIR points at, and each page is saved as a PNG.
// Usage: vt12shots OUT-DIR WAIT-MS PREFIX [program arguments...]
// With VT12_SHOTS_TEST_MODE set, test mode is switched on with every gate in use open and the
// fan running before the pages are taken; with VT12_SHOTS_TRAFFIC set, the traffic monitor is
// opened at once and taken last; with VT12_SHOTS_CHANGES set, a fan delay, a gate's delay and a
// name are edited once the settings are read, and the pending changes are opened and taken last;
// with VT12_SHOTS_TRENDS set to a number of seconds, the trends window is opened at once and
// taken last, no sooner than that many seconds after the start. With VT12_SHOTS_SAVE set, the
// fan on delay is raised by one and "Save to Vantor" clicked half way to the first page, and the
// pending changes opened a few seconds later. VT12_SHOTS_PAGES, a comma-separated list of page
// names (tsManual, tsSettings, ...), takes only those pages; with VT12_SHOTS_SCREEN set, the
// whole screen is taken just before the pages, the extra windows in front.

#include "monitor/gate_table_display.h"
#include "window/gate_grid.h"
#include "window/main_window.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>

namespace {
constexpr qint64 kPaintMs = 2000;

// The trends window gathers its curves while the pages are taken, and as long as asked after.
void TakeTrendsLast(TfVT12SetAppMain& window, const QString& path, const QElapsedTimer& started) {
    auto* trends = window.findChild<QWidget*>(QStringLiteral("fTrends"));
    if (!trends) {
        window.close();
        return;
    }
    trends->raise();
    const qint64 dueMs = qEnvironmentVariableIntValue("VT12_SHOTS_TRENDS") * 1000LL;
    QTimer::singleShot(std::max<qint64>(dueMs - started.elapsed(), kPaintMs), &window,
                       [&window, trends, path] {
                           trends->grab().save(path);
                           trends->close();
                           window.close();
                       });
}
} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QApplication app(argc, argv);
    QStringList arguments = QApplication::arguments();
    if (arguments.size() < 4) {
        qWarning("usage: vt12shots OUT-DIR WAIT-MS PREFIX [program arguments...]");
        return 2;
    }
    const QDir out(arguments[1]);
    const int waitMs = arguments[2].toInt();
    const QString prefix = arguments[3];
    TfVT12SetAppMain window(arguments.mid(4));
    window.show();
    // Each page gets time to paint (the help browser renders on its own) and is then taken
    // from the screen, so the browser's content is in the picture too. The pages are taken in
    // the normal window, maximized, and restored again with the enlarged layout.
    const QStringList passes{QString(), QStringLiteral("_maximized"), QStringLiteral("_enlarged")};
    int pass = 0;
    int page = -1;
    QElapsedTimer started;
    started.start();
    QTimer next;
    QObject::connect(&next, &QTimer::timeout, &window, [&] {
        QTabWidget* pages = window.ui.pcPages;
        if (page >= 0) {
            const QString name = pages->widget(page)->objectName();
            window.screen()
                ->grabWindow(window.winId())
                .save(out.filePath(prefix + "_" + name + passes[pass] + ".png"));
        }
        const QStringList only =
            qEnvironmentVariable("VT12_SHOTS_PAGES").split(u',', Qt::SkipEmptyParts);
        do
            ++page;
        while (page < pages->count() &&
               (!pages->isTabVisible(page) ||
                (!only.isEmpty() && !only.contains(pages->widget(page)->objectName()))));
        if (page >= pages->count()) {
            if (++pass == passes.size()) {
                if (auto* traffic = window.findChild<QWidget*>(QStringLiteral("fTraffic")))
                    traffic->grab().save(out.filePath(prefix + "_fTraffic.png"));
                if (auto* changes = window.findChild<QWidget*>(QStringLiteral("fChanges")))
                    changes->grab().save(out.filePath(prefix + "_fChanges.png"));
                TakeTrendsLast(window, out.filePath(prefix + "_fTrends.png"), started);
                return;
            }
            page = -1;
            if (pass == 1)
                window.showMaximized();
            else
                window.showNormal();
            next.start(2000);
            return;
        }
        pages->setCurrentIndex(page);
        next.start(1000);
    });
    next.setSingleShot(true);
    next.start(waitMs);
    if (qEnvironmentVariableIsSet("VT12_SHOTS_TRAFFIC"))
        window.ui.bTrafficMonitor->click();
    if (qEnvironmentVariableIsSet("VT12_SHOTS_TRENDS")) {
        window.ui.bTrends->click();
        // The pages are taken from the screen: once shown, it goes behind the main window.
        auto* trends = window.findChild<QWidget*>(QStringLiteral("fTrends"));
        QTimer::singleShot(kPaintMs, trends, [trends] { trends->lower(); });
    }
    if (qEnvironmentVariableIsSet("VT12_SHOTS_TEST_MODE")) {
        QTimer::singleShot(waitMs / 2, &window, [&window] {
            window.ui.bTestOn->click();
            window.ui.bOpenAll->click();
            window.ui.bFanRun->click();
        });
    }
    if (qEnvironmentVariableIsSet("VT12_SHOTS_CHANGES")) {
        QTimer::singleShot(waitMs / 2, &window, [&window] {
            QLineEdit* onDelay = window.ui.eOnDelay;
            onDelay->setText(QString::number(onDelay->text().toInt() + 1));
            QAbstractItemModel* gates = window.ui.gData->model();
            gates->setData(gates->index(2, ColDelayOff), QStringLiteral("8.5"), Qt::EditRole);
            const QModelIndex name = gates->index(1, ColName);
            gates->setData(name, name.data().toString() + QStringLiteral(" 2"), Qt::EditRole);
            window.ui.bShowChanges->click();
        });
    }
    if (qEnvironmentVariableIsSet("VT12_SHOTS_SCREEN")) {
        // The whole screen before the pages: where the extra windows opened and how they fit.
        // They are raised, given time to paint, taken, and put back behind the main window.
        const QStringList extras{QStringLiteral("fTraffic"), QStringLiteral("fChanges"),
                                 QStringLiteral("fTrends")};
        QTimer::singleShot(std::max(0, waitMs - 800), &window, [&window, extras] {
            for (const QString& name : extras)
                if (auto* extra = window.findChild<QWidget*>(name))
                    extra->raise();
        });
        QTimer::singleShot(std::max(0, waitMs - 100), &window, [&window, extras, &out, prefix] {
            window.screen()->grabWindow(0).save(out.filePath(prefix + "_screen.png"));
            for (const QString& name : extras)
                if (auto* extra = window.findChild<QWidget*>(name))
                    extra->lower();
        });
    }
    if (qEnvironmentVariableIsSet("VT12_SHOTS_SAVE")) {
        QTimer::singleShot(waitMs / 2, &window, [&window] {
            window.ui.pcPages->setCurrentWidget(window.ui.tsSettings);
            QLineEdit* onDelay = window.ui.eOnDelay;
            onDelay->setText(QString::number(onDelay->text().toInt() + 1));
            window.ui.bSave->click();
        });
        QTimer::singleShot(waitMs / 2 + 4000, &window, [&window] {
            window.ui.bShowChanges->click();
            // Taken from the screen with the pages: it waits behind the main window.
            auto* changes = window.findChild<QWidget*>(QStringLiteral("fChanges"));
            QTimer::singleShot(kPaintMs, changes, [changes] { changes->lower(); });
        });
    }
    return QApplication::exec();
}
