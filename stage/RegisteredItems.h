#pragma once
// The "登録" page: the five registered items shown and edited in the boxes
// No1 to No5, set from the palette, saved to the preferences file, recalled
// with F1 to F5.

#include <QList>
#include <QObject>
#include <QStringList>

class Palette;
class QAction;
class QLineEdit;
class QPushButton;
class RegisteredTexts;

class RegisteredItems : public QObject
{
    Q_OBJECT
public:
    struct Controls
    {
        QList<QLineEdit *> boxes;     // No1 .. No5
        QList<QPushButton *> buttons; // b1 .. b5
        QPushButton *save;
        QList<QAction *> recall; // use1 .. use5
    };

    // Shows and edits `items`, which outlive the boxes.
    RegisteredItems(const Controls &controls, RegisteredTexts &items, Palette &palette, QObject *parent);

    void b1Click(int k); // box k := the palette's code
    void SaveClick();
    void use1Click(int k); // the palette := box k

private:
    Controls m_controls;
    RegisteredTexts &m_items;
    Palette &m_palette;
};
