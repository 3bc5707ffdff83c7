#pragma once
// Errors that nothing below the event loop catches end here: shown to the user, and the
// loop goes on. Every entry point from the event loop into our code runs guarded.

#include <QString>
#include <exception>
#include <functional>

using UncaughtErrorHandler = std::function<void(const QString& text)>;

void SetUncaughtErrorHandler(UncaughtErrorHandler handler);
void ReportUncaughtError(const QString& text);

template <typename Action> void RunGuarded(Action&& action) {
    try {
        action();
    } catch (const std::exception& e) {
        ReportUncaughtError(QString::fromUtf8(e.what()));
    } catch (...) {
        ReportUncaughtError(QStringLiteral("Unknown error"));
    }
}
