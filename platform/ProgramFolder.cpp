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
    return withSeparator(overridden.isEmpty() ? QCoreApplication::applicationDirPath() : overridden);
}

void setOverride(const QString &folder)
{
    overridden = folder;
}

} // namespace ProgramFolder
