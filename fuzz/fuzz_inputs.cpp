// What users type or hand-edit: integers (registered items), colour texts
// and stage coordinates.
// - Any text: a parsed integer prints back to itself, a colour read from it
//   writes back as a text that reads as the same colour, a valid coordinate
//   is the number its digits spell, inside its range; only a text no
//   integer nor name is refused as a colour.
// - The input's first four bytes as a number, typed in each form the readers
//   take (blanks before it, a sign, decimal, "$" or "0x" hexadecimal in
//   either case; the fifth byte chooses): it reads as that number, and
//   nothing after it is taken; as a coordinate it is valid exactly within
//   0..max; as a registered item it is its code when a palette entry places
//   it; as a colour its low 24 bits, or the system colour 0x800000nn names.
#include "FuzzCheck.h"

#include "platform/ColourText.h"
#include "platform/IntegerText.h"
#include "platform/ShiftJis.h"
#include "platform/VorzoError.h"
#include "stage/CoordinateInput.h"
#include "stage/RegisteredItem.h"

#include <cstring>

namespace {

// The number a run of signs and ASCII digits spells, as far as 64 bits go.
qint64 spelt(const QString &text)
{
    qint64 value = 0;
    bool negative = false;
    for (const QChar c : text) {
        if (c == QLatin1Char('-'))
            negative = true;
        else if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            value = std::min<qint64>(value * 10 + (c.unicode() - '0'), qint64(1) << 40);
    }
    return negative ? -value : value;
}

void anyText(const QString &text)
{
    if (const std::optional<int> value = parseInteger(text))
        Fuzz::check(parseInteger(QString::number(*value)) == value, "an integer prints back to itself");
    for (int max : {29, 179}) {
        const CoordinateInput input = CoordinateInput::parse(text, max);
        if (input.kind == CoordinateInput::Kind::Valid)
            Fuzz::check(input.value >= 0 && input.value <= max && input.value == spelt(text),
                        "a coordinate is the number typed, in its range");
        Fuzz::check((input.kind == CoordinateInput::Kind::Empty) == text.isEmpty(), "only nothing is empty");
    }
    try {
        const Colour colour = readColourText(text);
        if (const auto *value = std::get_if<ColourValue>(&colour)) {
            Fuzz::check(*value <= 0xFFFFFF, "a colour value has 24 bits");
            Fuzz::check(readColourText(colourText(*value)) == colour, "a written colour reads back as itself");
        }
    } catch (const VorzoError &) {
        Fuzz::check(!parseInteger(text), "only what is no integer nor name is refused");
    }
}

bool isSystemColourNumber(quint32 n)
{
    return n <= 30 && n != 25;
}

void typedNumber(qint32 number, uchar form)
{
    const QString blanks = QStringLiteral(" \t  ").left(form & 3);
    const bool decimal = (form >> 2) % 3 == 0;
    const QString prefix = decimal ? QString() : (form >> 2) % 3 == 1 ? QStringLiteral("$") : QStringLiteral("0x");
    // Hexadecimal: a negative number in 32 bits, or its size after "-".
    const bool minus = !decimal && (form & 0x40) && number < 0 && number != INT32_MIN;
    QString digits = decimal ? QString::number(number)
                             : QString::number(minus ? quint32(-number) : quint32(number), 16);
    if (form & 0x20)
        digits = digits.toUpper();
    const QString sign = minus ? QStringLiteral("-") : (form & 0x40) && number >= 0 ? QStringLiteral("+") : QString();
    QString text = blanks + sign + prefix + digits;
    if (form & 0x80)
        text.replace(QLatin1String("0x"), QLatin1String("0X"));

    Fuzz::check(parseInteger(text) == number, "an integer reads as the number typed");
    for (const QString &more : {QStringLiteral("g"), QStringLiteral(" "), QStringLiteral(".")})
        Fuzz::check(!parseInteger(text + more), "nothing after the number is taken");
    if (decimal) {
        for (int max : {29, 179}) {
            const CoordinateInput input = CoordinateInput::parse(blanks + sign + digits + blanks, max);
            const bool inside = number >= 0 && number <= max;
            Fuzz::check(input.kind == (inside ? CoordinateInput::Kind::Valid : CoordinateInput::Kind::Invalid)
                            && (!inside || input.value == number),
                        "a typed coordinate is valid exactly in its range");
        }
        const std::optional<CellCode> code = registeredCode(text);
        const bool placeable = (number >= 0 && number <= 64) || number == 99;
        Fuzz::check(placeable ? code == CellCode(number) : !code, "a registered item is its code when placeable");
    }
    const quint32 bits = quint32(number);
    const Colour colour = readColourText(text);
    if ((bits & 0xFFFFFF00u) == 0x80000000u && isSystemColourNumber(bits & 0xFF))
        Fuzz::check(colour == Colour(SystemColour(bits & 0xFF)), "0x800000nn is system colour nn");
    else
        Fuzz::check(colour == Colour(ColourValue(bits & 0xFFFFFF)), "a colour number is its low 24 bits");
    Fuzz::check(readColourText(colourText(bits & 0xFFFFFF)) == Colour(ColourValue(bits & 0xFFFFFF)),
                "every colour value's text reads back");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    anyText(ShiftJis::decode(Fuzz::bytes(data, size)));
    if (size >= 5) {
        qint32 number = 0;
        std::memcpy(&number, data, sizeof number);
        typedNumber(number, data[4]);
    }
    return 0;
}
