#include "SettingsList.h"

#include "platform/ShiftJis.h"

QByteArray SettingsList::keyOf(const QByteArray &entry)
{
    const qsizetype eq = entry.indexOf('=');
    return eq < 0 ? QByteArray() : entry.left(eq);
}

QByteArray SettingsList::valueOf(const QByteArray &entry)
{
    const qsizetype eq = entry.indexOf('=');
    return eq < 0 ? QByteArray() : entry.mid(eq + 1);
}

bool SettingsList::keysEqual(const QByteArray &a, const QByteArray &b)
{
    return ShiftJis::equalIgnoringAsciiCase(a, b);
}

QByteArray SettingsList::foldedKey(const QByteArray &key)
{
    return ShiftJis::foldAsciiCase(key);
}

QByteArray SettingsList::value(const QByteArray &key) const
{
    for (const QByteArray &entry : m_entries) {
        const qsizetype eq = entry.indexOf('=');
        if (eq >= 0 && keysEqual(entry.left(eq), key))
            return entry.mid(eq + 1);
    }
    return {};
}
