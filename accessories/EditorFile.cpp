#include "EditorFile.h"

#include "platform/SafeSave.h"
#include "platform/ShiftJis.h"
#include "platform/TextLines.h"
#include "platform/VorzoError.h"

#include <QFile>
#include <QFileInfo>

namespace EditorFile {
QString read(const QString &path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        throw VorzoError::cannotOpen(path);
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw VorzoError::cannotOpen(path);
    return TextLines::toEditText(bytes);
}

QByteArray bytesOf(const QString &text)
{
    return TextLines::join(TextLines::split(ShiftJis::encode(text)));
}

void write(const QString &path, const QByteArray &bytes)
{
    saveFileSafely(path, bytes);
}

} // namespace EditorFile
