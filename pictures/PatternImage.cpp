#include "PatternImage.h"

#include "BuiltInPattern.h"

// Bitmaps are opaque; icons and metafiles keep their transparency.
PatternImage::PatternImage(QImage picture, Kind kind)
    : m_image(
        picture.convertToFormat(kind == Kind::Bitmap ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied)),
      m_kind(kind)
{
}

PatternImage PatternImage::builtIn()
{
    QImage picture;
    picture.loadFromData(BuiltInPatternBitmap, int(BuiltInPatternBitmapSize), "BMP");
    return PatternImage(picture, Kind::Bitmap);
}
