// The settings file: every line becomes an entry (a zero byte ends the text),
// the list written reads back as the same list, and a file of CR LF lines
// without a zero byte is written back byte for byte. The page's settings
// lines are one per entry.
#include "FuzzCheck.h"

#include "output/ParameterText.h"
#include "output/StageFiles.h"
#include "platform/TextLines.h"
#include "settings/SettingsList.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = Fuzz::bytes(data, size);
    const SettingsList list = StageFiles::readSettings(Fuzz::fileWith("in.kwp", bytes));
    const QString written = Fuzz::path("out.kwp");
    StageFiles::writeSettings(written, list);
    Fuzz::check(StageFiles::readSettings(written) == list, "a written list reads back as itself");

    const QByteArray text = bytes.left(bytes.indexOf('\0') < 0 ? bytes.size() : bytes.indexOf('\0'));
    if (text == TextLines::join(TextLines::split(text)))
        Fuzz::check(Fuzz::contentsOf(written) == text, "CR LF lines come back byte for byte");

    const QByteArray page = MakeSettingsHTML(list);
    Fuzz::check(page.count("\r\n") >= list.size(), "one parameter line per entry");
    for (const QByteArray &entry : list.entries())
        Fuzz::check(!entry.contains('\r') && !entry.contains('\n'), "no entry holds a line end");
    return 0;
}
