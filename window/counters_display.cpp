// The counters of both units on the SERVICE page.

#include "window/main_window.h"

#include <QPlainTextEdit>

void TfVT12SetAppMain::ShowCounters(CounterMemo memo) {
    const bool master = memo == CounterMemo::Master;
    const ControllerImages& images = session_->Images();
    const CountersBlock& counters = master ? images.Counters : images.SlaveCounters;
    QPlainTextEdit* text = master ? ui.mCtcs : ui.mCtcs24;
    text->setPlainText(
        CounterLines(counters, CounterPrefix(memo, session_->InstallationMode()), ExpertMode)
            .join(u'\n'));
    text->moveCursor(QTextCursor::Start);
}
