#include "StageCommands.h"

#include "PageTab.h"
#include "StageFiles.h"
#include "settings/Setting.h"
#include "stage/MapView.h"
#include "stage/Placement.h"
#include "stage/StageMap.h"

#include <QLineEdit>

StageCommands::StageCommands(const Parts &parts)
    : MainOpen{FileDialog::Kind::Open, QStringLiteral("マップを開く(詳細設定も同時に開きます)"),
               QStringLiteral("ぼるぞクリエイターマップファイル(*.kwt)"), QStringLiteral("kwt"), {}},
      MainSave{FileDialog::Kind::Save, QStringLiteral("マップを保存する(詳細設定も同時に保存します)"),
               QStringLiteral("ぼるぞクリエイターファイル(*.kwt)"), QStringLiteral("kwt"), {}},
      p(parts)
{
}

void StageCommands::New1Click()
{
    const WarningButton answer = dialogs().warning(
        QStringLiteral("マップと詳細設定を全部消します。\r\n元には戻せません。\r\n本当にいいですか。"),
        {WarningButton::Yes, WarningButton::No});
    if (answer != WarningButton::Yes)
        return;
    p.placement.N21Click();
    p.view.SetViewOrigin(0, 0);
    SettingForm->DeleteAll();
}

void StageCommands::Open1Click()
{
    const std::optional<QString> chosen = runFileDialog(MainOpen);
    if (!chosen)
        return;
    const QString base = StageFiles::baseOf(*chosen);
    StageFiles::readMap(*chosen, p.map);
    SettingForm->replaceSettings(StageFiles::readSettings(StageFiles::settingsPathOf(base)));
    p.view.SetViewOrigin(0, 0);
    p.project->setText(base);
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
    StageFiles::writeMap(*chosen, p.map);
    StageFiles::writeSettings(StageFiles::settingsPathOf(base), SettingForm->settings());
    if (withPage)
        StageFiles::writePage(StageFiles::pagePathOf(base), p.page.finalPage());
    p.project->setText(base);
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
    const QString base = p.project->text();
    if (base.isEmpty()) {
        dialogs().message(QStringLiteral("プロジェクト名が決まっていません。"));
        return;
    }
    StageFiles::writeMap(StageFiles::mapPathOf(base), p.map);
    StageFiles::writeSettings(StageFiles::settingsPathOf(base), SettingForm->settings());
    if (withPage)
        StageFiles::writePage(StageFiles::pagePathOf(base), p.page.finalPage());
}
