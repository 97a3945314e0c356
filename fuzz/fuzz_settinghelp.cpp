// Setting.cfg: read whatever it holds; every line is there by position and
// one past the last is the range error, never a crash.
#include "FuzzCheck.h"

#include "platform/TextLines.h"
#include "platform/VorzoError.h"
#include "settings/SettingHelp.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = Fuzz::bytes(data, size);
    const SettingHelp help = SettingHelp::load(Fuzz::fileWith("Setting.cfg", bytes));
    Fuzz::check(help.size() == TextLines::split(bytes).size(), "a help line per line");
    for (qsizetype i = 0; i < help.size(); ++i)
        (void)help.line(i);
    bool refused = false;
    try {
        (void)help.line(help.size());
    } catch (const VorzoError &) {
        refused = true;
    }
    Fuzz::check(refused, "a row without a line is refused");
    return 0;
}
