#pragma once
// Cell names to rows and columns, counted from 0: the position line of the
// settings ("A2") and a workbook's cell references ("AB1048576").

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

// A workbook's cell reference: one to three letters (either case) and a row
// number, within the largest sheet (XFD1048576); nullopt when it is not one.
std::optional<CellPosition> parseCellReference(std::string_view reference);

// A row number (1-based, at most 1048576) as a 0-based row; nullopt when it is not one.
std::optional<int> parseRowNumber(std::string_view text);

} // namespace tarnby
