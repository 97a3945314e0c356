#include "IntegerText.h"

#include <QRegularExpression>

std::optional<int> parseInteger(const QString &text)
{
    static const QRegularExpression form(
        QStringLiteral("^[ \\t]*([+-]?)(?:([0-9]+)|\\$([0-9A-Fa-f]+)|0[xX]([0-9A-Fa-f]+))$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    bool ok = false;
    qlonglong value = 0;
    if (match.hasCaptured(2))
        value = match.captured(2).toLongLong(&ok, 10);
    else
        value = (match.hasCaptured(3) ? match.captured(3) : match.captured(4)).toLongLong(&ok, 16);
    if (!ok)
        return std::nullopt;
    if (match.captured(1) == QLatin1String("-"))
        value = -value;
    // Hexadecimal may spell a negative number in 32 bits ("$FFFFFFFF" is -1).
    if (!match.hasCaptured(2) && value > 0x7FFFFFFFLL && value <= 0xFFFFFFFFLL)
        value -= 0x100000000LL;
    if (value < INT32_MIN || value > INT32_MAX)
        return std::nullopt;
    return int(value);
}

QString notAnIntegerMessage(const QString &text)
{
    return QStringLiteral("'%1' は整数ではありません").arg(text);
}
