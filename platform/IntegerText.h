#pragma once
// Integers as the user or a hand-edited file writes them: leading blanks, an
// optional sign, then decimal digits, or hexadecimal after "$" or "0x".

#include <QString>
#include <optional>

std::optional<int> parseInteger(const QString &text);

// "'%s' は整数ではありません": a text that is not an integer.
QString notAnIntegerMessage(const QString &text);
