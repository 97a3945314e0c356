#include "SafeSave.h"

#include <QFileInfo>
#include <QSaveFile>

void saveFileSafely(const QString &path, const QByteArray &bytes, VorzoError (*failure)(const QString &path))
{
    // QSaveFile would happily replace a read-only file by renaming over it;
    // a read-only target (no owner write bit, whoever runs us) stays untouched.
    const QFileInfo existing(path);
    if (existing.exists()
        && (!existing.isFile() || !existing.isWritable() || !(existing.permissions() & QFileDevice::WriteOwner)))
        throw failure(path);

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw failure(path);
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        throw failure(path);
    }
    if (!file.commit())
        throw failure(path);
}
