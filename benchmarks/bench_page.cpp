// The page refresh: map parameter text alone, and the whole F7 through the
// real main window (offscreen).

#include "Median.h"

#include "app/VorzoDazoradMain.h"
#include "app/Windows.h"
#include "output/ParameterText.h"
#include "desktop/Desktop.h"

#include <QAction>
#include <QApplication>
#include <QDir>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Desktop::install(app);
    QDir::setCurrent(QStringLiteral(VORZO_DIST_DIR)); // where the program finds Setting.cfg

    StageMap map;
    for (int i = 0; i < StageMap::Cells; ++i)
        map.setIndex(i, CellCode(i % 65));
    volatile qsizetype sink = 0;
    const int runs = 2000;
    report("MakeMapHTML, full stage", runs, medianMicroseconds(runs, [&] { sink = sink + MakeMapHTML(map).size(); }));

    createWindows();
    Vorzo->show();
    Vorzo->stageMap() = map;
    QAction *refresh = Vorzo->findChild<QAction *>(QStringLiteral("N2"));
    const int refreshes = 200;
    report("F7 refresh through the main window", refreshes, medianMicroseconds(refreshes, [&] { refresh->trigger(); }));
    destroyWindows();
    return 0;
}
