#include "RegisteredItem.h"

#include "platform/IntegerText.h"
#include "platform/VorzoError.h"

std::optional<CellCode> registeredCode(const QString &text)
{
    const std::optional<int> value = parseInteger(text);
    if (!value)
        throw VorzoError(notAnIntegerMessage(text));
    if (isPlaceableCode(*value))
        return CellCode(*value);
    return std::nullopt;
}
