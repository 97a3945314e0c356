#pragma once
// Cell codes: what one cell of the stage holds, its map letter in the page's
// parameter text, and the palette entry that places it.

#include <QtGlobal>

using CellCode = quint8;

constexpr CellCode EmptyCell = 99;
constexpr CellCode LastPlaceableCode = 64; // "/  一言メッセージ４"

// Whether a palette entry places the code (0-64, and 99 for the empty
// cell); an integer of any size.
constexpr bool isPlaceableCode(qint64 code)
{
    return (code >= 0 && code <= LastPlaceableCode) || code == EmptyCell;
}

// 0-25 "A"-"Z", 26-51 "a"-"z", 52-60 "1"-"9", 61-64 "+", "-", "*", "/",
// everything else ".". Letters go one way only: nothing turns them back.
char CellCodeToLetter(CellCode code);

// The palette's three lists, in the order of their radio buttons sel1-sel3.
enum class PaletteGroup { Objects = 0, BlocksItems = 1, Decorations = 2 };

// The code that item `index` of a group's list places: Objects i, BlocksItems
// 26 + i, Decorations 52 + i up to item 12 and 99 (empty) beyond. The result
// is a byte: the low 8 bits of the sum.
CellCode paletteCode(PaletteGroup group, int index);

// The palette entry that places a code: the inverse of paletteCode for the
// placeable codes 0-64 and for 99, the decorations' ".  空白" (item 13). Any
// other code also gives that entry.
struct PaletteEntry
{
    PaletteGroup group;
    int index;
};
PaletteEntry paletteEntryOf(CellCode code);
