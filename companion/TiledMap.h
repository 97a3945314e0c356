#pragma once
// A map of the Tiled map editor: as much of it as a stage needs, and as much
// as tells a map that is not a stage. The TMX and TMJ formats read into it
// and write from it. A layer's data stay as the file has them until the
// stage takes them (LayerData), so that a map of another size is refused
// before anything is inflated.

#include <QByteArray>
#include <QList>
#include <QString>

namespace Tiled {

struct Property
{
    QString name;
    QString type;       // "string" when the file names none
    QString value;      // a number or a truth value as its text
    bool isText = true; // false for a class's members or a JSON object
};

struct Tileset
{
    qint64 firstGid = 0;
    QString name;
    QString source; // an external tileset file; empty when embedded
    int tileWidth = 0;
    int tileHeight = 0;
    int columns = 0;
    int tileCount = 0;
    int spacing = 0;
    int margin = 0;
    QString image; // the picture's file, relative to the map
    int imageWidth = 0;
    int imageHeight = 0;
};

// How a tile layer's data are written.
enum class LayerFormat { Csv, Base64, Zlib, Gzip, Zstd };

struct LayerData
{
    // "csv" (also for a TMJ array and TMX <tile> elements, turned into that
    // text), "base64", or what else the file says.
    QString encoding;
    QString compression; // "", "zlib", "gzip", "zstd" or what else the file says
    QByteArray text;
    bool chunks = false; // an infinite map's pieces instead
};

struct Layer
{
    QString kind; // "tilelayer", "objectgroup", "imagelayer", "group"
    QString name;
    int width = 0;
    int height = 0;
    LayerData data;
};

struct Map
{
    QString orientation;
    int width = 0;
    int height = 0;
    int tileWidth = 0;
    int tileHeight = 0;
    bool infinite = false;
    QString backgroundColour; // "#rrggbb"
    QList<Property> properties;
    QList<Tileset> tilesets;
    QList<Layer> layers;
};

} // namespace Tiled
