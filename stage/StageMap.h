#pragma once
// The stage: 180 columns by 30 rows of cell codes, stored column by column
// (cell of column c, row r at byte c * 30 + r), which is also the byte layout
// of the map file.

#include "CellCode.h"

#include <QByteArray>
#include <algorithm>
#include <array>

class StageMap
{
public:
    static constexpr int Columns = 180;
    static constexpr int Rows = 30;
    static constexpr int Cells = Columns * Rows;
    static constexpr int BottomRow = Rows - 1;

    StageMap() { clear(); }

    static constexpr int indexOf(int column, int row) { return column * Rows + row; }

    CellCode at(int column, int row) const { return m_cells[indexOf(column, row)]; }
    void set(int column, int row, CellCode code) { m_cells[indexOf(column, row)] = code; }

    CellCode atIndex(int index) const { return m_cells[index]; }
    void setIndex(int index, CellCode code) { m_cells[index] = code; }

    void fill(CellCode code) { m_cells.fill(code); }
    void fillColumn(int column, CellCode code) { std::fill_n(m_cells.begin() + indexOf(column, 0), Rows, code); }
    void fillRow(int row, CellCode code)
    {
        for (int column = 0; column < Columns; ++column)
            set(column, row, code);
    }
    void clear() { fill(EmptyCell); }

    bool operator==(const StageMap &) const = default;

private:
    std::array<CellCode, Cells> m_cells;
};
