#pragma once
// A plain-text box that stays fast with very long lines. Qt draws a line's
// every glyph on each repaint, however small the part to repaint, and keeps
// no shaped glyphs between repaints, so a line of 100,000 characters costs
// tens of milliseconds for each caret blink and keystroke. Here a long line
// keeps its glyphs and only the characters in view are drawn; everything
// else is Qt's own painting.

#include <QPlainTextEdit>
#include <QTextLayout>

#include <memory>

class LongLineTextEdit : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit LongLineTextEdit(QWidget *parent = nullptr);
    ~LongLineTextEdit() override;

    // From this length on (in characters, with the line end) a line is drawn
    // in slices and keeps its shaped glyphs, about 30 bytes a character
    // (Qt holds as much while it draws the line).
    static constexpr int LongLine = 2000;

    // How many times a long line was drawn in slices (not Qt's way).
    int slicedLines() const { return m_slicedLines; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    struct SliceCache;

    bool keepLongLinesInView();
    void paintInSlices(QPaintEvent *event);
    bool drawLongBlock(QPainter &painter, const QTextBlock &block, const QTextOption &option, QPointF offset,
                       const QList<QTextLayout::FormatRange> &selections, const QRectF &clip, SliceCache &drawn);

    std::unique_ptr<SliceCache> m_cache;
    int m_slicedLines = 0;
};
