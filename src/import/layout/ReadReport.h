#pragma once
// The read report: what a folder read found in each file besides its punches.
//
// Clocks export more than one layout, so a file's punches are found in one of
// several ways (see Layouts.h). The report says, per file, which way was taken,
// where the punches stood (worksheet, header row, columns), how many records
// the file gave, and every row that was passed over with its reason; after the
// whole folder, the punched numbers the roster does not know, with the names
// the files give them. The window's read report (page 2 and the summary
// window), its "add to roster" button and `tarnby-cli detect` all show this
// one record, so they never disagree.
//
// Rows and columns count from 0 here, as in Sheet; the texts for people
// (rowName, columnName) count rows from 1 and name columns by letter.

#include "import/ReadResult.h"
#include "settings/ConfigFile.h"

#include <QDate>
#include <QList>
#include <QString>
#include <optional>

namespace tarnby {

class PunchTable;

// How a file's punches were found.
enum class ExportLayout {
    Configured, // one punch per row at the cells of Init.ini's position line, which hold punch data
    Grid,       // the clock's monthly workbook: a period, a row of day numbers, two rows per employee
    Header,     // a table under a header row that names the number column and the date/time columns
    Log,        // a clock log without header (.dat, .csv): number, date-time, ... from the first line
    None,       // no layout recognised: read at the configured cells all the same, as before
};

// The header layout's three shapes.
enum class HeaderShape {
    None,         // not a header layout
    DateTime,     // one column holding date and time: one punch per row
    DateAndTime,  // a date column and one time column: one punch per row
    SeveralTimes, // a date column and several time columns, or one column of several times: one row per employee-day
};

// What a column found by a layout holds.
enum class ColumnRole {
    Number,   // the employee numbers (in a grid: the column the first employee's number stands in)
    Name,     // the employees' names; only reported, never part of a punch
    DateTime, // date and time in one cell (the configured time column, a log's second field)
    Date,
    Time,     // one or several times of day
    Day,      // a grid's day column: `date` is the day it stands for
};

struct ColumnUse {
    int column = 0;
    ColumnRole role = ColumnRole::Number;
    QString header; // the header cell's text as it stands (a grid day column: its day number); may be empty
    QDate date;     // Day columns only
};

// Why a row, or one time of a row, gave no punch.
enum class SkipReason {
    EmptyNumber,    // the row holds punch data but no employee number
    DateTooEarly,   // a date before 2000-01-01
    DateTooLate,    // a date more than a year after today: a clock whose battery failed
    UnreadableDate, // no date can be read from the date or date-time cell
    UnreadableTime, // a piece of a time cell that is no time of day ("25:00", "8点"); the row's other times stay
    NoTime,         // a row of one punch whose time cell is empty
};

struct SkippedRow {
    int row = 0;     // the sheet's row (a text export's line)
    int column = -1; // the cell at fault; -1 for the row as a whole
    SkipReason reason = SkipReason::EmptyNumber;
    QString text;    // what that cell (or that piece of it) holds, as text, at most 40 characters
};

struct NumberName {
    QString number; // as the punch records hold it
    QString name;
};

struct FileReadReport {
    QString path;
    ExportLayout layout = ExportLayout::None;
    HeaderShape shape = HeaderShape::None; // Header only
    int sheet = 0;               // the worksheet read, by its place among the workbook's worksheets (0 the first)
    QString sheetName;           // its tab name; empty for a text export
    int headerRow = -1;          // the header row (Header) or the day-number row (Grid); -1 when there is none
    int firstRow = 0;            // the first row read for punches (Configured, None: the number cell's start row)
    QList<ColumnUse> columns;    // left to right
    QDate periodFirst;           // Grid: the period its period cell names
    QDate periodLast;
    int records = 0;             // punch records the file gave (all of them, even past a full table)
    QList<SkippedRow> skipped;   // in reading order
    // Configured and None only: a row above the start row that holds punch data
    // (a log without header read from row 2 loses its first punch); -1 when none does.
    int punchAboveStart = -1;
    QList<NumberName> names;     // Grid, and Header with a name column: each number's first name, first seen first

    // The read-error path: the file could not be read, or a configured read
    // met a cell that is no punch (then failedRow is that row; else -1).
    bool failed = false;
    ReadError readError = ReadError::None;
    int failedRow = -1;

    // Whether the file's punches were found by a layout rather than the configured cells.
    bool recognised() const { return layout != ExportLayout::Configured && layout != ExportLayout::None; }
    // The position line cells that would read this file as configured ("A3", "B3"),
    // for a layout of one punch per row on the first worksheet whose cells a
    // position line can name (column A-Z, first punch in rows 1-9); empty otherwise.
    std::optional<ReadPosition> suggestedPosition() const;
};

// A punched number no roster entry matches (by the picker's padding rule).
struct UnregisteredNumber {
    QString number; // as the punch records hold it
    QString name;   // the name the first file that names it gives; empty when none does
    int records = 0;
};

// What the window and tarnby-cli show after a folder read.
struct FolderReadReport {
    // The files in reading order; a read that broke off ends with the file that failed.
    QList<FileReadReport> files;
    // In the order of each number's first punch in the table. Filled by
    // ReadFolderRecords from Init.ini's roster; recompute with
    // unregisteredNumbers() once the roster changes.
    QList<UnregisteredNumber> unregistered;
};

// "configured", "grid", "header", "log", "none": the words tarnby-cli detect prints.
QString layoutKey(ExportLayout layout);
// The layout in the window's words.
QString layoutText(ExportLayout layout);
QString headerShapeText(HeaderShape shape);
// What a column holds ("工号", "日期时间", "日" for a grid's day column).
QString roleText(ColumnRole role);
// "empty-number", "date-too-early", ...: the words tarnby-cli detect --format json prints.
QString skipReasonKey(SkipReason reason);
// The reason in the window's words ("工号为空", ...).
QString skipReasonText(SkipReason reason);
// Why a file could not be opened or read, in the window's words.
QString readErrorText(ReadError error);
// A 0-based column as its letters ("A", "AB") and a 0-based row as the number people see.
QString columnName(int column);
inline int rowName(int row) { return row + 1; }

// The table's numbers that no roster entry matches, by the picker's padding rule
// (15 matches 0015, 15x matches 15X), with their record counts and the names the
// files' reports give them.
QList<UnregisteredNumber> unregisteredNumbers(const QList<RosterEntry>& roster, const PunchTable& table,
                                              const QList<FileReadReport>& files);

} // namespace tarnby
