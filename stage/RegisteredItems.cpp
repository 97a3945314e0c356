#include "RegisteredItems.h"

#include "Palette.h"
#include "RegisteredItem.h"
#include "platform/Preferences.h"
#include "platform/Guarded.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>

RegisteredItems::RegisteredItems(const Controls &controls, Palette &palette, QObject *parent)
    : QObject(parent), m_controls(controls), m_palette(palette)
{
    for (int k = 0; k < m_controls.boxes.size(); ++k) {
        connect(m_controls.buttons[k], &QPushButton::clicked, this, guarded([this, k] { b1Click(k); }));
        connect(m_controls.recall[k], &QAction::triggered, this, guarded([this, k] { use1Click(k); }));
    }
    connect(m_controls.save, &QPushButton::clicked, this, guarded([this] { SaveClick(); }));
}

QStringList RegisteredItems::texts() const
{
    QStringList texts;
    for (const QLineEdit *box : m_controls.boxes)
        texts.append(box->text());
    return texts;
}

void RegisteredItems::setTexts(const QStringList &texts)
{
    for (int k = 0; k < m_controls.boxes.size(); ++k)
        m_controls.boxes[k]->setText(texts.value(k));
}

void RegisteredItems::b1Click(int k)
{
    m_controls.boxes[k]->setText(QString::number(m_palette.PaletteSelection()));
}

void RegisteredItems::SaveClick()
{
    Preferences::writeRegistered(texts());
}

void RegisteredItems::use1Click(int k)
{
    if (const std::optional<CellCode> code = registeredCode(m_controls.boxes[k]->text()))
        m_palette.recall(*code);
}
