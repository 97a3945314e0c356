#pragma once
// Tiled's JSON map format (.tmj): the parts of a map that TiledMap holds,
// read with QJsonDocument and written with the keys Tiled writes.

#include "TiledMap.h"

namespace TmjFormat {

// Throws VorzoError when the bytes are no JSON or no map object.
Tiled::Map read(const QByteArray &bytes);

QByteArray write(const Tiled::Map &map);

} // namespace TmjFormat
