#pragma once
// Drawing the stage: the canvas's 320 x 320 picture of the view, and the
// whole stage in one picture, both cell by cell through the same routine.
// Pixels are copied and set as they are: no blending, no smoothing.

#include "CellCode.h"

#include <QColor>
#include <QImage>
#include <QPoint>

class StageMap;
struct ViewOrigin;

inline const QColor CanvasBackground{0, 255, 255}; // cyan, empty cells
inline const QColor GridLines{255, 255, 0};        // yellow

// A picture drawn on is of the tiles' format: 32-bit RGB, or 8-bit indexed
// with the tiles' colour table, which then holds the two colours above.

// One cell at `at`: the square of a non-empty code copied as it is from
// `tiles` (only what lies inside the picture); an empty cell is left as it
// is. Without tiles (a pattern image that is not a bitmap) a non-empty cell
// throws VorzoError and nothing is drawn.
void DrawCell(QImage &picture, QPoint at, CellCode code, const QImage *tiles);

// Yellow lines on the first pixel column and row of every cell but those of
// the first column and row, over `columns` x `rows` cells from (0, 0).
void DrawGridLines(QImage &picture, int columns, int rows);

// Cyan background, every cell of the view, then the grid lines. Without
// tiles the drawing stops at the first non-empty cell with VorzoError,
// leaving only the background.
void RedrawCanvas(QImage &picture, const StageMap &map, const ViewOrigin &origin, const QImage *tiles);

// The whole stage, 5,760 x 960 pixels in the tiles' format, every cell drawn
// as the canvas draws it, with the canvas's grid lines when `grid` is set.
// Without tiles it throws VorzoError unless every cell is empty.
QImage DrawStage(const StageMap &map, const QImage *tiles, bool grid);
