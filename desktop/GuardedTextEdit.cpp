#include "GuardedTextEdit.h"

#include <QMimeData>

bool GuardedPlainTextEdit::isPastable(const QMimeData *source)
{
    return source && !source->formats().isEmpty();
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
