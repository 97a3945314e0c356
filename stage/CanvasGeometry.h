#pragma once
// The canvas's geometry: 10 x 10 cells of 32 x 32 pixels, and where the
// picture of a cell code lies in the pattern image (32 x 32 squares, ten to a
// row, in code order).

#include "CellCode.h"
#include "ViewOrigin.h"

#include <QPoint>
#include <QRect>

constexpr int CellPixels = 32;
constexpr int CanvasSide = ViewOrigin::ViewCells * CellPixels; // 320

inline QRect tileSquareOf(CellCode code)
{
    return QRect((code % 10) * CellPixels, (code / 10) * CellPixels, CellPixels, CellPixels);
}

inline bool isOnCanvas(QPoint point)
{
    return point.x() >= 0 && point.y() >= 0 && point.x() < CanvasSide && point.y() < CanvasSide;
}

// The stage cell under a point of the canvas (one that isOnCanvas), for the
// view at `origin`: x is the column, y the row.
inline QPoint cellUnder(QPoint point, const ViewOrigin &origin)
{
    return {origin.column + point.x() / CellPixels, origin.row + point.y() / CellPixels};
}
