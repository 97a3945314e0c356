#pragma once
// A label whose bold text is bold at any size. Where the font has no bold
// face of its own (the IPA fonts that stand in for ＭＳ ゴシック), Qt thickens
// the glyphs only below 64 pixels; at larger sizes this label draws the
// regular glyphs' outlines with a pen of a 24th of the size, the strength of
// FreeType's own emboldening.

#include <QLabel>

#include <optional>

class BoldLabel : public QLabel
{
    Q_OBJECT
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    bool drawsItsOwnBold() const;

    mutable std::optional<bool> m_ownBold;
};
