#pragma once
// A Tiled map file as the companion names it: the format by the extension
// (.tmx XML, .tmj JSON), the tileset's picture beside it.

#include "TiledStage.h"

#include <optional>

namespace TiledFile {

enum class Format { Tmx, Tmj };

// By the extension, in any letter case; nothing for another.
std::optional<Format> formatOf(const QString &path);

// The picture of the tileset, beside the map: castle.tmx -> castle-tiles.png.
QString tilesetPathOf(const QString &mapPath);

// Throws VorzoError for a map that cannot be read or is no stage.
TiledStage::Stage read(const QByteArray &bytes, Format format);

QByteArray write(const Tiled::Map &map, Format format);

} // namespace TiledFile
