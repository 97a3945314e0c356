#include "TiledStage.h"

#include "CompanionText.h"
#include "LayerCodec.h"
#include "TiledSettings.h"

#include "platform/VorzoError.h"

#include <algorithm>

using CompanionText::Id;
using CompanionText::number;
using CompanionText::text;

namespace TiledStage {
namespace {

constexpr int TileSide = 32;
constexpr int TilesetColumns = 10;
constexpr int TilesetRows = 7; // squares 0-69, of which 0-64 are placed
// Tiled's flags in the high bits of an id: flipped three ways, rotated
// (hexagonal maps).
constexpr quint32 FlipBits = 0xF0000000u;

QString tilesetName()
{
    return QString::fromUtf16(TilesetName);
}

bool isOurs(const Tiled::Tileset &tileset)
{
    return tileset.source.isEmpty() && tileset.firstGid >= 1 && tileset.name == tilesetName()
           && tileset.tileWidth == TileSide && tileset.tileHeight == TileSide && tileset.columns == TilesetColumns
           && tileset.spacing == 0 && tileset.margin == 0;
}

[[noreturn]] void refuse(const QString &message)
{
    throw VorzoError(message);
}

// The map's one tile layer; any other layer is refused.
const Tiled::Layer &tileLayerOf(const Tiled::Map &map)
{
    const auto isTiles = [](const Tiled::Layer &layer) { return layer.kind == QLatin1String("tilelayer"); };
    const auto tiles = std::find_if(map.layers.begin(), map.layers.end(), isTiles);
    if (tiles == map.layers.end())
        refuse(text(Id::NoTileLayer));
    for (const Tiled::Layer &layer : map.layers) {
        if (&layer != &*tiles)
            refuse(text(Id::SecondLayer).arg(layer.name));
    }
    return *tiles;
}

} // namespace

Tiled::Map mapOf(const StageMap &map, const SettingsList &settings, const Names &names, Tiled::LayerFormat format)
{
    QList<quint32> ids;
    ids.reserve(StageMap::Cells);
    for (int row = 0; row < StageMap::Rows; ++row) {
        for (int column = 0; column < StageMap::Columns; ++column) {
            const CellCode code = map.at(column, row);
            if (!isPlaceableCode(code))
                refuse(text(Id::ForeignCode).arg(number(column), number(row), number(code)));
            ids.append(code == EmptyCell ? 0 : quint32(code) + 1);
        }
    }
    Tiled::Map tiled;
    tiled.orientation = QStringLiteral("orthogonal");
    tiled.width = StageMap::Columns;
    tiled.height = StageMap::Rows;
    tiled.tileWidth = tiled.tileHeight = TileSide;
    tiled.backgroundColour = names.background;
    tiled.properties = TiledSettings::propertiesOf(settings);
    tiled.tilesets.append({1,
                           tilesetName(),
                           {},
                           TileSide,
                           TileSide,
                           TilesetColumns,
                           TilesetColumns * TilesetRows,
                           0,
                           0,
                           names.image,
                           TileSide * TilesetColumns,
                           TileSide * TilesetRows});
    tiled.layers.append({QStringLiteral("tilelayer"), names.layer, StageMap::Columns, StageMap::Rows,
                         LayerCodec::encode(ids, StageMap::Columns, format)});
    return tiled;
}

Stage stageOf(const Tiled::Map &map)
{
    if (map.orientation != QLatin1String("orthogonal"))
        refuse(text(Id::NotOrthogonal).arg(map.orientation));
    if (map.infinite)
        refuse(text(Id::InfiniteMap));
    if (map.width != StageMap::Columns || map.height != StageMap::Rows)
        refuse(text(Id::MapSize).arg(number(map.width), number(map.height)));
    if (map.tileWidth != TileSide || map.tileHeight != TileSide)
        refuse(text(Id::TileSize).arg(number(map.tileWidth), number(map.tileHeight)));
    for (const Tiled::Tileset &tileset : map.tilesets) {
        if (!isOurs(tileset) || map.tilesets.size() > 1)
            refuse(
                text(Id::ForeignTileset).arg(tileset.source.isEmpty() ? tileset.name : tileset.source, tilesetName()));
    }
    const Tiled::Layer &layer = tileLayerOf(map);
    if (layer.width != StageMap::Columns || layer.height != StageMap::Rows)
        refuse(text(Id::LayerSize).arg(layer.name, number(layer.width), number(layer.height)));
    const QList<quint32> ids = LayerCodec::decode(layer.data, StageMap::Columns, StageMap::Cells);
    // Without a tileset every id but 0 is out of it.
    const qint64 first = map.tilesets.isEmpty() ? 1 : map.tilesets.first().firstGid;

    Stage stage;
    for (int i = 0; i < StageMap::Cells; ++i) {
        const int column = i % StageMap::Columns, row = i / StageMap::Columns;
        const quint32 id = ids.at(i);
        if (id & FlipBits)
            refuse(text(Id::FlippedTile).arg(number(column), number(row)));
        if (id == 0)
            continue; // stays empty
        const qint64 tile = qint64(id) - first;
        if (tile < 0 || tile > LastPlaceableCode)
            refuse(text(Id::ForeignTile).arg(number(column), number(row), number(tile)));
        stage.map.set(column, row, CellCode(tile));
    }
    stage.settings = TiledSettings::settingsOf(map.properties);
    return stage;
}

} // namespace TiledStage
