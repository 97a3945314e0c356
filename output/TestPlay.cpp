#include "TestPlay.h"

#include "platform/ProgramFolder.h"

#include <QDir>
#include <QUrl>

namespace TestPlay {

QString pagePath()
{
    return ProgramFolder::path() + QStringLiteral("TestPlay") + QDir::separator() + QStringLiteral("TestPlay.htm");
}

QString address()
{
    return QUrl::fromLocalFile(QDir::fromNativeSeparators(pagePath())).toString(QUrl::FullyEncoded);
}

} // namespace TestPlay
