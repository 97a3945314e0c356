#pragma once
// What differs between two stages: the cells whose codes differ, and the
// settings lines. Lines are paired by their key (a line without "=" by the
// whole line), the n-th line of a key with the n-th of the same key, bytes
// compared as they are: a value that differs is a change, an unpaired line
// one added or removed, and paired lines in another order one change more.

#include "settings/SettingsList.h"
#include "stage/StageMap.h"

#include <QList>

struct CellChange
{
    int column;
    int row;
    CellCode before;
    CellCode after;
};

struct SettingChange
{
    enum class Kind { Changed, Added, Removed, Order };
    Kind kind;
    QByteArray key;    // Changed
    QByteArray before; // Changed: the value; Removed: the line
    QByteArray after;  // Changed: the value; Added: the line
};

struct StageDiff
{
    QList<CellChange> cells;       // in the map file's order, column by column
    QList<SettingChange> settings; // changes and removals in the first list's order, then additions, then the order
    bool isEmpty() const { return cells.isEmpty() && settings.isEmpty(); }
};

StageDiff diffStages(const StageMap &mapBefore, const SettingsList &before, const StageMap &mapAfter,
                     const SettingsList &after);
