#pragma once
// The names of the palette's entries, as its lists show them after the map
// letter, for the companion, which has no window to read them from. The
// main window's form holds the same names; a test keeps the two alike.

#include "stage/CellCode.h"

#include <QString>

// "レンガ" for 26 ("a  レンガ"), "空白" for 99; empty for a code no entry
// places.
QString paletteNameOf(CellCode code);
