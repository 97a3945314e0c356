#pragma once
// A stage on disk: the map file (the 5,400 cell codes, nothing else) and the
// settings file (one "key=value" line per entry, CR LF) under one base name,
// with the page file beside them when asked for.

#include <QByteArray>
#include <QString>

class SettingsList;
class StageMap;

namespace StageFiles {

// The chosen file's folder and name without its last extension:
// /stages/castle.kwt -> /stages/castle, a.b.kwt -> a.b, a name without a dot
// stays whole.
QString baseOf(const QString &path);

QString settingsPathOf(const QString &base); // base + ".kwp"
QString pagePathOf(const QString &base);     // base + ".htm"
QString mapPathOf(const QString &base);      // base + ".kwt"

// Each write goes beside its target and replaces it only when complete;
// a failure throws "ファイル %s を作成できません".
void writeMap(const QString &path, const StageMap &map);
void writeSettings(const QString &path, const SettingsList &settings);
void writePage(const QString &path, const QByteArray &page);

// Reads up to 5,400 codes from the start of the map; cells beyond a short
// file keep theirs, bytes beyond the 5,400th are ignored.
void readMap(const QString &path, StageMap &map);

// Every line a list entry, in the file's order; a zero byte ends the text.
SettingsList readSettings(const QString &path);
// The same in two steps: the file's bytes as they are, and the list they give.
QByteArray readSettingsText(const QString &path);
SettingsList settingsFromText(QByteArray text);

// Refuses, before anything is written, a map path that is also the path of
// its settings file (or, with the page, of its page file).
void checkDistinctPaths(const QString &mapPath, bool withPage);

} // namespace StageFiles
