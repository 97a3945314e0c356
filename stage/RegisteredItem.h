#pragma once
// A registered item: the decimal text of the cell code of a palette entry,
// "0" to "64", or "99" for the empty entry.

#include "CellCode.h"

#include <QString>
#include <optional>

// The code to bring back into the palette. A text that is not an integer
// throws "'%s' は整数ではありません"; a number the palette has no entry for
// (below 0, 65 to 98, above 99) gives nothing, and the palette stays as it is.
std::optional<CellCode> registeredCode(const QString &text);
