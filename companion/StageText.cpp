#include "StageText.h"

#include "stage/StageMap.h"

QByteArray stageText(const StageMap &map)
{
    QByteArray text;
    text.reserve(qsizetype(StageMap::Columns + 1) * StageMap::Rows);
    for (int row = 0; row < StageMap::Rows; ++row) {
        for (int column = 0; column < StageMap::Columns; ++column)
            text += CellCodeToLetter(map.at(column, row));
        text += '\n';
    }
    return text;
}
