#include "settings/DutyMonth.h"
#include "settings/DutyRoster.h"
#include "support/ProgramFolder.h"
#include "support/Unprivileged.h"

#include <gtest/gtest.h>

using namespace tarnby;
using testsupport::gbk;
using testsupport::ProgramFolder;

namespace {

// The page names the month by its year and month boxes.
Outcome saveFromBoxes(const DutyRoster& roster, const QString& dir, const QString& year, const QString& month)
{
    const Result<MonthKey> key = monthfile::fromBoxes(year, month);
    return key ? roster.SaveDutyRoster(dir, *key) : key.outcome();
}

QByteArray linesOf(const QStringList& lines)
{
    QByteArray out;
    for (const QString& l : lines)
        out += gbk(l) + "\r\n";
    return out;
}

QList<PickerEntry> picker(int count)
{
    QList<PickerEntry> entries;
    for (int i = 1; i <= count; ++i)
        entries.append(dutyPickerEntry(QStringLiteral("S%1").arg(i, 2, 10, QLatin1Char('0')), QStringLiteral("员工"), i));
    return entries;
}

TEST(DutyMonthTest, PickerEntriesShowRosterTextsAsTheyStand)
{
    const struct {
        const char* number;
        const char* name;
        int position;
        const char* entry;
    } rows[] = {
        {"e02", "张三", 7, "E02 张三(7)"},
        {"E02", "X%1", 7, "E02 X%1(7)"},
        {"%2", "%1%3", 12, "%2 %1%3(12)"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(dutyPickerEntry(QString::fromUtf8(row.number), QString::fromUtf8(row.name), row.position).text(),
                  QString::fromUtf8(row.entry));
    }
}

TEST(DutyRosterTest, ReadingRuleSkipsEmptyLinesAndLaterLinesWin)
{
    DutyRoster roster;
    ASSERT_TRUE(roster.readLines({"05S001", "", "00X", "05S002", "310001", "07"}).ok());
    EXPECT_EQ(roster.entry(5), QStringLiteral("S002"));
    EXPECT_EQ(roster.entry(0), QStringLiteral("X"));
    EXPECT_EQ(roster.entry(31), QStringLiteral("0001"));
    EXPECT_EQ(roster.entry(7), QString());
    EXPECT_EQ(roster.entry(6), kNobodyOnDuty);
}

TEST(DutyRosterTest, ALineWithoutADayNumberIsAnErrorAndTheTableStays)
{
    struct Row {
        const char* name;
        QString line;
    };
    const Row rows[] = {
        {"day above 31", "32S001"},
        {"letters instead of a day", "ab0001"},
        {"one digit only", "5"},
        {"a day written with one digit", "5S001"},
        {"a leading space", " 5S001"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        DutyRoster roster;
        roster.setEntry(3, QStringLiteral("KEEP"));
        const Outcome outcome = roster.readLines({"01S001", row.line});
        EXPECT_FALSE(outcome.ok());
        EXPECT_TRUE(outcome.text.contains(QStringLiteral("第 2 行")));
        EXPECT_EQ(roster.entry(3), QStringLiteral("KEEP"));
        EXPECT_EQ(roster.entry(1), kNobodyOnDuty);
    }
}

class DutyFileTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.valid()); }
    ProgramFolder folder;
};

TEST_F(DutyFileTest, FebruaryIsSavedWithThirtyOneLinesKeepingWhatTheLoadLeft)
{
    QStringList stored;
    for (int d = 1; d <= 31; ++d)
        stored.append(QStringLiteral("%1").arg(d, 2, 10, QLatin1Char('0')) + (d == 30 ? "S009" : "0000"));
    folder.write(QStringLiteral("201302.zra"), linesOf(stored));

    DutyRoster roster;
    ASSERT_TRUE(roster.LoadDutyRoster(folder.path(), monthfile::shownMonth("2013", "2")).ok());
    roster.setEntry(5, QStringLiteral("张S1"));
    const Outcome saved = saveFromBoxes(roster, folder.path(), "2013", "02");
    ASSERT_TRUE(saved.ok());
    EXPECT_EQ(saved.text, kDutyRosterSaved);
    stored[4] = QStringLiteral("05张S1");
    EXPECT_EQ(folder.read(QStringLiteral("201302.zra")), linesOf(stored));
}

