#pragma once
// How a cell of the clock's workbook becomes the text of a punch record.
//
// Numbers give their plain decimal text rounded to 15 significant digits, never
// an exponent (an employee number 15 stored as a number reads "15", 1.5 reads
// "1.5"). Date-times, plain numbers in the time column (a count of days) and
// texts that read as a date-time are rewritten as "yyyy-mm-dd HH:NN:SS".

#include "import/Sheet.h"

#include <QString>
#include <QStringView>
#include <optional>

namespace tarnby::cells {

// The canonical text of a date-time.
inline constexpr int kDateTimeLength = 19; // "yyyy-mm-dd HH:NN:SS"

struct DateTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// A number's plain decimal text; nullopt for infinities and NaN.
std::optional<QString> numberText(double value);

// Days in the 1900 date system to "yyyy-mm-dd HH:NN:SS", rounded to the
// nearest second. Whole days count from 1899-12-31 below serial 61 (the
// system's phantom 1900-02-29 is serial 60, read as 1900-03-01) and from
// 1899-12-30 from serial 61 on; a value below 1 is a time of day on
// 1899-12-30. nullopt outside 0 .. 9999-12-31 23:59:59.
std::optional<QString> dateTimeFromSerial(double serial);

// A text that a person or a time clock writes for a date-time, year first, to
// "yyyy-mm-dd HH:NN:SS"; nullopt when it is not one. Accepted, with spaces
// around the whole ignored:
//   date       yyyy-m-d, yyyy/m/d or yyyy.m.d (one separator throughout; month
//              and day of one or two digits) or yyyy年m月d日
//   date time  the date, then one or more spaces (or a single "T"), then
//              H:NN or H:NN:SS (hour of one or two digits)
// A date alone is that day at 00:00:00. Month, day (leap years included), hour,
// minute and second must lie in their ranges; the year is 1000 to 9999.
// Anything else, such as "2013-2-20，8:01", is not a date-time.
std::optional<QString> parseDateTimeText(QStringView text);

// The date-time a time cell holds or reads as, by the rules above; nullopt
// when its text has to stand as it is.
std::optional<DateTime> timeCellDateTime(const Cell& cell);

// A punch's date and time texts at a date-time: "yyyy-mm-dd" and "HH:NN:SS",
// each built in one piece since a folder read makes up to 96,000 of them.
QString dateText(const DateTime& at);
QString timeText(const DateTime& at);

// The text of a cell read as an employee number: empty for an empty cell.
// nullopt when the value has no text (an error value, a number that is not finite).
std::optional<QString> numberCellText(const Cell& cell);

// The text of a cell read as a punch time: a date-time in its canonical form
// when the value is or reads as one, else the value's text as it stands.
// `isDateTime` tells which. nullopt when the value has no text.
std::optional<QString> timeCellText(const Cell& cell, bool* isDateTime);

} // namespace tarnby::cells
