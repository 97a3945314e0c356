#include "WmfDecoder.h"

#include "DibCheck.h"
#include "LittleEndian.h"
#include "PictureFile.h"

#include <QFileInfo>

#include <libwmf/api.h>
#include <libwmf/svg.h>

#include <cmath>

using namespace LittleEndian;

namespace WmfDecoder {

namespace {

constexpr quint32 PlaceableKey = 0x9AC6CDD7;
constexpr int PlaceableSize = 22;
constexpr int HeaderSize = 18;
constexpr int RecordHeader = 6; // size in words (32 bits), function (16 bits)

// Record functions whose parameters hold counts or bitmaps.
enum Function : quint16 {
    End = 0x0000,
    SetPaletteEntries = 0x0037,
    CreatePalette = 0x00F7,
    DibCreatePatternBrush = 0x0142,
    CreatePatternBrush = 0x01F9,
    CreateFontIndirect = 0x02FB,
    Polygon = 0x0324,
    Polyline = 0x0325,
    AnimatePalette = 0x0436,
    TextOut = 0x0521,
    PolyPolygon = 0x0538,
    Escape = 0x0626,
    CreateRegion = 0x06FF,
    BitBlt = 0x0922,
    DibBitBlt = 0x0940,
    ExtTextOut = 0x0A32,
    StretchBlt = 0x0B23,
    DibStretchBlt = 0x0B41,
    SetDibToDevice = 0x0D33,
    StretchDib = 0x0F43,
};

// Whether one record's parameters, `length` bytes from `at`, hold what its
// function reads.
bool parametersFit(const QByteArray &bytes, quint16 function, qint64 at, qint64 length)
{
    auto word = [&](qint64 index) { return qint64(u16(bytes, at + 2 * index)); };
    switch (function) {
    case Polygon:
    case Polyline: return length >= 2 && word(0) >= 1 && 2 + 4 * word(0) <= length;
    case PolyPolygon: {
        if (length < 2 || word(0) < 1 || 2 + 2 * word(0) > length)
            return false;
        qint64 points = 0;
        for (qint64 i = 1; i <= word(0); ++i) {
            if (word(i) < 1)
                return false;
            points += word(i);
        }
        return 2 + 2 * word(0) + 4 * points <= length;
    }
    case TextOut: return length >= 2 && 2 + ((word(0) + 1) & ~1) + 4 <= length;
    case ExtTextOut: {
        if (length < 8)
            return false;
        // libwmf reads a rectangle before the string whenever there are
        // options at all, not only for the opaque and clipped ones.
        const qint64 rectangle = word(3) != 0 ? 8 : 0;
        return 8 + rectangle + word(2) <= length;
    }
    case CreateFontIndirect: return length >= 18;
    case CreatePalette:
    case SetPaletteEntries:
    case AnimatePalette: return length >= 4 && 4 + 4 * word(1) <= length;
    case Escape: return length >= 4 && 4 + word(1) <= length;
    case DibCreatePatternBrush: return length > 4 && DibCheck::isSound(bytes, at + 4, length - 4);
    case DibBitBlt:
        // Without a bitmap it is a plain block fill of nine words.
        return length == 18 || (length > 16 && DibCheck::isSound(bytes, at + 16, length - 16));
    case DibStretchBlt:
        // Always with a bitmap: libwmf knows no form without one (the
        // 14-word fill), reads a header there whatever the record's length,
        // and takes the fields it does not find for huge sizes.
        return length > 20 && DibCheck::isSound(bytes, at + 20, length - 20);
    case StretchDib: return length > 22 && DibCheck::isSound(bytes, at + 22, length - 22);
    case SetDibToDevice:
        // libwmf takes the first scan line for the bitmap's width and the
        // scan count for its height, where they are not zero, and reads the
        // rows of that size.
        return length > 18 && DibCheck::isSound(bytes, at + 18, length - 18, word(2), word(1));
    case BitBlt:
    case StretchBlt:
    case CreatePatternBrush:
    case CreateRegion:
        // Device-dependent bitmaps and regions: rare in files, and read
        // with little checking, so such a metafile is refused.
        return false;
    default: return true;
    }
}

} // namespace

bool structureIsSound(const QByteArray &bytes)
{
    qint64 at = 0;
    if (inside(bytes, 0, PlaceableSize) && u32(bytes, 0) == PlaceableKey) {
        const int width = i16(bytes, 10) - i16(bytes, 6);
        const int height = i16(bytes, 12) - i16(bytes, 8);
        const int inch = u16(bytes, 14);
        if (width == 0 || height == 0 || qAbs(width) > 0x7FFF || qAbs(height) > 0x7FFF || inch == 0)
            return false;
        at = PlaceableSize;
    }
    if (!inside(bytes, at, HeaderSize))
        return false;
    const quint16 type = u16(bytes, at), headerWords = u16(bytes, at + 2), version = u16(bytes, at + 4);
    const quint32 maxRecord = u32(bytes, at + 12);
    if ((type != 1 && type != 2) || headerWords != 9 || (version != 0x0100 && version != 0x0300))
        return false;
    // libwmf allocates the largest record's size before reading any.
    if (maxRecord == 0 || qint64(maxRecord) * 2 > bytes.size())
        return false;
    at += HeaderSize;
    while (inside(bytes, at, RecordHeader)) {
        const qint64 words = u32(bytes, at);
        const quint16 function = u16(bytes, at + 4);
        if (words < 3 || !inside(bytes, at, words * 2) || words - 3 > maxRecord)
            return false;
        if (function == End)
            return words == 3;
        if (!parametersFit(bytes, function, at + RecordHeader, words * 2 - RecordHeader))
            return false;
        at += words * 2;
    }
    return false;
}

namespace {

// A font for libwmf's text metrics. libwmf finds none by itself unless the
// PostScript fonts it was built for are installed, and without one it
// refuses every metafile, text or not; any scalable font serves, since the
// SVG names the font and QtSvg draws the text.
struct FontChoice
{
    QByteArray folder;
    QByteArray file;
};

std::optional<FontChoice> metricsFont()
{
    static const char *const candidates[] = {
        "/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf",
        "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
        "/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf",
    };
    for (const char *path : candidates) {
        const QFileInfo info(QString::fromLatin1(path));
        if (info.isFile())
            return FontChoice{QFile::encodeName(info.absolutePath()), QFile::encodeName(info.fileName())};
    }
    return std::nullopt;
}

// The API handle, destroyed with everything libwmf allocated through it.
struct Api
{
    wmfAPI *api = nullptr;
    ~Api()
    {
        if (api)
            wmf_api_destroy(api);
    }
};

} // namespace

std::optional<MetafileDecoder::Svg> toSvg(const QByteArray &bytes)
{
    if (!structureIsSound(bytes))
        return std::nullopt;
    static const std::optional<FontChoice> font = metricsFont();
    if (!font)
        return std::nullopt;

    // The 13 standard PostScript names libwmf maps every font onto.
    static const char *const standardFonts[] = {
        "Courier",     "Courier-Oblique",   "Courier-Bold",   "Courier-BoldOblique",
        "Helvetica",   "Helvetica-Oblique", "Helvetica-Bold", "Helvetica-BoldOblique",
        "Times-Roman", "Times-Italic",      "Times-Bold",     "Times-BoldItalic",
        "Symbol",
    };
    // libwmf caches a face under its path but looks it up by name, so each
    // name needs its own spelling of the one file's path: "ipag.ttf",
    // "./ipag.ttf", "././ipag.ttf" and so on.
    QByteArray folder = font->folder;
    QByteArray files[std::size(standardFonts)];
    char *folders[] = {folder.data(), nullptr};
    wmfMapping mappings[std::size(standardFonts) + 1] = {};
    for (size_t i = 0; i < std::size(standardFonts); ++i) {
        files[i] = QByteArray("./").repeated(qsizetype(i)) + font->file;
        mappings[i] = wmfMapping{const_cast<char *>(standardFonts[i]), files[i].data(), FT_ENCODING_UNICODE};
    }

    wmfAPI_Options options = {};
    options.function = wmf_svg_function;
    options.fontdirs = folders;
    options.font.ps = mappings;
    // Never a word on the console: no error or debug report.
    const unsigned long flags = WMF_OPT_FUNCTION | WMF_OPT_FONTDIRS | WMF_OPT_FONTMAP | WMF_OPT_IGNORE_NONFATAL
                                | WMF_OPT_NO_ERROR | WMF_OPT_NO_DEBUG;
    Api handle;
    if (wmf_api_create(&handle.api, flags, &options) != wmf_E_None)
        return std::nullopt;
    wmfAPI *api = handle.api;

    // libwmf reads through a non-const pointer but never writes.
    QByteArray input = bytes;
    if (wmf_mem_open(api, reinterpret_cast<unsigned char *>(input.data()), long(input.size())) != wmf_E_None)
        return std::nullopt;
    wmfD_Rect box;
    if (wmf_scan(api, 0, &box) != wmf_E_None)
        return std::nullopt;
    float width = 0, height = 0;
    if (wmf_size(api, &width, &height) != wmf_E_None || !std::isfinite(width) || !std::isfinite(height) || width <= 0
        || height <= 0 || width > 1e6f || height > 1e6f)
        return std::nullopt;
    unsigned int pixelsWide = 0, pixelsHigh = 0;
    if (wmf_display_size(api, &pixelsWide, &pixelsHigh, 96, 96) != wmf_E_None)
        return std::nullopt;
    const QSize size(int(qMin(pixelsWide, 1u << 30)), int(qMin(pixelsHigh, 1u << 30)));
    if (!PictureFile::withinLimits(size))
        return std::nullopt;

    wmf_svg_t *device = WMF_SVG_GetData(api);
    device->out = wmf_stream_create(api, nullptr);
    if (!device->out)
        return std::nullopt;
    static char description[] = "";
    device->Description = description;
    device->bbox = box;
    device->width = pixelsWide;
    device->height = pixelsHigh;
    device->flags |= WMF_SVG_INLINE_IMAGES; // never an image file beside it
    const wmf_error_t played = wmf_play(api, 0, &box);
    char *text = nullptr;
    unsigned long length = 0;
    wmf_stream_destroy(api, device->out, &text, &length);
    device->out = nullptr;
    std::optional<MetafileDecoder::Svg> svg;
    if (played == wmf_E_None && text)
        svg = MetafileDecoder::Svg{QByteArray(text, qsizetype(length)), size};
    if (text)
        wmf_free(api, text);
    return svg;
}

} // namespace WmfDecoder
