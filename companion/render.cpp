// vorzo-stage-render: the picture of `vorzo-stage render`, which hands its
// arguments on to this program; apart from vorzo-stage, because drawing
// needs the graphics libraries and the other commands start faster without.

#include "CommandLine.h"
#include "CompanionText.h"
#include "Png.h"
#include "Run.h"

#include "environment/PictureFile.h"
#include "output/StageFiles.h"
#include "platform/SafeSave.h"
#include "platform/VorzoError.h"
#include "stage/CanvasPicture.h"
#include "stage/StageMap.h"

#include <QFile>
#include <QGuiApplication>

#include <cstdio>
#include <cstring>

using namespace Companion;

namespace {

int render(const CommandLine &line)
{
    using CompanionText::Id;
    if (line.command == CommandLine::Command::Help) {
        writeOut(CompanionText::text(Id::Help).toUtf8());
        return Success;
    }
    if (line.command != CommandLine::Command::Render)
        throw CommandLine::Misuse{CompanionText::text(Id::UnknownCommand).arg(QCoreApplication::arguments().value(1))};
    refuseOutputOverInput(line.output, {line.stage, line.picture});
    StageMap map;
    reading(line.stage, [&] { StageFiles::readMap(line.stage, map); });
    const PatternImage pattern = line.picture.isEmpty()
        ? PatternImage::builtIn()
        : reading(line.picture, [&] { return PictureFile::load(line.picture); });
    // Drawn with a palette when the picture has one that can also hold the
    // canvas's two colours: a quarter of the pixels' bytes to write.
    const QImage *tiles = pattern.tiles();
    const QImage indexed = tiles ? withPalette(*tiles, {CanvasBackground.rgb(), GridLines.rgb()}) : QImage();
    const QByteArray png = pngOf(DrawStage(map, indexed.isNull() ? tiles : &indexed, line.grid), line.scale);
    if (line.toStandardOutput()) {
        if (png.isEmpty())
            throw VorzoError::cannotWrite(CompanionText::text(Id::StandardOutput));
        writeOut(png);
        return Success;
    }
    if (png.isEmpty())
        throw VorzoError::cannotCreate(line.output);
    writing(line.output, [&] { saveFileSafely(line.output, png); });
    return Success;
}

} // namespace

// Whether the picture to draw from is a metafile: its text is drawn with
// the desktop's fonts, which need a graphical application (no display).
bool drawsFromAMetafile(int argc, char *argv[])
{
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--picture") == 0) {
            const QString picture = QFile::decodeName(argv[i + 1]).toLower();
            return picture.endsWith(QLatin1String(".wmf")) || picture.endsWith(QLatin1String(".emf"));
        }
    }
    return false;
}

int main(int argc, char *argv[])
{
    if (!drawsFromAMetafile(argc, argv)) {
        QCoreApplication app(argc, argv);
        return run(render);
    }
    // What Qt has to say on the way (no XDG_RUNTIME_DIR, say) is not the
    // command's to print.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    });
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    return run(render);
}
