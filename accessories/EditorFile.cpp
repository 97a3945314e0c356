#include "EditorFile.h"

#include "platform/SafeSave.h"
#include "platform/ShiftJis.h"
#include "platform/TextLines.h"
#include "platform/VorzoError.h"

#include <QFile>
#include <QFileInfo>

namespace EditorFile {
namespace {

// Whether the decoded text encodes back to exactly these bytes. The codec
// shows an undecodable byte as a substitute that encodes to another byte,
// or not at all.
bool survivesASave(const QByteArray &bytes)
{
    try {
        return ShiftJis::encode(ShiftJis::decode(bytes)) == bytes;
    } catch (const VorzoError &) {
        return false;
    }
}

} // namespace

QString read(const QString &path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        throw VorzoError::cannotOpen(path);
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw VorzoError::cannotOpen(path);
    if (!survivesASave(bytes))
        throw VorzoError(QStringLiteral("ファイル %1 はシフトJISのテキストではないため開けません").arg(path));
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
