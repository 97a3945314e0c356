#include "SettingsList.h"

#include "platform/ShiftJis.h"

namespace {

uchar foldAscii(uchar b)
{
    return (b >= 'a' && b <= 'z') ? uchar(b - 'a' + 'A') : b;
}

} // namespace

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
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        const uchar x = uchar(a.at(i));
        const uchar y = uchar(b.at(i));
        if (ShiftJis::isLeadByte(x) && i + 1 < a.size()) {
            // A double-byte character compares as it stands, trail byte included.
            if (x != y || a.at(i + 1) != b.at(i + 1))
                return false;
            ++i;
            continue;
        }
        if (foldAscii(x) != foldAscii(y))
            return false;
    }
    return true;
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
