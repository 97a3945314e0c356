#include "StartStage.h"

#include "VorzoDazoradMain.h"
#include "output/StageCommands.h"
#include "platform/Guarded.h"

#include <QFileInfo>
#include <QTimer>

void openStageGivenAtStart(const QStringList &arguments, TVorzo &window)
{
    // "--" before the name lets a name that starts with "-" through.
    const QString given = arguments.value(arguments.value(1) == QLatin1String("--") ? 2 : 1);
    if (given.isEmpty())
        return;
    // Made absolute now: the current folder may not stay the one the name
    // was given in.
    const QString path = QFileInfo(given).absoluteFilePath();
    QTimer::singleShot(0, &window, [&window, path] { runGuarded([&] { window.stageCommands().openStage(path); }); });
}
