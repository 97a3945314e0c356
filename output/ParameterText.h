#pragma once
// The applet parameters that carry the stage and its settings into the page.

#include <QByteArray>

class SettingsList;
class StageMap;

// 90 lines "<PARAM NAME="mapN-R"  VALUE="<60 letters>">" CR LF, segment by
// segment (60 columns each), row by row; every line 93 bytes.
QByteArray MakeMapHTML(const StageMap &map);

// One line "<PARAM NAME="key" VALUE="value">" CR LF per entry, in list order;
// the value is that of the first entry whose key equals the entry's key
// (ASCII letters folded), so a repeated key carries its first value. An entry
// without "=" has the empty key. Nothing is escaped or skipped. One pass over
// the list, whatever its length.
QByteArray MakeSettingsHTML(const SettingsList &settings);

// The four parts of the finished page, joined as they stand.
struct PageParts
{
    QByteArray before;
    QByteArray mapping;
    QByteArray setting;
    QByteArray after;

    QByteArray joined() const { return before + mapping + setting + after; }
};

// The finished page of a stage between its two templates (as they are
// written), as F7 makes it: the editor's and the companion's alike.
PageParts finishedPage(const QByteArray &head, const StageMap &map, const SettingsList &settings,
                       const QByteArray &tail);
