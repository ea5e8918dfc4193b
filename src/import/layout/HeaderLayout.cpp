// The header layout: a table under a header row that names its columns.

#include "import/layout/Layouts.h"

#include <QSet>
#include <algorithm>
#include <array>

namespace tarnby::layout {
namespace {

// The header words, as headerKey gives them.
constexpr int kHeaderRows = 20;
constexpr std::array<const char16_t*, 7> kDateTimeHeaders = {u"日期时间", u"打卡时间", u"签到时间", u"考勤时间",
                                                             u"时间",     u"datetime", u"time"};
constexpr std::array<const char16_t*, 4> kDateHeaders = {u"日期", u"考勤日期", u"打卡日期", u"date"};
constexpr std::array<const char16_t*, 5> kNameHeaders = {u"姓名", u"员工姓名", u"人员姓名", u"名字", u"name"};
// a time column's header holds one of these...
constexpr std::array<const char16_t*, 7> kTimeWords = {u"时间", u"time", u"上班", u"下班", u"签到", u"签退", u"打卡"};
// ...and none of these: the schedule, durations and flags stand under them
constexpr std::array<const char16_t*, 8> kNotTimeWords = {u"应", u"迟到", u"早退", u"工作",
                                                          u"出勤", u"时段", u"时长", u"小时"};
// A date-time column is taken when this share of its first cells hold a date and a time.
constexpr int kSampledCells = 10;
// A single time column holds several times a row when one of its first cells does.
constexpr int kSampledTimeCells = 50;
// How far below the header those first cells are looked for.
constexpr int kSampledRows = 1000;

template <std::size_t N>
bool isOneOf(const QString& key, const std::array<const char16_t*, N>& words)
{
    for (const char16_t* word : words)
        if (key == QStringView(word))
            return true;
    return false;
}

template <std::size_t N>
bool containsOneOf(const QString& key, const std::array<const char16_t*, N>& words)
{
    for (const char16_t* word : words)
        if (key.contains(QStringView(word)))
            return true;
    return false;
}

struct Table {
    HeaderShape shape = HeaderShape::None;
    int headerRow = -1;
    int number = -1;
    int name = -1;
    int date = -1;     // DateTime: the date-time column
    QList<int> times;  // DateAndTime, SeveralTimes
};

// Whether the column below the header holds dates with times (an empty column
// under a date-time header is taken: a header with no row under it gives no records).
bool holdsDateTimes(const Sheet& sheet, int headerRow, int column, const ReadContext& context)
{
    int seen = 0, dateTimes = 0;
    const int end = std::min(sheet.rowCount(), headerRow + 1 + kSampledRows);
    for (int row = headerRow + 1; row < end && seen < kSampledCells; ++row) {
        const Cell& cell = sheet.cell(row, column);
        if (cell.kind == Cell::Kind::Empty)
            continue;
        ++seen;
        if (cellDateTime(cell, context))
            ++dateTimes;
    }
    return 2 * dateTimes >= seen;
}

bool holdsSeveralTimes(const Sheet& sheet, int headerRow, int column, const ReadContext& context)
{
    int seen = 0;
    const int end = std::min(sheet.rowCount(), headerRow + 1 + kSampledRows);
    for (int row = headerRow + 1; row < end && seen < kSampledTimeCells; ++row) {
        const Cell& cell = sheet.cell(row, column);
        if (cell.kind == Cell::Kind::Empty)
            continue;
        ++seen;
        if (cellTimes(cell, context).size() > 1)
            return true;
    }
    return false;
}

// The table whose header stands in this row, if it is one.
std::optional<Table> tableAt(const Sheet& sheet, int row, const ReadContext& context)
{
    Table t;
    t.headerRow = row;
    const int columns = sheet.columnCount();
    for (int c = 0; c < columns && t.number < 0; ++c)
        if (isNumberHeader(sheet.cell(row, c)))
            t.number = c;
    if (t.number < 0)
        return std::nullopt;

    QList<int> dateTimes, times, signIns;
    for (int c = 0; c < columns; ++c) {
        if (c == t.number)
            continue;
        const QString key = headerKey(sheet.cell(row, c));
        if (key.isEmpty())
            continue;
        if (isOneOf(key, kNameHeaders)) {
            if (t.name < 0)
                t.name = c;
            continue;
        }
        if (isOneOf(key, kDateHeaders)) {
            if (t.date < 0)
                t.date = c;
            continue;
        }
        if (containsOneOf(key, kNotTimeWords))
            continue;
        if (isOneOf(key, kDateTimeHeaders))
            dateTimes.append(c);
        if (isOneOf(key, kDateTimeHeaders) || containsOneOf(key, kTimeWords)) {
            times.append(c);
            if (key.contains(u"签到") || key.contains(u"签退"))
                signIns.append(c);
        }
    }

    for (int c : std::as_const(dateTimes)) {
        if (holdsDateTimes(sheet, row, c, context)) {
            t.shape = HeaderShape::DateTime;
            t.date = c;
            return t;
        }
    }
    if (t.date < 0 || times.isEmpty())
        return std::nullopt;
    // beside columns of what was punched, the 上班/下班 columns hold the schedule
    t.times = signIns.isEmpty() ? times : signIns;
    t.shape = t.times.size() == 1 && !holdsSeveralTimes(sheet, row, t.times.first(), context)
                  ? HeaderShape::DateAndTime
                  : HeaderShape::SeveralTimes;
    return t;
}

class TableReader {
public:
    TableReader(const Sheet& sheet, const Table& table, const ReadContext& context)
        : sheet_(sheet), rows_(sheet), t_(table), context_(context)
    {
        for (int c : t_.times) {
            isTime_.resize(std::max<std::size_t>(isTime_.size(), std::size_t(c) + 1));
            isTime_[std::size_t(c)] = true;
        }
    }

