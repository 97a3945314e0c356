#include "SettingsParameterText.h"

#include "SettingsList.h"

#include <QHash>

QByteArray MakeSettingsHTML(const SettingsList &settings)
{
    // The first value of every key, by its folded spelling.
    QHash<QByteArray, QByteArray> firstValues;
    firstValues.reserve(settings.size());
    qsizetype size = 0;
    for (const QByteArray &entry : settings.entries()) {
        size += 2 * entry.size() + 24;
        const qsizetype eq = entry.indexOf('=');
        if (eq < 0)
            continue;
        const QByteArray key = SettingsList::foldedKey(entry.left(eq));
        if (!firstValues.contains(key))
            firstValues.insert(key, entry.mid(eq + 1));
    }

    QByteArray text;
    text.reserve(size);
    for (const QByteArray &entry : settings.entries()) {
        const QByteArray key = SettingsList::keyOf(entry);
        text += "<PARAM NAME=\"";
        text += key;
        text += "\" VALUE=\"";
        text += firstValues.value(SettingsList::foldedKey(key));
        text += "\">\r\n";
    }
    return text;
}
