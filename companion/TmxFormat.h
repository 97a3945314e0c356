#pragma once
// Tiled's XML map format (.tmx): the parts of a map that TiledMap holds,
// read with QXmlStreamReader and written as Tiled writes them.

#include "TiledMap.h"

namespace TmxFormat {

// Throws VorzoError when the bytes are no XML or no <map>.
Tiled::Map read(const QByteArray &bytes);

QByteArray write(const Tiled::Map &map);

} // namespace TmxFormat
