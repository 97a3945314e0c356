// The page refresh: the map and settings parameter texts alone, and the
// whole F7 through the real main window (offscreen), also with one settings
// value of 40,000 characters until the page boxes in view have repainted.

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
#include <QPlainTextEdit>
#include <QTabWidget>

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

    SettingsList longValue = workspace.stage().settingsList();
    longValue.setEntry(0, SettingsList::keyOf(longValue.entry(0)) + '=' + QByteArray(40000, '7'));
    workspace.stage().settings().replace(longValue);
    windows.main().findChild<QTabWidget *>(QStringLiteral("PageControl1"))->setCurrentIndex(1);
    QApplication::processEvents();
    const auto boxes = windows.main().findChildren<QPlainTextEdit *>();
    const int longRefreshes = 21;
    report("F7 with a value of 40,000 characters, repainted", longRefreshes, medianMicroseconds(longRefreshes, [&] {
               refresh->trigger();
               QApplication::processEvents();
               for (QPlainTextEdit *box : boxes)
                   if (box->isVisible())
                       box->viewport()->repaint();
           }));
    return 0;
}
