#pragma once

#include <QString>
#include <exception>

namespace tamsoret {

// A failure carried to the one place that reports it: what failed, on what, and the
// system's reason. Everything that cannot go on throws one of these.
class Failure : public std::exception
{
public:
    Failure(QString what, QString on = {}, QString reason = {})
        : what_(std::move(what)), on_(std::move(on)), reason_(std::move(reason)),
          utf8_(message().toUtf8())
    {
    }
    const QString &whatFailed() const { return what_; }
    const QString &on() const { return on_; }
    const QString &reason() const { return reason_; }
    // The text of the message box: each part on its own line.
    QString message() const
    {
        QString text = what_;
        if (!on_.isEmpty())
            text += u'\r' + on_;
        if (!reason_.isEmpty())
            text += u'\r' + reason_;
        return text;
    }
    const char *what() const noexcept override { return utf8_.constData(); }

private:
    QString what_;
    QString on_;
    QString reason_;
    QByteArray utf8_;
};

// The entry tables could not grow.
class TooManyFiles : public std::exception
{
public:
    const char *what() const noexcept override { return "Too many files !!"; }
};

} // namespace tamsoret
