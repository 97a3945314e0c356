#include "CanvasPicture.h"

#include "CanvasGeometry.h"
#include "StageMap.h"
#include "platform/VorzoError.h"

#include <QPainter>

namespace {

// The whole picture in the background colour; from then on every pixel
// drawn replaces what was there.
void startPicture(QPainter &painter, QSize size)
{
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    SetCanvasColour(painter, CanvasBackground);
    // The rectangle with that pen and brush covers the whole picture; a
    // plain fill gives the same pixels at a fraction of the cost.
    painter.fillRect(QRect(QPoint(0, 0), size), painter.brush());
}

} // namespace

void SetCanvasColour(QPainter &canvas, const QColor &colour)
{
    canvas.setPen(colour);
    canvas.setBrush(colour);
}

void DrawCell(QPainter &painter, QPoint at, CellCode code, const QImage *tiles)
{
    if (code == EmptyCell)
        return;
    if (!tiles)
        throw VorzoError(QStringLiteral("ビットマップを持っている時のみイメージの変更が可能です"));
    // A square outside a smaller picture copies only what exists; the rest
    // keeps the background.
    painter.drawImage(at, *tiles, tileSquareOf(code));
}

void DrawGridLines(QPainter &painter, int columns, int rows)
{
    // A line covers its start and stops short of its end: a one-pixel
    // rectangle, the same pixels as a drawn line at a quarter of the cost.
    // The last ones fall just outside the picture.
    SetCanvasColour(painter, GridLines);
    for (int k = 1; k <= columns; ++k)
        painter.fillRect(QRect(k * CellPixels, 0, 1, rows * CellPixels), painter.brush());
    for (int k = 1; k <= rows; ++k)
        painter.fillRect(QRect(0, k * CellPixels, columns * CellPixels, 1), painter.brush());
}

void RedrawCanvas(QImage &picture, const StageMap &map, const ViewOrigin &origin, const QImage *tiles)
{
    constexpr int Cells = ViewOrigin::ViewCells;

    QPainter painter(&picture);
    startPicture(painter, QSize(CanvasSide, CanvasSide));
    for (int i = 0; i < Cells; ++i) {
        for (int j = 0; j < Cells; ++j)
            DrawCell(painter, QPoint(j * CellPixels, i * CellPixels), map.at(origin.column + j, origin.row + i), tiles);
    }
    DrawGridLines(painter, Cells, Cells);
}

QImage DrawStage(const StageMap &map, const QImage *tiles, bool grid)
{
    QImage picture(StageMap::Columns * CellPixels, StageMap::Rows * CellPixels, QImage::Format_RGB32);
    QPainter painter(&picture);
    startPicture(painter, picture.size());
    for (int column = 0; column < StageMap::Columns; ++column) {
        for (int row = 0; row < StageMap::Rows; ++row)
            DrawCell(painter, QPoint(column * CellPixels, row * CellPixels), map.at(column, row), tiles);
    }
    if (grid)
        DrawGridLines(painter, StageMap::Columns, StageMap::Rows);
    return picture;
}
