// vorzo-stage: a stage's page, its check, its picture, its text and its
// differences, and the stage to and from the Tiled map editor, from the
// command line, without a display. It reads the stage with the editor's
// readers and writes every file through the editor's safe save. It needs the
// core only; a picture (also the tileset's of an export) is drawn by
// vorzo-stage-render beside it, which it becomes.

#include "Commands.h"
#include "CompanionText.h"
#include "Run.h"

#include "platform/VorzoError.h"

#include <QCoreApplication>
#include <QFile>

#include <unistd.h>

using namespace Companion;

namespace {

// The drawing program beside this one, with the same arguments; returns
// only when it cannot be started.
int render(char *argv[])
{
    const QByteArray drawer = QFile::encodeName(QCoreApplication::applicationDirPath()
                                                + QStringLiteral("/vorzo-stage-render"));
    argv[0] = const_cast<char *>(drawer.constData());
    ::execv(drawer.constData(), argv);
    throw VorzoError(CompanionText::text(CompanionText::Id::CannotRun).arg(QFile::decodeName(drawer)));
}

} // namespace

int main(int argc, char *argv[])
{
    reportQtFailures();
    QCoreApplication app(argc, argv);
    return run([argv](const CommandLine &line) { return stageCommand(line, [argv] { return render(argv); }); });
}
