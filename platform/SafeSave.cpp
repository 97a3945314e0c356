#include "SafeSave.h"
#include "VorzoError.h"

#include <QFileInfo>
#include <QSaveFile>

void saveFileSafely(const QString &path, const QByteArray &bytes)
{
    // QSaveFile would happily replace a read-only file by renaming over it;
    // a read-only target (no owner write bit, whoever runs us) stays untouched.
    const QFileInfo existing(path);
    if (existing.exists()
        && (!existing.isFile() || !existing.isWritable() || !(existing.permissions() & QFileDevice::WriteOwner)))
        throw VorzoError::cannotCreate(path);

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw VorzoError::cannotCreate(path);
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        throw VorzoError::cannotCreate(path);
    }
    if (!file.commit())
        throw VorzoError::cannotCreate(path);
}