    SheetPunches read()
    {
        describe();
        for (int row = t_.headerRow + 1; row < rows_.count(); ++row)
            readRow(row);
        if (out_.report.firstRow < 0)
            out_.report.firstRow = t_.headerRow + 1;
        return std::move(out_);
    }

private:
    void describe()
    {
        FileReadReport& r = out_.report;
        r.layout = ExportLayout::Header;
        r.shape = t_.shape;
        r.headerRow = t_.headerRow;
        r.firstRow = -1;
        use(t_.number, ColumnRole::Number);
        if (t_.name >= 0)
            use(t_.name, ColumnRole::Name);
        use(t_.date, t_.shape == HeaderShape::DateTime ? ColumnRole::DateTime : ColumnRole::Date);
        for (int c : t_.times)
            use(c, ColumnRole::Time);
        std::sort(r.columns.begin(), r.columns.end(),
                  [](const ColumnUse& a, const ColumnUse& b) { return a.column < b.column; });
    }

    void use(int column, ColumnRole role)
    {
        const Cell& header = sheet_.cell(t_.headerRow, column);
        out_.report.columns.append({column, role, header.kind == Cell::Kind::Text ? header.text : QString(), {}});
    }

    void skip(int row, int column, SkipReason reason, const QString& text)
    {
        out_.report.skipped.append({row, column, reason, text});
    }

    // The row's time cells, left to right (they are walked through the row's
    // stored cells: a header may name thousands of columns).
    QList<Rows::Entry> timeCells(int row) const
    {
        QList<Rows::Entry> out;
        for (const Rows::Entry& e : rows_[row])
            if (std::size_t(e.column) < isTime_.size() && isTime_[std::size_t(e.column)])
                out.append(e);
        return out;
    }

    void readRow(int row)
    {
        const Cell& numberCell = sheet_.cell(row, t_.number);
        const Cell& dateCell = sheet_.cell(row, t_.date);
        const QList<Rows::Entry> times = timeCells(row);
        const bool blank = numberCell.kind == Cell::Kind::Empty && dateCell.kind == Cell::Kind::Empty && times.isEmpty();
        // blank rows part a table; a repeated header row starts its next page
        if (blank || isNumberHeader(numberCell))
            return;
        if (out_.report.firstRow < 0)
            out_.report.firstRow = row;

        const QString number = cells::numberCellText(numberCell).value_or(QString()).trimmed();
        if (number.isEmpty())
            return skip(row, t_.number, SkipReason::EmptyNumber, shownText(numberCell));
        if (t_.shape == HeaderShape::DateTime) {
            if (dateCell.kind == Cell::Kind::Empty)
                return skip(row, t_.date, SkipReason::NoTime, {});
            const auto moment = cellDateTime(dateCell, context_);
            if (!moment) {
                const SkipReason why = cellDate(dateCell, context_) ? SkipReason::NoTime : SkipReason::UnreadableDate;
                return skip(row, t_.date, why, shownText(dateCell));
            }
            const QDate day(moment->year, moment->month, moment->day);
            if (const auto problem = dateProblem(day, context_.today))
                return skip(row, t_.date, *problem, shownText(dateCell));
            name(row, number);
            out_.punches.append({number, cells::dateText(*moment), cells::timeText(*moment)});
            return;
        }

        const auto day = cellDate(dateCell, context_);
        if (!day)
            return skip(row, t_.date, SkipReason::UnreadableDate, shownText(dateCell));
        if (const auto problem = dateProblem(*day, context_.today))
            return skip(row, t_.date, *problem, shownText(dateCell));
        name(row, number);
        const QString date = cells::dateText(at(*day, {}));
        bool anyTime = false;
        for (const Rows::Entry& e : times) {
            for (const TimePiece& piece : cellTimes(*e.cell, context_)) {
                anyTime = true;
                if (piece.time)
                    out_.punches.append({number, date, cells::timeText(at(*day, *piece.time))});
                else
                    skip(row, e.column, SkipReason::UnreadableTime, piece.text);
            }
        }
        // an employee-day without a punch is an absence, not a fault of the row
        if (!anyTime && t_.shape == HeaderShape::DateAndTime)
            skip(row, t_.times.first(), SkipReason::NoTime, {});
    }

    void name(int row, const QString& number)
    {
        if (t_.name < 0 || named_.contains(number))
            return;
        const QString name = cells::numberCellText(sheet_.cell(row, t_.name)).value_or(QString()).trimmed();
        if (name.isEmpty())
            return;
        named_.insert(number);
        out_.report.names.append({number, name});
    }

    const Sheet& sheet_;
    const Rows rows_;
    const Table& t_;
    std::vector<bool> isTime_; // by column
    const ReadContext& context_;
    SheetPunches out_;
    QSet<QString> named_;
};

} // namespace

std::optional<SheetPunches> readHeaderTable(const Sheet& sheet, const ReadContext& context)
{
    const int rows = std::min(sheet.rowCount(), kHeaderRows);
    for (int row = 0; row < rows; ++row) {
        if (const auto table = tableAt(sheet, row, context))
            return TableReader(sheet, *table, context).read();
    }
    return std::nullopt;
}

} // namespace tarnby::layout
