#pragma once
// A stage as a map of the Tiled map editor and back: orthogonal, 180 × 30
// tiles of 32 × 32 in one tile layer, cell code c as tile c of the one
// tileset made from the pattern image (10 columns, the 70 squares), an
// empty cell as no tile, the settings as the map's properties
// (TiledSettings). A map that is no such stage is refused, never guessed at.

#include "TiledMap.h"

#include "settings/SettingsList.h"
#include "stage/StageMap.h"

namespace TiledStage {

// The tileset's name, which tells it from any other.
inline constexpr char16_t TilesetName[] = u"VorzoDazorad";

struct Names
{
    QString layer;      // the stage's name
    QString image;      // the tileset's picture, relative to the map
    QString background; // the canvas's colour of empty cells, "#rrggbb"
};

// Throws VorzoError for a cell whose code no tile shows (neither 0-64 nor
// 99), naming the first.
Tiled::Map mapOf(const StageMap &map, const SettingsList &settings, const Names &names, Tiled::LayerFormat format);

struct Stage
{
    StageMap map;
    SettingsList settings;
};

// Throws VorzoError with the first problem that makes the map no stage,
// and the cell where there is one.
Stage stageOf(const Tiled::Map &map);

} // namespace TiledStage
