#include "PictureFile.h"

#include "BitmapHeader.h"
#include "LittleEndian.h"
#include "MetafileDecoder.h"
#include "platform/VorzoError.h"
#include "platform/WholeFile.h"

#include <QBuffer>
#include <QImageReader>

#include <cstdio>

namespace PictureFile {

bool withinLimits(QSize size)
{
    return size.width() > 0 && size.height() > 0 && size.width() <= MaxSide && size.height() <= MaxSide
           && qint64(size.width()) * size.height() * 4 <= MaxImageBytes;
}

VorzoError invalidPicture(PatternImage::Kind kind)
{
    switch (kind) {
    case PatternImage::Kind::Bitmap:
        return VorzoError(QStringLiteral("ビットマップイメージが不正です"), VorzoError::Id::InvalidBitmap);
    case PatternImage::Kind::Icon:
        return VorzoError(QStringLiteral("アイコンイメージが不正です"), VorzoError::Id::InvalidIcon);
    case PatternImage::Kind::Metafile: break;
    }
    return VorzoError(QStringLiteral("メタファイルが不正です"), VorzoError::Id::InvalidMetafile);
}

PatternImage::Kind kindOf(const QString &fileName)
{
    // The extension is the text after the last dot of the name itself, so a
    // dot in a folder's name does not count.
    const QString name = fileName.mid(fileName.lastIndexOf(QLatin1Char('/')) + 1);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QString extension = dot < 0 ? QString() : name.mid(dot + 1);
    const QString lower = extension.toLower();
    if (lower == QLatin1String("bmp"))
        return PatternImage::Kind::Bitmap;
    if (lower == QLatin1String("ico"))
        return PatternImage::Kind::Icon;
    if (lower == QLatin1String("wmf") || lower == QLatin1String("emf"))
        return PatternImage::Kind::Metafile;
    throw VorzoError(QStringLiteral("拡張子 .%1 の画像形式は処理できません").arg(extension),
                     VorzoError::Id::UnknownPictureKind, extension);
}

namespace {

using namespace LittleEndian;

// Whether a bitmap file holds every row its header declares. Qt's reader
// fills the rows missing from a cut-off file and reports success.
bool bitmapIsWhole(const QByteArray &bytes)
{
    constexpr int FileHeader = 14;
    if (!inside(bytes, 0, FileHeader + 12))
        return false;
    const qint64 pixelsAt = u32(bytes, 10);
    const std::optional<BitmapHeader> header = BitmapHeader::read(bytes, FileHeader, bytes.size() - FileHeader);
    if (!header)
        return false;
    const qint64 width = header->width, height = qAbs(header->height), bitCount = header->bitCount;
    const qint64 compression = header->compression, imageBytes = header->imageBytes, colours = header->coloursUsed;
    if (width <= 0 || height <= 0 || width > MaxSide || height > MaxSide)
        return false;
    // A colour table longer than the depth can index is malformed, and
    // Qt's reader warns for each entry it has no room for.
    if (bitCount <= 8 && colours > (qint64(1) << bitCount))
        return false;
    enum { Rgb = 0, BitFields = 3, AlphaBitFields = 6 };
    const bool uncompressed = compression == Rgb || compression == BitFields || compression == AlphaBitFields;
    // A compressed bitmap must say how long its data is.
    const qint64 pixelBytes = uncompressed ? ((width * bitCount + 31) / 32) * 4 * height : imageBytes;
    return pixelBytes > 0 && pixelsAt <= bytes.size() && pixelBytes <= bytes.size() - pixelsAt;
}

// Whether the image `length` bytes from `at` of an icon file declares a
// size within our limits: a PNG in its header chunk, a bitmap in its header
// (whose height counts the mask's rows too). The reader allocates what they
// declare, whatever the icon's directory says.
bool iconImageWithinLimits(const QByteArray &bytes, qint64 at, qint64 length)
{
    static const QByteArray pngSignature("\x89PNG\r\n\x1a\n", 8);
    qint64 width = 0, height = 0;
    if (length >= 8 && bytes.mid(at, 8) == pngSignature) {
        // The first chunk, IHDR: its length, its name, the width and height.
        if (length < 24 || bytes.mid(at + 12, 4) != "IHDR")
            return false;
        width = qFromBigEndian<quint32>(bytes.constData() + at + 16);
        height = qFromBigEndian<quint32>(bytes.constData() + at + 20);
    } else {
        const std::optional<BitmapHeader> header = BitmapHeader::read(bytes, at, length);
        if (!header)
            return false;
        width = header->width;
        height = qAbs(header->height) / 2;
    }
    return width <= MaxSide && height <= MaxSide && withinLimits(QSize(int(width), int(height)));
}

// Whether every image an icon's directory lists lies inside the file and
// declares a size within our limits.
bool iconIsWhole(const QByteArray &bytes)
{
    if (!inside(bytes, 0, 6))
        return false;
    const int count = u16(bytes, 4);
    if (count == 0 || !inside(bytes, 6, 16 * qint64(count)))
        return false;
    for (int i = 0; i < count; ++i) {
        const qint64 entry = 6 + 16 * i, at = u32(bytes, entry + 12), length = u32(bytes, entry + 8);
        if (!inside(bytes, at, length) || !iconImageWithinLimits(bytes, at, length))
            return false;
    }
    return true;
}

// Qt's image readers (and libpng under them) and its SVG renderer warn on
// the console about the faults they meet in a file. Here a fault is the
// user's error box and nothing else: while one picture is decoded, Qt's
// messages go nowhere, but for a fatal one, which still reaches the handler
// before ours (Qt ends the program after it, and it must not end silently).
// Everything runs on the one user-interface thread.
class QuietMessages
{
public:
    QuietMessages() : m_previous(qInstallMessageHandler(&quiet)) { s_outer = m_previous; }
    ~QuietMessages()
    {
        qInstallMessageHandler(m_previous);
        s_outer = nullptr;
    }
    QuietMessages(const QuietMessages &) = delete;
    QuietMessages &operator=(const QuietMessages &) = delete;

private:
    static void quiet(QtMsgType type, const QMessageLogContext &context, const QString &message)
    {
        if (type != QtFatalMsg)
            return;
        if (s_outer)
            s_outer(type, context, message);
        else
            std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    }
    static inline QtMessageHandler s_outer = nullptr;
    QtMessageHandler m_previous;
};

qint64 maxFileBytes(PatternImage::Kind kind)
{
    return kind == PatternImage::Kind::Metafile ? MaxMetafileFileBytes : MaxRasterFileBytes;
}

// The one image of a bitmap file, or the largest of an icon file's first 32
// (the first of those of equal size; icon files hold a handful, and each
// image costs a decode). Null when the reader fails or a declared size is
// beyond our limits.
QImage readRaster(const QByteArray &bytes, const char *format)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    // The format is known: without this the reader loads every image plugin
    // (SVG, GIF, JPEG...) to ask whether it reads the bytes.
    reader.setAutoDetectImageFormat(false);
    reader.setAllocationLimit(int(MaxImageBytes >> 20));

