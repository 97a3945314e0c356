#include "FileReason.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace FileReason {

QString text(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

QString whyUnreadable(const QString &path)
{
    // Non-blocking, so that a pipe named here does not wait for a writer.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return text(errno);
    struct stat status = {};
    const bool folder = ::fstat(fd, &status) == 0 && S_ISDIR(status.st_mode);
    ::close(fd);
    return folder ? text(EISDIR) : QString();
}

QString whyUnwritable(const QString &path, int atFailure)
{
    // The save writes the final target of a link, in that target's folder.
    QString target = path;
    for (int links = 0; QFileInfo(target).isSymLink(); ++links) {
        if (links == 40)
            return text(ELOOP);
        target = QFileInfo(target).symLinkTarget();
    }
    const QByteArray name = QFile::encodeName(target);
    struct stat status = {};
    if (::stat(name.constData(), &status) == 0) {
        if (S_ISDIR(status.st_mode))
            return text(EISDIR);
        if (::access(name.constData(), W_OK) != 0)
            return text(errno);
        if (!(status.st_mode & S_IWUSR)) // refused even where we could write it
            return text(EACCES);
    } else if (errno != ENOENT) {
        return text(errno); // a file where a folder should be, a folder closed to us
    } else {
        const QByteArray folder = QFile::encodeName(QFileInfo(target).absolutePath());
        if (::stat(folder.constData(), &status) != 0)
            return text(errno);
        if (!S_ISDIR(status.st_mode))
            return text(ENOTDIR);
        if (::access(folder.constData(), W_OK | X_OK) != 0)
            return text(errno);
    }
    return atFailure != 0 ? text(atFailure) : QString();
}

} // namespace FileReason
