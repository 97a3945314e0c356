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
    BoundsLeft = 8, BoundsTop = 12, BoundsRight = 16, BoundsBottom = 20,
    SignatureField = 40, TotalBytes = 48, Handles = 56,
    DescriptionLength = 64, DescriptionOffset = 68,
    DeviceWidth = 72, DeviceHeight = 76, MillimetresWide = 80, MillimetresHigh = 84,
};

// Where the records that carry bitmaps keep the offset of each bitmap
// header; its length follows at the next field.
struct BitmapField
{
    quint32 type;
    int offsets[2];
};
constexpr BitmapField BitmapFields[] = {
    {76, {84, 0}},    // bit block transfer
    {77, {84, 0}},    // stretched block transfer
    {78, {84, 112}},  // masked block transfer, source and mask
    {79, {96, 124}},  // parallelogram block transfer, source and mask
    {80, {48, 0}},    // bits to device
    {81, {48, 0}},    // stretched bits
    {93, {16, 0}},    // monochrome brush
    {94, {16, 0}},    // pattern brush
    {95, {12, 0}},    // extended pen
    {114, {84, 0}},   // alpha blend
    {116, {84, 0}},   // transparent block transfer
};

bool bitmapsAreSound(const QByteArray &bytes, qint64 record, quint32 type, qint64 size)
{
    for (const BitmapField &field : BitmapFields) {
        if (field.type != type)
            continue;
        for (int offset : field.offsets) {
            if (offset == 0)
                continue;
            if (offset + 8 > size)
                return false;
            const qint64 at = u32(bytes, record + offset), length = u32(bytes, record + offset + 4);
            if (length == 0)
                continue; // no bitmap: a plain fill
            if (at > size || length > size - at || !DibCheck::headerIsSound(bytes, record + at, length))
                return false;
        }
    }
    return true;
}

// Whether libuemf has a check for records of this type. libemf2svg draws
// only types that have one and passes over the rest unread; asked about
// the rest, libuemf prints a warning and approves them.
bool uemfChecks(quint32 type)
{
    switch (type) {
    case 69: case 96: case 97: case 102: case 103: case 105: case 106: case 107:
    case 109: case 110: case 111: case 112: case 113: case 117: case 119: case 120: case 121:
        return false;
    default:
        return type >= 1 && type <= 122;
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
        if ((uemfChecks(type) && !U_emf_record_safe(records.constData() + at))
            || !bitmapsAreSound(records, at, type, size))
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
