#pragma once
// A tile layer's data as a Tiled map writes them: the global tile ids row by
// row, as CSV text or as base64 of their 32-bit little-endian bytes, those
// bytes raw or compressed with zlib, gzip or Zstandard.

#include "TiledMap.h"

#include <QList>

namespace LayerCodec {

// The ids of a layer of `cells` cells, `columns` to a row (to name the cell
// of a failure). The bytes are never inflated past the 4 × `cells` that
// the ids take. Throws VorzoError with the problem, and the cell where
// there is one.
QList<quint32> decode(const Tiled::LayerData &data, int columns, int cells);

// The layer data of `ids`; CSV as Tiled writes it, one row to a line.
Tiled::LayerData encode(const QList<quint32> &ids, int columns, Tiled::LayerFormat format);

} // namespace LayerCodec
