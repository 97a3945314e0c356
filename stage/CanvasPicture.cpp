#include "CanvasPicture.h"

#include "CanvasGeometry.h"
#include "StageMap.h"
#include "platform/VorzoError.h"

#include <QPainter>

#include <algorithm>
#include <cstring>

namespace {

// What a colour is in the picture: itself in full colour, its place in the
// colour table of an indexed picture.
uint pixelValueOf(const QImage &picture, const QColor &colour)
{
    if (picture.format() != QImage::Format_Indexed8)
        return colour.rgb();
    const qsizetype index = picture.colorTable().indexOf(colour.rgb());
    Q_ASSERT(index >= 0);
    return uint(std::max<qsizetype>(index, 0));
}

// Every pixel of `area` (within the picture) set to `value`.
void fillArea(QImage &picture, QRect area, uint value)
{
    area &= picture.rect();
    if (area.isEmpty())
        return;
    const int depth = picture.depth();
    const qsizetype stride = picture.bytesPerLine();
    uchar *line = picture.bits() + area.top() * stride;
    for (int y = area.top(); y <= area.bottom(); ++y, line += stride) {
        if (depth == 8) {
            std::memset(line + area.left(), int(value), size_t(area.width()));
        } else if (depth == 32) {
            std::fill_n(reinterpret_cast<quint32 *>(line) + area.left(), area.width(), quint32(value));
        } else {
            for (int x = area.left(); x <= area.right(); ++x)
                picture.setPixel(x, y, value);
        }
    }
}

void startPicture(QImage &picture)
{
    picture.fill(pixelValueOf(picture, CanvasBackground));
}

} // namespace

void DrawCell(QImage &picture, QPoint at, CellCode code, const QImage *tiles)
{
    if (code == EmptyCell)
        return;
    if (!tiles)
        throw VorzoError(QStringLiteral("ビットマップを持っている時のみイメージの変更が可能です"),
                         VorzoError::Id::NoBitmapToDrawFrom);
    // A square outside a smaller picture copies only what exists; the rest
    // keeps the background.
    const QRect square = tileSquareOf(code);
    const QPoint shift = at - square.topLeft();
    const QRect target = (square & tiles->rect()).translated(shift) & picture.rect();
    if (target.isEmpty())
        return;
    const QPoint source = target.topLeft() - shift;
    if (tiles->format() != picture.format() || (picture.depth() != 8 && picture.depth() != 32)) {
        // Never the case for the canvas and the stage; the slow way.
        QPainter painter(&picture);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(target.topLeft(), *tiles, QRect(source, target.size()));
        return;
    }
    const qsizetype bytes = picture.depth() / 8;
    const qsizetype toStride = picture.bytesPerLine();
    const qsizetype fromStride = tiles->bytesPerLine();
    uchar *to = picture.bits() + target.top() * toStride + target.left() * bytes;
    const uchar *from = tiles->constBits() + source.y() * fromStride + source.x() * bytes;
    for (int y = 0; y < target.height(); ++y, to += toStride, from += fromStride)
        std::memcpy(to, from, size_t(target.width() * bytes));
}

void DrawGridLines(QImage &picture, int columns, int rows)
{
    // A line covers its start and stops short of its end; the last ones
    // fall just outside the picture.
    const uint yellow = pixelValueOf(picture, GridLines);
    // The columns' lines a row at a time: one pass down the picture.
    const int height = std::min(rows * CellPixels, picture.height());
    const int lastColumnLine = std::min(columns, (picture.width() - 1) / CellPixels);
    const int depth = picture.depth();
    const qsizetype stride = picture.bytesPerLine();
    uchar *line = picture.bits();
    for (int y = 0; y < height; ++y, line += stride) {
        for (int x = CellPixels; x <= lastColumnLine * CellPixels; x += CellPixels) {
            if (depth == 8)
                line[x] = uchar(yellow);
            else if (depth == 32)
                reinterpret_cast<quint32 *>(line)[x] = yellow;
            else
                picture.setPixel(x, y, yellow);
        }
    }
    for (int k = 1; k <= rows; ++k)
        fillArea(picture, QRect(0, k * CellPixels, columns * CellPixels, 1), yellow);
}

void RedrawCanvas(QImage &picture, const StageMap &map, const ViewOrigin &origin, const QImage *tiles)
{
    constexpr int Cells = ViewOrigin::ViewCells;
    startPicture(picture);
    for (int i = 0; i < Cells; ++i) {
        for (int j = 0; j < Cells; ++j)
            DrawCell(picture, QPoint(j * CellPixels, i * CellPixels), map.at(origin.column + j, origin.row + i), tiles);
    }
    DrawGridLines(picture, Cells, Cells);
}

QImage DrawStage(const StageMap &map, const QImage *tiles, bool grid)
{
    QImage picture(StageMap::Columns * CellPixels, StageMap::Rows * CellPixels,
                   tiles ? tiles->format() : QImage::Format_RGB32);
    if (tiles)
        picture.setColorTable(tiles->colorTable());
    startPicture(picture);
    for (int column = 0; column < StageMap::Columns; ++column) {
        for (int row = 0; row < StageMap::Rows; ++row)
            DrawCell(picture, QPoint(column * CellPixels, row * CellPixels), map.at(column, row), tiles);
    }
    if (grid)
        DrawGridLines(picture, StageMap::Columns, StageMap::Rows);
    return picture;
}
