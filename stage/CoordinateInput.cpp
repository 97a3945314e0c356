#include "CoordinateInput.h"

#include <QRegularExpression>

CoordinateInput CoordinateInput::parse(const QString &text, int max)
{
    if (text.isEmpty())
        return {Kind::Empty};
    static const QRegularExpression decimal(QStringLiteral("^\\s*([+-]?[0-9]+)\\s*$"));
    const QRegularExpressionMatch match = decimal.match(text);
    if (!match.hasMatch())
        return {Kind::Invalid};
    bool ok = false;
    const int n = match.captured(1).toInt(&ok);
    if (!ok || n < 0 || n > max)
        return {Kind::Invalid};
    return {Kind::Valid, n};
}
