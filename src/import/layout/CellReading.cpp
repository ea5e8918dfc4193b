#include "import/layout/CellReading.h"

#include "import/SerialDate.h"

#include <array>

namespace tarnby::layout {
namespace {

constexpr int kShownLength = 40;

// The number headers a clock or a clerk writes over the employee numbers, as headerKey gives them.
constexpr std::array<const char16_t*, 11> kNumberHeaders = {
    u"工号", u"考勤号码", u"登记号码", u"编号", u"人员编号", u"员工编号", u"卡号", u"用户id", u"id", u"no.", u"ac-no.",
};

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool isColon(QChar c)
{
    return c == u':' || c == u'：';
}

// What stands between the times of one cell.
bool isTimeSeparator(QChar c)
{
    return c.isSpace() || c == u',' || c == u'，' || c == u';' || c == u'；' || c == u'、';
}

// Digits from `at`, exactly `count` of them.
bool digits(QStringView text, qsizetype at, int count, int* value)
{
    if (at + count > text.size())
        return false;
    *value = 0;
    for (int i = 0; i < count; ++i) {
        if (!isDigit(text[at + i]))
            return false;
        *value = *value * 10 + (text[at + i].unicode() - u'0');
    }
    return true;
}

// One or two digits from `at`, as many as stand there.
bool shortNumber(QStringView text, qsizetype* at, int* value)
{
    if (digits(text, *at, 2, value) && !(*at + 2 < text.size() && isDigit(text[*at + 2]))) {
        *at += 2;
        return true;
    }
    if (digits(text, *at, 1, value) && !(*at + 1 < text.size() && isDigit(text[*at + 1]))) {
        *at += 1;
        return true;
    }
    return false;
}

// A time of day at `at`: an hour of one or two digits, a colon and two digits,
// and perhaps a colon and two more; `at` moves past it.
std::optional<TimeOfDay> timeAt(QStringView text, qsizetype* at)
{
    qsizetype p = *at;
    TimeOfDay t;
    if (digits(text, p, 2, &t.hour) && p + 2 < text.size() && isColon(text[p + 2]))
        p += 3;
    else if (digits(text, p, 1, &t.hour) && p + 1 < text.size() && isColon(text[p + 1]))
        p += 2;
    else
        return std::nullopt;
    if (!digits(text, p, 2, &t.minute))
        return std::nullopt;
    p += 2;
    if (p + 2 < text.size() && isColon(text[p]) && digits(text, p + 1, 2, &t.second))
        p += 3;
    if (t.hour > 23 || t.minute > 59 || t.second > 59)
        return std::nullopt;
    *at = p;
    return t;
}

// The serial a cell holds: a number or date-time cell, or in a text export a
// text field that is a plain decimal number (a count of days, as in a workbook).
std::optional<double> serialOf(const Cell& cell, const ReadContext& context)
{
    if (cell.kind == Cell::Kind::Number || cell.kind == Cell::Kind::DateTime)
        return cell.number;
    if (cell.kind == Cell::Kind::Text && context.textExport) {
        const QStringView text = QStringView(cell.text).trimmed();
        return serial::fromDecimalText(std::u16string_view(text.utf16(), std::size_t(text.size())));
    }
    return std::nullopt;
}

QDate qdateOf(std::chrono::sys_days day)
{
    const std::chrono::year_month_day ymd{day};
    return QDate(int(ymd.year()), int(unsigned(ymd.month())), int(unsigned(ymd.day())));
}


} // namespace

bool firstTwoPieces(const QString& text, QStringView* first, QStringView* second)
{
    QString normal = text;
    normal.replace(u'，', u',');
    normal.replace(u',', u' ');
    const qsizetype one = normal.indexOf(u' ');
    if (one < 0)
        return false;
    qsizetype two = normal.indexOf(u' ', one + 1);
    if (two < 0)
        two = normal.size();
    // one character for one, so the pieces stand at the same places in the text
    *first = QStringView(text).left(one);
    *second = QStringView(text).mid(one + 1, two - one - 1);
    return true;
}

Rows::Rows(const Sheet& sheet) : rows_(std::size_t(sheet.rowCount()))
{
    // column by column, so each row's cells arrive left to right
    sheet.forEachCell([this](int row, int column, const Cell& cell) { rows_[std::size_t(row)].push_back({column, &cell}); });
}

const std::vector<Rows::Entry>& Rows::operator[](int row) const
{
    static const std::vector<Entry> kNone;
    return row >= 0 && row < count() ? rows_[std::size_t(row)] : kNone;
}

QString headerKey(const Cell& cell)
{
    if (cell.kind != Cell::Kind::Text)
        return {};
    QString key;
    key.reserve(cell.text.size());
    for (const QChar c : cell.text)
        if (!c.isSpace())
            key += c.toLower();
    return key;
}

QString labelKey(const Cell& cell)
{
    QString key = headerKey(cell);
    key.removeIf([](QChar c) { return isColon(c); });
    return key;
}

bool isNumberHeader(const Cell& cell)
{
    if (cell.kind != Cell::Kind::Text || cell.text.size() > 20)
        return false;
    const QString key = headerKey(cell);
    for (const char16_t* word : kNumberHeaders)
        if (key == QStringView(word))
            return true;
    return false;
}

bool holdsPunchData(const Cell& number, const Cell& time)
{
    const auto numberText = cells::numberCellText(number);
    if ((numberText && numberText->isEmpty()) || isNumberHeader(number))
        return false;
    switch (time.kind) {
    case Cell::Kind::DateTime:
    case Cell::Kind::Number:
        return true;
    case Cell::Kind::Text: {
        // a text of a date alone is no punch: it is the date column of a table
        QStringView date, clock;
        return firstTwoPieces(time.text, &date, &clock) && parseDateText(date) && parseTimeText(clock);
    }
    default:
        return false;
    }
}

std::optional<QDate> parseDateText(QStringView text)
{
    int year = 0, month = 0, day = 0;
    if (!digits(text, 0, 4, &year) || text.size() < 5)
        return std::nullopt;
    qsizetype p = 4;
    const QChar separator = text[p];
    if (separator == u'-' || separator == u'/' || separator == u'.') {
        ++p;
        if (!shortNumber(text, &p, &month) || p >= text.size() || text[p] != separator)
            return std::nullopt;
        ++p;
        if (!shortNumber(text, &p, &day))
            return std::nullopt;
    } else if (separator == u'年') {
        ++p;
        if (!shortNumber(text, &p, &month) || p >= text.size() || text[p] != u'月')
            return std::nullopt;
        ++p;
        if (!shortNumber(text, &p, &day) || p >= text.size() || text[p] != u'日')
            return std::nullopt;
        ++p;
    } else {
        return std::nullopt;
    }
    if (p != text.size())
        return std::nullopt;
    const auto civil = serial::civilDay(year, month, day);
    if (!civil)
        return std::nullopt;
    return qdateOf(*civil);
}

std::optional<TimeOfDay> parseTimeText(QStringView text)
{
    qsizetype p = 0;
    const auto t = timeAt(text, &p);
    if (!t || p != text.size())
        return std::nullopt;
    return t;
}

std::optional<QDate> cellDate(const Cell& cell, const ReadContext& context)
{
    if (const auto days = serialOf(cell, context)) {
        const auto moment = serial::momentOf(*days);
        if (!moment)
            return std::nullopt;
        return qdateOf(moment->day);
    }
    if (cell.kind != Cell::Kind::Text)
        return std::nullopt;
    const QStringView text = QStringView(cell.text).trimmed();
    qsizetype end = 0;
    while (end < text.size() && !text[end].isSpace())
        ++end;
    return parseDateText(text.left(end));
}

std::optional<cells::DateTime> cellDateTime(const Cell& cell, const ReadContext& context)
{
    if (const auto days = serialOf(cell, context)) {
        // a time of day alone names no day
        if (*days < 1)
            return std::nullopt;
        Cell asDays;
        asDays.kind = Cell::Kind::DateTime;
        asDays.number = *days;
        return cells::timeCellDateTime(asDays);
    }
    if (cell.kind != Cell::Kind::Text)
        return std::nullopt;
    // a text of a date alone is a date, not a punch
    if (cell.text.contains(u':')) {
        if (const auto t = cells::timeCellDateTime(cell))
            return t;
    }
    const QString trimmed = cell.text.trimmed();
    QStringView date, clock;
    if (!firstTwoPieces(trimmed, &date, &clock))
        return std::nullopt;
    const auto day = parseDateText(date);
    const auto time = parseTimeText(clock);
    if (!day || !time)
        return std::nullopt;
    return at(*day, *time);
}

QList<TimePiece> cellTimes(const Cell& cell, const ReadContext& context)
{
    QList<TimePiece> out;
    if (cell.kind == Cell::Kind::Empty)
        return out;
    if (const auto days = serialOf(cell, context)) {
        // a time-formatted cell, or a date-time whose day the layout knows already
        const auto moment = serial::momentOf(*days);
        if (moment && (cell.kind != Cell::Kind::Number || *days < 1)) {
            const std::chrono::hh_mm_ss clock{moment->time};
            out.append({TimeOfDay{int(clock.hours().count()), int(clock.minutes().count()),
                                  int(clock.seconds().count())},
                        {}});
        } else {
            out.append({std::nullopt, shownText(cell)});
        }
        return out;
    }
    if (cell.kind != Cell::Kind::Text) {
        out.append({std::nullopt, shownText(cell)});
        return out;
    }
    const QStringView text(cell.text);
    qsizetype p = 0;
    while (p < text.size()) {
        while (p < text.size() && isTimeSeparator(text[p]))
            ++p;
        qsizetype end = p;
        while (end < text.size() && !isTimeSeparator(text[end]))
            ++end;
        if (end == p)
            break;
        const QStringView piece = text.mid(p, end - p);
        QList<TimePiece> times;
        qsizetype q = 0;
        while (q < piece.size()) {
            const auto t = timeAt(piece, &q);
            if (!t)
                break;
            times.append({*t, {}});
        }
        if (q == piece.size())
            out += times;
        else
            out.append({std::nullopt, shownText(piece)});
        p = end;
    }
    return out;
}

std::optional<SkipReason> dateProblem(const QDate& day, const QDate& today)
{
    if (day < QDate(2000, 1, 1))
        return SkipReason::DateTooEarly;
    if (today.isValid() && day > today.addYears(1))
        return SkipReason::DateTooLate;
    return std::nullopt;
}

QString shownText(const Cell& cell)
{
    if (cell.kind == Cell::Kind::Text)
        return shownText(QStringView(cell.text));
    if (cell.kind == Cell::Kind::DateTime) {
        if (const auto text = cells::dateTimeFromSerial(cell.number))
            return *text;
    }
    if (cell.kind == Cell::Kind::Error)
        return QStringLiteral("#错误");
    return cells::numberCellText(cell).value_or(QString());
}

QString shownText(QStringView text)
{
    return text.size() <= kShownLength ? text.toString() : text.left(kShownLength - 1).toString() + u'…';
}

cells::DateTime at(const QDate& day, const TimeOfDay& time)
{
    return {day.year(), day.month(), day.day(), time.hour, time.minute, time.second};
}

} // namespace tarnby::layout
