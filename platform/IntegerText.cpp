#include "IntegerText.h"

namespace {

int digitValue(QChar c, int base)
{
    const char16_t u = c.unicode();
    int value = -1;
    if (u >= u'0' && u <= u'9')
        value = u - u'0';
    else if (u >= u'a' && u <= u'f')
        value = u - u'a' + 10;
    else if (u >= u'A' && u <= u'F')
        value = u - u'A' + 10;
    return value < base ? value : -1;
}

} // namespace

// Read by hand rather than by a regular expression: the settings file's
// colours are read at start, and the expression engine is a library the
// start otherwise never touches.
std::optional<int> parseInteger(const QString &text)
{
    qsizetype i = 0;
    while (i < text.size() && (text.at(i) == u' ' || text.at(i) == u'\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text.at(i) == u'+' || text.at(i) == u'-'))
        negative = text.at(i++) == u'-';
    int base = 10;
    if (i < text.size() && text.at(i) == u'$') {
        base = 16;
        i += 1;
    } else if (text.mid(i, 2).compare(QLatin1String("0x"), Qt::CaseInsensitive) == 0 && i + 2 < text.size()) {
        base = 16;
        i += 2;
    }
    if (i == text.size())
        return std::nullopt;
    qlonglong value = 0;
    for (; i < text.size(); ++i) {
        const int digit = digitValue(text.at(i), base);
        if (digit < 0)
            return std::nullopt;
        value = value * base + digit;
        if (value > 0xFFFFFFFFLL)
            return std::nullopt; // beyond any 32-bit spelling
    }
    if (negative)
        value = -value;
    // Hexadecimal may spell a negative number in 32 bits ("$FFFFFFFF" is -1).
    if (base == 16 && value > 0x7FFFFFFFLL)
        value -= 0x100000000LL;
    if (value < INT32_MIN || value > INT32_MAX)
        return std::nullopt;
    return int(value);
}

QString notAnIntegerMessage(const QString &text)
{
    return QStringLiteral("'%1' は整数ではありません").arg(text);
}
