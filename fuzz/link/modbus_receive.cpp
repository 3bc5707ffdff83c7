// The Modbus client fed any bytes in any chunks after any request kind, on a fake clock: every
// request ends in a result, and a frame reported good carries its CRC and answers the request.

#include "link/modbus_client.h"
#include "link/rtu_codec.h"
#include "tests/support/fake_time_base.h"

#include <algorithm>
#include <cstdlib>

namespace {

// The fuzzer's bytes, taken one by one; zeros once they run out.
class Script {
public:
    Script(const uint8_t* data, size_t size) : data_(data), left_(size) {}
    bool More() const { return left_ > 0; }
    uint8_t Byte() {
        if (left_ == 0)
            return 0;
        --left_;
        return *data_++;
    }
    uint16_t Word() {
        const uint8_t high = Byte();
        return static_cast<uint16_t>(high << 8 | Byte());
    }
    // Up to count bytes, fewer when the script ends.
    int Take(uint8_t* out, int count) {
        const int taken = static_cast<int>(std::min<size_t>(left_, static_cast<size_t>(count)));
        std::copy_n(data_, taken, out);
        data_ += taken;
        left_ -= static_cast<size_t>(taken);
        return taken;
    }

private:
    const uint8_t* data_;
    size_t left_;
};

constexpr uint8_t kSlave = 5;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FakeTimeBase time;
    TModbusClient client(time);
    int sent = 0;
    int results = 0;
    rtu::Frame request{};
    int requestLength = 0;
    client.OnSend = [&](const uint8_t* frame, int length) {
        ++sent;
        if (length < 8 || length > 256)
            std::abort();
        std::copy_n(frame, length, request.begin());
        requestLength = length;
    };
    client.OnResult = [&](TModbusResult& result) {
        ++results;
        if (result.Status == mrNone)
            std::abort();
        if (result.Status != mrOK)
            return;
        // A whole frame followed by its own CRC has a CRC of zero.
        const int length = client.ExpectedLength();
        if (rtu::Count_CRC(result.Frame.data(), length) != 0 ||
            !rtu::MayAnswer({request.data(), static_cast<size_t>(requestLength)},
                            {result.Frame.data(), static_cast<size_t>(length)}))
            std::abort();
    };

    Script script(data, size);
    const uint8_t words[256] = {};
    uint8_t chunk[512];
    while (script.More()) {
        const uint8_t op = script.Byte();
        switch (op % 8) {
        case 0: {
            const uint16_t start = script.Word();
            client.ReadHoldingRegisters(kSlave, start, script.Byte());
            break;
        }
        case 1: {
            const uint16_t start = script.Word();
            client.ReadInputRegisters(kSlave, start, script.Byte());
            break;
        }
        case 2: {
            const uint16_t start = script.Word();
            client.WriteMultipleRegisters(kSlave, start, words, script.Byte());
            break;
        }
        case 3: {
            const uint16_t a = script.Word();
            const uint16_t b = script.Word();
            client.SendCommand101(kSlave, a, b, script.Word());
            break;
        }
        case 4: {
            const uint16_t start = script.Word();
            client.WriteFirmwareChunk(kSlave, start, words, script.Byte() % 128);
            break;
        }
        case 5:
        case 6: {
            // Now and then more than the client's 256-byte buffer.
            const int length = script.Take(chunk, script.Byte() + (op & 0x80 ? 256 : 0));
            client.ReceiveBytes(chunk, length);
            break;
        }
        default:
            time.Advance(script.Byte() * 4u);
            break;
        }
    }
    // Long enough for a request held back behind an owed answer, then for its longest timeout.
    time.Advance(3 * OwedAnswers::kLatestAnswerMs);
    if (client.IsBusy() || results < sent)
        std::abort();
    return 0;
}
