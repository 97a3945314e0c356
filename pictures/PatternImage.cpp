#include "PatternImage.h"

#include "BuiltInPattern.h"

#include <QBuffer>
#include <QImageReader>

// Bitmaps are opaque; icons and metafiles keep their transparency.
PatternImage::PatternImage(QImage picture, Kind kind)
    : m_image(
        picture.convertToFormat(kind == Kind::Bitmap ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied)),
      m_kind(kind)
{
}

PatternImage PatternImage::builtIn()
{
    QBuffer buffer;
    buffer.setData(reinterpret_cast<const char *>(BuiltInPatternBitmap), int(BuiltInPatternBitmapSize));
    buffer.open(QIODevice::ReadOnly);
    // Qt's own bitmap reader, without loading every image plugin to ask.
    QImageReader reader(&buffer, "bmp");
    reader.setAutoDetectImageFormat(false);
    return PatternImage(reader.read(), Kind::Bitmap);
}
