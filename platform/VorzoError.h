#pragma once
// The system's one error type. Core and platform code throw it with the exact
// Japanese message the user is to see; the handler adapter shows it in the
// error box, so a failure ends the running handler at the failing step.

#include <QString>
#include <exception>

class VorzoError : public std::exception
{
public:
    explicit VorzoError(QString message) : m_message(std::move(message)) {}
    const QString &message() const noexcept { return m_message; }
    const char *what() const noexcept override { return "VorzoError"; }

    static VorzoError cannotCreate(const QString &path);   // ファイル %s を作成できません
    static VorzoError cannotOpen(const QString &path);     // ファイル %s は開けません
    static VorzoError cannotWrite(const QString &path);    // %s に書き込めません

private:
    QString m_message;
};

// The error box's text: a "." is appended when the message's last character
// sorts after ".".
QString errorBoxText(const QString &message);
