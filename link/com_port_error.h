#pragma once
// The serial channel's failures, carrying their fixed texts.

#include <QString>
#include <stdexcept>

class ComPortError : public std::runtime_error {
public:
    explicit ComPortError(const QString& text)
        : std::runtime_error(text.toStdString()), text_(text) {}
    const QString& Text() const { return text_; }

private:
    QString text_;
};