TEST_F(DutyFileTest, EveryLoadStartsFromNobody)
{
    folder.write(QStringLiteral("201303.zra"), "01A\r\n");
    DutyRoster roster;
    roster.setEntry(2, QStringLiteral("OLD"));
    ASSERT_TRUE(roster.LoadDutyRoster(folder.path(), MonthKey{2013, 3}).ok());
    EXPECT_EQ(roster.entry(1), QStringLiteral("A"));
    EXPECT_EQ(roster.entry(2), kNobodyOnDuty);
    roster.setEntry(2, QStringLiteral("OLD"));
    ASSERT_TRUE(roster.LoadDutyRoster(folder.path(), MonthKey{2013, 4}).ok()); // no file: nobody on duty
    EXPECT_EQ(roster.entries(), DutyRoster().entries());
}

TEST_F(DutyFileTest, AMalformedFileIsReportedAndTheTableStays)
{
    folder.write(QStringLiteral("201303.zra"), "01A\r\nxx\r\n");
    DutyRoster roster;
    roster.setEntry(9, QStringLiteral("KEEP"));
    const Outcome outcome = roster.LoadDutyRoster(folder.path(), MonthKey{2013, 3});
    EXPECT_FALSE(outcome.ok());
    EXPECT_TRUE(outcome.text.contains(QStringLiteral("201303.zra")));
    EXPECT_EQ(roster.entry(9), QStringLiteral("KEEP"));
    EXPECT_EQ(roster.entry(1), kNobodyOnDuty);
}

TEST_F(DutyFileTest, RefusedSavesChangeNothing)
{
    const QByteArray before = "01OLD\r\n";
    folder.write(QStringLiteral("201303.zra"), before);
    DutyRoster roster;
    roster.setEntry(1, QStringLiteral("NEW"));
    EXPECT_FALSE(saveFromBoxes(roster, folder.path(), "2013", "13").ok());
    EXPECT_FALSE(saveFromBoxes(roster, folder.path(), "1900", "03").ok());
    roster.setEntry(2, QStringLiteral("坏🙂"));
    EXPECT_FALSE(saveFromBoxes(roster, folder.path(), "2013", "03").ok());
    EXPECT_EQ(folder.read(QStringLiteral("201303.zra")), before);

    folder.removeSrDate();
    const Outcome missing = roster.SaveDutyRoster(folder.path(), MonthKey{2013, 3});
    EXPECT_FALSE(missing.ok());
    EXPECT_TRUE(missing.text.contains(QStringLiteral("SrDate")));
    EXPECT_FALSE(QDir(folder.srDate()).exists());
}

