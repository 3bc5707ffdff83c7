// Any reply taken as the counters of either unit, shown for a single unit and for a pair.

#include "data/controller_images.h"
#include "data/counter_lines.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ControllerImages images;
    const int length = static_cast<int>(std::min<size_t>(size, 256));
    images.StoreReply(BlockId::Counters, data, length);
    images.StoreReply(BlockId::SlaveCounters, data, length);
    for (const int mode : {0, 2}) {
        for (const bool expert : {false, true}) {
            const QStringList master =
                CounterLines(images.Counters, CounterPrefix(CounterMemo::Master, mode), expert);
            const QStringList slave =
                CounterLines(images.SlaveCounters, CounterPrefix(CounterMemo::Slave, mode), expert);
            if (master.size() != (expert ? 17 : 14) || slave.size() != master.size()) {
                std::abort();
            }
        }
    }
    return 0;
}
