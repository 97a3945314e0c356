#include "SettingsGrid.h"

#include <QEvent>
#include <QLineEdit>
#include <limits>

QWidget *SettingValueDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                            const QModelIndex &index) const
{
    QWidget *editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto *line = qobject_cast<QLineEdit *>(editor)) {
        // A value may be longer than a line edit's usual 32,767 characters.
        line->setMaxLength(std::numeric_limits<int>::max());
        connect(line, &QLineEdit::textEdited, this,
                [this, line] { const_cast<SettingValueDelegate *>(this)->commitData(line); });
    }
    m_editor = editor;
    return editor;
}

void SettingValueDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    // A refused value is put back; one stored otherwise than typed (a
    // pasted line break dropped) is shown as stored.
    auto *line = qobject_cast<QLineEdit *>(editor);
    if (line) {
        model->setData(index, line->text(), Qt::EditRole);
        setEditorData(editor, index);
    }
}

bool SettingValueDelegate::eventFilter(QObject *object, QEvent *event)
{
    // Every edit is already in the list; leaving the editor has nothing to
    // commit, and the editor may be on its way out.
    if (event->type() == QEvent::FocusOut)
        return false;
    return QStyledItemDelegate::eventFilter(object, event);
}

void SettingValueDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    // A refused character puts the stored value back; an accepted one is
    // already shown, and resetting would move the text cursor.
    auto *line = qobject_cast<QLineEdit *>(editor);
    const QString stored = index.data(Qt::EditRole).toString();
    if (line && line->text() == stored)
        return;
    QStyledItemDelegate::setEditorData(editor, index);
}

RowGuard::RowGuard(QAbstractItemModel *model, int valueColumn, QObject *parent)
    : QItemSelectionModel(model, parent), m_valueColumn(valueColumn)
{
}

bool RowGuard::movesAway(const QModelIndex &index) const
{
    return index.isValid() && (!currentIndex().isValid() || index.row() != currentIndex().row());
}

void RowGuard::placeQuietly(int row)
{
    if (row < 0 || row >= model()->rowCount())
        return;
    QItemSelectionModel::setCurrentIndex(model()->index(row, m_valueColumn), ClearAndSelect);
}

void RowGuard::setCurrentIndex(const QModelIndex &index, QItemSelectionModel::SelectionFlags command)
{
    if (movesAway(index) && m_allow && !m_allow(index.row()))
        return;
    const QModelIndex target = index.isValid() ? model()->index(index.row(), m_valueColumn) : index;
    QItemSelectionModel::setCurrentIndex(target, command);
}

void RowGuard::select(const QModelIndex &index, QItemSelectionModel::SelectionFlags command)
{
    if (movesAway(index))
        return;
    QItemSelectionModel::select(index, command);
}

void RowGuard::select(const QItemSelection &selection, QItemSelectionModel::SelectionFlags command)
{
    if (!selection.isEmpty() && movesAway(selection.first().topLeft()))
        return;
    QItemSelectionModel::select(selection, command);
}
