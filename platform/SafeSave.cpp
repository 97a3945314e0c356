#include "SafeSave.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Writes everything and pushes it to the disk; false at the first failure.
// (QSaveFile::commit of Qt 6.4 ignores a failed flush of its buffer: a full
// disk then leaves an empty file behind a report of success.)
bool writeWhole(QFileDevice &file, const QByteArray &bytes)
{
    return file.write(bytes) == bytes.size() && file.flush() && ::fsync(file.handle()) == 0;
}

// The permissions a new file gets from the user's umask.
QFileDevice::Permissions newFilePermissions()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    const mode_t mode = 0666 & ~mask;
    QFileDevice::Permissions permissions;
    const std::pair<mode_t, QFileDevice::Permission> bits[] = {
        {S_IRUSR, QFileDevice::ReadOwner}, {S_IWUSR, QFileDevice::WriteOwner},
        {S_IRGRP, QFileDevice::ReadGroup}, {S_IWGRP, QFileDevice::WriteGroup},
        {S_IROTH, QFileDevice::ReadOther}, {S_IWOTH, QFileDevice::WriteOther},
    };
    for (const auto &[bit, permission] : bits) {
        if (mode & bit)
            permissions |= permission;
    }
    return permissions;
}

bool writeInPlace(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && writeWhole(file, bytes);
}

} // namespace

void saveFileSafely(const QString &path, const QByteArray &bytes, VorzoError (*failure)(const QString &path))
{
    const QFileInfo target(path);
    const bool exists = target.exists();
    if (exists && (!target.isFile() || !target.isWritable() || !(target.permissions() & QFileDevice::WriteOwner)))
        throw failure(path);

    // A short name of our own beside the target, so that any name that
    // could be created can also be saved again.
    QTemporaryFile temporary(target.absolutePath() + QStringLiteral("/.vz-XXXXXX"));
    if (!temporary.open()) {
        // A folder where we may not create files (but the target is ours to
        // write): the target itself is written. Any other failure (a full
        // disk) must not touch it.
        if (exists && !QFileInfo(target.absolutePath()).isWritable() && writeInPlace(path, bytes))
            return;
        throw failure(path);
    }
    if (!temporary.setPermissions(exists ? target.permissions() : newFilePermissions())
        || !writeWhole(temporary, bytes))
        throw failure(path); // the temporary file removes itself
    temporary.close();
    if (std::rename(QFile::encodeName(temporary.fileName()).constData(), QFile::encodeName(path).constData()) != 0)
        throw failure(path);
    temporary.setAutoRemove(false);
}
