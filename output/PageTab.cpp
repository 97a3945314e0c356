#include "PageTab.h"

#include "PageTemplates.h"
#include "ParameterText.h"
#include "platform/TextLines.h"
#include "stage/Stage.h"

#include <QPlainTextEdit>

PageTab::PageTab(const Controls &controls, Stage &stage) : c(controls), m_stage(stage)
{
    show(c.before, defaultHeadTemplate());
    show(c.after, defaultTailTemplate());
}

void PageTab::show(QPlainTextEdit *box, const QByteArray &bytes)
{
    box->setPlainText(TextLines::toEditText(bytes));
}

void PageTab::refresh(const QByteArray &mapping, const QByteArray &setting)
{
    PageParts page;
    page.before = TextLines::fromEditText(c.before->toPlainText());
    page.after = TextLines::fromEditText(c.after->toPlainText());
    page.mapping = mapping;
    page.setting = setting;
    m_stage.setFinishedPage(page.joined());

    show(c.mapping, page.mapping);
    show(c.setting, page.setting);
    show(c.final, m_stage.finishedPage());
}
