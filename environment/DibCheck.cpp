#include "DibCheck.h"

#include "LittleEndian.h"
#include "PictureFile.h"

using namespace LittleEndian;

namespace DibCheck {

namespace {

enum Compression : quint32 { Rgb = 0, Rle8 = 1, Rle4 = 2, BitFields = 3 };

} // namespace

namespace {

struct Header
{
    quint32 size = 0;
    qint64 width = 0, height = 0;
    quint32 bitCount = 0, compression = Rgb, coloursUsed = 0;
    int entryBytes = 4;
};

// The header's fields when it is whole and sane, with the colour table's
// length in `table`.
bool readHeader(const QByteArray &bytes, qint64 at, qint64 length, Header &h, qint64 &table)
{
    if (!inside(bytes, at, length) || length < 12)
        return false;
    h.size = u32(bytes, at);
    if (h.size == 12) { // the old core header
        h.width = u16(bytes, at + 4);
        h.height = u16(bytes, at + 6);
        h.bitCount = u16(bytes, at + 10);
        h.entryBytes = 3;
    } else {
        if (h.size < 40 || h.size > length)
            return false;
        h.width = i32(bytes, at + 4);
        h.height = i32(bytes, at + 8);
        h.bitCount = u16(bytes, at + 14);
        h.compression = u32(bytes, at + 16);
        h.coloursUsed = u32(bytes, at + 32);
    }
    if (u16(bytes, at + (h.size == 12 ? 8 : 12)) != 1) // planes
        return false;
    h.height = qAbs(h.height);
    if (h.width <= 0 || h.height <= 0 || h.width > PictureFile::MaxSide || h.height > PictureFile::MaxSide
        || h.width * h.height * 4 > PictureFile::MaxImageBytes)
        return false;
    switch (h.bitCount) {
    case 1: case 4: case 8: case 16: case 24: case 32:
        break;
    default:
        return false;
    }
    const bool compressionFits = h.compression == Rgb || (h.compression == Rle8 && h.bitCount == 8)
        || (h.compression == Rle4 && h.bitCount == 4)
        || (h.compression == BitFields && (h.bitCount == 16 || h.bitCount == 32));
    if (!compressionFits || h.coloursUsed > 256 || (h.bitCount <= 8 && h.coloursUsed > (1u << h.bitCount)))
        return false;
    const qint64 colours = h.coloursUsed ? h.coloursUsed : (h.bitCount <= 8 ? (1 << h.bitCount) : 0);
    const qint64 masks = (h.compression == BitFields && h.size == 40) ? 12 : 0;
    table = qint64(h.size) + masks + colours * h.entryBytes;
    return table <= length;
}

} // namespace

bool headerIsSound(const QByteArray &bytes, qint64 at, qint64 length)
{
    Header header;
    qint64 table = 0;
    return readHeader(bytes, at, length, header, table);
}

bool isSound(const QByteArray &bytes, qint64 at, qint64 length)
{
    Header h;
    qint64 table = 0;
    if (!readHeader(bytes, at, length, h, table))
        return false;
    if (h.compression == Rle8 || h.compression == Rle4)
        return table < length;
    const qint64 rowBytes = ((h.width * h.bitCount + 31) / 32) * 4;
    return rowBytes * h.height <= length - table;
}

} // namespace DibCheck
