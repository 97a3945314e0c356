#pragma once
// The システム menu's stage commands: new stage, open, save as (with or
// without the page) and overwrite under the project name. They work on the
// edited stage and ask through the dialogs seam; no window is needed.

#include "platform/Dialogs.h"

#include <functional>

class Stage;

class StageCommands
{
public:
    // `showFromStart`: the view back to column 0, row 0, redrawn (it may
    // fail, like any redraw).
    StageCommands(Stage &stage, std::function<void()> showFromStart);

    void New1Click();
    void Open1Click();
    // Opens the map file `path` (a full path) and the settings file beside
    // it exactly as if `path` had been chosen in MainOpen, which then
    // proposes it.
    void openStage(const QString &path);
    void SaveAs1Click(); // map and settings
    void SaveAs2Click(); // map, settings and page
    void N22Click();     // overwrite map and settings
    void HTML1Click();   // overwrite map, settings and page

    // The two dialogs, each remembering its own last name.
    FileDialog MainOpen;
    FileDialog MainSave;

private:
    void open(const QString &path);
    void saveAs(bool withPage);
    void overwrite(bool withPage);

    Stage &m_stage;
    std::function<void()> m_showFromStart;
};
