#include "RegisteredItems.h"

#include "Palette.h"
#include "RegisteredTexts.h"
#include "platform/Guarded.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>

RegisteredItems::RegisteredItems(const Controls &controls, RegisteredTexts &items, Palette &palette, QObject *parent)
    : QObject(parent), m_controls(controls), m_items(items), m_palette(palette)
{
    for (int k = 0; k < m_controls.boxes.size(); ++k) {
        QLineEdit *box = m_controls.boxes[k];
        box->setText(m_items.text(k));
        connect(box, &QLineEdit::textChanged, this, [this, k](const QString &text) { m_items.setText(k, text); });
        connect(m_controls.buttons[k], &QPushButton::clicked, this, guarded([this, k] { b1Click(k); }));
        connect(m_controls.recall[k], &QAction::triggered, this, guarded([this, k] { use1Click(k); }));
    }
    connect(&m_items, &RegisteredTexts::changed, this, [this](int k) {
        if (QLineEdit *box = m_controls.boxes.value(k); box && box->text() != m_items.text(k))
            box->setText(m_items.text(k));
    });
    connect(m_controls.save, &QPushButton::clicked, this, guarded([this] { SaveClick(); }));
}

void RegisteredItems::b1Click(int k)
{
    m_items.setText(k, QString::number(m_palette.PaletteSelection()));
}

void RegisteredItems::SaveClick()
{
    m_items.save();
}

void RegisteredItems::use1Click(int k)
{
    if (const std::optional<CellCode> code = m_items.recall(k))
        m_palette.recall(*code);
}
