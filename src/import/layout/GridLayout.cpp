// The monthly grid: the clock's own workbook, where a sheet such as 刷卡记录
// names the period, prints a row of day numbers, and then gives two rows per
// employee: "工 号：" with the number (and perhaps "姓 名：" with the name),
// and under each day number that day's punch times stacked in one cell.

#include "import/layout/Layouts.h"

#include <QSet>
#include <algorithm>
#include <cmath>
#include <tuple>

namespace tarnby::layout {
namespace {

// A period longer than this is no clock's month: its day numbers could not name its days.
constexpr qint64 kLongestPeriod = 366;

struct Period {
    QDate first;
    QDate last;
};

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Up to maxDigits digits from `at`, at least one and not followed by another;
// `digits` tells how many.
bool number(QStringView text, qsizetype* at, int maxDigits, int* value, int* digits = nullptr)
{
    int n = 0;
    *value = 0;
    while (n < maxDigits && *at < text.size() && isDigit(text[*at])) {
        *value = *value * 10 + (text[*at].unicode() - u'0');
        ++*at;
        ++n;
    }
    if (digits)
        *digits = n;
    return n > 0 && !(*at < text.size() && isDigit(text[*at]));
}

void skipBlanks(QStringView text, qsizetype* at)
{
    while (*at < text.size() && text[*at].isSpace())
        ++*at;
}

// "yyyy/mm/dd ~ mm/dd" or "yyyy/mm/dd ~ yyyy/mm/dd", or the same with "-", at
// the start of the text; an end without a year lies in the start's year, or
// in the next when its month and day come before the start's (a period from
// December into January).
std::optional<Period> parsePeriod(QStringView text)
{
    qsizetype p = 0;
    skipBlanks(text, &p);
    int year = 0, month = 0, day = 0, digits = 0;
    if (!number(text, &p, 4, &year, &digits) || digits != 4)
        return std::nullopt;
    if (p >= text.size() || (text[p] != u'/' && text[p] != u'-'))
        return std::nullopt;
    const QChar separator = text[p++];
    if (!number(text, &p, 2, &month) || p >= text.size() || text[p++] != separator || !number(text, &p, 2, &day))
        return std::nullopt;
    skipBlanks(text, &p);
    if (p >= text.size() || (text[p] != u'~' && text[p] != u'～'))
        return std::nullopt;
    ++p;
    skipBlanks(text, &p);
    int endYear = year, endMonth = 0, endDay = 0;
    if (!number(text, &p, 4, &endMonth, &digits) || p >= text.size() || text[p++] != separator)
        return std::nullopt;
    if (digits == 4) {
        endYear = endMonth;
        if (!number(text, &p, 2, &endMonth) || p >= text.size() || text[p++] != separator)
            return std::nullopt;
    } else if (digits > 2) {
        return std::nullopt;
    }
    if (!number(text, &p, 2, &endDay))
        return std::nullopt;
    if (digits != 4 && (endMonth < month || (endMonth == month && endDay < day)))
        endYear = year + 1;
    const QDate first(year, month, day);
    const QDate last(endYear, endMonth, endDay);
    if (!first.isValid() || !last.isValid() || last < first || first.daysTo(last) > kLongestPeriod)
        return std::nullopt;
    return Period{first, last};
}

// A day number 1-31: a whole number cell or a text of one or two digits.
std::optional<int> dayNumber(const Cell& cell)
{
    int value = 0;
    if (cell.kind == Cell::Kind::Number) {
        if (cell.number != std::floor(cell.number) || cell.number < 1 || cell.number > 31)
            return std::nullopt;
        return int(cell.number);
    }
    if (cell.kind != Cell::Kind::Text)
        return std::nullopt;
    const QStringView text = QStringView(cell.text).trimmed();
    qsizetype p = 0;
    if (!number(text, &p, 2, &value) || p != text.size() || value < 1 || value > 31)
        return std::nullopt;
    return value;
}

struct DayColumn {
    int column;
    int day;
    QDate date;
};

// The days of a row of day numbers. A row that starts at the period's first
// day runs through the period in order: each number is the next day bearing
// it, and one the period has no such day for (past its end, or the 30th of
// February) is ignored. A row printed 1 … 31 whatever the period gives each
// number the period's day bearing it.
QList<DayColumn> datedColumns(const QList<DayColumn>& columns, const Period& period)
{
    QList<DayColumn> out;
    const bool inOrder = columns.first().day == period.first.day();
    QDate cursor = period.first;
    QSet<QDate> taken;
    for (DayColumn c : columns) {
        const QDate from = inOrder ? cursor : period.first;
        QDate found;
        for (QDate d = from; d <= period.last && from.daysTo(d) < 31; d = d.addDays(1)) {
            if (d.day() == c.day) {
                found = d;
                break;
            }
        }
        if (!found.isValid() || taken.contains(found))
            continue;
        c.date = found;
        taken.insert(found);
        if (inOrder)
            cursor = found.addDays(1);
        out.append(c);
    }
    std::stable_sort(out.begin(), out.end(), [](const DayColumn& a, const DayColumn& b) { return a.date < b.date; });
    return out;
}

// The row of day numbers below the period: its non-empty cells are day numbers
// only, starting with the period's first day (or with 1).
std::optional<QList<DayColumn>> dayRow(const Rows& rows, int row, const Period& period)
{
    QList<DayColumn> columns;
    for (const Rows::Entry& e : rows[row]) {
        const auto day = dayNumber(*e.cell);
        if (!day)
            return std::nullopt;
        columns.append({e.column, *day, {}});
    }
    const qint64 days = period.first.daysTo(period.last) + 1;
    if (columns.size() < std::min<qint64>(2, days))
        return std::nullopt;
    if (columns.first().day != period.first.day() && columns.first().day != 1)
        return std::nullopt;
    QList<DayColumn> dated = datedColumns(columns, period);
    if (dated.isEmpty())
        return std::nullopt;
    return dated;
}

bool isLabel(const Cell& cell)
{
    if (cell.kind != Cell::Kind::Text)
        return false;
    const QString text = cell.text.trimmed();
    if (text.endsWith(u':') || text.endsWith(u'：'))
        return true;
    const QString key = labelKey(cell);
    return key == u"工号" || key == u"姓名" || key == u"部门" || key == u"名字";
}

// The value after a label in its row: the next non-empty cell, unless that is
// another label; its column goes to `column`.
QString valueAfter(const Rows& rows, int row, int labelColumn, int* column)
{
    for (const Rows::Entry& e : rows[row]) {
        if (e.column <= labelColumn || e.cell->kind == Cell::Kind::Empty)
            continue;
        if (isLabel(*e.cell))
            return {};
        *column = e.column;
        return cells::numberCellText(*e.cell).value_or(QString()).trimmed();
    }
    return {};
}

// The column of a label in this row ("工号", "姓名"); -1 when there is none.
int labelColumn(const Rows& rows, int row, QStringView label)
{
    for (const Rows::Entry& e : rows[row])
        if (e.cell->kind == Cell::Kind::Text && labelKey(*e.cell) == label)
            return e.column;
    return -1;
}

class GridReader {
public:
    GridReader(const Sheet& sheet, const Rows& rows, const Period& period, int dayRow, QList<DayColumn> days,
               const ReadContext& context)
        : sheet_(sheet), rows_(rows), period_(period), dayRow_(dayRow), days_(std::move(days)), context_(context)
    {
        for (const DayColumn& d : days_)
            dateTexts_.append(cells::dateText(at(d.date, {})));
    }

