#include "MapView.h"

#include "CanvasPicture.h"
#include "MapCanvas.h"
#include "platform/Guarded.h"

#include <QLabel>
#include <QPushButton>

namespace {
// The mini-map's scale: 2 pixels a column, 3 a row.
constexpr int MarkerPixelsPerColumn = 2;
constexpr int MarkerPixelsPerRow = 3;
constexpr int MoveButtonFontPixels = 11;
} // namespace

MapView::MapView(const Controls &controls, const StageMap &map, PatternSource pattern, QObject *parent)
    : QObject(parent), m_controls(controls), m_map(map), m_pattern(std::move(pattern))
{
    for (const MoveButton &move : m_controls.moveButtons) {
        // "←に10" fits its 41-pixel button with room at the edges at 11 pixels.
        QFont font = move.button->font();
        font.setPixelSize(MoveButtonFontPixels);
        move.button->setFont(font);
        connect(move.button, &QPushButton::clicked, this, guarded([this, move] {
                    if (move.dc == 0 && move.dr == 0)
                        SetViewOrigin(0, 0);
                    else
                        ScrollView(move.dc, move.dr);
                }));
    }
}

void MapView::RedrawCanvas()
{
    // Shown also when the drawing stops half-way: the background is drawn.
    struct Show
    {
        MapCanvas *canvas;
        ~Show() { canvas->pictureChanged(); }
    } show{m_controls.canvas};
    ::RedrawCanvas(m_controls.canvas->picture(), m_map, m_origin, m_pattern());
}

void MapView::RefreshView()
{
    m_origin.clamp();
    // Read out as "X 12", "Y 5" rather than bare digits.
    for (int i = 0; i < m_controls.columnLabels.size(); ++i) {
        m_controls.columnLabels[i]->setText(QString::number(m_origin.column + i));
        m_controls.columnLabels[i]->setAccessibleName(QStringLiteral("X %1").arg(m_origin.column + i));
    }
    for (int j = 0; j < m_controls.rowLabels.size(); ++j) {
        m_controls.rowLabels[j]->setText(QString::number(m_origin.row + j));
        m_controls.rowLabels[j]->setAccessibleName(QStringLiteral("Y %1").arg(m_origin.row + j));
    }
    m_controls.marker->move(m_origin.column * MarkerPixelsPerColumn, m_origin.row * MarkerPixelsPerRow);
    RedrawCanvas();
}

void MapView::ScrollView(int dc, int dr)
{
    m_origin.column += dc;
    m_origin.row += dr;
    RefreshView();
}

void MapView::SetViewOrigin(int column, int row)
{
    m_origin = {column, row};
    RefreshView();
}
