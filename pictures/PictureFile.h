#pragma once
// Loading the pattern image from a picture file: the kind comes from the
// file name's extension, the decoder from the kind. Bitmaps and icons go
// through Qt's image readers, metafiles through libraries made for them.
// Every failure throws VorzoError with the message the user is to see, and
// nothing is kept of a picture that did not load whole.

#include "PatternImage.h"
#include "platform/VorzoError.h"

#include <QByteArray>
#include <QSize>
#include <QString>

namespace PictureFile {

// The largest picture we hold: no side over 16,384 pixels and no more than
// 256 MiB at four bytes a pixel. A file that declares more is not a valid
// picture of its kind.
constexpr int MaxSide = 16384;
constexpr qint64 MaxImageBytes = qint64(256) << 20;
bool withinLimits(QSize size);

// The longest file read for each kind. A bitmap at the limits above takes
// up to 256 MiB plus its headers; a metafile is drawing commands, which
// grow several times over on their way to the renderer.
constexpr qint64 MaxRasterFileBytes = qint64(320) << 20;
constexpr qint64 MaxMetafileFileBytes = qint64(16) << 20;

// The kind for the file name's extension ("bmp", "ico", "wmf", "emf", in
// any letter case); any other throws "拡張子 .%s の画像形式は処理できません".
PatternImage::Kind kindOf(const QString &fileName);

// The whole load: kind from the extension, read the file, decode.
PatternImage load(const QString &fileName);

// Decoding alone. The result is Format_RGB32 for a bitmap and
// Format_ARGB32_Premultiplied for an icon or a metafile.
PatternImage decode(const QByteArray &bytes, PatternImage::Kind kind);

// The error for a file that does not read as `kind`.
VorzoError invalidPicture(PatternImage::Kind kind);

} // namespace PictureFile
