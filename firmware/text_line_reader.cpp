#include "firmware/text_line_reader.h"

#include <algorithm>

namespace {
constexpr qint64 kBlockSize = 64 * 1024;

bool EndsLine(char c) {
    return c == '\r' || c == '\n';
}
} // namespace

bool TextLineReader::Fill() {
    block_.resize(kBlockSize);
    const qint64 read = in_.read(block_.data(), kBlockSize);
    block_.resize(std::max<qint64>(read, 0));
    pos_ = 0;
    return read > 0;
}

TextLineReader::Read TextLineReader::Next(QByteArray& line) {
    line.clear();
    bool started = false;
    for (;;) {
        if (pos_ == block_.size() && !Fill())
            return started ? Read::Line : Read::End;
        const char* begin = block_.constData() + pos_;
        const char* end = block_.constData() + block_.size();
        if (afterCr_) {
            afterCr_ = false;
            if (*begin == '\n') {
                ++pos_;
                continue;
            }
        }
        const char* stop = std::find_if(begin, end, EndsLine);
        if (line.size() + (stop - begin) > longest_)
            return Read::TooLong;
        line.append(begin, stop - begin);
        started = started || stop != begin;
        pos_ = stop - block_.constData();
        if (stop == end)
            continue;
        ++pos_;
        afterCr_ = *stop == '\r';
        return Read::Line;
    }
}
