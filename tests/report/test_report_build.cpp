// Building the report: which picker entries it covers, in which order, and how
// the window follows and stops it.

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
