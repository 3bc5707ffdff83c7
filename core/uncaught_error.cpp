#include "core/uncaught_error.h"

#include <QDebug>

namespace {
UncaughtErrorHandler& handler() {
    static UncaughtErrorHandler instance;
    return instance;
}
} // namespace

void SetUncaughtErrorHandler(UncaughtErrorHandler h) {
    handler() = std::move(h);
}

void ReportUncaughtError(const QString& text) {
    if (handler())
        handler()(text);
    else
        qWarning().noquote() << text;
}
