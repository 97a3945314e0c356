#pragma once
// The grid's behaviour: the value cell's editor always open and every typed
// character written at once; the current row moves only where allowed.

#include <QItemSelectionModel>
#include <QPointer>
#include <QStyledItemDelegate>
#include <functional>

// Commits the value on every edit, so the list always holds what is shown.
class SettingValueDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    // A value the list refuses is taken back out of the editor.
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;

    // The editor of the current row's value, once one is open.
    QWidget *openEditor() const { return m_editor; }

protected:
    bool eventFilter(QObject *object, QEvent *event) override;

private:
    mutable QPointer<QWidget> m_editor;
};

// Asks before the current row changes; a refused move leaves the current cell
// and the selection where they were. The key column is never current.
class RowGuard : public QItemSelectionModel
{
    Q_OBJECT
public:
    using Allow = std::function<bool(int row)>;
    RowGuard(QAbstractItemModel *model, int valueColumn, QObject *parent);

    void setAllow(Allow allow) { m_allow = std::move(allow); }
    // Moves without asking (the first show, a list replaced).
    void placeQuietly(int row);

    void setCurrentIndex(const QModelIndex &index, QItemSelectionModel::SelectionFlags command) override;
    void select(const QModelIndex &index, QItemSelectionModel::SelectionFlags command) override;
    void select(const QItemSelection &selection, QItemSelectionModel::SelectionFlags command) override;

private:
    bool movesAway(const QModelIndex &index) const;

    int m_valueColumn;
    Allow m_allow;
};
