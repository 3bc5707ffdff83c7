#pragma once
// Requests that went without their answer while the unit may still send it: such an answer,
// arriving later, must never be taken for another request whose answer looks the same.

#include <array>
#include <cstdint>

// A request as the line knows it: its first six bytes and its CRC.
struct RequestKey {
    std::array<uint8_t, 8> bytes{};

    // frame: the whole request, CRC included (at least 8 bytes).
    static RequestKey Of(const uint8_t* frame, int length);
    // A whole answer (CRC included) that could be the one to this request.
    bool FitsAnswer(const uint8_t* answer, int length) const;
    // Answers to the two cannot be told apart: the same function and answer length, for a
    // write the same start and count.
    bool AnswersLookAlike(const RequestKey& other) const;
    bool operator==(const RequestKey&) const = default;
};

class OwedAnswers {
public:
    // Later than this after its request, no answer is expected any more.
    static constexpr uint32_t kLatestAnswerMs = 4000;

    struct Entry {
        RequestKey key;
        uint32_t sentAt = 0;
        bool owed = false;
    };

    void Clear() { entries_ = {}; }
    void Add(const RequestKey& key, uint32_t sentAt);
    // The oldest request still owed whose answer looks like one to like; nullptr for none.
    const Entry* OldestLike(const RequestKey& like, uint32_t now) const;
    // The oldest one still owed that the answer may belong to.
    const Entry* OldestAnsweredBy(const uint8_t* answer, int length, uint32_t now) const;
    // Its answer came at the given time: no longer owed. Returns the time the answer took.
    uint32_t Resolve(const Entry* entry, uint32_t at);
    // The last send among those still owed that asked something else than like, though their
    // answers look like one to like; false for none.
    bool LastSentLike(const RequestKey& like, uint32_t now, uint32_t* sentAt) const;

private:
    bool Live(const Entry& entry, uint32_t now) const {
        return entry.owed && now - entry.sentAt < kLatestAnswerMs;
    }

    std::array<Entry, 8> entries_{};
};

// How long the unit takes to answer, as it has shown: a slow unit gets the time it needs,
// a fast one the normal timeout again after a few answers.
class AnswerTime {
public:
    void Reset() {
        slowMs_ = 0;
        measured_ = false;
    }
    bool Measured() const { return measured_; }
    void Observe(uint32_t ms) {
        measured_ = true;
        if (ms >= slowMs_)
            slowMs_ = ms;
        else
            slowMs_ -= (slowMs_ - ms) / 4;
    }
    // Never beyond the latest answer expected at all.
    int AllowanceMs() const {
        const uint32_t allowance = slowMs_ + slowMs_ / 2 + kMarginMs;
        return static_cast<int>(
            allowance < OwedAnswers::kLatestAnswerMs ? allowance : OwedAnswers::kLatestAnswerMs);
    }

private:
    static constexpr uint32_t kMarginMs = 100;
    uint32_t slowMs_ = 0;
    bool measured_ = false;
};
