#pragma once
// The applet parameters that carry the stage and its settings into the page.

#include <QByteArray>

class StageMap;

// 90 lines "<PARAM NAME="mapN-R"  VALUE="<60 letters>">" CR LF, segment by
// segment (60 columns each), row by row; every line 93 bytes.
QByteArray MakeMapHTML(const StageMap &map);

// The four parts of the finished page, joined as they stand.
struct PageParts
{
    QByteArray before;
    QByteArray mapping;
    QByteArray setting;
    QByteArray after;

    QByteArray joined() const { return before + mapping + setting + after; }
};
