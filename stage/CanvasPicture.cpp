#include "CanvasPicture.h"

#include "ViewOrigin.h"
#include "environment/PatternImage.h"
#include "environment/TileSquare.h"
#include "platform/VorzoError.h"

#include <QImage>
#include <QPainter>

void SetCanvasColour(QPainter &canvas, const QColor &colour)
{
    canvas.setPen(colour);
    canvas.setBrush(colour);
}

void RedrawCanvas(QImage &picture, const StageMap &map, const ViewOrigin &origin, const PatternImage &pattern)
{
    constexpr int Cells = ViewOrigin::ViewCells;
    constexpr int Side = Cells * TileSize;

    QPainter painter(&picture);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    SetCanvasColour(painter, CanvasBackground);
    // The rectangle with that pen and brush covers the whole picture; a
    // plain fill gives the same pixels at a fraction of the cost.
    painter.fillRect(QRect(0, 0, Side, Side), painter.brush());
    for (int i = 0; i < Cells; ++i) {
        for (int j = 0; j < Cells; ++j) {
            const CellCode code = map.at(origin.column + j, origin.row + i);
            if (code == EmptyCell)
                continue;
            if (!pattern.isBitmap()) {
                painter.end();
                throw VorzoError(QStringLiteral("ビットマップを持っている時のみイメージの変更が可能です"));
            }
            // A square outside a smaller picture copies only what exists;
            // the rest keeps the background.
            painter.drawImage(QPoint(j * TileSize, i * TileSize), pattern.image(), tileSquareOf(code));
        }
    }
    // A line covers its start and stops short of its end: a one-pixel
    // rectangle, the same pixels as a drawn line at a quarter of the cost.
    // Those at 320 fall outside the picture, so nine show each way.
    SetCanvasColour(painter, GridLines);
    for (int k = 1; k <= Cells; ++k)
        painter.fillRect(QRect(k * TileSize, 0, 1, Side), painter.brush());
    for (int k = 1; k <= Cells; ++k)
        painter.fillRect(QRect(0, k * TileSize, Side, 1), painter.brush());
}
