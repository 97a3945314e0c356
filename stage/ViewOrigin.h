#pragma once
// The top-left cell of the 10 x 10 cells the canvas shows.

#include "StageMap.h"

#include <algorithm>

struct ViewOrigin
{
    static constexpr int ViewCells = 10;
    static constexpr int MaxColumn = StageMap::Columns - ViewCells; // 170
    static constexpr int MaxRow = StageMap::Rows - ViewCells;       // 20

    int column = 0;
    int row = 0;

    void clamp()
    {
        column = std::clamp(column, 0, MaxColumn);
        row = std::clamp(row, 0, MaxRow);
    }

    bool operator==(const ViewOrigin &) const = default;
};
