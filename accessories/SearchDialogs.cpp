#include "SearchDialogs.h"

#include <QBoxLayout>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// The texts on the left, the buttons in a column on the right. The buttons
// that act want a search text, as on the desktop.
QLineEdit *addText(QFormLayout *texts, const char *name, const QString &label)
{
    auto *edit = new QLineEdit;
    edit->setObjectName(QLatin1String(name));
    edit->setMinimumWidth(220);
    texts->addRow(label, edit);
    return edit;
}

// A button 16 pixels wider than its caption needs, measured when the
// dialog is first laid out rather than when it is made with the editor.
class WideButton : public QPushButton
{
public:
    using QPushButton::QPushButton;
    QSize sizeHint() const override { return QPushButton::sizeHint() + QSize(16, 0); }
    QSize minimumSizeHint() const override { return sizeHint(); }
};

QPushButton *addButton(QDialog *dialog, QVBoxLayout *buttons, const char *name, const QString &caption)
{
    auto *button = new WideButton(caption, dialog);
    button->setObjectName(QLatin1String(name));
    buttons->addWidget(button);
    return button;
}

QFormLayout *layOut(QDialog *dialog, QVBoxLayout *buttons)
{
    // A window takes no font from its owner by itself.
    dialog->setFont(dialog->parentWidget()->font());
    auto *texts = new QFormLayout;
    auto *whole = new QHBoxLayout(dialog);
    whole->addLayout(texts, 1);
    whole->addLayout(buttons);
    whole->setSizeConstraint(QLayout::SetFixedSize);
    return texts;
}

void enableWithText(QLineEdit *find, const QList<QPushButton *> &buttons)
{
    auto update = [find, buttons] {
        for (QPushButton *button : buttons)
            button->setEnabled(!find->text().isEmpty());
    };
    QObject::connect(find, &QLineEdit::textChanged, find, update);
    update();
}

} // namespace

FindDialog::FindDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FindDialog1"));
    setWindowTitle(QStringLiteral("検索"));
    setModal(false);
    auto *buttons = new QVBoxLayout;
    QFormLayout *texts = layOut(this, buttons);
    m_find = addText(texts, "FindText", QStringLiteral("検索する文字列(&N):"));
    QPushButton *next = addButton(this, buttons, "FindNext", QStringLiteral("次を検索"));
    QPushButton *cancel = addButton(this, buttons, "Cancel", QStringLiteral("キャンセル"));
    buttons->addStretch();
    next->setDefault(true);
    enableWithText(m_find, {next});
    connect(next, &QPushButton::clicked, this, &FindDialog::findRequested);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QString FindDialog::findText() const
{
    return m_find->text();
}

ReplaceDialog::ReplaceDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ReplaceDialog1"));
    setWindowTitle(QStringLiteral("置換"));
    setModal(false);
    auto *buttons = new QVBoxLayout;
    QFormLayout *texts = layOut(this, buttons);
    m_find = addText(texts, "FindText", QStringLiteral("検索する文字列(&N):"));
    m_replace = addText(texts, "ReplaceText", QStringLiteral("置換後の文字列(&P):"));
    QPushButton *next = addButton(this, buttons, "FindNext", QStringLiteral("次を検索"));
    QPushButton *replace = addButton(this, buttons, "Replace", QStringLiteral("置換して次に"));
    QPushButton *replaceAll = addButton(this, buttons, "ReplaceAll", QStringLiteral("すべて置換"));
    QPushButton *cancel = addButton(this, buttons, "Cancel", QStringLiteral("キャンセル"));
    buttons->addStretch();
    next->setDefault(true);
    enableWithText(m_find, {next, replace, replaceAll});
    connect(next, &QPushButton::clicked, this, &ReplaceDialog::findRequested);
    connect(replace, &QPushButton::clicked, this, [this] { emit replaceRequested(false); });
    connect(replaceAll, &QPushButton::clicked, this, [this] { emit replaceRequested(true); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QString ReplaceDialog::findText() const
{
    return m_find->text();
}

QString ReplaceDialog::replaceText() const
{
    return m_replace->text();
}
