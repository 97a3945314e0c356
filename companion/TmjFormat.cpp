#include "TmjFormat.h"

#include "CompanionText.h"

#include "platform/VorzoError.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QVariant>

using CompanionText::Id;
using CompanionText::text;

namespace TmjFormat {
namespace {

QString key(const char *name)
{
    return QString::fromLatin1(name);
}

// A value as the text it stands for: a number or a truth value as written.
QString textOf(const QJsonValue &value)
{
    switch (value.type()) {
    case QJsonValue::String: return value.toString();
    case QJsonValue::Double: return value.toVariant().toString();
    case QJsonValue::Bool: return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    case QJsonValue::Null: return QStringLiteral("null");
    case QJsonValue::Array: return QStringLiteral("[]");
    case QJsonValue::Object: return QStringLiteral("{}");
    case QJsonValue::Undefined: break;
    }
    return {};
}

QList<Tiled::Property> propertiesOf(const QJsonArray &array)
{
    QList<Tiled::Property> properties;
    for (const QJsonValue &entry : array) {
        const QJsonObject object = entry.toObject();
        const QJsonValue value = object.value(key("value"));
        properties.append({object.value(key("name")).toString(), object.value(key("type")).toString(key("string")),
                           textOf(value), !value.isObject() && !value.isArray() && !value.isUndefined()});
    }
    return properties;
}

Tiled::Tileset tilesetOf(const QJsonObject &object)
{
    Tiled::Tileset tileset;
    tileset.firstGid = object.value(key("firstgid")).toInteger();
    tileset.name = object.value(key("name")).toString();
    tileset.source = object.value(key("source")).toString();
    tileset.tileWidth = object.value(key("tilewidth")).toInt();
    tileset.tileHeight = object.value(key("tileheight")).toInt();
    tileset.columns = object.value(key("columns")).toInt();
    tileset.tileCount = object.value(key("tilecount")).toInt();
    tileset.spacing = object.value(key("spacing")).toInt();
    tileset.margin = object.value(key("margin")).toInt();
    tileset.image = object.value(key("image")).toString();
    tileset.imageWidth = object.value(key("imagewidth")).toInt();
    tileset.imageHeight = object.value(key("imageheight")).toInt();
    return tileset;
}

// An array of ids becomes their CSV text.
Tiled::LayerData dataOf(const QJsonObject &object)
{
    Tiled::LayerData data;
    data.encoding = object.value(key("encoding")).toString(key("csv"));
    data.compression = object.value(key("compression")).toString();
    data.chunks = object.contains(key("chunks"));
    const QJsonValue value = object.value(key("data"));
    if (value.isArray()) {
        QByteArrayList ids;
        for (const QJsonValue &id : value.toArray())
            ids.append(textOf(id).toUtf8());
        data.text = ids.join(',');
    } else {
        data.text = value.toString().toUtf8();
    }
    return data;
}

Tiled::Layer layerOf(const QJsonObject &object)
{
    Tiled::Layer layer;
    layer.kind = object.value(key("type")).toString();
    layer.name = object.value(key("name")).toString();
    layer.width = object.value(key("width")).toInt();
    layer.height = object.value(key("height")).toInt();
    if (layer.kind == u"tilelayer")
        layer.data = dataOf(object);
    return layer;
}

QJsonObject objectOf(const Tiled::Layer &layer, int id)
{
    QJsonObject object{{key("id"), id},
                       {key("name"), layer.name},
                       {key("type"), layer.kind},
                       {key("width"), layer.width},
                       {key("height"), layer.height},
                       {key("x"), 0},
                       {key("y"), 0},
                       {key("opacity"), 1},
                       {key("visible"), true}};
    if (layer.data.encoding == u"csv") {
        QJsonArray ids;
        for (const QByteArray &tile : layer.data.text.split(','))
            ids.append(tile.trimmed().toLongLong());
        object.insert(key("data"), ids);
    } else {
        object.insert(key("encoding"), layer.data.encoding);
        if (!layer.data.compression.isEmpty())
            object.insert(key("compression"), layer.data.compression);
        object.insert(key("data"), QString::fromLatin1(layer.data.text));
    }
    return object;
}

QJsonObject objectOf(const Tiled::Tileset &tileset)
{
    return {{key("firstgid"), tileset.firstGid},
            {key("name"), tileset.name},
            {key("tilewidth"), tileset.tileWidth},
            {key("tileheight"), tileset.tileHeight},
            {key("tilecount"), tileset.tileCount},
            {key("columns"), tileset.columns},
            {key("spacing"), tileset.spacing},
            {key("margin"), tileset.margin},
            {key("image"), tileset.image},
            {key("imagewidth"), tileset.imageWidth},
            {key("imageheight"), tileset.imageHeight}};
}

} // namespace

Tiled::Map read(const QByteArray &bytes)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError)
        throw VorzoError(
            text(Id::MapUnreadable).arg(QStringLiteral("%1: %2").arg(error.offset).arg(error.errorString())));
    const QJsonObject object = document.object();
    if (!document.isObject() || object.value(key("type")).toString(key("map")) != u"map")
        throw VorzoError(text(Id::NotATiledMap));
    Tiled::Map map;
    map.orientation = object.value(key("orientation")).toString();
    map.width = object.value(key("width")).toInt();
    map.height = object.value(key("height")).toInt();
    map.tileWidth = object.value(key("tilewidth")).toInt();
    map.tileHeight = object.value(key("tileheight")).toInt();
    map.infinite = object.value(key("infinite")).toBool();
    map.backgroundColour = object.value(key("backgroundcolor")).toString();
    map.properties = propertiesOf(object.value(key("properties")).toArray());
    for (const QJsonValue &tileset : object.value(key("tilesets")).toArray())
        map.tilesets.append(tilesetOf(tileset.toObject()));
    for (const QJsonValue &layer : object.value(key("layers")).toArray())
        map.layers.append(layerOf(layer.toObject()));
    return map;
}

QByteArray write(const Tiled::Map &map)
{
    QJsonArray properties;
    for (const Tiled::Property &property : map.properties)
        properties.append(
            QJsonObject{{key("name"), property.name}, {key("type"), property.type}, {key("value"), property.value}});
    QJsonArray tilesets;
    for (const Tiled::Tileset &tileset : map.tilesets)
        tilesets.append(objectOf(tileset));
    QJsonArray layers;
    for (qsizetype i = 0; i < map.layers.size(); ++i)
        layers.append(objectOf(map.layers.at(i), int(i) + 1));
    QJsonObject object{{key("type"), key("map")},
                       {key("version"), key("1.8")},
                       {key("orientation"), map.orientation},
                       {key("renderorder"), key("right-down")},
                       {key("width"), map.width},
                       {key("height"), map.height},
                       {key("tilewidth"), map.tileWidth},
                       {key("tileheight"), map.tileHeight},
                       {key("infinite"), map.infinite},
                       {key("compressionlevel"), -1},
                       {key("nextlayerid"), int(map.layers.size()) + 1},
                       {key("nextobjectid"), 1},
                       {key("tilesets"), tilesets},
                       {key("layers"), layers}};
    if (!map.backgroundColour.isEmpty())
        object.insert(key("backgroundcolor"), map.backgroundColour);
    if (!properties.isEmpty())
        object.insert(key("properties"), properties);
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

} // namespace TmjFormat
