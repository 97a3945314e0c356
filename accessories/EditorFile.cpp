#include "EditorFile.h"

#include "platform/SafeSave.h"
#include "platform/ShiftJis.h"
#include "platform/TextLines.h"
#include "platform/VorzoError.h"
#include "platform/WholeFile.h"

namespace EditorFile {
QString read(const QString &path)
{
    return TextLines::toEditText(WholeFile::readOrThrow(path));
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
