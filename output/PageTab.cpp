#include "PageTab.h"

#include "PageTemplates.h"
#include "platform/TextLines.h"

#include <QPlainTextEdit>

PageTab::PageTab(const Controls &controls) : c(controls)
{
    show(c.before, defaultHeadTemplate());
    show(c.after, defaultTailTemplate());
}

void PageTab::show(QPlainTextEdit *box, const QByteArray &bytes)
{
    box->setPlainText(TextLines::toEditText(bytes));
}

void PageTab::refresh(const StageMap &map, const SettingsList &settings)
{
    PageParts page;
    page.before = TextLines::fromEditText(c.before->toPlainText());
    page.after = TextLines::fromEditText(c.after->toPlainText());
    page.mapping = MakeMapHTML(map);
    page.setting = MakeSettingsHTML(settings);
    m_final = page.joined();

    show(c.mapping, page.mapping);
    show(c.setting, page.setting);
    show(c.final, m_final);
}
