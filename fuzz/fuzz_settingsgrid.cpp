// The settings grid: committing the text a value cell shows leaves the
// entry's bytes as they were, whatever they are; a typed value never brings
// a line break into the list.
#include "FuzzCheck.h"

#include "platform/ShiftJis.h"
#include "settings/SettingsModel.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = Fuzz::bytes(data, size);
    const qsizetype split = bytes.indexOf('\n');
    QByteArray entry = split < 0 ? bytes : bytes.left(split);
    entry.replace('\r', ' ');
    SettingsModel model;
    model.replaceAll(SettingsList(QList<QByteArray>{entry}));
    const QModelIndex value = model.index(0, SettingsModel::ValueColumn);
    model.setData(value, model.data(value, Qt::EditRole));
    Fuzz::check(model.settings().entry(0) == entry, "an unchanged value keeps its bytes");

    if (split >= 0) {
        const QString typed = ShiftJis::decode(bytes.mid(split + 1));
        model.setData(value, typed);
        const QByteArray stored = model.settings().entry(0);
        Fuzz::check(!stored.contains('\r') && !stored.contains('\n'), "no line break is stored");
    }
    return 0;
}
