#pragma once
// The image window: holds the pattern image in its picture display and shows
// it at its natural size.

#include "PatternImage.h"

#include <QDialog>

namespace Ui { class Timgform; }

class Timgform : public QDialog
{
    Q_OBJECT
public:
    explicit Timgform(QWidget *parent = nullptr);
    ~Timgform() override;

    // The one pattern image of the program.
    const PatternImage &pattern() const { return m_pattern; }
    void setPattern(PatternImage pattern);

private:
    Ui::Timgform *m_ui;
    PatternImage m_pattern;
};

extern Timgform *imgform;
