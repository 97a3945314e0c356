#include "CanvasPicture.h"

#include "CanvasGeometry.h"
#include "StageMap.h"
#include "platform/VorzoError.h"

#include <QImage>
#include <QPainter>

void SetCanvasColour(QPainter &canvas, const QColor &colour)
{
    canvas.setPen(colour);
    canvas.setBrush(colour);
}

void RedrawCanvas(QImage &picture, const StageMap &map, const ViewOrigin &origin, const QImage *tiles)
{
    constexpr int Cells = ViewOrigin::ViewCells;

    QPainter painter(&picture);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    SetCanvasColour(painter, CanvasBackground);
    // The rectangle with that pen and brush covers the whole picture; a
    // plain fill gives the same pixels at a fraction of the cost.
    painter.fillRect(QRect(0, 0, CanvasSide, CanvasSide), painter.brush());
    for (int i = 0; i < Cells; ++i) {
        for (int j = 0; j < Cells; ++j) {
            const CellCode code = map.at(origin.column + j, origin.row + i);
            if (code == EmptyCell)
                continue;
            if (!tiles) {
                painter.end();
                throw VorzoError(QStringLiteral("ビットマップを持っている時のみイメージの変更が可能です"));
            }
            // A square outside a smaller picture copies only what exists;
            // the rest keeps the background.
            painter.drawImage(QPoint(j * CellPixels, i * CellPixels), *tiles, tileSquareOf(code));
        }
    }
    // A line covers its start and stops short of its end: a one-pixel
    // rectangle, the same pixels as a drawn line at a quarter of the cost.
    // Those at 320 fall outside the picture, so nine show each way.
    SetCanvasColour(painter, GridLines);
    for (int k = 1; k <= Cells; ++k)
        painter.fillRect(QRect(k * CellPixels, 0, 1, CanvasSide), painter.brush());
    for (int k = 1; k <= Cells; ++k)
        painter.fillRect(QRect(0, k * CellPixels, CanvasSide, 1), painter.brush());
}
