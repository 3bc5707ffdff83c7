// The counters of both units on the SERVICE page.

#include "app/main_window.h"

#include <QPlainTextEdit>

void TfVT12SetAppMain::OnCounters(CounterMemo memo, const RegisterData& reply) {
    const bool master = memo == CounterMemo::Master;
    Images.StoreReply(master ? BlockId::Counters : BlockId::SlaveCounters, reply.data,
                      reply.length);
    const CountersBlock& counters = master ? Images.Counters : Images.SlaveCounters;
    QPlainTextEdit* text = master ? ui.mCtcs : ui.mCtcs24;
    text->setPlainText(
        CounterLines(counters, CounterPrefix(memo, InstallationMode), ExpertMode).join(u'\n'));
    text->moveCursor(QTextCursor::Start);
}
