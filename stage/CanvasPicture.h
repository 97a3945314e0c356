#pragma once
// Drawing the view: the canvas's 320 x 320 picture from the stage map and the
// pattern image.

#include <QColor>

class QImage;
class QPainter;
class StageMap;
struct ViewOrigin;

inline const QColor CanvasBackground{0, 255, 255}; // cyan, empty cells
inline const QColor GridLines{255, 255, 0};         // yellow

// Sets both the pen and the fill colour of the canvas.
void SetCanvasColour(QPainter &canvas, const QColor &colour);

// Cyan background, the tile of every non-empty cell copied as it is from
// `tiles`, yellow lines on the first pixel column and row of cells 1 to 9.
// Without tiles (a pattern image that is not a bitmap) the drawing stops at
// the first non-empty cell with VorzoError, leaving only the background.
void RedrawCanvas(QImage &picture, const StageMap &map, const ViewOrigin &origin, const QImage *tiles);
