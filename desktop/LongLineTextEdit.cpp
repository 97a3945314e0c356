#include "LongLineTextEdit.h"

#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>

#include <cmath>
#include <memory>
#include <optional>
#include <vector>

namespace {

bool isLong(const QTextBlock &block)
{
    return block.length() >= LongLineTextEdit::LongLine;
}

// Characters drawn beyond each side of the part in view, for glyphs that
// reach beyond their advance.
constexpr int SliceMargin = 8;

// The line's tab stops as a slice that starts `start` pixels into the line
// sees them: Qt counts tab stops from the start of the laid-out text.
QTextOption tabsOfTheLine(QTextOption option, qreal start, qreal width)
{
    const qreal distance = option.tabStopDistance() > 0 ? option.tabStopDistance() : 80;
    const qreal shift = std::fmod(start, distance);
    QList<QTextOption::Tab> tabs;
    for (qreal stop = distance - shift; stop <= width + distance; stop += distance)
        tabs.append(QTextOption::Tab(stop, QTextOption::LeftTab));
    option.setTabs(tabs);
    return option;
}

int stepCursor(const QTextLayout &layout, int position, int steps, bool forward)
{
    for (int i = 0; i < steps; ++i)
        position = forward ? layout.nextCursorPosition(position) : layout.previousCursorPosition(position);
    return position;
}

// A part of a line laid out on its own, with the selections within it.
struct Slice
{
    std::unique_ptr<QTextLayout> layout;
    QList<QTextLayout::FormatRange> selections;
};

// Lays out the characters of a block's lines between the clip's left and
// right edges again on their own, each slice at its line's own place.
// Shaping sees the same neighbours as in the whole line but at the slice's
// ends, which lie outside the part in view, so the glyphs fall on the very
// pixels of the whole line's. Nothing when a slice ends elsewhere than its
// part of the line (a screen whose tab stops scale, say): the line is then
// Qt's to draw.
std::optional<std::vector<Slice>> sliced(const QTextBlock &block, const QFont &font, const QTextOption &option,
                                         QPaintDevice *device, QPointF origin,
                                         const QList<QTextLayout::FormatRange> &selections, const QRectF &clip)
{
    const QTextLayout &layout = *block.layout();
    const QString text = block.text();
    std::vector<Slice> slices;
    for (int i = 0; i < layout.lineCount(); ++i) {
        const QTextLine line = layout.lineAt(i);
        const QRectF rect = line.rect().translated(origin);
        if (rect.bottom() < clip.top() || rect.top() > clip.bottom())
            continue;
        const int lineStart = line.textStart(), lineEnd = line.textStart() + line.textLength();
        const int from = std::max(lineStart,
                                  stepCursor(layout, line.xToCursor(clip.left() - origin.x()), SliceMargin, false));
        const int to = std::min(lineEnd,
                                stepCursor(layout, line.xToCursor(clip.right() - origin.x()), SliceMargin, true));
        const bool reachesBlockEnd = to == lineEnd && i == layout.lineCount() - 1;
        if (from >= to && !reachesBlockEnd)
            continue;

        const qreal x = line.cursorToX(from);
        Slice slice{std::make_unique<QTextLayout>(text.mid(from, to - from), font, device), {}};
        // No character of the slice is wider than the font's widest or a tab.
        const qreal widest = std::max(QFontMetricsF(font).maxWidth(), option.tabStopDistance());
        slice.layout->setTextOption(tabsOfTheLine(option, x - line.x(), (to - from) * widest));
        slice.layout->beginLayout();
        QTextLine sliceLine = slice.layout->createLine();
        sliceLine.setLeadingIncluded(true);
        slice.layout->endLayout();
        // Moved only now, as the document moves its lines: tab stops are
        // placed where the line stands while it is laid out.
        sliceLine.setPosition(QPointF(x, line.y()));
        if (sliceLine.cursorToX(to - from) != line.cursorToX(to))
            return std::nullopt;

        for (const QTextLayout::FormatRange &range : selections) {
            const int start = std::max(range.start, from);
            // A selection through the line end marks it, as Qt does.
            const int end = reachesBlockEnd ? range.start + range.length : std::min(range.start + range.length, to);
            if (end > start)
                slice.selections.append({start - from, end - start, range.format});
        }
        slices.push_back(std::move(slice));
    }
    return slices;
}

// Draws a long block in slices, or Qt's way where slicing cannot match it;
// true for slices.
bool drawLongBlock(QPainter &painter, const QTextBlock &block, const QFont &font, const QTextOption &option,
                   QPointF offset, const QList<QTextLayout::FormatRange> &selections, const QRectF &clip)
{
    const QTextLayout &layout = *block.layout();
    const QPointF origin = offset + layout.position();
    const auto slices = sliced(block, font, option, painter.device(), origin, selections, clip);
    if (!slices) {
        layout.draw(&painter, offset, selections, clip);
        return false;
    }
    for (const Slice &slice : *slices)
        slice.layout->draw(&painter, origin, slice.selections, clip);
    return true;
}

} // namespace

