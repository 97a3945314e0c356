#pragma once
// The program's one pattern image, from which the canvas copies the square
// of every placed cell, with the dialog that chooses another picture file.

#include "pictures/PatternImage.h"
#include "platform/Dialogs.h"

#include <QObject>

class PatternHolder : public QObject
{
    Q_OBJECT
public:
    // The built-in picture until another is loaded.
    explicit PatternHolder(QObject *parent = nullptr);

    const PatternImage &pattern() const { return m_pattern; }
    void setPattern(PatternImage pattern);

    // Loads a picture file as the pattern image; a failure throws and leaves
    // the picture as it was.
    void loadPicture(const QString &fileName);

    // The image window's dialog. Its initial name is the preferred picture,
    // set when the environment is applied; otherwise it keeps the last name
    // chosen in it.
    FileDialog picdialog;

signals:
    void changed();

private:
    PatternImage m_pattern;
};
