#include "GuardedTextEdit.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMimeData>

namespace {

bool isPastable(const QMimeData *source)
{
    return source && !source->formats().isEmpty();
}

} // namespace

bool GuardedPlainTextEdit::canPasteFrom(QClipboard::Mode mode)
{
    const QClipboard *clipboard = QGuiApplication::clipboard();
    if (mode == QClipboard::Selection && !clipboard->supportsSelection())
        return false;
    return isPastable(clipboard->mimeData(mode));
}

void GuardedPlainTextEdit::paste()
{
    if (canPasteFrom(QClipboard::Clipboard))
        QPlainTextEdit::paste();
}

bool GuardedPlainTextEdit::canInsertFromMimeData(const QMimeData *source) const
{
    return isPastable(source) && QPlainTextEdit::canInsertFromMimeData(source);
}

void GuardedPlainTextEdit::insertFromMimeData(const QMimeData *source)
{
    if (isPastable(source))
        QPlainTextEdit::insertFromMimeData(source);
}

void GuardedPlainTextEdit::keyPressEvent(QKeyEvent *event)
{
    // The text control pastes past insertFromMimeData: stop the key here.
    const bool pastes = event->matches(QKeySequence::Paste)
                        || (event->key() == Qt::Key_Insert && event->modifiers() == Qt::ShiftModifier);
    if (pastes && !isReadOnly()) {
        const bool selection = event->modifiers() == (Qt::ControlModifier | Qt::ShiftModifier)
                               && event->key() == Qt::Key_Insert;
        if (!canPasteFrom(selection ? QClipboard::Selection : QClipboard::Clipboard)) {
            event->accept();
            return;
        }
    }
    QPlainTextEdit::keyPressEvent(event);
}

void GuardedPlainTextEdit::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::MiddleButton && !isReadOnly() && !canPasteFrom(QClipboard::Selection)) {
        event->accept();
        return;
    }
    QPlainTextEdit::mouseReleaseEvent(event);
}
