// Writes the program's emblem as icons for the desktop: PNG icons of the
// usual sizes and a scalable SVG.
//
//   make_icons <icons folder> <emblem.txt> [<art.txt> ...]
//
// Each pixel text is the emblem drawn for its own size (emblem.txt is the
// 32-pixel one). A size that has art of its own takes it; every other size
// is the 32-pixel emblem enlarged, or halved, a whole number of times pixel
// by pixel, so that no pixel is doubled where its neighbour is not.
// Writes <icons folder>/<N>x<N>/apps/vorzodazorad.png for N = 16, 22, 24,
// 32, 48, 64, 128 and 256, and scalable/apps/vorzodazorad.svg: the largest
// art as squares of colour that stay sharp at every size.

#include "accessories/Emblem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMap>

#include <cstdio>

namespace {

constexpr int EmblemSide = 32;

// One <rect> per run of equal pixels in a row.
QByteArray svgOf(const QImage &art)
{
    QByteArray svg = QByteArrayLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n");
    svg += QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%2\" viewBox=\"0 0 %1 %2\" "
                          "shape-rendering=\"crispEdges\">\n")
               .arg(art.width())
               .arg(art.height())
               .toUtf8();
    for (int y = 0; y < art.height(); ++y) {
        for (int x = 0; x < art.width();) {
            const QRgb colour = art.pixel(x, y);
            int end = x + 1;
            while (end < art.width() && art.pixel(end, y) == colour)
                ++end;
            if (qAlpha(colour) != 0)
                svg += QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"1\" fill=\"#%4\"/>\n")
                           .arg(x)
                           .arg(y)
                           .arg(end - x)
                           .arg(colour & 0xFFFFFF, 6, 16, QLatin1Char('0'))
                           .toUtf8();
            x = end;
        }
    }
    return svg + "</svg>\n";
}

bool write(const QDir &folder, const QString &path, const QByteArray &bytes)
{
    QFile file(folder.filePath(path));
    return folder.mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()
           && file.flush();
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: make_icons <icons folder> <emblem.txt> [<art.txt> ...]\n");
        return 1;
    }
    QMap<int, QImage> art; // by side
    for (int i = 2; i < argc; ++i) {
        QFile source(QString::fromLocal8Bit(argv[i]));
        if (!source.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "make_icons: cannot read %s\n", argv[i]);
            return 1;
        }
        QString error;
        const QImage picture = Emblem::fromPixelText(source.readAll(), &error);
        if (picture.isNull() || picture.width() != picture.height()) {
            std::fprintf(stderr, "make_icons: %s: %s\n", argv[i],
                         picture.isNull() ? qPrintable(error) : "not a square");
            return 1;
        }
        art.insert(picture.width(), picture);
    }
    if (!art.contains(EmblemSide)) {
        std::fprintf(stderr, "make_icons: no %d-pixel emblem\n", EmblemSide);
        return 1;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    for (int side : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QImage &emblem = art.value(EmblemSide);
        if (!art.contains(side) && side % EmblemSide != 0 && EmblemSide % side != 0) {
            std::fprintf(stderr, "make_icons: no art for %d pixels\n", side);
            return 1;
        }
        const QImage icon = art.contains(side)
                                ? art.value(side)
                                : emblem.scaled(side, side, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        const QString path = QStringLiteral("%1x%1/apps/vorzodazorad.png").arg(side);
        if (!folder.mkpath(QFileInfo(path).path()) || !icon.save(folder.filePath(path), "PNG")) {
            std::fprintf(stderr, "make_icons: cannot write %s\n", qPrintable(folder.filePath(path)));
            return 1;
        }
    }
    if (!write(folder, QStringLiteral("scalable/apps/vorzodazorad.svg"), svgOf(art.last()))) {
        std::fprintf(stderr, "make_icons: cannot write the SVG icon\n");
        return 1;
    }
    return 0;
}
