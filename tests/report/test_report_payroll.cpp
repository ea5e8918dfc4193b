// What payroll reads beyond the statistics: hours from minutes, the lines of
// 汇总 by department with sums that add up, the grid's symbols, the row of an
// employee without punches, and the names the window remembers.

#include "report/ReportGrid.h"
#include "report/ReportPayroll.h"
#include "report/ReportSigners.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tarnby;
using namespace tarnby::report;

namespace {

TEST(Hours, TenthsOfAnHourHalfATenthUp)
{
    const std::pair<int, const char*> cases[] = {
        {0, "0.0"}, {1, "0.0"}, {3, "0.1"}, {29, "0.5"}, {44, "0.7"}, {45, "0.8"}, {60, "1.0"}, {570, "9.5"},
    };
    for (const auto& [minutes, hours] : cases)
        EXPECT_EQ(hoursText(hourTenths(minutes)), QString::fromUtf8(hours)) << minutes;
}

// An employee of `department` with one late day (or none), 40 minutes of
// weekday overtime, and a fine of 5 yuan.
EmployeeReport worker(const QString& name, const QString& department, bool punched = true)
{
    EmployeeReport e;
    e.employee = name;
    e.department = department;
    e.noPunches = !punched;
    e.values[2] = 1;
    e.values[8] = 0.5;
    e.fullAttendance = name.endsWith(u'+');
    e.fineTotal = 500;
    e.extra.lateMinutes = 7;
    e.extra.overtimeWorkday = 40;
    return e;
}

TEST(SummaryLines, DepartmentsInTheirOrderEachWithItsSubtotalAndTheTotalLast)
{
    const struct {
        const char* name;
        QList<EmployeeReport> employees;
        bool byDepartment;
        QStringList shown;
    } cases[] = {
        {"not asked: picker order", {worker("a", "财务部"), worker("b", "生产部")}, false, {"a", "b"}},
        {"asked, nobody has a department: nothing changes", {worker("a", ""), worker("b", "")}, true, {"a", "b"}},
        {"grouped in the order Schedules.json names them, 未分部门 last",
         {worker("a", ""), worker("b", "财务部"), worker("c+", "生产部"), worker("d", "生产部")},
         true,
         {"c+", "d", "生产部 小计（2人）", "b", "财务部 小计（1人）", "a", "未分部门 小计（1人）", "合计（4人）"}},
    };
    for (const auto& c : cases) {
        Report report;
        report.departments = {"生产部", "财务部"};
        report.employees = c.employees;
        report.byDepartment = c.byDepartment;
        QStringList shown;
        SummaryLine since;
        since.people = 0;
        for (const SummaryLine& line : summaryLines(report)) {
            const QStringList texts = summaryTexts(report, line);
            shown.append(texts.first());
            if (!line.isSum()) {
                since.fineTotal += line.fineTotal;
                since.people += 1;
                since.fullAttendance += line.fullAttendance;
                continue;
            }
            // A subtotal is the sum of the lines shown above it since the last one.
            const int people = line.kind == SummaryLine::Kind::Total ? int(report.employees.size()) : since.people;
            EXPECT_EQ(line.people, people) << c.name;
            EXPECT_EQ(line.fineTotal, 500 * people) << c.name;
            EXPECT_EQ(texts.at(2 + 1), QString::number(people)) << c.name; // 上班迟到10分钟内
            EXPECT_EQ(texts.at(9), QString::number(0.5 * people)) << c.name;
            EXPECT_EQ(texts.at(13), QStringLiteral("%1人").arg(line.kind == SummaryLine::Kind::Total ? 1 : since.fullAttendance));
            EXPECT_EQ(texts.at(16), QString::number(7 * people)) << c.name;
            EXPECT_EQ(texts.at(19), hoursText(7 * people)) << c.name; // 40 minutes are 0.7 hours each
            since = SummaryLine();
            since.people = 0;
        }
        EXPECT_EQ(shown, c.shown) << c.name;
    }
}

TEST(SummaryLines, AnEmployeeWithoutPunchesSaysSoInsteadOfZeros)
{
    Report report;
    report.employees = {worker("0009 赵九", "生产部", false)};
    const QStringList texts = summaryTexts(report, summaryLines(report).first());
    ASSERT_EQ(texts.size(), allSummaryHeaders().size());
    EXPECT_EQ(texts.at(1), QStringLiteral("本期无打卡记录"));
    EXPECT_EQ(texts.mid(2, 11), QStringList(11, QString()));
    EXPECT_EQ(texts.at(13), QStringLiteral("无"));
    EXPECT_EQ(texts.at(15), QStringLiteral("生产部"));
    EXPECT_EQ(texts.mid(16), QStringList(6, QString()));
}

TEST(DayMarks, TheRemarkWordsAndTheRestColourInTheirOrder)
{
    const struct {
        const char* remark;
        bool rest;
        const char* symbols;
    } cases[] = {
        {"", false, "√"},
        {"*罚款50元", false, "√"},
        {"*罚款迟到5元", false, "√"}, // the fine's amount is the clerk's text, never a word
        {"迟到", false, "迟"},
        {"*值日/漏打/迟到", false, "迟漏值"},
        {"*/病假", false, "病"},
        {"事假/旷工", false, "事旷"},
        {"迟到/早退/罚款20元", false, "迟退"},
        {"", true, "休"},
        {"加班", true, "休加"},
        {"值日/加班", false, "加值"},
    };
    for (const auto& c : cases) {
        ResultRow row;
        row.cells[ColRemark] = QString::fromUtf8(c.remark);
        if (c.rest)
            row.colors[ColWeekday] = kColorRestDay;
        EXPECT_EQ(marksText(dayMarks(row)), QString::fromUtf8(c.symbols)) << c.remark;
    }
}

TEST(Signers, RememberedInTheProgramFolderAndRefusedWhenUnreadable)
{
    QTemporaryDir home;
    EXPECT_EQ(signers::load(home.path()).value(), Signers{});
    ASSERT_TRUE(signers::save(home.path(), {"王会计", "李 经理"}).ok());
    EXPECT_EQ(signers::load(home.path()).value(), (Signers{"王会计", "李 经理"}));

    QFile file(signers::filePath(home.path()));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("制表人\t王会计\r\n审核\t李经理\r\n");
    file.close();
    const Result<Signers> bad = signers::load(home.path());
    ASSERT_FALSE(bad.ok());
    EXPECT_TRUE(bad.error().contains(QStringLiteral("第2行"))) << bad.error().toStdString();

    EXPECT_TRUE(signers::nameFault(QStringLiteral("王会计")).isEmpty());
    EXPECT_FALSE(signers::nameFault(QStringLiteral("王\n会计")).isEmpty());
    EXPECT_FALSE(signers::nameFault(QString(21, u'王')).isEmpty());
}

} // namespace