    SheetPunches read()
    {
        FileReadReport& r = out_.report;
        r.layout = ExportLayout::Grid;
        r.headerRow = dayRow_;
        r.firstRow = dayRow_ + 1;
        r.periodFirst = period_.first;
        r.periodLast = period_.last;
        int numberColumn = -1;
        for (int row = dayRow_ + 1; row < rows_.count(); ++row) {
            const int label = labelColumn(rows_, row, u"工号");
            if (label < 0)
                continue;
            int column = label;
            const QString number = valueAfter(rows_, row, label, &column);
            if (numberColumn < 0 && !number.isEmpty())
                numberColumn = column;
            // an employee without a row of times (the next block begins at once) punched nothing
            if (labelColumn(rows_, row + 1, u"工号") < 0)
                readTimes(row, label, number);
        }
        if (numberColumn >= 0)
            r.columns.append({numberColumn, ColumnRole::Number, {}, {}});
        for (const DayColumn& d : days_)
            r.columns.append({d.column, ColumnRole::Day, QString::number(d.day), d.date});
        std::sort(r.columns.begin(), r.columns.end(),
                  [](const ColumnUse& a, const ColumnUse& b) { return a.column < b.column; });
        return std::move(out_);
    }

private:
    void readTimes(int row, int label, const QString& number)
    {
        const int timesRow = row + 1;
        bool named = false;
        for (int d = 0; d < days_.size(); ++d) {
            const Cell& cell = sheet_.cell(timesRow, days_[d].column);
            if (cell.kind == Cell::Kind::Empty)
                continue;
            if (number.isEmpty()) {
                out_.report.skipped.append({row, label, SkipReason::EmptyNumber, {}});
                return;
            }
            if (const auto problem = dateProblem(days_[d].date, context_.today)) {
                out_.report.skipped.append({timesRow, days_[d].column, *problem, shownText(cell)});
                continue;
            }
            if (!named) {
                named = true;
                name(row, number);
            }
            for (const TimePiece& piece : cellTimes(cell, context_)) {
                if (piece.time)
                    out_.punches.append({number, dateTexts_[d], cells::timeText(at(days_[d].date, *piece.time))});
                else
                    out_.report.skipped.append({timesRow, days_[d].column, SkipReason::UnreadableTime, piece.text});
            }
        }
    }

    void name(int row, const QString& number)
    {
        const int label = labelColumn(rows_, row, u"姓名");
        if (label < 0 || named_.contains(number))
            return;
        int column = label;
        const QString name = valueAfter(rows_, row, label, &column);
        if (name.isEmpty())
            return;
        named_.insert(number);
        out_.report.names.append({number, name});
    }

    const Sheet& sheet_;
    const Rows& rows_;
    Period period_;
    int dayRow_;
    QList<DayColumn> days_;
    const ReadContext& context_;
    QStringList dateTexts_;
    SheetPunches out_;
    QSet<QString> named_;
};

} // namespace

std::optional<SheetPunches> readGrid(const Sheet& sheet, const ReadContext& context)
{
    // the period cell: the topmost, then the leftmost, that begins with a period
    int periodRow = -1, periodColumn = -1;
    Period period;
    sheet.forEachCell([&](int row, int column, const Cell& cell) {
        if (cell.kind != Cell::Kind::Text || (periodRow >= 0 && std::tie(periodRow, periodColumn) < std::tie(row, column)))
            return;
        if (const auto found = parsePeriod(cell.text)) {
            periodRow = row;
            periodColumn = column;
            period = *found;
        }
    });
    if (periodRow < 0)
        return std::nullopt;
    const Rows rows(sheet);
    for (int below = periodRow + 1; below < rows.count(); ++below) {
        if (auto days = dayRow(rows, below, period))
            return GridReader(sheet, rows, period, below, std::move(*days), context).read();
    }
    return std::nullopt;
}

} // namespace tarnby::layout
