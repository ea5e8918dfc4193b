// Holidays.txt and the weekends-and-holidays marking, against hand-made files
// and against the schedule shipped in dist/.

#include "support/ProgramFolder.h"
#include "support/TestPaths.h"
#include "settings/Holidays.h"
#include "settings/RestDays.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <vector>

using namespace tarnby;

namespace {

QDate day(int y, int m, int d)
{
    return QDate(y, m, d);
}

void writeHolidays(const testsupport::ProgramFolder& folder, const QByteArray& bytes)
{
    ASSERT_TRUE(testsupport::writeBytes(holidays::filePath(folder.path()), bytes));
}

HolidayCalendar shipped()
{
    const HolidayFile file = holidays::read(testsupport::distPath({}));
    EXPECT_TRUE(file.ok()) << file.message.toStdString();
    return file.calendar;
}

} // namespace

TEST(Holidays, EveryFormOfAGoodLineIsRead)
{
    struct Row {
        const char* name;
        QByteArray bytes;
        QDate date;
        std::optional<HolidayEntry> entry;
    };
    const std::vector<Row> rows = {
        {"space", "2027-01-01 元旦\r\n", day(2027, 1, 1), HolidayEntry{false, QStringLiteral("元旦")}},
        {"tabs and LF", "2027-01-01\t\t元旦\n", day(2027, 1, 1), HolidayEntry{false, QStringLiteral("元旦")}},
        {"ideographic space", "2027-01-01\u3000元旦\r\n", day(2027, 1, 1), HolidayEntry{false, QStringLiteral("元旦")}},
        {"BOM", "\xEF\xBB\xBF" "2027-01-01 元旦\r\n", day(2027, 1, 1), HolidayEntry{false, QStringLiteral("元旦")}},
        {"name with a blank", "2027-10-01 国庆节 中秋节\r\n", day(2027, 10, 1), HolidayEntry{false, QStringLiteral("国庆节 中秋节")}},
        {"trailing comment", "2027-01-01 元旦 # 官方\r\n", day(2027, 1, 1), HolidayEntry{false, QStringLiteral("元旦")}},
        {"上班", "2027-02-06 上班\r\n", day(2027, 2, 6), HolidayEntry{true, QStringLiteral("上班")}},
        {"补班", "2027-02-06 补班\r\n", day(2027, 2, 6), HolidayEntry{true, QStringLiteral("补班")}},
        {"leading blanks", "  2027-01-01 元旦  \r\n", day(2027, 1, 1), HolidayEntry{false, QStringLiteral("元旦")}},
        {"last line wins", "2027-02-06 春节\r\n2027-02-06 上班\r\n", day(2027, 2, 6), HolidayEntry{true, QStringLiteral("上班")}},
        {"a company day after the schedule", "2027-02-06 上班\r\n2027-02-06 公司年假\r\n", day(2027, 2, 6),
         HolidayEntry{false, QStringLiteral("公司年假")}},
        {"comments and empty lines only", "# 说明\r\n\r\n   \r\n# 2027-01-01 元旦\r\n", day(2027, 1, 1), std::nullopt},
        {"a year long past", "1999-10-01 国庆节\r\n", day(1999, 10, 1), HolidayEntry{false, QStringLiteral("国庆节")}},
        {"empty file", "", day(2027, 1, 1), std::nullopt},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        testsupport::ProgramFolder folder;
        writeHolidays(folder, row.bytes);
        const HolidayFile file = holidays::read(folder.path());
        ASSERT_EQ(file.status, HolidayFile::Status::Read) << file.message.toStdString();
        EXPECT_EQ(file.calendar.entry(row.date), row.entry);
    }
}

