#include "LongLineTextEdit.h"

#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>

#include <algorithm>
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

// A part of a line laid out on its own.
struct SlicedLine
{
    std::unique_ptr<QTextLayout> layout;
    int from = 0, to = 0;
    bool reachesBlockEnd = false;
};

// Lays out the characters of a block's lines between the clip's left and
// right edges again on their own, each slice at its line's own place.
// Shaping sees the same neighbours as in the whole line but at the slice's
// ends, which lie outside the part in view, so the glyphs fall on the very
// pixels of the whole line's. Nothing when a slice ends elsewhere than its
// part of the line (a screen whose tab stops scale, say): the line is then
// Qt's to draw.
std::optional<std::vector<SlicedLine>> sliced(const QTextBlock &block, const QFont &font, const QTextOption &option,
                                              QPaintDevice *device, QPointF origin, const QRectF &clip)
{
    const QTextLayout &layout = *block.layout();
    const QString text = block.text();
    std::vector<SlicedLine> lines;
    for (int i = 0; i < layout.lineCount(); ++i) {
        const QTextLine line = layout.lineAt(i);
        const QRectF rect = line.rect().translated(origin);
        if (rect.bottom() < clip.top() || rect.top() > clip.bottom())
            continue;
        const int lineStart = line.textStart(), lineEnd = line.textStart() + line.textLength();
        SlicedLine slice;
        slice.from = std::max(lineStart,
                              stepCursor(layout, line.xToCursor(clip.left() - origin.x()), SliceMargin, false));
        slice.to = std::min(lineEnd, stepCursor(layout, line.xToCursor(clip.right() - origin.x()), SliceMargin, true));
        slice.reachesBlockEnd = slice.to == lineEnd && i == layout.lineCount() - 1;
        if (slice.from >= slice.to && !slice.reachesBlockEnd)
            continue;

        const int length = slice.to - slice.from;
        const qreal x = line.cursorToX(slice.from);
        slice.layout = std::make_unique<QTextLayout>(text.mid(slice.from, length), font, device);
        // No character of the slice is wider than the font's widest or a tab.
        const qreal widest = std::max(QFontMetricsF(font).maxWidth(), option.tabStopDistance());
        slice.layout->setTextOption(tabsOfTheLine(option, x - line.x(), length * widest));
        slice.layout->setCacheEnabled(true);
        slice.layout->beginLayout();
        QTextLine sliceLine = slice.layout->createLine();
        sliceLine.setLeadingIncluded(true);
        slice.layout->endLayout();
        // Moved only now, as the document moves its lines: tab stops are
        // placed where the line stands while it is laid out.
        sliceLine.setPosition(QPointF(x, line.y()));
        if (sliceLine.cursorToX(length) != line.cursorToX(slice.to))
            return std::nullopt;
        lines.push_back(std::move(slice));
    }
    return std::optional(std::move(lines));
}

// The selections within a slice, counted from its start.
QList<QTextLayout::FormatRange> selectionsIn(const SlicedLine &slice, const QList<QTextLayout::FormatRange> &selections)
{
    QList<QTextLayout::FormatRange> within;
    for (const QTextLayout::FormatRange &range : selections) {
        const int start = std::max(range.start, slice.from);
        // A selection through the line end marks it, as Qt does.
        const int end = slice.reachesBlockEnd ? range.start + range.length
                                              : std::min(range.start + range.length, slice.to);
        if (end > start)
            within.append({start - slice.from, end - start, range.format});
    }
    return within;
}

} // namespace

// The slices of the last repaint: a caret blink repaints the same part of
// the same text, and finding a slice's ends walks the whole line.
struct LongLineTextEdit::SliceCache
{
    struct Block
    {
        Block() = default;
        Block(Block &&) noexcept = default;
        Block &operator=(Block &&) noexcept = default;

        int number = -1, revision = -1;
        QRectF clip;
        QPointF origin;
        QFont font;
        qreal tabStops = 0;
        qreal pixelRatio = 1;
        std::vector<SlicedLine> lines;

        bool fits(const Block &other) const
        {
            return number == other.number && revision == other.revision && clip == other.clip && origin == other.origin
                   && font == other.font && tabStops == other.tabStops && pixelRatio == other.pixelRatio;
        }
    };
    std::vector<Block> blocks;
};

LongLineTextEdit::LongLineTextEdit(QWidget *parent) : QPlainTextEdit(parent), m_cache(std::make_unique<SliceCache>()) {}

LongLineTextEdit::~LongLineTextEdit() = default;

// Draws a long block in slices, or Qt's way where slicing cannot match it;
// true for slices. The slices drawn go into `drawn`.
bool LongLineTextEdit::drawLongBlock(QPainter &painter, const QTextBlock &block, const QTextOption &option,
                                     QPointF offset, const QList<QTextLayout::FormatRange> &selections,
                                     const QRectF &clip, SliceCache &drawn)
{
    const QTextLayout &layout = *block.layout();
    SliceCache::Block key;
    key.number = block.blockNumber();
    key.revision = document()->revision();
    key.clip = clip;
    key.origin = offset + layout.position();
    key.font = document()->defaultFont();
    key.tabStops = option.tabStopDistance();
    key.pixelRatio = painter.device()->devicePixelRatioF();
    const auto cached = std::find_if(m_cache->blocks.begin(), m_cache->blocks.end(),
                                     [&key](const SliceCache::Block &b) { return b.fits(key); });
    if (cached != m_cache->blocks.end()) {
        key.lines = std::move(cached->lines);
    } else {
        auto lines = sliced(block, key.font, option, painter.device(), key.origin, clip);
        if (!lines) {
            layout.draw(&painter, offset, selections, clip);
            return false;
        }
        key.lines = std::move(*lines);
    }
    for (const SlicedLine &slice : key.lines)
        slice.layout->draw(&painter, key.origin, selectionsIn(slice, selections), clip);
    drawn.blocks.push_back(std::move(key));
    return true;
}

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
    const QTextOption option = document()->defaultTextOption();
    const bool editable = !isReadOnly();
    SliceCache drawn;

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
                m_slicedLines += drawLongBlock(painter, block, option, offset, selections, clip, drawn) ? 1 : 0;
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
    *m_cache = std::move(drawn);
}
