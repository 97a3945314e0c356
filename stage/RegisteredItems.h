#pragma once
// The "登録" page: five palette entries kept in the boxes No1 to No5, set from
// the palette, saved to the preferences file, recalled with F1 to F5.

#include <QList>
#include <QObject>
#include <QStringList>

class Palette;
class QAction;
class QLineEdit;
class QPushButton;

class RegisteredItems : public QObject
{
    Q_OBJECT
public:
    struct Controls
    {
        QList<QLineEdit *> boxes;     // No1 .. No5
        QList<QPushButton *> buttons; // b1 .. b5
        QPushButton *save;
        QList<QAction *> recall;      // use1 .. use5
    };

    RegisteredItems(const Controls &controls, Palette &palette, QObject *parent);

    QStringList texts() const;
    void setTexts(const QStringList &texts);

    void b1Click(int k);     // box k := the palette's code
    void SaveClick();
    void use1Click(int k);   // the palette := box k

private:
    Controls m_controls;
    Palette &m_palette;
};
