#include "WholeFile.h"

#include <QFile>
#include <QFileInfo>

namespace WholeFile {

Result read(const QString &path, Limit limit)
{
    if (!QFileInfo(path).isFile())
        return {Outcome::CannotRead, {}};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {Outcome::CannotRead, {}};
    if (limit.longer == Longer::Refused && file.size() > limit.bytes)
        return {Outcome::TooLong, {}};
    // What is there is read; a file that grows while it is read is read only
    // as far as the limit allows (one byte more tells a refused one).
    const qint64 most = limit.longer == Longer::Cut ? limit.bytes : limit.bytes == NoLimit ? NoLimit : limit.bytes + 1;
    QByteArray bytes = file.read(qMin(file.size(), most));
    while (file.error() == QFileDevice::NoError && bytes.size() < most) {
        const QByteArray more = file.read(qMin<qint64>(qint64(1) << 16, most - bytes.size()));
        if (more.isEmpty())
            break;
        bytes += more;
    }
    if (file.error() != QFileDevice::NoError)
        return {Outcome::CannotRead, {}};
    if (limit.longer == Longer::Refused && bytes.size() > limit.bytes)
        return {Outcome::TooLong, {}};
    return {Outcome::Read, bytes};
}

QByteArray readOrThrow(const QString &path, Limit limit)
{
    Result result = read(path, limit);
    if (result.outcome != Outcome::Read)
        throw VorzoError::cannotOpen(path);
    return std::move(result.bytes);
}

std::optional<QByteArray> readIfReadable(const QString &path)
{
    Result result = read(path);
    if (result.outcome != Outcome::Read)
        return std::nullopt;
    return std::move(result.bytes);
}

} // namespace WholeFile
