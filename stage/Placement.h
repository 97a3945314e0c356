#pragma once
// Editing the stage: placing and deleting with the mouse on the canvas, and
// the bulk edits of the マップ変更 menu and the palette's context menu.

#include "CellCode.h"
#include "MapCanvas.h"

#include <QList>
#include <QObject>

class MapView;
class Palette;
class QAction;
class StageMap;

class Placement : public QObject
{
    Q_OBJECT
public:
    // Each bulk edit has an entry in the main menu and one in the palette's
    // context menu; both run the same handler.
    struct Controls
    {
        MapCanvas *canvas;
        QList<QAction *> N20, N21, Y291, X11, Y11;
    };

    Placement(const Controls &controls, StageMap &map, MapView &view, const Palette &palette, QObject *parent);

    void maincanClick(QPoint position);
    void maincanMouseMove(QPoint position, MapCanvas::PointerState state);

    void N20Click();  // fill the whole map with the palette's selection
    void N21Click();  // clear the whole map
    void Y291Click(); // the bottom row
    void X11Click();  // one column, asked for
    void Y11Click();  // one row, asked for

private:
    void writeInView(QPoint position, CellCode code);
    // The keyboard cursor's cell and what it holds, to a screen reader.
    void announceCursor();

    MapCanvas *m_canvas;

    StageMap &m_map;
    MapView &m_view;
    const Palette &m_palette;
};
