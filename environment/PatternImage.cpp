#include "PatternImage.h"

#include "BuiltInPattern.h"

PatternImage::PatternImage(QImage picture, Kind kind)
    : m_image(picture.convertToFormat(QImage::Format_RGB32)), m_kind(kind)
{
}

PatternImage PatternImage::builtIn()
{
    QImage picture;
    picture.loadFromData(BuiltInPatternBitmap, int(BuiltInPatternBitmapSize), "BMP");
    return PatternImage(picture, Kind::Bitmap);
}
