#pragma once
// The image window: holds the pattern image in its picture display, shows
// it at its natural size from its top-left corner, and loads another picture
// from a file.

#include "PatternImage.h"
#include "platform/Dialogs.h"

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

    // Loads a picture file as the pattern image; a failure throws and leaves
    // the picture as it was.
    void loadPicture(const QString &fileName);

    // Its initial name is the preferred picture, set when the environment is
    // applied; otherwise it keeps the last name chosen in it.
    FileDialog picdialog;

private:
    void openpicClick();

    Ui::Timgform *m_ui;
    PatternImage m_pattern;
};

extern Timgform *imgform;
