#include "link/owed_answers.h"

#include "link/rtu_codec.h"

#include <algorithm>

namespace {
constexpr int kKeyHeader = 6;

} // namespace

RequestKey RequestKey::Of(const uint8_t* frame, int length) {
    RequestKey key;
    std::copy_n(frame, kKeyHeader, key.bytes.begin());
    key.bytes[6] = frame[length - 2];
    key.bytes[7] = frame[length - 1];
    return key;
}

// An exception answer does not count: it says nothing of which request it answers.
bool RequestKey::FitsAnswer(const uint8_t* answer, int length) const {
    const uint8_t function = bytes[1];
    if (length < 5 || answer[1] != function || (rtu::IsWrite(function) && length < kKeyHeader))
        return false;
    return rtu::MayAnswer(bytes, {answer, static_cast<size_t>(length)});
}

bool RequestKey::AnswersLookAlike(const RequestKey& other) const {
    const uint8_t function = bytes[1];
    if (other.bytes[1] != function)
        return false;
    if (rtu::IsRead(function))
        return bytes[5] == other.bytes[5];
    if (rtu::IsWrite(function))
        return std::equal(bytes.begin() + 2, bytes.begin() + kKeyHeader, other.bytes.begin() + 2);
    return true;
}

void OwedAnswers::Add(const RequestKey& key, uint32_t sentAt) {
    // A full list gives up its oldest: long past the time its answer could come.
    Entry* slot = &entries_[0];
    for (Entry& entry : entries_) {
        if (!entry.owed) {
            slot = &entry;
            break;
        }
        if (entry.sentAt - slot->sentAt > 0x80000000u)
            slot = &entry;
    }
    *slot = Entry{key, sentAt, true};
}

const OwedAnswers::Entry* OwedAnswers::OldestLike(const RequestKey& like, uint32_t now) const {
    const Entry* oldest = nullptr;
    for (const Entry& entry : entries_)
        if (Live(entry, now) && entry.key.AnswersLookAlike(like) &&
            (!oldest || now - entry.sentAt > now - oldest->sentAt))
            oldest = &entry;
    return oldest;
}

const OwedAnswers::Entry* OwedAnswers::OldestAnsweredBy(const uint8_t* answer, int length,
                                                        uint32_t now) const {
    const Entry* oldest = nullptr;
    for (const Entry& entry : entries_)
        if (Live(entry, now) && entry.key.FitsAnswer(answer, length) &&
            (!oldest || now - entry.sentAt > now - oldest->sentAt))
            oldest = &entry;
    return oldest;
}

uint32_t OwedAnswers::Resolve(const Entry* entry, uint32_t at) {
    Entry& owed = entries_[static_cast<size_t>(entry - entries_.data())];
    owed.owed = false;
    return at - owed.sentAt;
}

bool OwedAnswers::LastSentLike(const RequestKey& like, uint32_t now, uint32_t* sentAt) const {
    bool found = false;
    for (const Entry& entry : entries_)
        if (Live(entry, now) && !(entry.key == like) && entry.key.AnswersLookAlike(like) &&
            (!found || now - entry.sentAt < now - *sentAt)) {
            *sentAt = entry.sentAt;
            found = true;
        }
    return found;
}
