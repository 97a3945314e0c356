#pragma once
// The palette: three radio buttons and three lists that together choose the
// cell code that placing and the bulk edits write.

#include "CellCode.h"

#include <QObject>

class QAction;
class QListWidget;
class QMenu;
class QRadioButton;

class Palette : public QObject
{
    Q_OBJECT
public:
    struct Controls
    {
        QRadioButton *sel1, *sel2, *sel3;
        QListWidget *list1, *list2, *list3;
        QMenu *contextMenu;       // shared by the three lists
        QAction *contextShortcut; // its F2 entry, ahead of the main menu's F2
    };

    Palette(const Controls &controls, QObject *parent);

    // Item 0 of every list; sel1 stays as the form has it.
    void selectFirstItems();

    // The code the palette chooses now; read anew by every caller.
    CellCode PaletteSelection() const;

    // Brings a placeable code (0-64, or 99) back: its radio button and its
    // list's item, scrolled into view. The other lists stay as they are.
    void recall(CellCode code);

    // The name of the entry that places `code`, as its list shows it
    // without the map letter ("レンガ" for "a  レンガ").
    QString entryName(CellCode code) const;

    void list1Click();
    void list2Click();
    void list3Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void connectList(QListWidget *list, void (Palette::*click)());

    Controls m_controls;
};
