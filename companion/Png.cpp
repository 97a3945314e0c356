#include "Png.h"

#include <QBuffer>
#include <QHash>
#include <QImageWriter>

#include <cstring>

namespace {

// zlib's level 2: a fraction of the time of its default for a few percent
// more bytes on pictures like these.
constexpr int PngQuality = 75;

// Every pixel repeated `scale` times each way, whatever the format.
QImage enlarged(const QImage &picture, int scale)
{
    if (scale == 1)
        return picture;
    QImage large(picture.size() * scale, picture.format());
    if (large.isNull())
        return large;
    large.setColorTable(picture.colorTable());
    const qsizetype bytes = picture.depth() / 8;
    for (int y = 0; y < picture.height(); ++y) {
        const uchar *in = picture.constScanLine(y);
        uchar *first = large.scanLine(y * scale);
        for (int x = 0; x < picture.width(); ++x) {
            for (int k = 0; k < scale; ++k)
                std::memcpy(first + (x * scale + k) * bytes, in + x * bytes, size_t(bytes));
        }
        for (int k = 1; k < scale; ++k)
            std::memcpy(large.scanLine(y * scale + k), first, size_t(large.bytesPerLine()));
    }
    return large;
}

} // namespace

QImage withPalette(const QImage &picture, const QList<QRgb> &alsoColours)
{
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    QImage indexed(rgb.size(), QImage::Format_Indexed8);
    QList<QRgb> table;
    QHash<QRgb, uchar> indexOf;
    auto add = [&](QRgb colour) {
        auto found = indexOf.constFind(colour);
        if (found == indexOf.constEnd()) {
            if (table.size() == 256)
                return false;
            found = indexOf.insert(colour, uchar(table.size()));
            table.append(colour);
        }
        return true;
    };
    for (QRgb colour : alsoColours) {
        if (!add(qRgb(qRed(colour), qGreen(colour), qBlue(colour))))
            return {};
    }
    const int width = rgb.width();
    for (int y = 0; y < rgb.height(); ++y) {
        const auto *in = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        uchar *out = indexed.scanLine(y);
        for (int x = 0; x < width; ++x) {
            if (!add(in[x]))
                return {};
            out[x] = indexOf.value(in[x]);
        }
    }
    indexed.setColorTable(table);
    return indexed;
}

QByteArray pngOf(const QImage &picture, int scale)
{
    const QImage written = enlarged(picture, scale);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    writer.setQuality(PngQuality);
    if (written.isNull() || !writer.write(written))
        return {};
    return png;
}
