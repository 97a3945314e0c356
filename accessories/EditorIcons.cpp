#include "EditorIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace EditorIcons {
namespace {

const QColor Outline(40, 40, 40);
const QColor Paper(255, 255, 255);

// A sheet with a folded corner, in the 16-unit square.
void sheet(QPainter &p, QRectF r)
{
    const qreal fold = 3.5;
    QPainterPath path;
    path.moveTo(r.left(), r.top());
    path.lineTo(r.right() - fold, r.top());
    path.lineTo(r.right(), r.top() + fold);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.setBrush(Paper);
    p.drawPath(path);
    p.drawPolyline(
        QPolygonF{{r.right() - fold, r.top()}, {r.right() - fold, r.top() + fold}, {r.right(), r.top() + fold}});
}

void lines(QPainter &p, qreal left, qreal right, qreal top, int count)
{
    p.save();
    p.setPen(QPen(QColor(120, 120, 120), 1));
    for (int i = 0; i < count; ++i)
        p.drawLine(QPointF(left, top + 2 * i), QPointF(right, top + 2 * i));
    p.restore();
}

void floppy(QPainter &p)
{
    p.setBrush(QColor(50, 90, 170));
    p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 1, 1);
    p.setBrush(Paper);
    p.drawRect(QRectF(4, 1.5, 8, 5.5));
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(QRectF(4.5, 10, 7, 4.5));
}

void draw(QPainter &p, const QString &name)
{
    p.setPen(QPen(Outline, 1));
    if (name == QLatin1String("document-new")) {
        sheet(p, QRectF(3.5, 1.5, 9, 13));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(240, 190, 30));
        p.drawEllipse(QPointF(12, 12), 2.5, 2.5);
    } else if (name == QLatin1String("document-open")) {
        p.setBrush(QColor(230, 180, 60));
        p.drawPolygon(QPolygonF{{1.5, 3.5}, {6, 3.5}, {7.5, 5}, {13.5, 5}, {13.5, 13.5}, {1.5, 13.5}});
        p.setBrush(QColor(250, 215, 110));
        p.drawPolygon(QPolygonF{{3.5, 7.5}, {15, 7.5}, {13.5, 13.5}, {1.5, 13.5}});
    } else if (name == QLatin1String("document-save")) {
        floppy(p);
    } else if (name == QLatin1String("document-save-as")) {
        floppy(p);
        p.setPen(QPen(QColor(210, 110, 20), 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(9, 15), QPointF(15, 9));
        p.setPen(QPen(Outline, 1));
        p.drawPoint(QPointF(8.5, 15.5));
    } else if (name == QLatin1String("edit-cut")) {
        p.setPen(QPen(QColor(90, 90, 90), 1.4));
        p.drawLine(QPointF(5.5, 10), QPointF(11, 1.5));
        p.drawLine(QPointF(10.5, 10), QPointF(5, 1.5));
        p.setPen(QPen(QColor(180, 30, 30), 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(4.5, 12.5), 2.3, 2.3);
        p.drawEllipse(QPointF(11.5, 12.5), 2.3, 2.3);
    } else if (name == QLatin1String("edit-copy")) {
        sheet(p, QRectF(1.5, 1.5, 8, 10));
        lines(p, 3, 7, 5, 3);
        sheet(p, QRectF(6.5, 4.5, 8, 10));
        lines(p, 8, 12, 8, 3);
    } else if (name == QLatin1String("edit-paste")) {
        p.setBrush(QColor(170, 120, 60));
        p.drawRoundedRect(QRectF(1.5, 2.5, 11, 12), 1, 1);
        p.setBrush(QColor(190, 190, 190));
        p.drawRect(QRectF(4.5, 1.5, 5, 2.5));
        sheet(p, QRectF(6.5, 6.5, 8, 8.5));
        lines(p, 8, 12, 10, 2);
    }
}

QPixmap picture(const QString &name, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 16.0, size / 16.0);
    draw(painter, name);
    return pixmap;
}

} // namespace

QIcon builtIn(const QString &name)
{
    QIcon icon;
    for (const int size : {16, 24, 32})
        icon.addPixmap(picture(name, size));
    return icon;
}

QIcon icon(const QString &name)
{
    return QIcon::fromTheme(name, builtIn(name));
}

} // namespace EditorIcons
