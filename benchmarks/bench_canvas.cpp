// The canvas under the mouse: one full redraw of a view with all 100 cells
// placed, and one movement event of a left drag through the real canvas
// widget (offscreen), from the event to the picture redrawn.

#include "Median.h"
#include "Offscreen.h"

#include "app/VorzoDazoradMain.h"
#include "app/Windows.h"
#include "app/Workspace.h"
#include "desktop/Desktop.h"
#include "environment/VorzoImage.h"
#include "stage/CanvasPicture.h"
#include "stage/MapCanvas.h"
#include "stage/ViewOrigin.h"

#include <QApplication>
#include <QDir>
#include <QMouseEvent>

int main(int argc, char *argv[])
{
    const auto app = offscreenApplication(argc, argv);
    Workspace workspace;
    const Windows windows(workspace);
    windows.main().show();

    StageMap map;
    for (int i = 0; i < StageMap::Cells; ++i)
        map.setIndex(i, CellCode(i % 65));
    QImage picture(320, 320, QImage::Format_RGB32);
    const int runs = 5000;
    report("RedrawCanvas, 100 cells placed", runs, medianMicroseconds(runs, [&] {
               RedrawCanvas(picture, map, ViewOrigin{}, workspace.pattern().pattern().tiles());
           }));

    workspace.stage().map() = map;
    auto *canvas = windows.main().findChild<MapCanvas *>(QStringLiteral("maincan"));
    int step = 0;
    report("movement event during a left drag", runs, medianMicroseconds(runs, [&] {
               ++step;
               const QPointF at((step * 7) % 320, (step * 13) % 320);
               QMouseEvent move(QEvent::MouseMove, at, canvas->mapToGlobal(at), Qt::NoButton, Qt::LeftButton,
                                Qt::NoModifier);
               QApplication::sendEvent(canvas, &move);
           }));

    return 0;
}
