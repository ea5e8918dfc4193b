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

// An ISO 8601 date, date-time or time (2021-01-01, 2021-01-01T10:10:10.5Z,
// T10:10) as days in the 1900 date system; nullopt when it is none.
std::optional<double> parseIsoDate(std::string_view text);

} // namespace tarnby::xlsx
