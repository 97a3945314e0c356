// The program: the start sequence and nothing else.

#include "StartOptions.h"
#include "StartStage.h"
#include "Windows.h"
#include "VorzoDazoradMain.h"
#include "accessories/Emblem.h"
#include "desktop/Desktop.h"
#include "platform/Dialogs.h"
#include "stage/Stage.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    if (const std::optional<int> answered = answerStartOptions(argc, argv, true))
        return *answered;
    QApplication app(argc, argv);
    if (const std::optional<int> refused = answerStartOptions(argc, argv, false))
        return *refused;
    QApplication::setApplicationName(QLatin1String(ApplicationTitle));
    Desktop::install(app);
    Desktop::installServices();
    QApplication::setWindowIcon(Emblem::icon());

    // The edited stage exists before the windows that show it.
    Stage stage;
    createWindows(stage);

    // Closing the main window ends the program, whatever else is open.
    QApplication::setQuitOnLastWindowClosed(false);
    QObject::connect(Vorzo, &TVorzo::closed, &app, &QApplication::quit, Qt::QueuedConnection);
    Vorzo->show();
    openStageGivenAtStart(QApplication::arguments(), *Vorzo);
    const int result = QApplication::exec();

    destroyWindows();
    return result;
}
