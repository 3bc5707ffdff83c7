// A gateway's byte stream, any bytes in any pieces, through the MBAP assembler: every frame it
// passes on converts to an RTU frame with a good CRC and back to the same MBAP frame.

#include "link/mbap_codec.h"
#include "link/rtu_codec.h"

#include <algorithm>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    mbap::Assembler assembler;
    size_t at = 0;
    while (at < size) {
        // The first byte of each piece sets its length.
        const size_t piece = std::min<size_t>(1 + data[at] % 64, size - at - 1);
        ++at;
        for (size_t taken = 0; taken < piece;) {
            taken += static_cast<size_t>(
                assembler.Append(data + at + taken, static_cast<int>(piece - taken)));
            while (assembler.Next() == mbap::Assembler::Step::Frame) {
                uint8_t rtu[mbap::kLongestRtu];
                const int length = mbap::MbapToRtu(assembler.Front(), assembler.FrontLength(), rtu);
                if (length != assembler.FrontLength() - 4 || rtu::Count_CRC(rtu, length) != 0)
                    std::abort();
                uint8_t again[mbap::kLongestFrame];
                const int framed =
                    mbap::RtuToMbap(rtu, length, mbap::Transaction(assembler.Front()), again);
                if (framed != assembler.FrontLength() ||
                    !std::equal(again, again + framed, assembler.Front()))
                    std::abort();
                assembler.Pop();
            }
        }
        at += piece;
    }
    return 0;
}
