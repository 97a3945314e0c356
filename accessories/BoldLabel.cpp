#include "BoldLabel.h"

#include <QEvent>
#include <QFontDatabase>
#include <QFontInfo>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {

constexpr int LargestThickenedByQt = 63;

bool hasBoldFace(const QFont &font)
{
    const QString family = QFontInfo(font).family();
    const QStringList styles = QFontDatabase::styles(family);
    return std::any_of(styles.begin(), styles.end(),
                       [&](const QString &style) { return QFontDatabase::weight(family, style) >= QFont::Bold; });
}

} // namespace

bool BoldLabel::drawsItsOwnBold() const
{
    if (!m_ownBold)
        m_ownBold = font().bold() && QFontInfo(font()).pixelSize() > LargestThickenedByQt && !hasBoldFace(font());
    return *m_ownBold;
}

void BoldLabel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange)
        m_ownBold.reset();
    QLabel::changeEvent(event);
}

void BoldLabel::paintEvent(QPaintEvent *event)
{
    if (!drawsItsOwnBold()) {
        QLabel::paintEvent(event);
        return;
    }
    QFont regular = font();
    regular.setBold(false);
    const QFontMetricsF metrics(regular);
    const qreal pen = QFontInfo(regular).pixelSize() / 24.0;
    const QRectF area = QRectF(contentsRect()).adjusted(pen / 2, 0, -pen / 2, 0);
    const qreal width = metrics.horizontalAdvance(text());

    QPointF origin(area.left(), area.top() + metrics.ascent());
    if (alignment() & Qt::AlignRight)
        origin.rx() = area.right() - width;
    else if (alignment() & Qt::AlignHCenter)
        origin.rx() = area.left() + (area.width() - width) / 2;
    if (alignment() & Qt::AlignBottom)
        origin.ry() = area.bottom() - metrics.descent();
    else if (alignment() & Qt::AlignVCenter)
        origin.ry() = area.top() + (area.height() - metrics.height()) / 2 + metrics.ascent();

    QPainterPath glyphs;
    glyphs.addText(origin, regular, text());
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor ink = palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole());
    painter.setPen(QPen(ink, pen, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(ink);
    painter.drawPath(glyphs);
}
