#pragma once
// The canvas: keeps its 320 x 320 picture and shows it; reports left clicks
// and every pointer movement with the buttons and keys held. Reached with
// Tab, it is also a keyboard control: a cell cursor that the arrow keys move
// (past an edge they ask for the view to scroll), Space or Enter to place,
// Delete or Backspace to erase.

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

    // The keyboard's cell in the 10 x 10 view, and the point at its centre.
    QPoint cursorCell() const { return m_cursor; }
    QPoint cursorPoint() const;

    // Said to a screen reader: the canvas's name followed by `text`.
    void announce(const QString &text);

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
    // The keyboard's counterparts of a left click and a right-button stroke
    // at the cursor, and of the move buttons at the view's edge.
    void placeRequested(QPoint position);
    void eraseRequested(QPoint position);
    void scrollRequested(int dc, int dr);
    void cursorMoved();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    QImage m_picture;
    bool m_leftPressedHere = false;
    QPoint m_cursor{0, 0};
    QString m_name;
};
