#include "Palette.h"

#include <QAction>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QRadioButton>

namespace {

constexpr int ItemHeight = 12;
// The stand-in font's 12-pixel glyphs reach below a 12-pixel row (g, j, p,
// q, y lose their descenders); at 11 pixels they fit it, as the original's
// did.
constexpr int ItemFontPixels = 11;

void setItemHeights(QListWidget *list)
{
    QFont font = list->font();
    font.setPixelSize(ItemFontPixels);
    list->setFont(font);
    for (int i = 0; i < list->count(); ++i)
        list->item(i)->setSizeHint(QSize(0, ItemHeight));
}

bool isPlainF2(const QKeyEvent *key)
{
    return key->key() == Qt::Key_F2 && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

} // namespace

Palette::Palette(const Controls &controls, QObject *parent) : QObject(parent), m_controls(controls)
{
    connectList(m_controls.list1, &Palette::list1Click);
    connectList(m_controls.list2, &Palette::list2Click);
    connectList(m_controls.list3, &Palette::list3Click);
}

void Palette::connectList(QListWidget *list, void (Palette::*click)())
{
    setItemHeights(list);
    // A left click on the current item chooses it again; the keyboard moves
    // it. Other buttons never choose (their presses stop at the filter).
    connect(list, &QListWidget::itemPressed, this, click);
    connect(list, &QListWidget::currentRowChanged, this, [this, list, click] {
        if (list->hasFocus())
            (this->*click)();
    });
    // The current item stays highlighted: a Ctrl+click on it or a click
    // below the items would otherwise leave none, while placing uses it.
    connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this, [list] {
        if (list->selectedItems().isEmpty() && list->currentItem())
            list->currentItem()->setSelected(true);
    });
    connect(list, &QWidget::customContextMenuRequested, this,
            [this, list](const QPoint &pos) { m_controls.contextMenu->popup(list->viewport()->mapToGlobal(pos)); });
    list->installEventFilter(this);
    list->viewport()->installEventFilter(this);
}

void Palette::selectFirstItems()
{
    for (QListWidget *list : {m_controls.list1, m_controls.list2, m_controls.list3}) {
        const QSignalBlocker quiet(list);
        list->setCurrentRow(0);
    }
}

CellCode Palette::PaletteSelection() const
{
    if (m_controls.sel1->isChecked())
        return paletteCode(PaletteGroup::Objects, m_controls.list1->currentRow());
    if (m_controls.sel2->isChecked())
        return paletteCode(PaletteGroup::BlocksItems, m_controls.list2->currentRow());
    return paletteCode(PaletteGroup::Decorations, m_controls.list3->currentRow());
}

void Palette::recall(CellCode code)
{
    const PaletteEntry entry = paletteEntryOf(code);
    const int group = int(entry.group);
    QRadioButton *radio = QList<QRadioButton *>{m_controls.sel1, m_controls.sel2, m_controls.sel3}.at(group);
    QListWidget *list = QList<QListWidget *>{m_controls.list1, m_controls.list2, m_controls.list3}.at(group);
    radio->setChecked(true);
    list->setCurrentRow(entry.index);
    list->scrollToItem(list->currentItem());
}

QString Palette::entryName(CellCode code) const
{
    const PaletteEntry entry = paletteEntryOf(code);
    const QListWidget *list = QList<QListWidget *>{m_controls.list1, m_controls.list2, m_controls.list3}.at(
        int(entry.group));
    const QListWidgetItem *item = list->item(entry.index);
    return item ? item->text().mid(1).trimmed() : QString();
}

void Palette::list1Click()
{
    m_controls.sel1->setChecked(true);
}

void Palette::list2Click()
{
    m_controls.sel2->setChecked(true);
}

void Palette::list3Click()
{
    m_controls.sel3->setChecked(true);
}

bool Palette::eventFilter(QObject *watched, QEvent *event)
{
    // Only the left button chooses an item; the right one opens the context
    // menu (its own event), which acts on the entry chosen before.
    const QEvent::Type type = event->type();
    if ((type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick || type == QEvent::MouseButtonRelease)
        && static_cast<QMouseEvent *>(event)->button() != Qt::LeftButton)
        return true;
    // While a list has the focus its context menu's F2 comes before the main
    // menu's F2: claim the key before the shortcut map sees two of them.
    if (event->type() == QEvent::ShortcutOverride && isPlainF2(static_cast<QKeyEvent *>(event))) {
        event->accept();
        return true;
    }
    if (event->type() == QEvent::KeyPress && isPlainF2(static_cast<QKeyEvent *>(event))) {
        m_controls.contextShortcut->trigger();
        return true;
    }
    return QObject::eventFilter(watched, event);
}
