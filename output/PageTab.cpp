#include "PageTab.h"

#include "PageTemplates.h"
#include "ParameterText.h"
#include "platform/TextLines.h"
#include "stage/Stage.h"

#include <QPlainTextEdit>

PageTab::PageTab(const Controls &controls, Stage &stage) : m_controls(controls), m_stage(stage)
{
    show(m_controls.before, defaultHeadTemplate());
    show(m_controls.after, defaultTailTemplate());
}

void PageTab::show(QPlainTextEdit *box, const QByteArray &bytes)
{
    box->setPlainText(TextLines::toEditText(bytes));
}

void PageTab::refresh(const QByteArray &mapping, const QByteArray &setting)
{
    PageParts page;
    page.before = TextLines::fromEditText(m_controls.before->toPlainText());
    page.after = TextLines::fromEditText(m_controls.after->toPlainText());
    page.mapping = mapping;
    page.setting = setting;
    m_stage.setFinishedPage(page.joined());

    show(m_controls.mapping, page.mapping);
    show(m_controls.setting, page.setting);
    show(m_controls.final, m_stage.finishedPage());
}
