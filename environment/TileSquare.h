#pragma once
// Where the picture of a cell code lies in the pattern image: 32 x 32
// squares, ten to a row, in code order.

#include "stage/CellCode.h"

#include <QRect>

constexpr int TileSize = 32;

inline QRect tileSquareOf(CellCode code)
{
    return QRect((code % 10) * TileSize, (code / 10) * TileSize, TileSize, TileSize);
}
