#include "core/application_title.h"

namespace {
QString& title() {
    static QString instance;
    return instance;
}
} // namespace

void SetApplicationTitle(const QString& text) {
    title() = text;
}

QString ApplicationTitle() {
    return title();
}