TEST(Holidays, ABadLineIsAnErrorNamingFileAndLineAndNothingOfTheFileIsUsed)
{
    struct Row {
        const char* name;
        QByteArray bytes;
        const char* line; // the line number the message names
    };
    const std::vector<Row> rows = {
        {"date without a text", "2027-01-01 元旦\r\n2027-01-02\r\n", "第2行"},
        {"date and blanks only", "2027-01-01   \r\n", "第1行"},
        {"no blank after the date", "2027-01-01元旦\r\n", "第1行"},
        {"a day that does not exist", "# x\r\n2027-02-30 元旦\r\n", "第2行"},
        {"month 13", "2027-13-01 元旦\r\n", "第1行"},
        {"short month", "2027-1-01 元旦\r\n", "第1行"},
        {"slashes", "2027/01/01 元旦\r\n", "第1行"},
        {"full-width digits", "２０２７-01-01 元旦\r\n", "第1行"},
        {"text before the date", "元旦 2027-01-01\r\n", "第1行"},
        {"a stray word", "\r\n\r\n\r\n节假日\r\n", "第4行"},
        {"GBK on the third line", "# a\r\n2027-01-01 ok\r\n2027-01-02 " "\xd4\xaa\xb5\xa9" "\r\n", "第3行"},
        {"UTF-16", QByteArray("\xFF\xFE\x32\x00\x30\x00", 6), "第1行"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        testsupport::ProgramFolder folder;
        writeHolidays(folder, row.bytes);
        const HolidayFile file = holidays::read(folder.path());
        EXPECT_EQ(file.status, HolidayFile::Status::Malformed);
        EXPECT_TRUE(file.calendar.isEmpty());
        EXPECT_TRUE(file.message.contains(QStringLiteral("Holidays.txt"))) << file.message.toStdString();
        EXPECT_TRUE(file.message.contains(QString::fromUtf8(row.line))) << file.message.toStdString();
        const Outcome out = file.outcome();
        EXPECT_FALSE(out.ok());
        EXPECT_EQ(out.title(), QStringLiteral("错误"));
    }
}

TEST(Holidays, AMissingFileIsToldApartFromABadOne)
{
    testsupport::ProgramFolder folder;
    const HolidayFile file = holidays::read(folder.path());
    EXPECT_EQ(file.status, HolidayFile::Status::Missing);
    EXPECT_TRUE(file.message.contains(QDir(folder.path()).filePath("Holidays.txt"))) << file.message.toStdString();
    EXPECT_FALSE(file.outcome().ok());
}

TEST(Holidays, TheShippedScheduleNamesItsHolidays)
{
    const HolidayCalendar calendar = shipped();
    EXPECT_EQ(calendar.size(), 72);
    EXPECT_EQ(calendar.holidayName(day(2025, 10, 8)), QStringLiteral("国庆节、中秋节"));
    EXPECT_EQ(calendar.holidayName(day(2026, 9, 25)), QStringLiteral("中秋节"));
    // a make-up working day has no holiday name; an unlisted day has none either
    EXPECT_TRUE(calendar.isWorkingDay(day(2026, 2, 28)));
    EXPECT_EQ(calendar.holidayName(day(2026, 2, 28)), QString());
    EXPECT_EQ(calendar.holidayName(day(2025, 3, 1)), QString());
}

// The rest days of each calendar month with the shipped schedule, written out
// from the official notices: weekends, plus holidays, minus make-up days.
struct MonthRest {
    int year;
    int month;
    std::vector<int> days;
};

const std::vector<MonthRest>& officialRestDays()
{
    static const std::vector<MonthRest> table = {
        {2025,  1, {1, 4, 5, 11, 12, 18, 19, 25, 28, 29, 30, 31}}, // Sunday 26 is worked
        {2025,  2, {1, 2, 3, 4, 9, 15, 16, 22, 23}},                // Saturday 8 is worked
        {2025,  3, {1, 2, 8, 9, 15, 16, 22, 23, 29, 30}},
        {2025,  4, {4, 5, 6, 12, 13, 19, 20, 26}},                  // Sunday 27 is worked
        {2025,  5, {1, 2, 3, 4, 5, 10, 11, 17, 18, 24, 25, 31}},
        {2025,  6, {1, 2, 7, 8, 14, 15, 21, 22, 28, 29}},
        {2025,  7, {5, 6, 12, 13, 19, 20, 26, 27}},
        {2025,  8, {2, 3, 9, 10, 16, 17, 23, 24, 30, 31}},
        {2025,  9, {6, 7, 13, 14, 20, 21, 27}},                     // Sunday 28 is worked
        {2025, 10, {1, 2, 3, 4, 5, 6, 7, 8, 12, 18, 19, 25, 26}},   // Saturday 11 is worked
        {2025, 11, {1, 2, 8, 9, 15, 16, 22, 23, 29, 30}},
        {2025, 12, {6, 7, 13, 14, 20, 21, 27, 28}},
        {2026,  1, {1, 2, 3, 10, 11, 17, 18, 24, 25, 31}},          // Sunday 4 is worked
        {2026,  2, {1, 7, 8, 15, 16, 17, 18, 19, 20, 21, 22, 23}},  // Saturdays 14 and 28 are worked
        {2026,  3, {1, 7, 8, 14, 15, 21, 22, 28, 29}},
        {2026,  4, {4, 5, 6, 11, 12, 18, 19, 25, 26}},
        {2026,  5, {1, 2, 3, 4, 5, 10, 16, 17, 23, 24, 30, 31}},    // Saturday 9 is worked
        {2026,  6, {6, 7, 13, 14, 19, 20, 21, 27, 28}},
        {2026,  7, {4, 5, 11, 12, 18, 19, 25, 26}},
        {2026,  8, {1, 2, 8, 9, 15, 16, 22, 23, 29, 30}},
        {2026,  9, {5, 6, 12, 13, 19, 25, 26, 27}},                 // Sunday 20 is worked
        {2026, 10, {1, 2, 3, 4, 5, 6, 7, 11, 17, 18, 24, 25, 31}},  // Saturday 10 is worked
        {2026, 11, {1, 7, 8, 14, 15, 21, 22, 28, 29}},
        {2026, 12, {5, 6, 12, 13, 19, 20, 26, 27}},
        // not in the shipped file: weekends only, New Year's Day (a Friday) is not
        // known until the user adds the year
        {2027,  1, {2, 3, 9, 10, 16, 17, 23, 24, 30, 31}},
    };
    return table;
}

QList<QDate> expectedRest(int year, int month, int fromDay, int toDay)
{
    for (const MonthRest& m : officialRestDays()) {
        if (m.year != year || m.month != month)
            continue;
        QList<QDate> out;
        for (const int d : m.days) {
            if (d >= fromDay && d <= toDay)
                out.append(day(year, month, d));
        }
        return out;
    }
    ADD_FAILURE() << "no row for " << year << "-" << month;
    return {};
}

TEST(AutoRestDays, EveryMonthOfTheShippedYearsInBothStyles)
{
    const HolidayCalendar calendar = shipped();
    for (int year = 2025; year <= 2026; ++year) {
        for (int month = 1; month <= 12; ++month) {
            SCOPED_TRACE(QStringLiteral("%1-%2").arg(year).arg(month).toStdString());
            const SettlementPeriod monthStart{kMonthStartStyle, MonthKey{year, month}};
            EXPECT_EQ(restdays::autoRestDays(monthStart, calendar), expectedRest(year, month, 1, 31));

            const SettlementPeriod midMonth{kMidMonthStyle, MonthKey{year, month}};
            const MonthKey next = midMonth.secondMonth();
            EXPECT_EQ(restdays::autoRestDays(midMonth, calendar),
                      expectedRest(year, month, 16, 31) + expectedRest(next.year, next.month, 1, 15));
        }
    }
}

TEST(AutoRestDays, AListedWorkingWeekdayIsNotMarked)
{
    HolidayCalendar calendar;
    calendar.set(day(2025, 9, 17), {true, QStringLiteral("上班")});
    calendar.set(day(2025, 9, 18), {false, QStringLiteral("公司日")});
    EXPECT_EQ(restdays::autoRestDays({day(2025, 9, 17), day(2025, 9, 18), day(2025, 9, 19), day(2025, 9, 20)}, calendar),
              (QList<QDate>{day(2025, 9, 18), day(2025, 9, 20)}));
}

TEST(ClickableDays, AreExactlyTheDaysTheCalendarLetsTheUserMark)
{
    struct Row {
        int style;
        const char* year;
        const char* month;
        QDate first;
        QDate last;
    };
    const std::vector<Row> rows = {
        {1, "2025", "2", day(2025, 2, 1), day(2025, 2, 28)},
        {1, "2024", "2", day(2024, 2, 1), day(2024, 2, 29)},
        {2, "2025", "12", day(2025, 12, 16), day(2026, 1, 15)},
        {2, "2026", "1", day(2026, 1, 16), day(2026, 2, 15)},
        {1, "2100", "12", day(2100, 12, 1), day(2100, 12, 31)},
        // the end of the calendar: January 2101 cannot be drawn, so not marked
        {2, "2100", "12", day(2100, 12, 16), day(2100, 12, 31)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(QStringLiteral("%1 %2-%3").arg(row.style).arg(row.year, row.month).toStdString());
        SettlementCalendar calendar;
        calendar.setStyle(row.style);
        calendar.DrawSettlementCalendar(monthfile::shownMonth(QString::fromUtf8(row.year), QString::fromUtf8(row.month)));
        ASSERT_TRUE(calendar.period());
        const QList<QDate> clickable = restdays::clickableDays(*calendar.period());
        ASSERT_FALSE(clickable.isEmpty());
        EXPECT_EQ(clickable.first(), row.first);
        EXPECT_EQ(clickable.last(), row.last);
        EXPECT_EQ(clickable.size(), row.first.daysTo(row.last) + 1);
        for (const QDate& d : clickable)
            EXPECT_TRUE(calendar.markRestDate(d).ok()) << d.toString(Qt::ISODate).toStdString();
        EXPECT_FALSE(calendar.markRestDate(row.first.addDays(-1)).ok());
        EXPECT_FALSE(calendar.markRestDate(row.last.addDays(1)).ok());
    }
}

TEST(ShowMarks, ReplacesTheCalendarsMarksAndReadsThemBack)
{
    SettlementCalendar calendar;
    calendar.DrawSettlementCalendar(MonthKey{2025, 9});
    ASSERT_TRUE(calendar.markRestDate(day(2025, 9, 17)).ok());
    restdays::showMarks(calendar, {day(2025, 10, 1), day(2025, 9, 20), day(2025, 9, 1), day(2025, 10, 30)});
    // 9-1 and 10-30 lie outside the period; 9-17 was cleared
    EXPECT_EQ(restdays::markedDays(calendar), (QList<QDate>{day(2025, 9, 20), day(2025, 10, 1)}));
    int coloured = 0;
    for (const DayCell& cell : calendar.drawing().cells)
        coloured += cell.colour == kRestDayColour ? 1 : 0;
    EXPECT_EQ(coloured, 2);
    restdays::showMarks(calendar, {});
    EXPECT_TRUE(restdays::markedDays(calendar).isEmpty());
}

TEST(CellDate, EveryDrawnLabelNamesItsDay)
{
    struct Row {
        int style;
        const char* year;
        const char* month;
        int index;
        QDate date;
    };
    const std::vector<Row> rows = {
        {2, "2025", "9", 1, day(2025, 9, 1)},     // September 2025 begins on a Monday
        {2, "2025", "9", 30, day(2025, 9, 30)},
        {2, "2025", "9", 31, QDate()},            // after the month's end
        {2, "2025", "9", 0, QDate()},             // before day 1
        {2, "2025", "9", 45, day(2025, 10, 1)},   // October begins on a Wednesday
        {1, "2025", "12", 42 + 4, day(2026, 1, 1)},
        {2, "2100", "12", 42 + 5, day(2100, 12, 3)}, // the repeated December 2100
        {2, "2025", "9", 84, QDate()},
        {2, "2025", "9", -1, QDate()},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(QStringLiteral("%1-%2 cell %3").arg(row.year, row.month).arg(row.index).toStdString());
        SettlementCalendar calendar;
        calendar.setStyle(row.style);
        calendar.DrawSettlementCalendar(monthfile::shownMonth(QString::fromUtf8(row.year), QString::fromUtf8(row.month)));
        EXPECT_EQ(restdays::cellDate(calendar, row.index), row.date);
    }
    SettlementCalendar none;
    none.DrawSettlementCalendar(std::nullopt);
    EXPECT_EQ(restdays::cellDate(none, 10), QDate());
}
