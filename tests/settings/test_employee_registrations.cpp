#include "settings/EmployeeRegistrations.h"
#include "support/ProgramFolder.h"

#include <gtest/gtest.h>

using namespace tarnby;
using testsupport::gbk;
using testsupport::ProgramFolder;

namespace {

// The work list as the analysis gets it; a line that is no registration
// never reaches it.
QList<Registration> registrationsOf(const QStringList& lines)
{
    QList<Registration> out;
    for (const QString& line : lines) {
        if (const Result<Registration> r = Registration::fromLine(line))
            out.append(r.value());
    }
    return out;
}

TEST(EmployeeRegistrationsTest, DetailRowsForTheEmployeeAndForEveryone)
{
    const QList<Registration> work = registrationsOf({
        QStringLiteral("1##02月20日##张三##忘记打卡##不计漏打1次"),
        QStringLiteral("0002##02月21日##李四##病##病假1天"),
        QStringLiteral("0000##02月22日##全体员工##停电##不计旷工1天"),
        QStringLiteral("坏行"),
        QStringLiteral("A1##02月23日##王五##x##处罚5元"),
    });
    const auto mine = ShowEmployeeRegistrations(work, {"0001", "张三"});
    ASSERT_EQ(mine.size(), 2);
    EXPECT_EQ(mine.at(0), (EmployeeRegistrationRow{"01", QStringLiteral("02月20日"), QStringLiteral("忘记打卡"),
                                                   QStringLiteral("不计漏打1次")}));
    EXPECT_EQ(mine.at(1).serial, QStringLiteral("02"));
    EXPECT_EQ(mine.at(1).reason, QStringLiteral("停电"));

    EXPECT_EQ(ShowEmployeeRegistrations(work, {"a1", "某人"}).size(), 1); // only 0000
    EXPECT_TRUE(ShowEmployeeRegistrations({}, {"0001", "张三"}).isEmpty());
}

TEST(EmployeeRegistrationsTest, TheMethodColumnShowsTheFifthFieldAlone)
{
    struct Row {
        const char* name;
        QString line;
        QString method;
    };
    const Row rows[] = {
        {"five fields", QStringLiteral("1##02月20日##张三##忘记打卡##不计漏打1次"), QStringLiteral("不计漏打1次")},
        {"fields after the fifth are not shown", QStringLiteral("1##02月20日##张三##病##病假1天##附注"),
         QStringLiteral("病假1天")},
        {"an empty fifth field stays empty", QStringLiteral("1##02月20日##张三##病####附注"), QString()},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto shown = ShowEmployeeRegistrations(registrationsOf({row.line}), {"0001", "张三"});
        ASSERT_EQ(shown.size(), 1);
        EXPECT_EQ(shown.at(0).date, QStringLiteral("02月20日"));
        EXPECT_EQ(shown.at(0).method, row.method);
    }
}

TEST(EmployeeRegistrationsTest, SerialNumbersKeepTwoDigitsAndGrowBeyond)
{
    QStringList lines;
    for (int i = 0; i < 101; ++i)
        lines.append(QStringLiteral("0000##02月01日##全体员工##r##m"));
    const QList<Registration> work = registrationsOf(lines);
    const auto rows = ShowEmployeeRegistrations(work, {"7", "x"});
    ASSERT_EQ(rows.size(), 101);
    EXPECT_EQ(rows.at(8).serial, QStringLiteral("09"));
    EXPECT_EQ(rows.at(100).serial, QStringLiteral("101"));
}

class WorkListTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.valid());
        folder.write(QStringLiteral("201312.ydj"), gbk(QStringLiteral("1##12月15日##甲##a##m\r\n"
                                                                      "\r\n"
                                                                      "1##12月16日##甲##b##m\r\n"
                                                                      "1##12月31日##甲##c##m\r\n")));
        folder.write(QStringLiteral("201401.ydj"), gbk(QStringLiteral("1##01月15日##甲##d##m\r\n"
                                                                      "1##01月16日##甲##e##m\r\n"
                                                                      "1##01月01日##甲##f##m\r\n")));
    }
    QStringList reasons(const QList<Registration>& registrations)
    {
        QStringList out;
        for (const Registration& r : registrations)
            out.append(r.reason);
        return out;
    }
    ProgramFolder folder;
};

TEST_F(WorkListTest, PeriodsTakeTheirLinesFromOneOrTwoMonthFiles)
{
    struct Row {
        const char* name;
        SettlementPeriod period;
        QStringList reasons;
    };
    const Row rows[] = {
        {"month-start style takes every line of the month", {kMonthStartStyle, {2013, 12}}, {"a", "b", "c"}},
        {"mid-month style in December continues with January of the next year",
         {kMidMonthStyle, {2013, 12}},
         {"b", "c", "d", "f"}},
        {"a month without a file adds nothing", {kMidMonthStyle, {2013, 11}}, {"a"}},
        {"no files at all", {kMonthStartStyle, {2015, 6}}, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto work = RegistrationWorkList(folder.path(), row.period);
        ASSERT_TRUE(work.ok()) << work.error().toStdString();
        EXPECT_EQ(reasons(work.value()), row.reasons);
    }
}

TEST_F(WorkListTest, LinesAreHandedOverAsStored)
{
    const auto work = RegistrationWorkList(folder.path(), SettlementPeriod{kMonthStartStyle, {2014, 1}});
    ASSERT_TRUE(work.ok());
    EXPECT_EQ(work->first().line(), QStringLiteral("1##01月15日##甲##d##m"));
}

TEST_F(WorkListTest, AMalformedFileIsReportedNotSilentlyDropped)
{
    folder.write(QStringLiteral("201401.ydj"), gbk(QStringLiteral("1##01月15日##甲\r\n")));
    const auto work = RegistrationWorkList(folder.path(), SettlementPeriod{kMidMonthStyle, {2013, 12}});
    ASSERT_FALSE(work.ok());
    EXPECT_TRUE(work.error().contains(QStringLiteral("201401.ydj")));
}

} // namespace
