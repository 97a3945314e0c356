#include "Placement.h"

#include "CoordinateInput.h"
#include "MapView.h"
#include "Palette.h"
#include "StageMap.h"
#include "platform/Dialogs.h"
#include "platform/Guarded.h"

#include <QAction>
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

Placement::Placement(const Controls &c, StageMap &map, MapView &view, const Palette &palette, QObject *parent)
    : QObject(parent), m_canvas(c.canvas), m_map(map), m_view(view), m_palette(palette)
{
    connect(c.canvas, &MapCanvas::clicked, this, guarded([this](QPoint at) { maincanClick(at); }));
    // The keyboard places and erases through the same code as the mouse.
    connect(c.canvas, &MapCanvas::placeRequested, this, guarded([this](QPoint at) {
                writeInView(at, m_palette.PaletteSelection());
                announceCursor();
            }));
    connect(c.canvas, &MapCanvas::eraseRequested, this, guarded([this](QPoint at) {
                writeInView(at, EmptyCell);
                announceCursor();
            }));
    connect(c.canvas, &MapCanvas::scrollRequested, this,
            guarded([this](int dc, int dr) { m_view.ScrollView(dc, dr); }));
    connect(c.canvas, &MapCanvas::cursorMoved, this, [this] { announceCursor(); });
    connect(c.canvas, &MapCanvas::moved, this,
            guarded([this](QPoint at, MapCanvas::PointerState state) { maincanMouseMove(at, state); }));
    const struct
    {
        const QList<QAction *> &entries;
        void (Placement::*handler)();
    } edits[] = {
        {c.N20, &Placement::N20Click}, {c.N21, &Placement::N21Click}, {c.Y291, &Placement::Y291Click},
        {c.X11, &Placement::X11Click}, {c.Y11, &Placement::Y11Click},
    };
    for (const auto &[entries, handler] : edits) {
        for (QAction *entry : entries)
            connect(entry, &QAction::triggered, this, guarded([this, handler = handler] { (this->*handler)(); }));
    }
}

void Placement::writeInView(QPoint position, CellCode code)
{
    const QPoint cell = cellUnder(position, m_view.origin());
    m_map.set(cell.x(), cell.y(), code);
    m_view.RedrawCanvas();
}

void Placement::announceCursor()
{
    const QPoint cell = cellUnder(m_canvas->cursorPoint(), m_view.origin());
    m_canvas->announce(QStringLiteral("%1, %2: %3")
                           .arg(cell.x())
                           .arg(cell.y())
                           .arg(m_palette.entryName(m_map.at(cell.x(), cell.y()))));
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
