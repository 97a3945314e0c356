// What users type or hand-edit: integers (registered items), colour text and
// stage coordinates. A parsed integer prints back to itself, a colour read
// from text writes back as text that reads as the same colour, a coordinate
// is inside its range or refused.
#include "FuzzCheck.h"

#include "platform/ColourText.h"
#include "platform/IntegerText.h"
#include "platform/ShiftJis.h"
#include "platform/VorzoError.h"
#include "stage/CoordinateInput.h"
#include "stage/RegisteredItem.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = ShiftJis::decode(Fuzz::bytes(data, size));
    if (const std::optional<int> value = parseInteger(text))
        Fuzz::check(parseInteger(QString::number(*value)) == value, "an integer prints back to itself");
    for (int max : {29, 179}) {
        const CoordinateInput input = CoordinateInput::parse(text, max);
        if (input.kind == CoordinateInput::Kind::Valid)
            Fuzz::check(input.value >= 0 && input.value <= max, "a coordinate lies in its range");
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
    try {
        if (const std::optional<CellCode> code = registeredCode(text))
            Fuzz::check(*code <= LastPlaceableCode || *code == EmptyCell, "a recalled code has a palette entry");
    } catch (const VorzoError &) {
        Fuzz::check(!parseInteger(text), "only a non-integer is refused");
    }
    return 0;
}
