#pragma once
// The システム menu's stage commands: new stage, open, save as (with or
// without the page) and overwrite under the project name.

#include "platform/Dialogs.h"

#include <QObject>

class MapView;
class PageTab;
class Placement;
class QLineEdit;
class StageMap;

class StageCommands
{
public:
    struct Parts
    {
        StageMap &map;
        MapView &view;
        Placement &placement;
        const PageTab &page;
        QLineEdit *project; // the read-only field "プロジェクト名"
    };

    explicit StageCommands(const Parts &parts);

    void New1Click();
    void Open1Click();
    void SaveAs1Click(); // map and settings
    void SaveAs2Click(); // map, settings and page
    void N22Click();     // overwrite map and settings
    void HTML1Click();   // overwrite map, settings and page

    // The two dialogs, each remembering its own last name.
    FileDialog MainOpen;
    FileDialog MainSave;

private:
    void saveAs(bool withPage);
    void overwrite(bool withPage);

    Parts p;
};
