#include "TmxFormat.h"

#include "CompanionText.h"

#include "platform/VorzoError.h"

#include <QXmlStreamReader>
#include <QXmlStreamWriter>

using CompanionText::Id;
using CompanionText::text;

namespace TmxFormat {
namespace {

int intOf(const QXmlStreamAttributes &attributes, QLatin1String name)
{
    return attributes.value(name).toInt();
}

void readProperties(QXmlStreamReader &xml, QList<Tiled::Property> &properties)
{
    while (xml.readNextStartElement()) {
        if (xml.name() != u"property") {
            xml.skipCurrentElement();
            continue;
        }
        const QXmlStreamAttributes attributes = xml.attributes();
        Tiled::Property property{attributes.value(QLatin1String("name")).toString(),
                                 attributes.value(QLatin1String("type")).toString(),
                                 {},
                                 true};
        if (property.type.isEmpty())
            property.type = QStringLiteral("string");
        if (property.type == u"class") {
            property.isText = false;
            xml.skipCurrentElement();
        } else if (attributes.hasAttribute(QLatin1String("value"))) {
            property.value = attributes.value(QLatin1String("value")).toString();
            xml.skipCurrentElement();
        } else {
            // A text of several lines is the element's content.
            property.value = xml.readElementText(QXmlStreamReader::SkipChildElements);
        }
        properties.append(property);
    }
}

Tiled::Tileset readTileset(QXmlStreamReader &xml)
{
    const QXmlStreamAttributes attributes = xml.attributes();
    Tiled::Tileset tileset;
    tileset.firstGid = attributes.value(QLatin1String("firstgid")).toLongLong();
    tileset.name = attributes.value(QLatin1String("name")).toString();
    tileset.source = attributes.value(QLatin1String("source")).toString();
    tileset.tileWidth = intOf(attributes, QLatin1String("tilewidth"));
    tileset.tileHeight = intOf(attributes, QLatin1String("tileheight"));
    tileset.columns = intOf(attributes, QLatin1String("columns"));
    tileset.tileCount = intOf(attributes, QLatin1String("tilecount"));
    tileset.spacing = intOf(attributes, QLatin1String("spacing"));
    tileset.margin = intOf(attributes, QLatin1String("margin"));
    while (xml.readNextStartElement()) {
        if (xml.name() == u"image") {
            const QXmlStreamAttributes image = xml.attributes();
            tileset.image = image.value(QLatin1String("source")).toString();
            tileset.imageWidth = intOf(image, QLatin1String("width"));
            tileset.imageHeight = intOf(image, QLatin1String("height"));
        }
        xml.skipCurrentElement();
    }
    return tileset;
}

// A <tile> element's id; none is 0, no tile.
QByteArray tileId(const QXmlStreamAttributes &attributes)
{
    const QStringView id = attributes.value(QLatin1String("gid"));
    return id.isEmpty() ? QByteArray("0") : id.toUtf8();
}

// The data's text; <tile> elements (the oldest form) become the CSV of
// their ids.
Tiled::LayerData readData(QXmlStreamReader &xml)
{
    Tiled::LayerData data;
    data.encoding = xml.attributes().value(QLatin1String("encoding")).toString();
    data.compression = xml.attributes().value(QLatin1String("compression")).toString();
    const bool tiles = data.encoding.isEmpty();
    if (tiles)
        data.encoding = QStringLiteral("csv");
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement())
            break;
        if (xml.isCharacters() && !tiles)
            data.text += xml.text().toUtf8();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == u"chunk")
            data.chunks = true;
        else if (xml.name() == u"tile" && tiles)
            data.text += (data.text.isEmpty() ? "" : ",") + tileId(xml.attributes());
        xml.skipCurrentElement();
    }
    return data;
}

Tiled::Layer readLayer(QXmlStreamReader &xml)
{
    Tiled::Layer layer;
    layer.kind = xml.name() == u"layer" ? QStringLiteral("tilelayer") : xml.name().toString();
    layer.name = xml.attributes().value(QLatin1String("name")).toString();
    layer.width = intOf(xml.attributes(), QLatin1String("width"));
    layer.height = intOf(xml.attributes(), QLatin1String("height"));
    while (xml.readNextStartElement()) {
        if (xml.name() == u"data" && layer.kind == u"tilelayer")
            layer.data = readData(xml);
        else
            xml.skipCurrentElement();
    }
    return layer;
}

void writeProperties(QXmlStreamWriter &xml, const QList<Tiled::Property> &properties)
{
    if (properties.isEmpty())
        return;
    xml.writeStartElement(QStringLiteral("properties"));
    for (const Tiled::Property &property : properties) {
        xml.writeStartElement(QStringLiteral("property"));
        xml.writeAttribute(QStringLiteral("name"), property.name);
        if (property.type != u"string")
            xml.writeAttribute(QStringLiteral("type"), property.type);
        xml.writeAttribute(QStringLiteral("value"), property.value);
        xml.writeEndElement();
    }
    xml.writeEndElement();
}

