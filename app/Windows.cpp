#include "Windows.h"

#include "VorzoDazoradMain.h"
#include "Workspace.h"
#include "accessories/Help.h"
#include "accessories/Vertion.h"
#include "accessories/VorzoEdit.h"
#include "desktop/Desktop.h"
#include "environment/Environ.h"
#include "environment/VorzoImage.h"
#include "settings/Setting.h"

Windows::Windows(Workspace &workspace)
    : m_main(std::make_unique<TVorzo>(workspace, *this)), m_editor(std::make_unique<TEditForm>(workspace.editor())),
      m_image(std::make_unique<Timgform>(workspace.pattern())),
      m_settings(std::make_unique<TSettingForm>(workspace.stage().settings())),
      m_environment(
          std::make_unique<TPagesDlg>(workspace.environment(), [&workspace] { workspace.ApplyEnvironment(); })),
      m_about(std::make_unique<TAboutBox>()), m_help(std::make_unique<THelpForm>())
{
    const QList<QWidget *> all{m_main.get(),        m_editor.get(), m_image.get(), m_settings.get(),
                               m_environment.get(), m_about.get(),  m_help.get()};
    for (QWidget *window : all)
        Desktop::describeFromHints(window);
}

Windows::~Windows() = default;
