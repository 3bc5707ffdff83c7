#include "core/uncaught_error.h"
#include "link/com_port_error.h"
#include "session/guarded_time_base.h"

#include "tests/support/test_registry.h"

#include <QTest>

class TestUncaughtError : public QObject {
    Q_OBJECT
    QStringList shown;

private Q_SLOTS:
    void init() {
        shown.clear();
        SetUncaughtErrorHandler([this](const QString& text) { shown << text; });
    }

    void errorsReachTheHandler() {
        RunGuarded([] { throw ComPortError("ComPort - Read data error "); });
        RunGuarded([] { throw 42; });
        RunGuarded([] {});
        QCOMPARE(shown, (QStringList{"ComPort - Read data error ", "Unknown error"}));
    }

    void timerEventsGoOnAfterAnError() {
        GuardedTimeBase time;
        auto timer = time.CreateTimer();
        int fired = 0;
        timer->Expired = [&] {
            ++fired;
            throw ComPortError("ComPort - Write data error [requested: 8, free: 0] ");
        };
        timer->Start(1);
        QTRY_VERIFY(fired >= 2);
        timer->Stop();
        QCOMPARE(shown.first(),
                 QStringLiteral("ComPort - Write data error [requested: 8, free: 0] "));
    }
};

VT12_TEST(TestUncaughtError, TestApplication::Core)
#include "tst_uncaught_error.moc"
