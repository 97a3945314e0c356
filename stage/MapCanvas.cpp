#include "MapCanvas.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

MapCanvas::PointerState stateOf(const QMouseEvent *event)
{
    constexpr Qt::MouseButtons Buttons = Qt::LeftButton | Qt::RightButton | Qt::MiddleButton;
    constexpr Qt::KeyboardModifiers Keys = Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier;
    return {event->buttons() & Buttons, event->modifiers() & Keys};
}

} // namespace

MapCanvas::MapCanvas(QWidget *parent) : QWidget(parent), m_picture(CanvasSide, CanvasSide, QImage::Format_RGB32)
{
    m_picture.fill(Qt::white);
    setFixedSize(CanvasSide, CanvasSide);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Tab only: a click places and never shows the keyboard's cursor.
    setFocusPolicy(Qt::TabFocus);
}

QPoint MapCanvas::cursorPoint() const
{
    return m_cursor * CellPixels + QPoint(CellPixels / 2, CellPixels / 2);
}

void MapCanvas::announce(const QString &text)
{
    if (m_name.isEmpty())
        m_name = accessibleName();
    setAccessibleName(m_name + QLatin1Char(' ') + text);
}

void MapCanvas::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.drawImage(event->rect(), m_picture, event->rect());
    if (!hasFocus())
        return;
    // The cursor over the picture, never in it: black and white, so that
    // it shows on every tile.
    const QRect cell(m_cursor * CellPixels, QSize(CellPixels, CellPixels));
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(cell.adjusted(0, 0, -1, -1));
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(cell.adjusted(1, 1, -2, -2));
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(cell.adjusted(2, 2, -3, -3));
}

void MapCanvas::keyPressEvent(QKeyEvent *event)
{
    if (event->modifiers() & ~Qt::KeypadModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    QPoint step;
    switch (event->key()) {
    case Qt::Key_Left: step = {-1, 0}; break;
    case Qt::Key_Right: step = {1, 0}; break;
    case Qt::Key_Up: step = {0, -1}; break;
    case Qt::Key_Down: step = {0, 1}; break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter: emit placeRequested(cursorPoint()); return;
    case Qt::Key_Delete:
    case Qt::Key_Backspace: emit eraseRequested(cursorPoint()); return;
    default: QWidget::keyPressEvent(event); return;
    }
    const QPoint moved = m_cursor + step;
    const int last = ViewOrigin::ViewCells - 1;
    if (moved.x() < 0 || moved.y() < 0 || moved.x() > last || moved.y() > last) {
        emit scrollRequested(step.x(), step.y()); // the cursor stays at the edge
    } else {
        m_cursor = moved;
        update();
    }
    emit cursorMoved();
}

void MapCanvas::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    update();
    emit cursorMoved();
}

void MapCanvas::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    update();
}

void MapCanvas::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_leftPressedHere = true;
}

void MapCanvas::mouseMoveEvent(QMouseEvent *event)
{
    emit moved(event->position().toPoint(), stateOf(event));
}

void MapCanvas::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const bool wasPressedHere = m_leftPressedHere;
    m_leftPressedHere = false;
    if (wasPressedHere && rect().contains(event->position().toPoint()))
        emit clicked(event->position().toPoint());
}
