#include "CanvasPicture.h"

#include "ViewOrigin.h"
#include "environment/PatternImage.h"
#include "environment/TileSquare.h"
#include "platform/VorzoError.h"

#include <QImage>
#include <QPainter>

void RedrawCanvas(QImage &picture, const StageMap &map, const ViewOrigin &origin, const PatternImage &pattern)
{
    constexpr int Cells = ViewOrigin::ViewCells;
    constexpr int Side = Cells * TileSize;
    picture.fill(CanvasBackground);

    QPainter painter(&picture);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
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
    // The lines at 320 fall outside the picture: nine show each way.
    for (int k = 1; k < Cells; ++k) {
        painter.fillRect(QRect(k * TileSize, 0, 1, Side), GridLines);
        painter.fillRect(QRect(0, k * TileSize, Side, 1), GridLines);
    }
}
