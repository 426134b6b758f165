#pragma once

#include <QByteArray>
#include <QString>
#include <exception>

// The error raised by the program and its components; Message is what the user sees.
class Exception : public std::exception {
public:
    explicit Exception(QString message) : Message(std::move(message)), utf8_(Message.toUtf8()) {}
    const char* what() const noexcept override { return utf8_.constData(); }

    QString Message;

private:
    QByteArray utf8_;
};
