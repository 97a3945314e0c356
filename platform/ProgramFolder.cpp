#include "ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>

namespace ProgramFolder {
namespace {
QString overridden;

QString withSeparator(const QString &folder)
{
    const QString native = QDir::toNativeSeparators(folder);
    return native.endsWith(QDir::separator()) ? native : native + QDir::separator();
}
} // namespace

QString path()
{
    if (!overridden.isEmpty())
        return withSeparator(overridden);
    const QString given = qEnvironmentVariable("VORZO_PROGRAM_FOLDER");
    return withSeparator(given.isEmpty() ? QCoreApplication::applicationDirPath() : QDir(given).absolutePath());
}

void setOverride(const QString &folder)
{
    overridden = folder;
}

} // namespace ProgramFolder
