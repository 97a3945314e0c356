#include "DibCheck.h"

#include "BitmapHeader.h"
#include "LittleEndian.h"
#include "PictureFile.h"

using namespace LittleEndian;

namespace DibCheck {

namespace {

enum Compression : quint32 { Rgb = 0, Rle8 = 1, Rle4 = 2, BitFields = 3 };

// The header's fields, and the bytes of one colour table entry.
struct Header : BitmapHeader
{
    int entryBytes = 4;
};

bool withinLimits(qint64 width, qint64 height)
{
    return width > 0 && height > 0 && width <= PictureFile::MaxSide && height <= PictureFile::MaxSide
           && width * height * 4 <= PictureFile::MaxImageBytes;
}

// The bytes of `height` uncompressed rows `width` pixels wide.
qint64 rowBytes(qint64 width, qint64 height, quint32 bitCount)
{
    return ((width * bitCount + 31) / 32) * 4 * height;
}

bool isCompressed(const Header &h)
{
    return h.compression == Rle8 || h.compression == Rle4;
}

// The header's fields when it is whole and sane, with the colour table's
// length in `table`.
bool readHeader(const QByteArray &bytes, qint64 at, qint64 length, Header &h, qint64 &table)
{
    const std::optional<BitmapHeader> read = BitmapHeader::read(bytes, at, length);
    if (!read || (!read->core && read->size > length) || read->planes != 1)
        return false;
    static_cast<BitmapHeader &>(h) = *read;
    h.entryBytes = read->core ? 3 : 4;
    h.height = qAbs(h.height);
    if (!withinLimits(h.width, h.height))
        return false;
    switch (h.bitCount) {
    case 1:
    case 4:
    case 8:
    case 16:
    case 24:
    case 32: break;
    default: return false;
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

bool rowsFit(const QByteArray &bytes, qint64 at, qint64 length, qint64 rowsLength)
{
    Header h;
    qint64 table = 0;
    if (!readHeader(bytes, at, length, h, table) || rowsLength < 0)
        return false;
    return isCompressed(h) ? rowsLength > 0 : rowBytes(h.width, h.height, h.bitCount) <= rowsLength;
}

bool isSound(const QByteArray &bytes, qint64 at, qint64 length, qint64 width, qint64 height)
{
    Header h;
    qint64 table = 0;
    if (!readHeader(bytes, at, length, h, table))
        return false;
    // The library allocates and reads the rows of the size it takes.
    const qint64 wide = width ? width : h.width, high = height ? height : h.height;
    if (!withinLimits(wide, high))
        return false;
    if (isCompressed(h))
        return table < length;
    return rowBytes(wide, high, h.bitCount) <= length - table;
}

} // namespace DibCheck
