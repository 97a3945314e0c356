#pragma once
// The coordinate typed into the input box of the column and row fills.

#include <QString>

struct CoordinateInput
{
    enum class Kind { Empty, Invalid, Valid };
    Kind kind;
    int value = 0;

    // Decimal with an optional sign, blanks around it allowed, within 0..max.
    // Anything else, an out-of-range number included, is Invalid.
    static CoordinateInput parse(const QString &text, int max);
};
