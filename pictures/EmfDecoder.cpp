#include "EmfDecoder.h"

#include "DibCheck.h"
#include "LittleEndian.h"
#include "PictureFile.h"

#include <emf2svg.h>
#include <uemf_safe.h>

#include <cstdlib>

using namespace LittleEndian;

namespace EmfDecoder {

namespace {

constexpr quint32 HeaderType = 1;
constexpr quint32 EndType = 14;
constexpr quint32 Signature = 0x464D4520; // " EMF"
constexpr qint64 HeaderMinimum = 88;

// The header's fields, offsets from the record's start.
enum HeaderField {
    BoundsLeft = 8,
    BoundsTop = 12,
    BoundsRight = 16,
    BoundsBottom = 20,
    SignatureField = 40,
    TotalBytes = 48,
    Handles = 56,
    DescriptionLength = 64,
    DescriptionOffset = 68,
    DeviceWidth = 72,
    DeviceHeight = 76,
    MillimetresWide = 80,
    MillimetresHigh = 84,
};

// Where the records that carry bitmaps keep the offset of each bitmap
// header; its length, the offset of the rows and their length follow.
// libemf2svg reads some headers whatever their length says.
enum class Read { Always, WhenRows, WhenHeader };
struct BitmapField
{
    quint32 type;
    int offsets[2];
    Read read;
};
constexpr BitmapField BitmapFields[] = {
    {76, {84, 0}, Read::WhenRows},     // bit block transfer (else a fill)
    {77, {84, 0}, Read::Always},       // stretched block transfer
    {78, {84, 112}, Read::WhenHeader}, // masked block transfer, source and mask
    {79, {96, 124}, Read::WhenHeader}, // parallelogram block transfer, source and mask
    {80, {48, 0}, Read::WhenHeader},   // bits to device
    {81, {48, 0}, Read::Always},       // stretched bits
    {93, {16, 0}, Read::Always},       // monochrome brush
    {94, {16, 0}, Read::Always},       // pattern brush
    {95, {12, 0}, Read::WhenHeader},   // extended pen
    {114, {84, 0}, Read::Always},      // alpha blend
    {116, {84, 0}, Read::WhenHeader},  // transparent block transfer
};

bool bitmapsAreSound(const QByteArray &bytes, qint64 record, quint32 type, qint64 size)
{
    for (const BitmapField &field : BitmapFields) {
        if (field.type != type)
            continue;
        for (int offset : field.offsets) {
            if (offset == 0)
                continue;
            if (offset + 16 > size)
                return false;
            const qint64 headerAt = u32(bytes, record + offset), headerLength = u32(bytes, record + offset + 4);
            const qint64 rowsAt = u32(bytes, record + offset + 8), rowsLength = u32(bytes, record + offset + 12);
            // libuemf checks any header whose length is not zero, adding
            // offset and length in 32 bits.
            const bool read = field.read == Read::Always || headerLength != 0
                              || (field.read == Read::WhenRows && rowsLength != 0);
            if (!read)
                continue;
            // The rows the header declares must all be there: the
            // converter reads as many as it says.
            if (headerAt % 4 != 0 || rowsAt % 4 != 0 || headerAt > size || headerLength > size - headerAt
                || rowsAt > size || rowsLength > size - rowsAt
                || !DibCheck::headerIsSound(bytes, record + headerAt, headerLength)
                || !DibCheck::rowsFit(bytes, record + headerAt, headerLength, rowsLength))
                return false;
        }
    }
    return true;
}

// Whether the arrays a record counts lie inside it. libuemf makes the same
// checks in 32-bit arithmetic, where a large count wraps round and passes.
bool countsFit(const QByteArray &bytes, qint64 record, quint32 type, qint64 size)
{
    auto field = [&](qint64 offset) { return offset + 4 <= size ? qint64(u32(bytes, record + offset)) : -1; };
    auto arrayFits = [&](qint64 at, qint64 count, qint64 each) {
        return at >= 0 && count >= 0 && at + count * each <= size;
    };
    switch (type) {
    case 2:
    case 3:
    case 4:
    case 5:
    case 6: // lines and curves, 32-bit points
        return arrayFits(28, field(24), 8);
    case 85:
    case 86:
    case 87:
    case 88:
    case 89: // the same, 16-bit points
        return arrayFits(28, field(24), 4);
    case 7:
    case 8:
    case 90:
    case 91: { // several polygons or lines
        const qint64 polygons = field(24), points = field(28);
        if (!arrayFits(32, polygons, 4))
            return false;
        qint64 counted = 0;
        for (qint64 i = 0; i < polygons; ++i)
            counted += u32(bytes, record + 32 + 4 * i);
        return counted == points && arrayFits(32 + 4 * polygons, points, type <= 8 ? 8 : 4);
    }
    case 56: // points with their kinds
        return arrayFits(28, field(24), 9);
    case 92: return arrayFits(28, field(24), 5);
    case 14: // end, with an optional palette
        return field(8) >= 0 && field(12) >= 0 && (field(8) == 0 || arrayFits(field(12), field(8), 4));
    case 49: // palette
        return size >= 16 && arrayFits(16, u16(bytes, record + 14), 4);
    case 50: // palette entries
        return arrayFits(20, field(16), 4);
    case 70: // comment
        return arrayFits(12, field(8), 1);
    case 71:
    case 72:
    case 73:
    case 74:
    case 75: { // regions
        const qint64 lengthAt = type == 75 ? 8 : 24;
        const qint64 dataAt = type == 75 ? 16 : type == 71 ? 32 : type == 72 ? 40 : 28;
        const qint64 length = field(lengthAt);
        if (length == 0 && type == 75 && field(12) == 5)
            return true; // copy mode without a region: the default clipping
                         // (libuemf reads a region in any other mode)
        if (length < 32 || !arrayFits(dataAt, length, 1))
            return false;
        // The rectangles the region's header counts, inside its own length.
        const qint64 rectangles = u32(bytes, record + dataAt + 8);
        return 32 + 16 * rectangles <= length && arrayFits(dataAt + 32, rectangles, 16);
    }
    case 83:
    case 84: {
        // Text. Text by glyph index is refused: libemf2svg looks its glyphs
        // up in a font file found through fontconfig and then shuts
        // fontconfig down under the running application, which aborts it.
        // Without a clipping rectangle the advances' offset moves up.
        const qint64 characters = field(44), stringAt = field(48), options = field(52);
        if (characters < 0 || options < 0 || (options & 0x0010))
            return false;
        const qint64 advancesAt = field((options & 0x0100) ? 56 : 72);
        return advancesAt >= 0 && arrayFits(stringAt, characters, type == 83 ? 1 : 2)
               && (advancesAt == 0 || arrayFits(advancesAt, characters, 4));
    }
    case 95: // extended pen: its dash pattern
        return arrayFits(52, field(48), 4);
    case 108: { // small text, glyph indices refused as above
        const qint64 characters = field(16), options = field(20);
        if (characters < 0 || options < 0 || (options & 0x0010))
            return false;
        const qint64 textAt = (options & 0x0100) ? 36 : 52;
        return arrayFits(textAt, characters, (options & 0x0200) ? 1 : 2);
    }
    case 118: { // gradient fill: vertices, then triangles or rectangles
        const qint64 vertices = field(24), shapes = field(28), mode = field(32);
        return arrayFits(36, vertices, 16)
               && arrayFits(36 + 16 * qMax<qint64>(vertices, 0), shapes, mode == 2 ? 12 : 8);
    }
    default: return true;
    }
}

// Whether libuemf has a check for records of this type. libemf2svg draws
// only types that have one and passes over the rest unread; asked about
// the rest, libuemf prints a warning and approves them.
bool uemfChecks(quint32 type)
{
    switch (type) {
    case 69:
    case 96:
    case 97:
    case 102:
    case 103:
    case 105:
    case 106:
    case 107:
    case 109:
    case 110:
    case 111:
    case 112:
    case 113:
    case 117:
    case 119:
    case 120:
    case 121: return false;
    default: return type >= 1 && type <= 122;
    }
}

// The drawing's size: the header's bounds, inclusive, in device pixels.
QSize boundsSize(const QByteArray &bytes)
{
    const qint64 width = qint64(i32(bytes, BoundsRight)) - i32(bytes, BoundsLeft);
    const qint64 height = qint64(i32(bytes, BoundsBottom)) - i32(bytes, BoundsTop);
    if (width <= 0 || height <= 0 || width > PictureFile::MaxSide || height > PictureFile::MaxSide)
        return QSize();
    return QSize(int(width), int(height));
}

} // namespace

bool looksLikeEmf(const QByteArray &bytes)
{
    return inside(bytes, 0, HeaderMinimum) && u32(bytes, 0) == HeaderType && u32(bytes, SignatureField) == Signature;
}

bool structureIsSound(const QByteArray &bytes)
{
    if (!looksLikeEmf(bytes))
        return false;
    const qint64 headerSize = u32(bytes, 4);
    const qint64 total = u32(bytes, TotalBytes);
    if (headerSize < HeaderMinimum || headerSize % 4 != 0 || total > bytes.size() || headerSize > total)
        return false;
    if (!PictureFile::withinLimits(boundsSize(bytes)) || u16(bytes, Handles) == 0)
        return false;
    if (i32(bytes, DeviceWidth) <= 0 || i32(bytes, DeviceHeight) <= 0 || i32(bytes, MillimetresWide) <= 0
        || i32(bytes, MillimetresHigh) <= 0)
        return false;
    // The description is two UTF-16 strings, each ending in a zero, which
    // the converter reads up to that zero.
    const qint64 descriptionChars = u32(bytes, DescriptionLength);
    if (descriptionChars > 0) {
        const qint64 at = u32(bytes, DescriptionOffset);
        if (at < HeaderMinimum || at % 2 != 0 || at > headerSize || descriptionChars > (headerSize - at) / 2)
            return false;
        int zeros = 0;
        for (qint64 i = 0; i < descriptionChars; ++i)
            zeros += u16(bytes, at + 2 * i) == 0;
        if (zeros < 2 || u16(bytes, at + 2 * (descriptionChars - 1)) != 0)
            return false;
    }

    // Only the declared length is the metafile; anything after is ignored.
    const QByteArray records = bytes.left(total);
    qint64 at = 0;
    while (inside(records, at, 8)) {
        const quint32 type = u32(records, at);
        const qint64 size = u32(records, at + 4);
        if (size < 8 || size % 4 != 0 || !inside(records, at, size))
            return false;
        if ((type == HeaderType) != (at == 0))
            return false;
        // Ours first: libuemf's own check reads the bitmap headers too.
        if (!countsFit(records, at, type, size) || !bitmapsAreSound(records, at, type, size)
            || (uemfChecks(type) && !U_emf_record_safe(records.constData() + at)))
            return false;
        if (type == EndType)
            return true;
        at += size;
    }
    return false;
}

std::optional<MetafileDecoder::Svg> toSvg(const QByteArray &bytes)
{
    if (!structureIsSound(bytes))
        return std::nullopt;
    // The converter's own input, cut at the declared length; it reads
    // through a non-const pointer.
    QByteArray input = bytes.left(u32(bytes, TotalBytes));
    generatorOptions options = {};
    options.svgDelimiter = true; // a whole SVG document
    options.emfplus = false;     // the plain records every EMF+ file also carries
    char *text = nullptr;
    size_t length = 0;
    const int converted = emf2svg(input.data(), size_t(input.size()), &text, &length, &options);
    std::optional<MetafileDecoder::Svg> svg;
    if (converted && text)
        svg = MetafileDecoder::Svg{QByteArray(text, qsizetype(length)), boundsSize(bytes)};
    std::free(text);
    return svg;
}

} // namespace EmfDecoder
