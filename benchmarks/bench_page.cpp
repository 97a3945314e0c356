// The page refresh: the map and settings parameter texts alone, and the
// whole F7 through the real main window (offscreen).

#include "Median.h"
#include "Offscreen.h"

#include "app/VorzoDazoradMain.h"
#include "app/Windows.h"
#include "app/Workspace.h"
#include "desktop/Desktop.h"
#include "output/ParameterText.h"
#include "settings/SettingsList.h"

#include <QAction>
#include <QApplication>
#include <QDir>

int main(int argc, char *argv[])
{
    const auto app = offscreenApplication(argc, argv);

    StageMap map;
    for (int i = 0; i < StageMap::Cells; ++i)
        map.setIndex(i, CellCode(i % 65));
    volatile qsizetype sink = 0;
    const int runs = 2000;
    report("MakeMapHTML, full stage", runs, medianMicroseconds(runs, [&] { sink = sink + MakeMapHTML(map).size(); }));

    // A settings file of 40,000 lines (about 550 KB), keys repeating.
    SettingsList many;
    for (int i = 0; i < 40000; ++i)
        many.append("key" + QByteArray::number(i % 30000) + "=value number " + QByteArray::number(i));
    const int settingsRuns = 20;
    report("MakeSettingsHTML, 40,000 lines", settingsRuns,
           medianMicroseconds(settingsRuns, [&] { sink = sink + MakeSettingsHTML(many).size(); }));

    Workspace workspace;
    const Windows windows(workspace);
    windows.main().show();
    workspace.stage().map() = map;
    QAction *refresh = windows.main().findChild<QAction *>(QStringLiteral("N2"));
    const int refreshes = 200;
    report("F7 refresh through the main window", refreshes, medianMicroseconds(refreshes, [&] { refresh->trigger(); }));
    return 0;
}
