#pragma once

#include <QString>
#include <exception>

// Base of the program's exceptions: a message the user may read.
class Exception : public std::exception {
public:
    explicit Exception(QString message) : m_message(std::move(message)), m_utf8(m_message.toUtf8()) {}
    const QString &Message() const { return m_message; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};

// An error raised knowingly by the program, with the place it was raised.
class EVxException : public Exception {
public:
    EVxException(QString message, QString raisedIn) : Exception(std::move(message)), m_raisedIn(std::move(raisedIn)) {}
    const QString &RaisedIn() const { return m_raisedIn; }

private:
    QString m_raisedIn;
};

// The database refused a statement or a connection; the message is the engine's.
class EDatabaseError : public Exception {
public:
    using Exception::Exception;
};

// A text that does not convert to the asked type (a setting read as a number, say).
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

// Message of any exception, for the failure texts.
inline QString ExceptionMessage(const std::exception &e)
{
    if (auto *own = dynamic_cast<const Exception *>(&e))
        return own->Message();
    return QString::fromUtf8(e.what());
}
