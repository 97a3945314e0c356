// The program: the start sequence and nothing else.

#include "StartOptions.h"
#include "StartStage.h"
#include "VorzoDazoradMain.h"
#include "Windows.h"
#include "Workspace.h"
#include "accessories/Emblem.h"
#include "desktop/Desktop.h"
#include "platform/Dialogs.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    if (const std::optional<int> answered = answerStartOptions(argc, argv, true))
        return *answered;
    QApplication app(argc, argv);
    if (const std::optional<int> refused = answerStartOptions(argc, argv, false))
        return *refused;
    QApplication::setApplicationName(QLatin1String(ApplicationTitle));
    // The desktop entry's id: docks group the windows under the entry, and a
    // Wayland session shows its icon.
    QGuiApplication::setDesktopFileName(QLatin1String(VORZO_DESKTOP_ID));
    Desktop::install(app);
    Desktop::installServices();
    QApplication::setWindowIcon(Emblem::icon());

    // What the windows show exists before them and outlives them.
    Workspace workspace;
    const Windows windows(workspace);

    // Closing the main window ends the program, whatever else is open.
    QApplication::setQuitOnLastWindowClosed(false);
    QObject::connect(&windows.main(), &TVorzo::closed, &app, &QApplication::quit, Qt::QueuedConnection);
    windows.main().show();
    openStageGivenAtStart(QApplication::arguments(), windows.main());
    return QApplication::exec();
}
