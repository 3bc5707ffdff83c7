#pragma once
// A text file read line by line, CR, LF or CR LF ending a line, keeping only the start of each
// line: a file of any size and any line length is read in fixed memory.

#include <QByteArray>
#include <QIODevice>

class TextLineReader {
public:
    TextLineReader(QIODevice& in, qsizetype keep) : in_(in), keep_(keep) {}

    // The next line, cut to `keep` characters; false at the end of the file or on a read error.
    bool Next(QByteArray& line);

private:
    bool Fill();

    QIODevice& in_;
    const qsizetype keep_;
    QByteArray block_;
    qsizetype pos_ = 0;
    bool afterCr_ = false;
};
