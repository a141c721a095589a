#pragma once
#include <QString>
#include <exception>

// The one error type the program raises for anything a user should read. Its text follows the
// message conventions: a leading "%" marks a user-facing error (stop icon), "!" a warning.
class ZunError : public std::exception {
public:
    explicit ZunError(QString text) : text_(std::move(text)), utf8_(text_.toUtf8()) {}
    const QString& Text() const { return text_; }
    const char* what() const noexcept override { return utf8_.constData(); }

private:
    QString text_;
    QByteArray utf8_;
};
