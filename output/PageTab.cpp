#include "PageTab.h"

#include "PageTemplates.h"
#include "ParameterText.h"
#include "platform/TextLines.h"
#include "platform/VorzoError.h"
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

// A template's bytes; a character the code page cannot hold is refused with
// the name the box goes by on the tab.
static QByteArray templateBytes(const QPlainTextEdit *box, const QString &name)
{
    try {
        return TextLines::fromEditText(box->toPlainText());
    } catch (const VorzoError &e) {
        throw VorzoError(name + QStringLiteral("の") + e.message());
    }
}

void PageTab::refresh(const QByteArray &mapping, const QByteArray &setting)
{
    PageParts page;
    page.before = templateBytes(m_controls.before, QStringLiteral("前につくデータ"));
    page.after = templateBytes(m_controls.after, QStringLiteral("後につくデータ"));
    page.mapping = mapping;
    page.setting = setting;
    m_stage.setFinishedPage(page.joined());

    show(m_controls.mapping, page.mapping);
    show(m_controls.setting, page.setting);
    show(m_controls.final, m_stage.finishedPage());
}
