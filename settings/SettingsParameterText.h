#pragma once
// The settings' applet parameters in the page.

#include <QByteArray>

class SettingsList;

// One line "<PARAM NAME="key" VALUE="value">" CR LF per entry, in list order;
// the value is that of the first entry whose key equals the entry's key
// (ASCII letters folded), so a repeated key carries its first value. An entry
// without "=" has the empty key. Nothing is escaped or skipped. One pass over
// the list, whatever its length.
QByteArray MakeSettingsHTML(const SettingsList &settings);