    QImage chosen;
    const int count = qBound(1, reader.imageCount(), 32);
    for (int i = 0; i < count; ++i) {
        if (i > 0 && !reader.jumpToImage(i))
            break;
        const QSize declared = reader.size();
        if (declared.isValid() && !withinLimits(declared))
            return QImage();
        if (declared.isValid() && !chosen.isNull()
            && qint64(declared.width()) * declared.height() <= qint64(chosen.width()) * chosen.height())
            continue;
        QImage image;
        if (!reader.read(&image) || !withinLimits(image.size()))
            return QImage();
        if (chosen.isNull() || qint64(image.width()) * image.height() > qint64(chosen.width()) * chosen.height())
            chosen = image;
    }
    return chosen;
}

} // namespace

PatternImage decode(const QByteArray &bytes, PatternImage::Kind kind)
{
    QImage image;
    if (bytes.size() <= maxFileBytes(kind)) {
        const QuietMessages quiet;
        switch (kind) {
        case PatternImage::Kind::Bitmap:
            if (bitmapIsWhole(bytes))
                image = readRaster(bytes, "bmp");
            break;
        case PatternImage::Kind::Icon:
            if (iconIsWhole(bytes))
                image = readRaster(bytes, "ico");
            break;
        case PatternImage::Kind::Metafile: image = MetafileDecoder::decode(bytes); break;
        }
    }
    if (image.isNull())
        throw invalidPicture(kind);
    return PatternImage(image, kind);
}

PatternImage load(const QString &fileName)
{
    const PatternImage::Kind kind = kindOf(fileName);
    // A file longer than any picture we accept is not read at all.
    WholeFile::Result file = WholeFile::read(fileName, {maxFileBytes(kind)});
    if (file.outcome == WholeFile::Outcome::TooLong)
        throw invalidPicture(kind);
    if (file.outcome != WholeFile::Outcome::Read)
        throw VorzoError::cannotOpen(fileName);
    const QByteArray bytes = std::move(file.bytes);
    return decode(bytes, kind);
}

} // namespace PictureFile
