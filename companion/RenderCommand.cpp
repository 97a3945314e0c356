// vorzo-stage-render's commands: the stage's picture, drawn as the canvas
// draws it, as PNG, and the stage as a Tiled map with its tileset's picture.

#include "RenderCommand.h"

#include "CompanionText.h"
#include "Png.h"
#include "Run.h"
#include "TiledExport.h"

#include "output/StageFiles.h"
#include "pictures/PictureFile.h"
#include "platform/SafeSave.h"
#include "platform/VorzoError.h"
#include "stage/CanvasPicture.h"
#include "stage/StageMap.h"

#include <QCoreApplication>

using namespace Companion;

int Companion::render(const CommandLine &line)
{
    using CompanionText::Id;
    if (line.command == CommandLine::Command::Help) {
        writeOut(CompanionText::text(Id::Help).toUtf8());
        return Success;
    }
    if (line.command == CommandLine::Command::Export)
        return exportTiled(line);
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

bool Companion::drawsFromAMetafile(const QStringList &arguments)
{
    try {
        const CommandLine line = CommandLine::parse(arguments);
        const bool draws = line.command == CommandLine::Command::Render || line.command == CommandLine::Command::Export;
        return draws && !line.picture.isEmpty() && PictureFile::kindOf(line.picture) == PatternImage::Kind::Metafile;
    } catch (const CommandLine::Misuse &) {
        return false; // the command says so itself
    } catch (const VorzoError &) {
        return false; // a picture of no known kind, likewise
    }
}
