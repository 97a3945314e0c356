// Setting.cfg: whatever it holds, help line n is the file's line n (CR LF, a
// lone CR and a lone LF each end one), shown as text that is those bytes
// again; one past the last is the range error, never a crash.
#include "FuzzCheck.h"
#include "Model.h"

#include "platform/ShiftJis.h"
#include "platform/VorzoError.h"
#include "settings/SettingHelp.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = Fuzz::bytes(data, size);
    const SettingHelp help = SettingHelp::load(Fuzz::fileWith("Setting.cfg", bytes));
    const QList<QByteArray> lines = Model::lines(bytes);
    Fuzz::check(help.size() == lines.size(), "a help line per line of the file");
    for (qsizetype i = 0; i < lines.size(); ++i)
        Fuzz::check(ShiftJis::encode(help.line(i)) == lines.at(i), "a help line is its line's bytes");
    for (const qsizetype outside : {qsizetype(-1), help.size()}) {
        bool refused = false;
        try {
            (void)help.line(outside);
        } catch (const VorzoError &) {
            refused = true;
        }
        Fuzz::check(refused, "a row without a line is refused");
    }
    return 0;
}
