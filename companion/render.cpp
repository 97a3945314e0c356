// vorzo-stage-render: the picture of `vorzo-stage render`, which hands its
// arguments on to this program; apart from vorzo-stage, because drawing
// needs the graphics libraries and the other commands start faster without.

#include "CommandLine.h"
#include "CompanionText.h"
#include "Png.h"
#include "Run.h"

#include "output/StageFiles.h"
#include "pictures/PictureFile.h"
#include "platform/SafeSave.h"
#include "platform/VorzoError.h"
#include "stage/CanvasPicture.h"
#include "stage/StageMap.h"

#include <QGuiApplication>

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

// Whether the picture to draw from is a metafile: its text is drawn with
// the desktop's fonts, which need a graphical application (no display).
// Decided on the command line as the command reads it, so that every
// spelling of the option ("--picture FILE", "--picture=FILE") counts.
bool drawsFromAMetafile(const QStringList &arguments)
{
    try {
        const CommandLine line = CommandLine::parse(arguments);
        return line.command == CommandLine::Command::Render && !line.picture.isEmpty()
               && PictureFile::kindOf(line.picture) == PatternImage::Kind::Metafile;
    } catch (const CommandLine::Misuse &) {
        return false; // the command says so itself
    } catch (const VorzoError &) {
        return false; // a picture of no known kind, likewise
    }
}

} // namespace

int main(int argc, char *argv[])
{
    reportQtFailures();
    QStringList arguments; // as the application will give them
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    if (!drawsFromAMetafile(arguments)) {
        QCoreApplication app(argc, argv);
        return run(render);
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    return run(render);
}
