// vorzo-stage-render: the picture of `vorzo-stage render`, which hands its
// arguments on to this program; apart from vorzo-stage, because drawing
// needs the graphics libraries and the other commands start faster without.

#include "CommandLine.h"
#include "CompanionText.h"
#include "Picture.h"
#include "Png.h"
#include "Run.h"

#include "output/StageFiles.h"
#include "platform/SafeSave.h"
#include "platform/VorzoError.h"
#include "stage/CanvasPicture.h"
#include "stage/StageMap.h"

#include <QCoreApplication>

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
    StageFiles::readMap(line.stage, map);
    const PatternImage pattern = line.picture.isEmpty() ? PatternImage::builtIn() : loadPicture(line.picture);
    // Drawn with a palette when the picture has one that can also hold the
    // canvas's two colours: a quarter of the pixels' bytes to write.
    const QImage *tiles = pattern.tiles();
    const QImage indexed = tiles ? withPalette(*tiles, {CanvasBackground.rgb(), GridLines.rgb()}) : QImage();
    const QByteArray png = pngOf(DrawStage(map, indexed.isNull() ? tiles : &indexed, line.grid), line.scale);
    if (png.isEmpty())
        throw VorzoError::cannotCreate(line.output);
    saveFileSafely(line.output, png);
    return Success;
}

} // namespace

int main(int argc, char *argv[])
{
    return run(argc, argv, render);
}
