// Writes the program's emblem as PNG icons for the desktop, enlarged pixel by
// pixel (no smoothing) to each of the usual sizes.
//
//   make_icons <emblem.txt> <icons folder>
//
// Writes <icons folder>/<N>x<N>/apps/vorzodazorad.png for N = 16, 32, 48, 64,
// 128 and 256.

#include "accessories/Emblem.h"

#include <QDir>
#include <QFile>
#include <QImage>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_icons <emblem.txt> <icons folder>\n");
        return 1;
    }
    QFile source(QString::fromLocal8Bit(argv[1]));
    if (!source.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "make_icons: cannot read %s\n", argv[1]);
        return 1;
    }
    QString error;
    const QImage emblem = Emblem::fromPixelText(source.readAll(), &error);
    if (emblem.isNull()) {
        std::fprintf(stderr, "make_icons: %s: %s\n", argv[1], qPrintable(error));
        return 1;
    }
    const QDir folder(QString::fromLocal8Bit(argv[2]));
    for (int side : {16, 32, 48, 64, 128, 256}) {
        const QString size = QStringLiteral("%1x%1/apps").arg(side);
        const QString path = folder.filePath(size + QStringLiteral("/vorzodazorad.png"));
        const QImage icon = emblem.scaled(side, side, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        if (!folder.mkpath(size) || !icon.save(path, "PNG")) {
            std::fprintf(stderr, "make_icons: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
