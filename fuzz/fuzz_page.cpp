// The finished page of F7. The input: the head template, the tail template,
// the settings file and the map file, parted by the bytes FD FD. Whatever
// the templates hold, pasted into their boxes, and whatever the stage opened,
// the page is, byte for byte: the head with CR LF for each of its line ends,
// the 90 map lines, one settings line per entry, the tail likewise.
#include "FuzzCheck.h"
#include "Model.h"

#include "app/Workspace.h"
#include "platform/TextLines.h"

#include <QGuiApplication>

#include <array>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_page";
    static char *argv[] = {name, nullptr};
    new QGuiApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QList<QByteArray> four;
    QByteArray rest = Fuzz::bytes(data, size);
    for (qsizetype at; four.size() < 3 && (at = rest.indexOf("\xFD\xFD")) >= 0; rest.remove(0, at + 2))
        four.append(rest.left(at));
    four.append(rest);
    four.resize(4);
    const QByteArray &head = four[0], &tail = four[1], &settings = four[2], &map = four[3];

    Workspace workspace;
    workspace.headTemplate().setPlainText(TextLines::toEditText(head));
    workspace.tailTemplate().setPlainText(TextLines::toEditText(tail));
    Fuzz::fileWith("stage.kwp", settings);
    workspace.stageCommands().openStage(Fuzz::fileWith("stage.kwt", map));
    const PageParts page = workspace.refreshPage();

    std::array<uchar, 5400> cells;
    cells.fill(99);
    std::copy_n(map.begin(), std::min<qsizetype>(map.size(), 5400), cells.begin());
    const qsizetype zero = settings.indexOf('\0');
    const QByteArray before = Model::crlfEnds(head), after = Model::crlfEnds(tail);
    const QByteArray mapping = Model::mapLines(cells);
    const QByteArray setting = Model::settingsLines(Model::lines(zero < 0 ? settings : settings.left(zero)));
    Fuzz::check(page.before == before, "the head as pasted, CR LF ends");
    Fuzz::check(page.mapping == mapping, "the map's lines");
    Fuzz::check(page.setting == setting, "the settings' lines");
    Fuzz::check(page.after == after, "the tail as pasted, CR LF ends");
    Fuzz::check(workspace.stage().finishedPage() == before + mapping + setting + after,
                "the page: head, map, settings, tail");
    return 0;
}
