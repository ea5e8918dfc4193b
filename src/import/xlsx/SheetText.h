#pragma once
// Small pieces shared by the readers of the package's parts.

#include <QString>
#include <optional>
#include <string_view>

namespace tarnby::xlsx {

// Undoes the _xHHHH_ escapes by which a workbook stores characters XML cannot
// carry (_x000D_ is a carriage return, _x005F_ an underscore that would
// otherwise start an escape).
QString unescapeText(QString text);

// A cell reference ("B12") to a 0-based row and column; nullopt when it is not one.
struct CellRef {
    int row;
    int column;
};
std::optional<CellRef> parseCellRef(std::string_view ref);

// A row number attribute (1-based) to a 0-based row; nullopt when it is not one.
std::optional<int> parseRowNumber(std::string_view text);

// An ISO 8601 date, date-time or time (2021-01-01, 2021-01-01T10:10:10.5Z,
// T10:10) as days in the 1900 date system; nullopt when it is none.
std::optional<double> parseIsoDate(std::string_view text);

// The largest sheet a workbook can hold.
inline constexpr int kMaxRows = 1048576;
inline constexpr int kMaxColumns = 16384;

} // namespace tarnby::xlsx
