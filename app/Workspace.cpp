#include "Workspace.h"

#include "output/PageTemplates.h"
#include "output/ParameterText.h"
#include "platform/Preferences.h"
#include "platform/TextLines.h"
#include "platform/VorzoError.h"

Workspace::Workspace()
    : m_stageCommands(m_stage, [this] {
          if (m_showFromStart)
              m_showFromStart();
      })
{
    m_headTemplate.setPlainText(TextLines::toEditText(defaultHeadTemplate()));
    m_tailTemplate.setPlainText(TextLines::toEditText(defaultTailTemplate()));
}

void Workspace::readPreferences()
{
    const Preferences stored = Preferences::read();
    m_environment.setValues(stored);
    m_registered.setAll(stored.registered);
}

void Workspace::ApplyEnvironment()
{
    // The folder is joined to the pattern as it stands, neither checked nor
    // created: a wildcard name opens the dialog in that folder.
    const EnvironmentValues environment = m_environment.values();
    const QString stages = environment.saveOpenFolder + QStringLiteral("*.kwt");
    m_stageCommands.MainSave.fileName = stages;
    m_stageCommands.MainOpen.fileName = stages;
    m_editor.setFileDialogFolder(environment.saveOpenFolder);
    m_pattern.picdialog.fileName = environment.imageFile;
    m_pattern.loadPicture(environment.imageFile);
    m_editor.setTextColour(readColourText(environment.foreColour));
    m_editor.setBackgroundColour(readColourText(environment.backColour));
}

// A template's bytes; a character the code page cannot hold is refused with
// the name the box goes by on the tab.
static QByteArray templateBytes(const QTextDocument &text, const QString &name)
{
    try {
        return TextLines::fromEditText(text.toPlainText());
    } catch (const VorzoError &e) {
        throw VorzoError(name + QStringLiteral("の") + e.message());
    }
}

PageParts Workspace::refreshPage()
{
    const QByteArray head = templateBytes(m_headTemplate, QStringLiteral("前につくデータ"));
    const QByteArray tail = templateBytes(m_tailTemplate, QStringLiteral("後につくデータ"));
    const PageParts page = finishedPage(head, m_stage.map(), m_stage.settingsList(), tail);
    m_stage.setFinishedPage(page.joined());
    return page;
}
