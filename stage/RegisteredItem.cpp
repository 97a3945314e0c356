#include "RegisteredItem.h"

#include "platform/IntegerText.h"
#include "platform/VorzoError.h"

std::optional<CellCode> registeredCode(const QString &text)
{
    const std::optional<int> value = parseInteger(text);
    if (!value)
        throw VorzoError(notAnIntegerMessage(text));
    if ((*value >= 0 && *value <= LastPlaceableCode) || *value == EmptyCell)
        return CellCode(*value);
    return std::nullopt;
}
