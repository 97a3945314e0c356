#pragma once
// The settings lines as a Tiled map's custom properties. Tiled keeps
// properties sorted by name, so each name starts with the line's number
// (from 1, at least three digits, all of one width):
//
//   "012 time_max" = "300"     the line "time_max=300"
//   "013"          = "note"    the line "note", which has no "="
//   "014=base64"   = "..."     a line that is not plain text (a byte that
//                              is not code page 932, a control character
//                              below the space but the tab), its bytes in
//                              base64
//
// Reading back takes the lines in the order of their numbers (gaps are
// allowed, so a property deleted in Tiled is a line less, and one added
// with a new number a line more).

#include "TiledMap.h"

#include "settings/SettingsList.h"

namespace TiledSettings {

QList<Tiled::Property> propertiesOf(const SettingsList &settings);

// Throws VorzoError naming the property that is no settings line, holds a
// line break, or has a character code page 932 cannot hold.
SettingsList settingsOf(const QList<Tiled::Property> &properties);

} // namespace TiledSettings
