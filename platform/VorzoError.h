#pragma once
// The system's one error type. Core and platform code throw it with the exact
// Japanese message the user is to see; the handler adapter shows it in the
// error box, so a failure ends the running handler at the failing step.

#include <QString>
#include <exception>

class VorzoError : public std::exception
{
public:
    // Which message it is, for those that are told in other words elsewhere
    // (the companion's English); Other for any message said only as it is.
    enum class Id {
        Other,
        CannotCreate,       // ファイル %s を作成できません
        CannotOpen,         // ファイル %s は開けません
        CannotWrite,        // %s に書き込めません
        NoBitmapToDrawFrom, // ビットマップを持っている時のみイメージの変更が可能です
        UnknownPictureKind, // 拡張子 .%s の画像形式は処理できません
        InvalidBitmap,      // ビットマップイメージが不正です
        InvalidIcon,        // アイコンイメージが不正です
        InvalidMetafile,    // メタファイルが不正です
    };

    // `argument`: what the message names (a path, an extension), if anything.
    explicit VorzoError(QString message, Id id = Id::Other, QString argument = {})
        : m_message(std::move(message)), m_id(id), m_argument(std::move(argument))
    {
    }
    const QString &message() const noexcept { return m_message; }
    Id id() const noexcept { return m_id; }
    const QString &argument() const noexcept { return m_argument; }
    const char *what() const noexcept override { return "VorzoError"; }

    static VorzoError cannotCreate(const QString &path);
    static VorzoError cannotOpen(const QString &path);
    static VorzoError cannotWrite(const QString &path);

private:
    QString m_message;
    Id m_id;
    QString m_argument;
};

// The error box's text: a "." is appended when the message's last character
// sorts after ".".
QString errorBoxText(const QString &message);
