#pragma once
// The システム menu's six stage commands wired to their entries, and the
// project name shown in the read-only field "プロジェクト名".

#include "StageCommands.h"

#include <QObject>

class QAction;
class QLineEdit;

class StageMenu : public QObject
{
    Q_OBJECT
public:
    struct Controls
    {
        QAction *New1, *Open1, *SaveAs1, *SaveAs2, *N22, *HTML1;
        QLineEdit *project;
    };

    // Runs `commands`, on `stage`; both outlive the menu.
    StageMenu(const Controls &controls, StageCommands &commands, Stage &stage, QObject *parent);
};
