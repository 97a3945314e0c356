#pragma once
// The view over the stage: which 10 x 10 cells the canvas shows, the
// coordinate panels along its edges, the mini-map marker, the move buttons.

#include "ViewOrigin.h"

#include <QList>
#include <QObject>
#include <functional>

class MapCanvas;
class QImage;
class QLabel;
class QPushButton;
class QWidget;
class StageMap;

class MapView : public QObject
{
    Q_OBJECT
public:
    struct MoveButton
    {
        QPushButton *button;
        int dc, dr; // both zero: back to (0, 0)
    };
    struct Controls
    {
        MapCanvas *canvas;
        QList<QLabel *> columnLabels; // x0 .. x9
        QList<QLabel *> rowLabels;    // y0 .. y9
        QWidget *marker;              // mappos
        QList<MoveButton> moveButtons;
    };
    // The pattern image's tiles at the moment of drawing (none: not a bitmap).
    using PatternSource = std::function<const QImage *()>;

    MapView(const Controls &controls, const StageMap &map, PatternSource pattern, QObject *parent);

    const ViewOrigin &origin() const { return m_origin; }

    // The only way the map reaches the screen.
    void RedrawCanvas();
    void RefreshView();
    void ScrollView(int dc, int dr);
    void SetViewOrigin(int column, int row);

private:
    Controls m_controls;
    const StageMap &m_map;
    PatternSource m_pattern;
    ViewOrigin m_origin;
};
