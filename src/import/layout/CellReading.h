#pragma once
// How the layouts read a cell: header words, dates, date-times and the times
// of day a clock writes into one cell. Nothing here guesses: a value either
// reads by these rules or is reported as unreadable.

#include "import/CellText.h"
#include "import/Sheet.h"
#include "import/layout/ReadReport.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringView>
#include <optional>
#include <vector>

namespace tarnby::layout {

// What the layouts need besides the cells.
struct ReadContext {
    QDate today;             // dates more than a year after it are a clock's wrong date
    bool textExport = false; // a .csv/.dat: a plain decimal in a time field is a count of days
};

// A cell's text with blanks (spaces, full-width spaces, tabs, line breaks)
// removed and Latin letters in lower case: how header words are compared.
QString headerKey(const Cell& cell);
// The same with colons (":", "："), too: how a grid's "工 号：" is recognised.
QString labelKey(const Cell& cell);

// A worksheet's stored cells row by row: scanning a row costs the cells it
// holds, however wide the sheet (a hostile file may hold one cell in XFD1).
class Rows {
public:
    struct Entry {
        int column;
        const Cell* cell;
    };
    explicit Rows(const Sheet& sheet);
    int count() const { return int(rows_.size()); }
    // The stored cells of a row, left to right; none outside the sheet.
    const std::vector<Entry>& operator[](int row) const;

private:
    std::vector<std::vector<Entry>> rows_;
};

// Whether the cell is one of the number headers ("工号", "考勤号码", "AC-No.", ...).
bool isNumberHeader(const Cell& cell);

// The first two pieces of a time text, cut as the configured read cuts it:
// full-width commas are commas, commas are spaces, and the cut is at single
// spaces (the date, then the time). False when there is no second piece.
bool firstTwoPieces(const QString& text, QStringView* first, QStringView* second);

// Whether the configured cells of one row hold punch data: the number cell is
// neither empty nor a number header, and the time cell holds a date, a time or
// a date-time, a number, or a text whose first two pieces (cut at commas and
// spaces as the configured read cuts them) are a year-first date and a time of day.
bool holdsPunchData(const Cell& number, const Cell& time);

// A year-first date: "yyyy-m-d", "yyyy/m/d", "yyyy.m.d" or "yyyy年m月d日".
std::optional<QDate> parseDateText(QStringView text);

struct TimeOfDay {
    int hour = 0;   // [0, 23]
    int minute = 0; // [0, 59]
    int second = 0; // [0, 59]
};
// "H:MM" or "HH:MM:SS" (the hour of one or two digits); a full-width colon counts.
std::optional<TimeOfDay> parseTimeText(QStringView text);

// The day a date cell stands for: a date-time or number cell's day, or a text
// that begins with a year-first date (a weekday or a time may follow after a blank).
std::optional<QDate> cellDate(const Cell& cell, const ReadContext& context);

// The moment a date-time cell holds: a date-time or number cell of a day (not
// a time of day alone), or a text of a date and a time of day (not a date alone).
std::optional<cells::DateTime> cellDateTime(const Cell& cell, const ReadContext& context);

// One time found in a time cell, or a piece of it that is none.
struct TimePiece {
    std::optional<TimeOfDay> time;
    QString text; // the piece as written
};
// Every time a cell holds, in the order written: a time-formatted number, or a
// text of times separated by line breaks, blanks, commas or semicolons, or run
// together ("08:0112:0313:58"). A piece that is not wholly times is one
// unreadable piece.
QList<TimePiece> cellTimes(const Cell& cell, const ReadContext& context);

// Why a punch on this day is not taken (before 2000, or more than a year after
// today); nullopt when the day is fine.
std::optional<SkipReason> dateProblem(const QDate& day, const QDate& today);

// A cell's value as text for the report, at most 40 characters.
QString shownText(const Cell& cell);
QString shownText(QStringView text);

cells::DateTime at(const QDate& day, const TimeOfDay& time);

} // namespace tarnby::layout
