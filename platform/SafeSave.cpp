#include "SafeSave.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
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
        {S_IRUSR, QFileDevice::ReadOwner},  {S_IWUSR, QFileDevice::WriteOwner}, {S_IRGRP, QFileDevice::ReadGroup},
        {S_IWGRP, QFileDevice::WriteGroup}, {S_IROTH, QFileDevice::ReadOther},  {S_IWOTH, QFileDevice::WriteOther},
    };
    for (const auto &[bit, permission] : bits) {
        if (mode & bit)
            permissions |= permission;
    }
    return permissions;
}

// Repeats a positioned read or write (`step`, given the bytes done so far)
// until `size` bytes have gone through; false at the first failure.
template <typename Step> bool allOf(qsizetype size, Step step)
{
    for (qsizetype done = 0; done < size;) {
        const ssize_t n = step(done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

bool writeAllAt(int fd, const QByteArray &bytes)
{
    return allOf(bytes.size(), [&](qsizetype done) {
        return ::pwrite(fd, bytes.constData() + done, size_t(bytes.size() - done), off_t(done));
    });
}

bool readAll(int fd, QByteArray &bytes)
{
    struct stat status = {};
    if (::fstat(fd, &status) != 0)
        return false;
    bytes.resize(qsizetype(status.st_size));
    return allOf(bytes.size(), [&](qsizetype done) {
        return ::pread(fd, bytes.data() + done, size_t(bytes.size() - done), off_t(done));
    });
}

// Writes the target itself, so that a failure at any step leaves its old
// bytes exactly as they were: the new length is reserved first (a full disk
// then refuses before the first byte changes), and the old bytes are kept
// to be written back should a later step fail all the same (or the file
// system cannot reserve).
bool writeInPlace(const QString &path, const QByteArray &bytes)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CLOEXEC);
    if (fd < 0)
        return false;
    QByteArray old;
    const bool reserved = bytes.isEmpty() || ::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, off_t(bytes.size())) == 0;
    if ((!reserved && errno != EOPNOTSUPP) || !readAll(fd, old)) {
        ::close(fd);
        return false;
    }
    const bool written = writeAllAt(fd, bytes) && ::ftruncate(fd, off_t(bytes.size())) == 0 && ::fsync(fd) == 0;
    if (!written) {
        // The old bytes fitted before; their blocks are still the file's.
        writeAllAt(fd, old);
        (void)::ftruncate(fd, off_t(old.size()));
        (void)::fsync(fd);
    }
    return ::close(fd) == 0 && written;
}

// Where the bytes of `path` really go: a symbolic link is followed to its
// final target (which need not exist yet), so that the link stays a link.
QString finalTarget(const QString &path)
{
    QString target = path;
    for (int links = 0; links < 40; ++links) {
        const QFileInfo info(target);
        if (!info.isSymLink())
            return target;
        target = info.symLinkTarget();
    }
    return QString(); // a loop of links
}

} // namespace

void saveFileSafely(const QString &givenPath, const QByteArray &bytes, VorzoError (*failure)(const QString &path))
{
    // Messages name the file as the user gave it.
    const QString path = finalTarget(givenPath);
    if (path.isEmpty())
        throw failure(givenPath);
    const QFileInfo target(path);
    const bool exists = target.exists();
    if (exists && (!target.isFile() || !target.isWritable() || !(target.permissions() & QFileDevice::WriteOwner)))
        throw failure(givenPath);

    // A short name of our own beside the target, so that any name that
    // could be created can also be saved again.
    QTemporaryFile temporary(target.absolutePath() + QStringLiteral("/.vz-XXXXXX"));
    if (!temporary.open()) {
        // A folder where we may not create files (but the target is ours to
        // write): the target itself is written. Any other failure (a full
        // disk) must not touch it.
        if (exists && !QFileInfo(target.absolutePath()).isWritable() && writeInPlace(path, bytes))
            return;
        throw failure(givenPath);
    }
    if (!temporary.setPermissions(exists ? target.permissions() : newFilePermissions())
        || !writeWhole(temporary, bytes))
        throw failure(givenPath); // the temporary file removes itself
    temporary.close();
    if (std::rename(QFile::encodeName(temporary.fileName()).constData(), QFile::encodeName(path).constData()) != 0)
        throw failure(givenPath);
    temporary.setAutoRemove(false);
}
