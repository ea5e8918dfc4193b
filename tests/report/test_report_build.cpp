// Building the report: which picker entries it covers, in which order, and how
// the window follows and stops it.

#include "base/TextFile.h"
#include "import/PunchTable.h"
#include "report/ReportAnalysis.h"
#include "support/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <atomic>
#include <gtest/gtest.h>

using namespace tarnby;
using namespace tarnby::report;

namespace {

QList<PickerEntry> entriesOf(const QStringList& texts)
{
    QList<PickerEntry> entries;
    for (const QString& text : texts)
        entries.append(PickerEntry::fromText(text));
    return entries;
}

TEST(ReportEntries, PickerOrderEachOnceWithoutThePlaceholder)
{
    const struct {
        QStringList picker;
        QStringList covered;
    } cases[] = {
        {{"====请选择===="}, {}},
        {{"0002 李四", "0001 张三"}, {"0002 李四", "0001 张三"}},
        // an employee exported in two runs appears twice in the picker
        {{"0001 张三", "0002 李四", "0001 张三", "9 未登记"}, {"0001 张三", "0002 李四", "9 未登记"}},
        {{}, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(pickerTexts(reportEntries(entriesOf(c.picker))), c.covered) << c.picker.join(u'|').toStdString();
}

class Build : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(home.writeInit(testsupport::initLines("A2B2", {"0001,张三", "0002,李四"})));
        for (const char* number : {"0001", "0002", "0001"})
            for (const char* time : {"08:20:00", "12:01:00", "13:50:00", "17:05:00"})
                table.append(tarnby::Punch{QString::fromLatin1(number), QStringLiteral("2026-11-02"), QString::fromLatin1(time)});
        setting.period.style = kMonthStartStyle;
        setting.period.start = MonthKey{2026, 11};
        setting.restDays[7] = true;
    }

    testsupport::ProgramFolder home;
    PunchTable table;
    ReportSetting setting;
    const QList<PickerEntry> picker = entriesOf({"0001 张三", "0002 李四", "0001 张三"});
};

TEST_F(Build, EveryEmployeeOnceWithProgressAndThePeriodsDays)
{
    QList<ReportProgress> seen;
    const QDateTime made(QDate(2026, 12, 1), QTime(9, 30));
    const ReportBuild build = buildReport(home.path(), table, picker, setting,
                                          {.progress = [&seen](const ReportProgress& p) { seen.append(p); },
                                           .clock = [made] { return made; }});
    ASSERT_TRUE(build.ok()) << build.error.toStdString();
    ASSERT_EQ(build.report.employees.size(), 2);
    EXPECT_EQ(build.report.employees.at(1).employee, QStringLiteral("0002 李四"));
    ASSERT_EQ(seen.size(), 2);
    EXPECT_EQ(seen.last().done, 2);
    EXPECT_EQ(seen.last().total, 2);
    const EmployeeReport& first = build.report.employees.first();
    ASSERT_EQ(first.rows.size(), 30);
    EXPECT_EQ(first.rowDates.first(), QDate(2026, 11, 1));
    EXPECT_EQ(first.rowDates.last(), QDate(2026, 11, 30));
    EXPECT_EQ(build.report.restDates, QList<QDate>{QDate(2026, 11, 7)});
    EXPECT_FALSE(build.report.version.isEmpty());
    EXPECT_EQ(build.report.made, made);
}

// Departments and holidays come from the program folder; an entry without a
// punch in the period stays in the report, saying so, and never 全勤.
TEST_F(Build, DepartmentsHolidaysAndTheEmployeeWithoutPunches)
{
    ASSERT_TRUE(textfile::writeUtf8Lines(QDir(home.path()).filePath("Schedules.json"),
                                         {R"({"version": 1, "shifts": [], "employees": [)",
                                          R"({"number": "2", "department": "财务部"},)",
                                          R"({"number": "0001", "department": "生产部"}]})"})
                    .ok());
    ASSERT_TRUE(textfile::writeUtf8Lines(QDir(home.path()).filePath("Holidays.txt"),
                                         {"2026-11-02 公司假日", "2026-11-08 上班"})
                    .ok());
    const ReportBuild build = buildReport(home.path(), table, picker + QList<PickerEntry>{PickerEntry::fromText("0003 王五")}, setting);
    ASSERT_TRUE(build.ok()) << build.error.toStdString();
    const QList<EmployeeReport>& e = build.report.employees;
    ASSERT_EQ(e.size(), 3);
    EXPECT_EQ(build.report.departments, QStringList({"财务部", "生产部"}));
    EXPECT_EQ(e.at(0).department, QStringLiteral("生产部"));
    EXPECT_EQ(e.at(1).department, QStringLiteral("财务部"));
    // the holiday's four punches are paid from the first minute: 08:20-17:05 less the break
    EXPECT_EQ(e.at(0).extra.overtimeHoliday, 390);
    EXPECT_EQ(e.at(0).figures.size(), e.at(0).rows.size());
    EXPECT_TRUE(e.at(2).noPunches);
    EXPECT_FALSE(e.at(2).fullAttendance);
    const struct {
        int day;
        bool offDay;
    } days[] = {{1, true}, {2, true}, {3, false}, {7, true}, {8, false}, {30, false}};
    ASSERT_EQ(build.report.periodDays.size(), 30);
    for (const auto& d : days)
        EXPECT_EQ(build.report.periodDays.at(d.day - 1).offDay, d.offDay) << d.day;
}

TEST_F(Build, StopsWhenCancelled)
{
    bool cancel = false;
    int calls = 0;
    const ReportBuild build = buildReport(home.path(), table, picker, setting,
                                          {.progress =
                                               [&](const ReportProgress&) {
                                                   ++calls;
                                                   cancel = true;
                                               },
                                           .cancelled = [&cancel] { return cancel; }});
    EXPECT_EQ(build.status, ReportBuild::Status::Cancelled);
    EXPECT_EQ(calls, 1);
}

TEST_F(Build, AnUnreadableProgramFolderFailsWithItsMessage)
{
    QFile::remove(home.init());
    const ReportBuild build = buildReport(home.path(), table, picker, setting);
    EXPECT_EQ(build.status, ReportBuild::Status::Failed);
    EXPECT_FALSE(build.error.isEmpty());
}

} // namespace
