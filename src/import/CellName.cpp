#include "import/CellName.h"

namespace tarnby {

std::optional<CellPosition> parseCellName(const QString& name)
{
    if (name.size() != 2)
        return std::nullopt;
    const char16_t letter = name.at(0).toUpper().unicode();
    const char16_t digit = name.at(1).unicode();
    if (letter < u'A' || letter > u'Z' || digit < u'1' || digit > u'9')
        return std::nullopt;
    return CellPosition{digit - u'1', letter - u'A'};
}

} // namespace tarnby
