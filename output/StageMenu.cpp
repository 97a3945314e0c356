#include "StageMenu.h"

#include "platform/Guarded.h"
#include "stage/Stage.h"

#include <QAction>
#include <QLineEdit>

StageMenu::StageMenu(const Controls &c, StageCommands &commands, Stage &stage, QObject *parent) : QObject(parent)
{
    const struct
    {
        QAction *entry;
        void (StageCommands::*handler)();
    } entries[] = {
        {c.New1, &StageCommands::New1Click},       {c.Open1, &StageCommands::Open1Click},
        {c.SaveAs1, &StageCommands::SaveAs1Click}, {c.SaveAs2, &StageCommands::SaveAs2Click},
        {c.N22, &StageCommands::N22Click},         {c.HTML1, &StageCommands::HTML1Click},
    };
    for (const auto &[entry, handler] : entries)
        connect(entry, &QAction::triggered, this, guarded([&commands, handler = handler] { (commands.*handler)(); }));
    c.project->setText(stage.projectName());
    connect(&stage, &Stage::projectNameChanged, c.project, &QLineEdit::setText);
}
