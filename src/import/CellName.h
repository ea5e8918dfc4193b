#pragma once
// Cell names to rows and columns, counted from 0: the position line of the
// settings ("A2") and a workbook's cell references ("AB1048576").

#include "import/Sheet.h"

#include <QString>
#include <optional>
#include <string_view>

namespace tarnby {

struct CellPosition {
    int row = 0;
    int column = 0;
};

// A cell name of the position line: one letter A-Z (either case) and one row
// digit 1-9; nothing when it names no cell.
std::optional<CellPosition> parseCellName(const QString& name);

// A row number (1-based, at most 1048576) as a 0-based row; nullopt when it is not one.
// Inline, as the next one: a worksheet's reader calls them for every row and cell.
inline std::optional<int> parseRowNumber(std::string_view text)
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

// A workbook's cell reference: one to three letters (either case) and a row
// number, within the largest sheet (XFD1048576); nullopt when it is not one.
inline std::optional<CellPosition> parseCellReference(std::string_view reference)
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

} // namespace tarnby
