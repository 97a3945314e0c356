#pragma once
// A plain-text box whose paste (Ctrl+V, Shift+Insert, the middle button, the
// context menu, paste()) ignores clipboard data that has no formats: Qt 6.4
// crashes on such data, which the clipboard or the selection holds when the
// program that filled it has quit. Forms use it in place of QPlainTextEdit
// for every box that takes a paste (and is fast with long lines).

#include "LongLineTextEdit.h"
#include <QClipboard>

class GuardedPlainTextEdit : public LongLineTextEdit
{
    Q_OBJECT
public:
    using LongLineTextEdit::LongLineTextEdit;

    // Whether the clipboard (or the selection) holds something to paste.
    static bool canPasteFrom(QClipboard::Mode mode);

public slots:
    void paste();

protected:
    bool canInsertFromMimeData(const QMimeData *source) const override;
    void insertFromMimeData(const QMimeData *source) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
};
