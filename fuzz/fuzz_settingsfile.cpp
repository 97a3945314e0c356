// The settings file: the entries are the lines of the text before its first
// zero byte, with every byte they had; the file written is those lines each
// followed by CR LF and reads back as the same list; the page's settings
// lines carry each entry's key and its key's first value.
#include "FuzzCheck.h"
#include "Model.h"

#include "output/ParameterText.h"
#include "output/StageFiles.h"
#include "settings/SettingsList.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = Fuzz::bytes(data, size);
    const SettingsList list = StageFiles::readSettings(Fuzz::fileWith("in.kwp", bytes));
    const qsizetype zero = bytes.indexOf('\0');
    const QList<QByteArray> lines = Model::lines(zero < 0 ? bytes : bytes.left(zero));
    Fuzz::check(list.entries() == lines, "an entry per line, byte for byte");

    const QString written = Fuzz::path("out.kwp");
    StageFiles::writeSettings(written, list);
    Fuzz::check(Fuzz::contentsOf(written) == Model::crlfLines(lines), "written as CR LF lines");
    Fuzz::check(StageFiles::readSettings(written) == list, "a written list reads back as itself");

    Fuzz::check(MakeSettingsHTML(list) == Model::settingsLines(lines), "the page's lines: key and first value");
    return 0;
}