void writeTileset(QXmlStreamWriter &xml, const Tiled::Tileset &tileset)
{
    xml.writeStartElement(QStringLiteral("tileset"));
    xml.writeAttribute(QStringLiteral("firstgid"), QString::number(tileset.firstGid));
    xml.writeAttribute(QStringLiteral("name"), tileset.name);
    xml.writeAttribute(QStringLiteral("tilewidth"), QString::number(tileset.tileWidth));
    xml.writeAttribute(QStringLiteral("tileheight"), QString::number(tileset.tileHeight));
    xml.writeAttribute(QStringLiteral("tilecount"), QString::number(tileset.tileCount));
    xml.writeAttribute(QStringLiteral("columns"), QString::number(tileset.columns));
    xml.writeStartElement(QStringLiteral("image"));
    xml.writeAttribute(QStringLiteral("source"), tileset.image);
    xml.writeAttribute(QStringLiteral("width"), QString::number(tileset.imageWidth));
    xml.writeAttribute(QStringLiteral("height"), QString::number(tileset.imageHeight));
    xml.writeEndElement();
    xml.writeEndElement();
}

void writeLayer(QXmlStreamWriter &xml, const Tiled::Layer &layer, int id)
{
    xml.writeStartElement(QStringLiteral("layer"));
    xml.writeAttribute(QStringLiteral("id"), QString::number(id));
    xml.writeAttribute(QStringLiteral("name"), layer.name);
    xml.writeAttribute(QStringLiteral("width"), QString::number(layer.width));
    xml.writeAttribute(QStringLiteral("height"), QString::number(layer.height));
    xml.writeStartElement(QStringLiteral("data"));
    xml.writeAttribute(QStringLiteral("encoding"), layer.data.encoding);
    if (!layer.data.compression.isEmpty())
        xml.writeAttribute(QStringLiteral("compression"), layer.data.compression);
    // As Tiled lays it out: CSV from the next line on, base64 indented.
    const bool csv = layer.data.encoding == u"csv";
    xml.writeCharacters(csv ? QStringLiteral("\n") : QStringLiteral("\n   "));
    xml.writeCharacters(QString::fromLatin1(layer.data.text));
    xml.writeCharacters(csv ? QStringLiteral("\n") : QStringLiteral("\n  "));
    xml.writeEndElement();
    xml.writeEndElement();
}

} // namespace

Tiled::Map read(const QByteArray &bytes)
{
    QXmlStreamReader xml(bytes);
    Tiled::Map map;
    if (xml.readNextStartElement() && xml.name() == u"map") {
        const QXmlStreamAttributes attributes = xml.attributes();
        map.orientation = attributes.value(QLatin1String("orientation")).toString();
        map.width = intOf(attributes, QLatin1String("width"));
        map.height = intOf(attributes, QLatin1String("height"));
        map.tileWidth = intOf(attributes, QLatin1String("tilewidth"));
        map.tileHeight = intOf(attributes, QLatin1String("tileheight"));
        map.infinite = attributes.value(QLatin1String("infinite")) == u"1";
        map.backgroundColour = attributes.value(QLatin1String("backgroundcolor")).toString();
        while (xml.readNextStartElement()) {
            const QStringView name = xml.name();
            if (name == u"properties")
                readProperties(xml, map.properties);
            else if (name == u"tileset")
                map.tilesets.append(readTileset(xml));
            else if (name == u"layer" || name == u"objectgroup" || name == u"imagelayer" || name == u"group")
                map.layers.append(readLayer(xml));
            else
                xml.skipCurrentElement();
        }
    } else if (!xml.hasError()) {
        throw VorzoError(text(Id::NotATiledMap));
    }
    if (xml.hasError())
        throw VorzoError(
            text(Id::MapUnreadable)
                .arg(QStringLiteral("%1:%2: %3").arg(xml.lineNumber()).arg(xml.columnNumber()).arg(xml.errorString())));
    return map;
}

QByteArray write(const Tiled::Map &map)
{
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(1);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("map"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("1.8"));
    xml.writeAttribute(QStringLiteral("orientation"), map.orientation);
    xml.writeAttribute(QStringLiteral("renderorder"), QStringLiteral("right-down"));
    xml.writeAttribute(QStringLiteral("width"), QString::number(map.width));
    xml.writeAttribute(QStringLiteral("height"), QString::number(map.height));
    xml.writeAttribute(QStringLiteral("tilewidth"), QString::number(map.tileWidth));
    xml.writeAttribute(QStringLiteral("tileheight"), QString::number(map.tileHeight));
    xml.writeAttribute(QStringLiteral("infinite"), map.infinite ? QStringLiteral("1") : QStringLiteral("0"));
    if (!map.backgroundColour.isEmpty())
        xml.writeAttribute(QStringLiteral("backgroundcolor"), map.backgroundColour);
    xml.writeAttribute(QStringLiteral("nextlayerid"), QString::number(map.layers.size() + 1));
    xml.writeAttribute(QStringLiteral("nextobjectid"), QStringLiteral("1"));
    writeProperties(xml, map.properties);
    for (const Tiled::Tileset &tileset : map.tilesets)
        writeTileset(xml, tileset);
    for (qsizetype i = 0; i < map.layers.size(); ++i)
        writeLayer(xml, map.layers.at(i), int(i) + 1);
    xml.writeEndElement();
    xml.writeEndDocument();
    return bytes;
}

} // namespace TmxFormat
