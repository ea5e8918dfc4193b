#pragma once
// The layouts clocks export besides one punch per row at the configured cells.
//
// A file is read at the configured cells when, at the start row, they hold
// punch data (holdsPunchData in CellReading.h). Otherwise every worksheet, in
// workbook order, is tried against these layouts in this order, and the first
// worksheet that fits one is read by it:
//   1. the monthly grid: a cell beginning with the period ("2026/10/16 ~ 11/15"),
//      below it a row of day numbers, then per employee a row with "工号：" and
//      the number, and under it each day's punch times in one cell;
//   2. a header row within the first 20 rows naming the number column, with a
//      date-time column, a date column and a time column, or a date column and
//      several times (one row per employee-day);
//   3. a clock log without header (.dat/.csv only): number and date-time from
//      the first line on.
// Rows that cannot be used are skipped and reported with their reason, never
// guessed. Every layout gives punch records as the configured read does
// (number, "yyyy-mm-dd", "HH:NN:SS").

#include "base/Punch.h"
#include "import/ReadResult.h"
#include "import/Sheet.h"
#include "import/layout/CellReading.h"
#include "import/layout/ReadReport.h"

#include <QList>
#include <optional>
#include <vector>

namespace tarnby::layout {

// What a layout found on one worksheet: its punches in reading order, and the
// report with the layout, its shape, header row, columns, skipped rows, names
// and period filled in (the file, the sheet and the record count are the caller's).
struct SheetPunches {
    QList<Punch> punches;
    FileReadReport report;
};

// Each layout on one worksheet; nullopt when the worksheet does not fit it.
// Punches come employee by employee, day by day, each cell's times in order.
std::optional<SheetPunches> readGrid(const Sheet& sheet, const ReadContext& context);
// Punches come row by row, each row's time columns left to right.
std::optional<SheetPunches> readHeaderTable(const Sheet& sheet, const ReadContext& context);
// Only a text export fits (context.textExport); punches come line by line.
std::optional<SheetPunches> readLog(const Sheet& sheet, const ReadContext& context);

// The first worksheet, in workbook order, that fits a layout, read by the first
// layout it fits; the report names the worksheet (its place and tab name) and
// counts the records. nullopt when none fits.
std::optional<SheetPunches> readFirstLayout(const ReadResult& book, const ReadContext& context);

} // namespace tarnby::layout
