// Loading a pattern image from its file: the supplied 320 x 224 bitmap at
// 8 bits a pixel, and a small metafile of each kind, all through
// PictureFile::load from the file on disk to the picture in its fast format.

#include "Median.h"

#include "../tests/support/MetafileBytes.h"
#include "pictures/PictureFile.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QTemporaryDir folder;
    const QString wmf = folder.filePath(QStringLiteral("small.wmf")),
                  emf = folder.filePath(QStringLiteral("small.emf"));
    for (const auto &[path, bytes] :
         {std::pair{wmf, MetafileBytes::wmf(64, 48)}, std::pair{emf, MetafileBytes::emf(64, 48)}}) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return 1;
    }

    const QString bitmap = QStringLiteral(VORZO_DIST_DIR "/zuzodovi.bmp");
    const struct
    {
        const char *what;
        QString path;
        int runs;
    } cases[] = {
        {"zuzodovi.bmp, 320 x 224 at 8 bits", bitmap, 2000},
        {"WMF, 64 x 48, rectangle and triangle", wmf, 500},
        {"EMF, 64 x 48, rectangle and triangle", emf, 500},
    };
    for (const auto &c : cases) {
        int width = 0;
        const double median = medianMicroseconds(c.runs, [&] { width += PictureFile::load(c.path).image().width(); });
        report(c.what, c.runs, median);
        if (width == 0)
            return 1;
    }
    return 0;
}
