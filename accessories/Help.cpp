#include "Help.h"
#include "ui_Help.h"

#include "desktop/Desktop.h"

#include <QFile>

namespace {

// A help page as written in resources/help.
QString helpPage(const char *name)
{
    QFile page(QStringLiteral(":/help/%1.txt").arg(QLatin1String(name)));
    if (!page.open(QIODevice::ReadOnly))
        return QString();
    QString text = QString::fromUtf8(page.readAll());
    while (text.endsWith(u'\n'))
        text.chop(1);
    return text;
}

} // namespace

THelpForm::THelpForm(QWidget *parent) : QDialog(parent), m_ui(new Ui::THelpForm)
{
    // The form starts on its last page, "オマケ機能"; the tab control keeps
    // the page last viewed for the next opening.
    Desktop::useFormFont(this);
    m_ui->setupUi(this);
    setFixedSize(size());
    Desktop::centreOnEveryShow(this);

    connect(m_ui->OKBtn, &QPushButton::clicked, this, &QDialog::accept);
}

// The pages are laid out when the window first shows, not at the program's
// start: five pages of wrapped Japanese text cost the start several
// milliseconds for a window that is seldom opened.
void THelpForm::showEvent(QShowEvent *event)
{
    fillPages();
    QDialog::showEvent(event);
}

void THelpForm::fillPages()
{
    if (m_filled)
        return;
    m_filled = true;
    const struct
    {
        QPlainTextEdit *memo;
        const char *name;
    } pages[] = {
        {m_ui->Memo1, "Memo1"}, {m_ui->Memo2, "Memo2"}, {m_ui->Memo3, "Memo3"},
        {m_ui->Memo4, "Memo4"}, {m_ui->Memo5, "Memo5"},
    };
    for (const auto &page : pages)
        page.memo->setPlainText(helpPage(page.name));
}

THelpForm::~THelpForm()
{
    delete m_ui;
}
