#include "PageTab.h"

#include "ParameterText.h"
#include "platform/TextLines.h"

#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QTextDocument>

namespace {

void edit(QPlainTextEdit *box, QTextDocument &document)
{
    // A plain-text box lays out only documents of its own kind of layout.
    document.setDocumentLayout(new QPlainTextDocumentLayout(&document));
    document.setDefaultFont(box->font());
    box->setDocument(&document);
}

} // namespace

PageTab::PageTab(const Controls &controls, QTextDocument &head, QTextDocument &tail) : m_controls(controls)
{
    edit(m_controls.before, head);
    edit(m_controls.after, tail);
}

void PageTab::show(QPlainTextEdit *box, const QByteArray &bytes)
{
    box->setPlainText(TextLines::toEditText(bytes));
}

void PageTab::show(const PageParts &page)
{
    show(m_controls.mapping, page.mapping);
    show(m_controls.setting, page.setting);
    show(m_controls.final, page.joined());
}
