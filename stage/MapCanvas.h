#pragma once
// The canvas: keeps its 320 x 320 picture and shows it; reports left clicks
// and every pointer movement with the buttons and keys held.

#include "CanvasGeometry.h"

#include <QImage>
#include <QWidget>

class MapCanvas : public QWidget
{
    Q_OBJECT
public:
    explicit MapCanvas(QWidget *parent = nullptr);

    // Draw into the picture, then call pictureChanged() to have it shown.
    QImage &picture() { return m_picture; }
    const QImage &picture() const { return m_picture; }
    void pictureChanged() { update(); }

    QSize sizeHint() const override { return {CanvasSide, CanvasSide}; }

    // The pointer state of a movement: the buttons and the keys of the set
    // {left, right, middle, Shift, Ctrl, Alt} held at that moment.
    struct PointerState
    {
        Qt::MouseButtons buttons;
        Qt::KeyboardModifiers keys;
        bool isExactly(Qt::MouseButton button) const { return buttons == button && keys == Qt::NoModifier; }
    };

signals:
    // The left button was pressed on the canvas and released over it.
    void clicked(QPoint position);
    void moved(QPoint position, MapCanvas::PointerState state);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QImage m_picture;
    bool m_leftPressedHere = false;
};
