#pragma once
// The one picture from which the canvas copies the square of every placed
// cell. Held by the image window; kept in a fast format for block copies.

#include <QImage>

class PatternImage
{
public:
    // The kinds of picture that can be loaded; only a bitmap gives tiles.
    // A bitmap is held as Format_RGB32, the others as
    // Format_ARGB32_Premultiplied.
    enum class Kind { Bitmap, Icon, Metafile };

    // The picture the program carries, the same art as "zuzodovi.bmp".
    static PatternImage builtIn();

    PatternImage() = default;
    PatternImage(QImage picture, Kind kind);

    const QImage &image() const { return m_image; }
    Kind kind() const { return m_kind; }
    bool isBitmap() const { return m_kind == Kind::Bitmap; }

    // What the canvas copies its tiles from: the picture of a bitmap, none
    // for any other kind.
    const QImage *tiles() const { return isBitmap() ? &m_image : nullptr; }

private:
    QImage m_image;
    Kind m_kind = Kind::Bitmap;
};
