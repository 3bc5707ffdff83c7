#pragma once
// A text file read line by line, CR, LF or CR LF ending a line, in fixed memory: a line longer
// than the longest one wanted ends the reading there, so a file without line ends is never read
// whole.

#include <QByteArray>
#include <QIODevice>

class TextLineReader {
public:
    TextLineReader(QIODevice& in, qsizetype longest) : in_(in), longest_(longest) {}

    enum class Read { Line, End, TooLong };
    // The next line; End at the end of the file or on a read error, TooLong for a line of more
    // than `longest` characters, after which nothing more is read.
    Read Next(QByteArray& line);

private:
    bool Fill();

    QIODevice& in_;
    const qsizetype longest_;
    QByteArray block_;
    qsizetype pos_ = 0;
    bool afterCr_ = false;
};
