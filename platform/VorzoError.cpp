#include "VorzoError.h"

VorzoError VorzoError::cannotCreate(const QString &path)
{
    return VorzoError(QStringLiteral("ファイル %1 を作成できません").arg(path), Id::CannotCreate, path);
}

VorzoError VorzoError::cannotOpen(const QString &path)
{
    return VorzoError(QStringLiteral("ファイル %1 は開けません").arg(path), Id::CannotOpen, path);
}

VorzoError VorzoError::cannotWrite(const QString &path)
{
    return VorzoError(QStringLiteral("%1 に書き込めません").arg(path), Id::CannotWrite, path);
}

QString errorBoxText(const QString &message)
{
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
}
