#include "Emblem.h"

#include <QByteArrayList>
#include <QFile>
#include <QHash>
#include <QIcon>
#include <QPixmap>

#include <optional>

namespace Emblem {
namespace {

constexpr char Transparent = '.';
constexpr int MaxSide = 1024;

std::optional<QRgb> colourOf(const QByteArray &line, char *name)
{
    const qsizetype comment = line.indexOf('#');
    const QByteArray fields = (comment < 0 ? line : line.left(comment)).simplified();
    const QByteArrayList parts = fields.split(' ');
    if (parts.size() != 4 || parts.at(0).size() != 1)
        return std::nullopt;
    int rgb[3];
    for (int i = 0; i < 3; ++i) {
        bool ok = false;
        rgb[i] = parts.at(i + 1).toInt(&ok);
        if (!ok || rgb[i] < 0 || rgb[i] > 255)
            return std::nullopt;
    }
    *name = parts.at(0).at(0);
    return qRgb(rgb[0], rgb[1], rgb[2]);
}

QImage failed(QString *error, const QString &message)
{
    if (error)
        *error = message;
    return QImage();
}

} // namespace

QImage fromPixelText(const QByteArray &text, QString *error)
{
    QHash<char, QRgb> palette;
    QByteArrayList rows;
    bool inPixels = false;
    int lineNumber = 0;
    for (QByteArray line : text.split('\n')) {
        ++lineNumber;
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.trimmed() == "# pixels") {
            inPixels = true;
            continue;
        }
        if (line.trimmed().isEmpty() || line.startsWith('#'))
            continue;
        if (inPixels) {
            rows.append(line);
            continue;
        }
        char name = 0;
        const std::optional<QRgb> colour = colourOf(line, &name);
        if (!colour || name == '#' || name == ' ')
            return failed(error, QStringLiteral("line %1: not a palette line").arg(lineNumber));
        if (palette.contains(name))
            return failed(error, QStringLiteral("line %1: '%2' defined twice").arg(lineNumber).arg(QChar(name)));
        palette.insert(name, name == Transparent ? qRgba(0, 0, 0, 0) : *colour);
    }
    if (rows.isEmpty())
        return failed(error, QStringLiteral("no pixel rows"));
    const qsizetype width = rows.first().size();
    if (width > MaxSide || rows.size() > MaxSide)
        return failed(error, QStringLiteral("larger than %1 pixels").arg(MaxSide));

    QImage picture(int(width), int(rows.size()), QImage::Format_ARGB32);
    for (int y = 0; y < picture.height(); ++y) {
        const QByteArray &row = rows.at(y);
        if (row.size() != width)
            return failed(error, QStringLiteral("row %1 is %2 wide, not %3").arg(y).arg(row.size()).arg(width));
        auto *pixels = reinterpret_cast<QRgb *>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            const auto found = palette.constFind(row.at(x));
            if (found == palette.constEnd())
                return failed(error, QStringLiteral("row %1: '%2' is not in the palette").arg(y).arg(QChar(row.at(x))));
            pixels[x] = *found;
        }
    }
    return picture;
}

QImage image()
{
    QFile source(QStringLiteral(":/emblem.txt"));
    if (!source.open(QIODevice::ReadOnly))
        return QImage();
    return fromPixelText(source.readAll());
}

QImage scaled(int side)
{
    return image().scaled(side, side, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

QIcon icon()
{
    QIcon icon;
    for (int side : {16, 32, 48, 64, 128, 256})
        icon.addPixmap(QPixmap::fromImage(scaled(side)));
    return icon;
}

} // namespace Emblem
