// The settings grid. The input: an entry's bytes, then after the first LF the
// text a user types into its value cell (UTF-16, anything a keyboard or a
// paste may bring: characters the code page lacks, substitutes, halves of
// pairs, line breaks).
// - Committing the text the cell shows leaves the entry's bytes as they were.
// - A typed text, its line breaks dropped, is stored after the entry's key
//   and its "=" as bytes that read back as that text (look-alikes made the
//   code page's own characters), and the cell shows it; or it is refused
//   with a message, and then it holds a character that the code page cannot
//   write on its own, and the entry keeps its bytes.
#include "FuzzCheck.h"

#include "platform/ShiftJis.h"
#include "platform/VorzoError.h"
#include "settings/SettingsModel.h"

#include <algorithm>
#include <cstring>

namespace {

// What the code page holds in place of the characters Linux input methods
// type.
QString withCodePageLookAlikes(QString text)
{
    static const char16_t pairs[][2] = {{0x301C, 0xFF5E}, {0x2016, 0x2225}, {0x2212, 0xFF0D}, {0x2014, 0x2015},
                                        {0x00A2, 0xFFE0}, {0x00A3, 0xFFE1}, {0x00AC, 0xFFE2}};
    for (const auto &pair : pairs)
        text.replace(QChar(pair[0]), QChar(pair[1]));
    return text;
}

// A character the code page writes whatever stands around it.
bool writableAlone(QChar c)
{
    if (c.isSurrogate() || ShiftJis::byteOfSubstitute(c))
        return false;
    try {
        (void)ShiftJis::encode(QString(c));
        return true;
    } catch (const VorzoError &) {
        return false;
    }
}

} // namespace

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
    if (split < 0)
        return 0;

    const QByteArray raw = bytes.mid(split + 1);
    QString typed(raw.size() / 2, Qt::Uninitialized);
    std::memcpy(typed.data(), raw.constData(), size_t(typed.size()) * 2);
    QString line = typed;
    line.remove(QLatin1Char('\r')).remove(QLatin1Char('\n'));
    int refusals = 0;
    QObject::connect(&model, &SettingsModel::refused, [&](const QString &message) {
        Fuzz::check(!message.isEmpty(), "a refusal says why");
        ++refusals;
    });
    const QString shownBefore = model.data(value, Qt::EditRole).toString();
    const bool stored = model.setData(value, typed);
    const QByteArray now = model.settings().entry(0);
    if (!stored) {
        Fuzz::check(refusals == 1 && now == entry, "a refused text leaves the entry");
        Fuzz::check(!std::all_of(line.begin(), line.end(), writableAlone), "only what the code page lacks is refused");
        return 0;
    }
    Fuzz::check(refusals == 0, "a stored text is not refused");
    if (line == shownBefore) {
        Fuzz::check(now == entry, "the text shown keeps the bytes");
        return 0;
    }
    const qsizetype eq = entry.indexOf('=');
    const QByteArray key = eq < 0 ? QByteArray() : entry.left(eq);
    Fuzz::check(now.startsWith(key + '='), "the entry keeps its key");
    Fuzz::check(ShiftJis::decode(now.mid(key.size() + 1)) == withCodePageLookAlikes(line),
                "the value stored reads back as typed");
    Fuzz::check(model.data(value, Qt::EditRole).toString() == withCodePageLookAlikes(line), "the cell shows it");
    return 0;
}
