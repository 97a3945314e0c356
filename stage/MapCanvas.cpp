#include "MapCanvas.h"

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
}

void MapCanvas::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.drawImage(event->rect(), m_picture, event->rect());
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
