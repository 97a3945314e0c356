#include "StageCommands.h"

#include "StageFiles.h"
#include "stage/Stage.h"

StageCommands::StageCommands(Stage &stage, std::function<void()> showFromStart)
    : MainOpen{FileDialog::Kind::Open,
               QStringLiteral("マップを開く(詳細設定も同時に開きます)"),
               QStringLiteral("ぼるぞクリエイターマップファイル(*.kwt)"),
               QStringLiteral("kwt"),
               {}},
      MainSave{FileDialog::Kind::Save,
               QStringLiteral("マップを保存する(詳細設定も同時に保存します)"),
               QStringLiteral("ぼるぞクリエイターファイル(*.kwt)"),
               QStringLiteral("kwt"),
               {}},
      m_stage(stage), m_showFromStart(std::move(showFromStart))
{
}

void StageCommands::New1Click()
{
    const WarningButton answer = dialogs().warning(
        QStringLiteral("マップと詳細設定を全部消します。\r\n元には戻せません。\r\n本当にいいですか。"),
        {WarningButton::Yes, WarningButton::No});
    if (answer != WarningButton::Yes)
        return;
    m_stage.map().clear();
    m_showFromStart();
    m_stage.settings().DeleteAll();
}

void StageCommands::Open1Click()
{
    if (const std::optional<QString> chosen = runFileDialog(MainOpen))
        open(*chosen);
}

void StageCommands::openStage(const QString &path)
{
    MainOpen.fileName = path;
    open(path);
}

void StageCommands::open(const QString &path)
{
    const QString base = StageFiles::baseOf(path);
    StageFiles::readMap(path, m_stage.map());
    m_stage.settings().replace(StageFiles::readSettings(StageFiles::settingsPathOf(base)));
    m_showFromStart();
    m_stage.setProjectName(base);
}

void StageCommands::SaveAs1Click()
{
    saveAs(false);
}

void StageCommands::SaveAs2Click()
{
    saveAs(true);
}

void StageCommands::saveAs(bool withPage)
{
    const std::optional<QString> chosen = runFileDialog(MainSave);
    if (!chosen)
        return;
    StageFiles::checkDistinctPaths(*chosen, withPage);
    const QString base = StageFiles::baseOf(*chosen);
    StageFiles::writeMap(*chosen, m_stage.map());
    StageFiles::writeSettings(StageFiles::settingsPathOf(base), m_stage.settingsList());
    if (withPage)
        StageFiles::writePage(StageFiles::pagePathOf(base), m_stage.finishedPage());
    m_stage.setProjectName(base);
}

void StageCommands::N22Click()
{
    overwrite(false);
}

void StageCommands::HTML1Click()
{
    overwrite(true);
}

void StageCommands::overwrite(bool withPage)
{
    const QString base = m_stage.projectName();
    if (base.isEmpty()) {
        dialogs().message(QStringLiteral("プロジェクト名が決まっていません。"));
        return;
    }
    StageFiles::writeMap(StageFiles::mapPathOf(base), m_stage.map());
    StageFiles::writeSettings(StageFiles::settingsPathOf(base), m_stage.settingsList());
    if (withPage)
        StageFiles::writePage(StageFiles::pagePathOf(base), m_stage.finishedPage());
}
