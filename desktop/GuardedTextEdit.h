#pragma once
// A plain-text box whose paste (Ctrl+V, Shift+Insert, the middle button, the
// context menu) ignores clipboard data that has no formats: Qt 6.4 crashes on
// such data when the clipboard or the selection has no owner. Forms use it in
// place of QPlainTextEdit for every box that takes a paste.

#include <QPlainTextEdit>

class GuardedPlainTextEdit : public QPlainTextEdit
{
    Q_OBJECT
public:
    using QPlainTextEdit::QPlainTextEdit;

    // Whether the data can be pasted at all: it exists and has a format.
    static bool isPastable(const QMimeData *source);

protected:
    bool canInsertFromMimeData(const QMimeData *source) const override;
    void insertFromMimeData(const QMimeData *source) override;
};