TEST_F(DutyFileTest, SaveIntoAReadOnlyFolderFailsAndKeepsTheOldFile)
{
    const QByteArray before = "01OLD\r\n";
    folder.write(QStringLiteral("201303.zra"), before);
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther
                                             | QFile::ExeOther);
    QFile::setPermissions(folder.srDate(), QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
    QFile::setPermissions(folder.srDate(QStringLiteral("201303.zra")), QFile::ReadOwner | QFile::ReadOther);
    const QString dir = folder.path();
    const bool failed = testsupport::asUnprivilegedUser([&] {
        const Outcome out = DutyRoster().SaveDutyRoster(dir, MonthKey{2013, 3});
        return !out.ok() && out.text.contains(QStringLiteral("201303.zra"));
    });
    QFile::setPermissions(folder.srDate(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_TRUE(failed);
    EXPECT_EQ(folder.read(QStringLiteral("201303.zra")), before);
}

TEST(DutyMonthTest, DayOneStandsUnderItsWeekdayAndTheMonthEndsInTime)
{
    struct Row {
        const char* name;
        QString year;
        QString month;
        int firstCell;
        int lastCell;
    };
    const Row rows[] = {
        {"a month starting on Sunday", "2013", "9", 0, 29},          // 2013-09-01 is a Sunday
        {"a month starting on Saturday", "2013", "6", 6, 35},        // 2013-06-01 is a Saturday
        {"31 days from Friday run into the sixth row", "2013", "3", 5, 35},
        {"31 days from Saturday end on the last cell but six", "2012", "12", 6, 36},
        {"February of a leap year", "2012", "2", 3, 31},
        {"February 2100 has 28 days", "2100", "2", 1, 28},
    };
    const DutyRoster roster;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto grid = DrawDutyMonth(roster, monthfile::shownMonth(row.year, row.month), {});
        ASSERT_TRUE(grid.has_value());
        for (int i = 0; i < kDutyGridCells; ++i) {
            const DayCell& cell = grid->at(std::size_t(i));
            const bool inMonth = i >= row.firstCell && i <= row.lastCell;
            EXPECT_EQ(cell.enabled, inMonth) << i;
            EXPECT_EQ(cell.caption, inMonth ? QString::number(i - row.firstCell + 1) : QString()) << i;
            EXPECT_EQ(cell.colour, kPlainDayColour);
        }
    }
}

TEST(DutyMonthTest, BoxesNamingNoMonthLeaveTheGridAlone)
{
    const DutyRoster roster;
    EXPECT_FALSE(DrawDutyMonth(roster, monthfile::shownMonth("1900", "5"), {}).has_value());
    EXPECT_FALSE(DrawDutyMonth(roster, monthfile::shownMonth("2101", "5"), {}).has_value());
    EXPECT_FALSE(DrawDutyMonth(roster, monthfile::shownMonth("2013", "0"), {}).has_value());
    EXPECT_FALSE(DrawDutyMonth(roster, monthfile::shownMonth("2013", "13"), {}).has_value());
}

TEST(DutyMonthTest, DaysTakeTheColourOfTheirEmployeesPickerPosition)
{
    DutyRoster roster;
    const QList<PickerEntry> entries = picker(20) << dutyPickerEntry("S02", QStringLiteral("重复"), 21);
    roster.setEntry(1, "S01");  // 2013-09-01 on cell 0
    roster.setEntry(2, "S19");  // the 19th employee wraps to the first colour
    roster.setEntry(3, "S02");  // listed twice: the later entry (position 20) wins
    roster.setEntry(4, "GONE"); // no longer in the roster: grey
    roster.setEntry(5, "s01");  // numbers match exactly
    const auto grid = DrawDutyMonth(roster, monthfile::shownMonth("2013", "09"), entries);
    ASSERT_TRUE(grid.has_value());
    EXPECT_EQ(grid->at(0).colour, (Rgb{128, 0, 128}));
    EXPECT_EQ(grid->at(1).colour, (Rgb{128, 0, 128}));
    EXPECT_EQ(grid->at(2).colour, dutyColourForPosition(20));
    EXPECT_EQ(dutyColourForPosition(20), (Rgb{128, 128, 128}));
    EXPECT_EQ(grid->at(3).colour, kPlainDayColour);
    EXPECT_EQ(grid->at(4).colour, kPlainDayColour);
}

TEST(DutyMonthTest, ClicksSetAndClearTheDay)
{
    struct Row {
        const char* name;
        ClickButton button;
        QList<PickerEntry> entries;
        int selected;
        bool ok;
        std::optional<Rgb> colour;
        QString entryAfter;
    };
    const QList<PickerEntry> entries = picker(19);
    const Row rows[] = {
        {"left puts the selected employee on duty", ClickButton::Left, entries, 1, true, Rgb{0, 128, 0}, "S02"},
        {"left with the 19th employee uses the first colour", ClickButton::Left, entries, 18, true, Rgb{128, 0, 128},
         "S19"},
        {"right clears the day", ClickButton::Right, entries, 1, true, kPlainDayColour, kNobodyOnDuty},
        {"right works without a roster", ClickButton::Right, {}, -1, true, kPlainDayColour, kNobodyOnDuty},
        {"other buttons do nothing", ClickButton::Other, entries, 1, true, std::nullopt, "OLD"},
        {"left with an empty picker is an error", ClickButton::Left, {}, -1, false, std::nullopt, "OLD"},
        {"left with nothing selected is an error", ClickButton::Left, entries, -1, false, std::nullopt, "OLD"},
        {"left with a picker text without a space is an error", ClickButton::Left, {{"S01", {}}}, 0, false,
         std::nullopt, "OLD"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        DutyRoster roster;
        roster.setEntry(12, QStringLiteral("OLD"));
        const auto click = clickDutyDay(roster, 12, row.button, row.entries, row.selected);
        ASSERT_EQ(click.ok(), row.ok);
        if (row.ok) {
            EXPECT_EQ(click.value(), row.colour);
        }
        EXPECT_EQ(roster.entry(12), row.entryAfter);
    }
    DutyRoster roster;
    EXPECT_EQ(clickDutyDay(roster, 12, ClickButton::Left, {}, -1).error(), kNoDutyEmployeeMessage);
}

} // namespace
