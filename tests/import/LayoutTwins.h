#pragma once
// The layouts clocks export, generated from the punches they hold, and their
// one-row-per-punch twins: what the layout tests and benchmarks read.
//
//     const layouttest::Punches days = ...;               // in the layout's reading order
//     layouttest::write(layouttest::grid(days, period), layouttest::Format::Xlsx, path);
//     layouttest::write(layouttest::twin(days), layouttest::Format::Xls, twinPath);
//
// Each generator also writes the faulty rows a real export holds (an empty
// number, a date a battery-less clock wrote, an unreadable time), which the
// import must skip: `junk` says which reasons they give, in reading order.

#include "import/layout/ReadReport.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QTime>
#include <tuple>

namespace layouttest {

struct Value {
    enum Type { Text, Number, DateTime, Date, Time } type = Text;
    double number = 0; // days in the 1900 date system for DateTime, Date and Time
    QString text;
};

struct SheetCells {
    QString name;
    QList<std::tuple<int, int, Value>> cells; // row, column, value

    SheetCells& put(int row, int column, const Value& value)
    {
        cells.append({row, column, value});
        return *this;
    }
};
using Book = QList<SheetCells>;

// A text export holds the last worksheet alone: .csv in UTF-8 with commas,
// .dat in GBK with tabs; date-times, dates and times as texts.
enum class Format { Xls, Xlsx, Csv, Dat };
QString extension(Format format);
void write(const Book& book, Format format, const QString& path);

struct DayPunches {
    QString number;
    QString name;
    QDate date;
    QList<QTime> times;
};
using Punches = QList<DayPunches>;

enum class Shape { DateTime, DateAndTime, SignInColumns, RunTogether };

// The clock's monthly workbook: a summary and a schedule sheet, then the grid
// (one day per column from `first` to `last`, or 1 … 31 whatever the period).
Book grid(const Punches& days, const QDate& first, const QDate& last, bool oneToThirtyOne = false);
Book headerTable(const Punches& days, Shape shape);
Book log(const Punches& days);
// One punch per row: a header row, then number and date-time from row 2 (A2/B2).
Book twin(const Punches& days);

// What each generator's faulty rows give, in reading order.
QList<tarnby::SkipReason> junk(const QString& layout);

} // namespace layouttest
