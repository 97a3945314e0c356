#pragma once
// The map as text for version control: 30 lines of 180 map letters (the
// letters of the page's parameter text), each ending in LF, so that a
// changed cell is a changed letter in a line-by-line comparison.

#include <QByteArray>

class StageMap;

QByteArray stageText(const StageMap &map);
