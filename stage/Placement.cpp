#include "Placement.h"

#include "CoordinateInput.h"
#include "MapView.h"
#include "Palette.h"
#include "StageMap.h"
#include "platform/Dialogs.h"

#include <optional>

namespace {

// Asks for a stage coordinate 0..max; nothing when the answer is empty.
std::optional<int> askCoordinate(const QString &caption, const QString &prompt, int max)
{
    const CoordinateInput input = CoordinateInput::parse(dialogs().inputBox(caption, prompt, QString()), max);
    if (input.kind == CoordinateInput::Kind::Invalid)
        dialogs().message(QStringLiteral("入力値が不正です"));
    if (input.kind != CoordinateInput::Kind::Valid)
        return std::nullopt;
    return input.value;
}

} // namespace

Placement::Placement(StageMap &map, MapView &view, const Palette &palette)
    : m_map(map), m_view(view), m_palette(palette)
{
}

void Placement::writeInView(QPoint position, CellCode code)
{
    const QPoint cell = cellUnder(position, m_view.origin());
    m_map.set(cell.x(), cell.y(), code);
    m_view.RedrawCanvas();
}

void Placement::maincanClick(QPoint position)
{
    writeInView(position, m_palette.PaletteSelection());
}

void Placement::maincanMouseMove(QPoint position, MapCanvas::PointerState state)
{
    if (!isOnCanvas(position))
        return;
    if (state.isExactly(Qt::LeftButton))
        writeInView(position, m_palette.PaletteSelection());
    else if (state.isExactly(Qt::RightButton))
        writeInView(position, EmptyCell);
}

void Placement::N20Click()
{
    m_map.fill(m_palette.PaletteSelection());
    m_view.RedrawCanvas();
}

void Placement::N21Click()
{
    m_map.clear();
    m_view.RedrawCanvas();
}

void Placement::Y291Click()
{
    m_map.fillRow(StageMap::BottomRow, m_palette.PaletteSelection());
    m_view.RedrawCanvas();
}

void Placement::X11Click()
{
    const auto column = askCoordinate(QStringLiteral("X座標の指定"), QStringLiteral("X座標を入力してください(0～179)"),
                                      StageMap::Columns - 1);
    if (!column)
        return;
    m_map.fillColumn(*column, m_palette.PaletteSelection());
    m_view.RedrawCanvas();
}

void Placement::Y11Click()
{
    const auto row = askCoordinate(QStringLiteral("Y座標の指定"), QStringLiteral("Y座標を入力してください(0～29)"),
                                   StageMap::Rows - 1);
    if (!row)
        return;
    m_map.fillRow(*row, m_palette.PaletteSelection());
    m_view.RedrawCanvas();
}
