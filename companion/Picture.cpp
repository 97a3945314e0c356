#include "Picture.h"

#include "platform/VorzoError.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace {
// A bitmap of the usual layout is 280 KB; this is far beyond any pattern
// image and still refuses a header that asks for gigabytes.
constexpr int AllocationLimitMegabytes = 256;

QImage readImage(QFile &file, const char *format, const char *invalid)
{
    QImageReader reader(&file, format);
    reader.setAllocationLimit(AllocationLimitMegabytes);
    const QImage image = reader.read();
    if (image.isNull())
        throw VorzoError(QString::fromUtf8(invalid));
    return image;
}
} // namespace

PatternImage loadPicture(const QString &file)
{
    const QString extension = QFileInfo(file).suffix();
    const QString kind = extension.toLower();
    const bool bitmap = kind == QLatin1String("bmp");
    const bool icon = kind == QLatin1String("ico");
    const bool metafile = kind == QLatin1String("wmf") || kind == QLatin1String("emf");
    if (!bitmap && !icon && !metafile)
        throw VorzoError(QStringLiteral("拡張子 .%1 の画像形式は処理できません").arg(extension));
    QFile source(file);
    if (!QFileInfo(file).isFile() || !source.open(QIODevice::ReadOnly))
        throw VorzoError::cannotOpen(file);
    if (bitmap)
        return PatternImage(readImage(source, "bmp", "ビットマップイメージが不正です"), PatternImage::Kind::Bitmap);
    if (icon)
        return PatternImage(readImage(source, "ico", "アイコンイメージが不正です"), PatternImage::Kind::Icon);
    // A metafile gives no tiles whatever it holds; it is not decoded here.
    return PatternImage(QImage(), PatternImage::Kind::Metafile);
}
