#include "TiledExport.h"

#include "Png.h"
#include "Run.h"
#include "TiledFile.h"

#include "output/StageFiles.h"
#include "pictures/PictureFile.h"
#include "platform/SafeSave.h"
#include "platform/VorzoError.h"
#include "stage/CanvasGeometry.h"
#include "stage/CanvasPicture.h"

#include <QFileInfo>

using namespace Companion;

namespace {

constexpr int SquaresPerRow = 10;
constexpr int Squares = 70;

} // namespace

QImage tilesetPicture(const QImage *tiles)
{
    QImage picture(SquaresPerRow * CellPixels, Squares / SquaresPerRow * CellPixels, QImage::Format_RGB32);
    picture.fill(CanvasBackground);
    const QImage rgb = tiles ? tiles->convertToFormat(QImage::Format_RGB32) : QImage();
    for (int code = 0; code < Squares; ++code) {
        const QPoint at(code % SquaresPerRow * CellPixels, code / SquaresPerRow * CellPixels);
        DrawCell(picture, at, CellCode(code), tiles ? &rgb : nullptr);
    }
    return picture;
}

int exportTiled(const CommandLine &line)
{
    const QString base = StageFiles::baseOf(line.stage);
    const QString settingsPath = StageFiles::settingsPathOf(base);
    const QString tilesPath = TiledFile::tilesetPathOf(line.output);
    for (const QString &output : {line.output, tilesPath})
        refuseOutputOverInput(output, {line.stage, settingsPath, line.picture});
    StageMap map;
    reading(line.stage, [&] { StageFiles::readMap(line.stage, map); });
    const SettingsList settings = reading(settingsPath, [&] { return StageFiles::readSettings(settingsPath); });
    const PatternImage pattern = line.picture.isEmpty()
                                     ? PatternImage::builtIn()
                                     : reading(line.picture, [&] { return PictureFile::load(line.picture); });
    Tiled::Map tiled;
    try {
        tiled = TiledStage::mapOf(
            map, settings, {QFileInfo(base).fileName(), QFileInfo(tilesPath).fileName(), CanvasBackground.name()},
            line.layerFormat);
    } catch (const VorzoError &refused) {
        throw VorzoError(line.stage + QStringLiteral(": ") + refused.message());
    }
    const QImage picture = tilesetPicture(pattern.tiles());
    const QImage indexed = withPalette(picture, {});
    const QByteArray png = pngOf(indexed.isNull() ? picture : indexed, 1);
    if (png.isEmpty())
        throw VorzoError::cannotCreate(tilesPath);
    const QByteArray mapBytes = TiledFile::write(tiled, *TiledFile::formatOf(line.output));
    // The picture first: the map never names a picture that is not there.
    writing(tilesPath, [&] { saveFileSafely(tilesPath, png); });
    writing(line.output, [&] { saveFileSafely(line.output, mapBytes); });
    return Success;
}
