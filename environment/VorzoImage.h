#pragma once
// The image window: shows the pattern image at its natural size from its
// top-left corner (clipped by the window), and loads another picture from a
// file.

#include <QDialog>

namespace Ui {
class Timgform;
}
class PatternHolder;

class Timgform : public QDialog
{
    Q_OBJECT
public:
    // Shows `pattern`, which outlives the window.
    explicit Timgform(PatternHolder &pattern, QWidget *parent = nullptr);
    ~Timgform() override;

private:
    void showPattern();
    void openpicClick();

    PatternHolder &m_pattern;
    Ui::Timgform *m_ui;
};
