#include "CellCode.h"

char CellCodeToLetter(CellCode code)
{
    if (code <= 25)
        return char('A' + code);
    if (code <= 51)
        return char('a' + (code - 26));
    if (code <= 60)
        return char('1' + (code - 52));
    switch (code) {
    case 61: return '+';
    case 62: return '-';
    case 63: return '*';
    case 64: return '/';
    default: return '.';
    }
}

PaletteEntry paletteEntryOf(CellCode code)
{
    if (code <= 25)
        return {PaletteGroup::Objects, code};
    if (code <= 51)
        return {PaletteGroup::BlocksItems, code - 26};
    if (code <= LastPlaceableCode)
        return {PaletteGroup::Decorations, code - 52};
    return {PaletteGroup::Decorations, 13};
}

CellCode paletteCode(PaletteGroup group, int index)
{
    switch (group) {
    case PaletteGroup::Objects: return CellCode(index);
    case PaletteGroup::BlocksItems: return CellCode(index + 26);
    case PaletteGroup::Decorations: return index > 12 ? EmptyCell : CellCode(index + 52);
    }
    return EmptyCell;
}
