#include "import/CellName.h"

#include "import/Sheet.h"

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

std::optional<CellPosition> parseCellReference(std::string_view reference)
{
    std::size_t i = 0;
    int column = 0;
    while (i < reference.size() && i < 4) {
        char c = reference[i];
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
        if (c < 'A' || c > 'Z')
            break;
        column = column * 26 + (c - 'A' + 1);
        ++i;
    }
    if (i == 0 || column > kMaxColumns)
        return std::nullopt;
    const auto row = parseRowNumber(reference.substr(i));
    if (!row)
        return std::nullopt;
    return CellPosition{*row, column - 1};
}

std::optional<int> parseRowNumber(std::string_view text)
{
    if (text.empty() || text.size() > 7)
        return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value < 1 || value > kMaxRows)
        return std::nullopt;
    return value - 1;
}

} // namespace tarnby