void LongLineTextEdit::paintEvent(QPaintEvent *event)
{
    // The overwrite mode's block cursor is Qt's to draw.
    if (keepLongLinesInView() && !overwriteMode())
        paintInSlices(event);
    else
        QPlainTextEdit::paintEvent(event);
}

// Lets the long lines in view keep their glyphs; true when there is one.
bool LongLineTextEdit::keepLongLinesInView()
{
    bool any = false;
    qreal top = contentOffset().y();
    const qreal bottom = viewport()->rect().height();
    for (QTextBlock block = firstVisibleBlock(); block.isValid() && top <= bottom; block = block.next()) {
        if (!block.isVisible())
            continue;
        if (isLong(block)) {
            any = true;
            block.layout()->setCacheEnabled(true);
        }
        top += blockBoundingRect(block).height();
    }
    return any;
}

// Qt's own painting of a plain-text box, but for the long lines.
void LongLineTextEdit::paintInSlices(QPaintEvent *event)
{
    QPainter painter(viewport());
    QPointF offset(contentOffset());
    QRect clip = event->rect();
    const QRect viewportRect = viewport()->rect();
    const qreal maximumWidth = document()->documentLayout()->documentSize().width();
    painter.setBrushOrigin(offset);
    // The right margin stays clear of selections that run to the full width.
    const int maxX = int(offset.x() + std::max(qreal(viewportRect.width()), maximumWidth) - document()->documentMargin()
                         + cursorWidth());
    clip.setRight(std::min(clip.right(), maxX));
    painter.setClipRect(clip);

    const QAbstractTextDocumentLayout::PaintContext context = getPaintContext();
    painter.setPen(context.palette.text().color());
    const QFont font = document()->defaultFont();
    const QTextOption option = document()->defaultTextOption();
    const bool editable = !isReadOnly();

    QTextBlock block = firstVisibleBlock();
    for (; block.isValid(); block = block.next()) {
        const QRectF r = blockBoundingRect(block).translated(offset);
        QTextLayout *layout = block.layout();
        if (!block.isVisible()) {
            offset.ry() += r.height();
            continue;
        }
        if (r.bottom() >= clip.top() && r.top() <= clip.bottom()) {
            const QBrush background = block.blockFormat().background();
            if (background != Qt::NoBrush) {
                QRectF contents = r;
                contents.setWidth(std::max(r.width(), maximumWidth));
                painter.fillRect(contents, background);
            }
            QList<QTextLayout::FormatRange> selections;
            bool wholeLines = false;
            const int position = block.position(), length = block.length();
            for (const QAbstractTextDocumentLayout::Selection &range : context.selections) {
                const int start = range.cursor.selectionStart() - position;
                const int end = range.cursor.selectionEnd() - position;
                if (start < length && end > 0 && end > start) {
                    selections.append({start, end - start, range.format});
                } else if (!range.cursor.hasSelection() && range.format.hasProperty(QTextFormat::FullWidthSelection)
                           && block.contains(range.cursor.position())) {
                    // A mark of the caret's whole line.
                    const QTextLine line = layout->lineForTextPosition(range.cursor.position() - position);
                    int marked = line.textLength();
                    if (line.textStart() + marked == length - 1)
                        ++marked;
                    selections.append({line.textStart(), marked, range.format});
                }
                wholeLines |= range.format.hasProperty(QTextFormat::FullWidthSelection);
            }
            const bool composing = !layout->preeditAreaText().isEmpty();
            // Whole-line marks, text being composed and tab stops of their own
            // are Qt's to draw.
            if (!isLong(block) || wholeLines || composing || !option.tabs().isEmpty())
                layout->draw(&painter, offset, selections, clip);
            else
                m_slicedLines += drawLongBlock(painter, block, font, option, offset, selections, clip) ? 1 : 0;
            const bool drawCursor = (editable || (textInteractionFlags() & Qt::TextSelectableByKeyboard))
                                    && context.cursorPosition >= position && context.cursorPosition < position + length;
            if (drawCursor || (editable && context.cursorPosition < -1 && composing)) {
                int cursor = context.cursorPosition;
                cursor = cursor < -1 ? layout->preeditAreaPosition() - (cursor + 2) : cursor - position;
                layout->drawCursor(&painter, offset, cursor, cursorWidth());
            }
        }
        offset.ry() += r.height();
        if (offset.y() > viewportRect.height())
            break;
    }
    if (backgroundVisible() && !block.isValid() && offset.y() <= clip.bottom()
        && (centerOnScroll() || verticalScrollBar()->maximum() == verticalScrollBar()->minimum()))
        painter.fillRect(QRect(QPoint(clip.left(), int(offset.y())), clip.bottomRight()), palette().window());
}
