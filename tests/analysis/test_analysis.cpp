#include "AnalysisTestSupport.h"

#include "analysis/Analysis.h"
#include "analysis/ResultList.h"
#include "base/TextFile.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <algorithm>
#include <map>
#include <vector>

using namespace tarnby;
using namespace analysistest;

namespace {

DutyTable nobodyOnDuty()
{
    DutyTable t;
    t.fill(kNobodyOnDuty);
    return t;
}

AnalysisRequest requestFor(const PunchTable& table, const QString& picker, int style, int year, int month,
                           const RestDayFlags& flags = {})
{
    AnalysisRequest r;
    r.employee = PickerEntry::fromText(picker);
    r.punches = &table;
    r.timeFields = sampleTimeFields();
    r.days = periodDays(style, year, month, flags);
    return r;
}

AnalysisResult analysed(const AnalysisRequest& request)
{
    Result<AnalysisResult> result = AnalyseTimeMode1(request);
    EXPECT_TRUE(result.ok()) << result.error().toStdString();
    return result.ok() ? result.value() : AnalysisResult{};
}

const ResultRow* rowOn(const AnalysisResult& result, const char* date)
{
    for (const ResultRow& row : result.rows) {
        if (row.cells[ColDate] == QString::fromUtf8(date))
            return &row;
    }
    return nullptr;
}

TEST(Analysis, ThePickerPlaceholderChangesNothing)
{
    const PunchTable table = tableOf({"0001##2013-03-04##08:00:00"});
    AnalysisRequest request = requestFor(table, QStringLiteral("====请选择===="), kMonthStartStyle, 2013, 3);
    for (int mode : {1, 2}) {
        request.timeMode = TimeMode(mode);
        const AnalysisResult result = analysed(request);
        EXPECT_FALSE(result.ran);
        EXPECT_TRUE(result.rows.isEmpty());
    }
}

TEST(Analysis, RowsCoverEveryDayOfThePeriod)
{
    struct Case {
        const char* name;
        int style;
        int year;
        int month;
        const char* punchDate;
        int rows;
        const char* first;
        const char* last;
    };
    const std::vector<Case> cases = {
        {"a 30-day month", kMonthStartStyle, 2013, 4, "2013-04-10", 30, "04月01日", "04月30日"},
        {"February of a leap year", kMonthStartStyle, 2012, 2, "2012-02-10", 29, "02月01日", "02月29日"},
        {"mid-month from February of a common year", kMidMonthStyle, 2013, 2, "2013-03-10", 28, "02月16日", "03月15日"},
        {"mid-month across the year end", kMidMonthStyle, 2013, 12, "2014-01-02", 31, "12月16日", "01月15日"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const PunchTable table = tableOf({QStringLiteral("0001##%1##08:00:00").arg(QString::fromUtf8(c.punchDate))});
        const AnalysisResult result = analysed(requestFor(table, "0001 张三", c.style, c.year, c.month));
        ASSERT_EQ(result.rows.size(), c.rows);
        EXPECT_EQ(result.rows.first().cells[ColDate], QString::fromUtf8(c.first));
        EXPECT_EQ(result.rows.last().cells[ColDate], QString::fromUtf8(c.last));
    }
}

TEST(Analysis, AnEmployeeWithoutPunchesInThePeriodGetsNoRows)
{
    const PunchTable table = tableOf({"0001##2013-02-28##08:00:00", "0002##2013-03-04##08:00:00"});
    AnalysisRequest request = requestFor(table, "0001 张三", kMonthStartStyle, 2013, 3);
    request.registrations = registrationsOf({"0001##03月05日##张三##r##病假1天"});
    const AnalysisResult result = analysed(request);
    EXPECT_TRUE(result.ran);
    EXPECT_TRUE(result.rows.isEmpty());
    for (int s = 0; s < StatFullAttendance; ++s)
        EXPECT_EQ(result.stats[s], QStringLiteral("0")) << s;
    EXPECT_EQ(result.stats[StatFullAttendance], QStringLiteral("无"));
    ASSERT_EQ(result.registrations.size(), 1);
    EXPECT_EQ(result.registrations.first().cells(),
              (QStringList{"01", "03月05日", "r", "病假1天"}));
}

TEST(Analysis, ARecordNumberInAnotherSpellingIsFoundForItsPickerEntry)
{
    const PunchTable table = tableOf({"15x##2013-03-04##08:00:00", "15x##2013-03-04##17:00:00"});
    const AnalysisResult result = analysed(requestFor(table, "15X 李四", kMonthStartStyle, 2013, 3));
    const ResultRow* row = rowOn(result, "03月04日");
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->cells[ColMorningIn], QStringLiteral("08:00"));
    EXPECT_EQ(row->cells[ColAfternoonOut], QStringLiteral("17:00"));
}

TEST(Analysis, TheDutyTableIsReadOncePerCalendarMonth)
{
    const PunchTable table = tableOf({"0001##2013-12-20##07:45:00"});
    AnalysisRequest request = requestFor(table, "0001 张三", kMidMonthStyle, 2013, 12);
    QList<std::pair<int, int>> asked;
    request.duty = [&asked](int year, int month) -> Result<DutyTable> {
        asked.append({year, month});
        DutyTable t = nobodyOnDuty();
        if (year == 2013 && month == 12)
            t[20] = QStringLiteral("1");
        if (year == 2014 && month == 1)
            t[20] = QStringLiteral("0001"); // the 20th of January lies outside the period
        return t;
    };
    const AnalysisResult result = analysed(request);
    EXPECT_EQ(asked, (QList<std::pair<int, int>>{{2013, 12}, {2014, 1}}));
    const ResultRow* duty = rowOn(result, "12月20日");
    ASSERT_NE(duty, nullptr);
    EXPECT_EQ(duty->cells[ColRemark], QStringLiteral("值日/迟到/漏打/旷工"));
    EXPECT_EQ(result.stats[StatDutyLateOver10], QStringLiteral("1"));
}

TEST(Analysis, NobodyOnDutyIsNeverAnEmployeeNumberedZero)
{
    for (const char* employee : {"0", "00", "0000"}) {
        SCOPED_TRACE(employee);
        const QString number = QString::fromUtf8(employee);
        const PunchTable table = tableOf({number + QStringLiteral("##2013-03-04##08:00:00")});
        AnalysisRequest request = requestFor(table, number + QStringLiteral(" 未登记"), kMonthStartStyle, 2013, 3);
        request.duty = [](int, int) -> Result<DutyTable> { return nobodyOnDuty(); };
        const AnalysisResult result = analysed(request);
        ASSERT_EQ(result.rows.size(), 31);
        for (const ResultRow& row : result.rows)
            EXPECT_FALSE(row.cells[ColRemark].contains(QStringLiteral("值日"))) << row.cells[ColDate].toStdString();
    }
}

TEST(Analysis, ADutyRosterThatCannotBeReadIsReported)
{
    const PunchTable table = tableOf({"0001##2013-03-04##08:00:00"});
    AnalysisRequest request = requestFor(table, "0001", kMonthStartStyle, 2013, 3);
    request.duty = [](int, int) { return Result<DutyTable>::failure(QStringLiteral("值日文件损坏")); };
    const Result<AnalysisResult> result = AnalyseTimeMode1(request);
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.error(), QStringLiteral("值日文件损坏"));
}

TEST(Analysis, TimeModeTwoTakesOverWithTheSameRequest)
{
    const PunchTable table = tableOf({"0001##2013-03-04##09:05:00", "0001##2013-03-04##12:00:00",
                                      "0001##2013-03-04##14:00:00", "0001##2013-03-04##21:45:00"});
    AnalysisRequest request = requestFor(table, "0001 张三", kMonthStartStyle, 2013, 3);
    request.timeMode = TimeMode::NineToFive;
    const AnalysisResult result = analysed(request);
    ASSERT_EQ(result.rows.size(), 31);
    for (const ResultRow& row : result.rows) {
        EXPECT_EQ(row.cells[ColMorningOut], kEmptySlot);
        EXPECT_EQ(row.cells[ColAfternoonIn], kEmptySlot);
    }
    const ResultRow* day = rowOn(result, "03月04日");
    ASSERT_NE(day, nullptr);
    EXPECT_EQ(day->cells[ColMorningIn], QStringLiteral("09:05"));
    EXPECT_EQ(day->cells[ColAfternoonOut], QStringLiteral("21:45"));
    EXPECT_EQ(day->cells[ColRemark], QStringLiteral("迟到/加班"));
    EXPECT_EQ(result.stats[StatOvertime2], QStringLiteral("0"));
    EXPECT_EQ(result.stats[StatAbsent], QStringLiteral("30天"));
}

std::map<int, std::uint32_t> colorsOf(const ResultRow& row)
{
    std::map<int, std::uint32_t> out;
    for (int c = 0; c < kResultColumns; ++c) {
        if (row.colors[c])
            out[c] = *row.colors[c];
    }
    return out;
}

struct RunDayCase {
    const char* name;
    int mode;
    QStringList punchTimes; // of 5 March 2013
    QStringList registrations;
    bool duty;
    bool rest;
    const char* remark;
    std::map<int, std::uint32_t> colors;
};

std::vector<RunDayCase> runDayCases()
{
    const QString reg = QStringLiteral("0001##03月05日##张三##");
    return {
        {"mode 1: a working day without punches is absent", 1, {}, {}, false, false, "旷工", {}},
        {"mode 1: a rest day without punches has no remark", 1, {}, {}, false, true, "", {{ColWeekday, kColorRestDay}}},
        {"mode 1: whole-day sick leave on a day without punches", 1, {}, {reg + "感冒##病假1天"}, false, false, "*/病假",
         {{ColRemark, kColorRegistered}}},
        {"mode 1: a registration for everybody", 1, {}, {"0000##03月05日##全体员工##停电##不计旷工1天"}, false, false, "*",
         {{ColRemark, kColorRegistered}}},
        {"mode 1: the newest line's pass reads the older line's excuse", 1, {"08:00:00", "12:00:00", "14:00:00"},
         {reg + "a##不计漏打1次", reg + "b##处罚5元"}, false, false, "*", {{ColRemark, kColorRegistered}}},
        {"mode 1: duty day 25 minutes before the on-duty time", 1, {"07:35:00", "12:00:00", "14:00:00", "17:00:00"}, {},
         true, false, "值日/迟到", {{ColMorningIn, kColorLate}}},
        {"mode 1: a rest day with half a day worked", 1, {"08:00:00", "12:00:00"}, {}, false, true, "加班",
         {{ColWeekday, kColorRestDay}}},
        {"mode 2: a half-day absence excuse sets the absence to one half", 2, {}, {reg + "a##不计旷工0.5天"}, false, false,
         "*/旷工", {{ColRemark, kColorRegistered}}},
        {"mode 2: a rest day with only the on-duty punch", 2, {"08:55:00"}, {}, false, true, "漏打/加班",
         {{ColWeekday, kColorRestDay}}},
        {"mode 2: overtime and lateness on one day", 2, {"09:05:00", "21:30:00"}, {}, false, false, "迟到/加班",
         {{ColMorningIn, kColorLate}, {ColAfternoonOut, kColorOvertime}}},
        {"mode 1: punches out of order, twice in a window and outside every window", 1,
         {"17:40:00", "08:20:00", "12:45:00", "07:55:00", "17:10:00", "12:10:00", "14:40:00", "12:10:30"}, {}, false,
         false, "迟到", {{ColAfternoonIn, kColorLate}}},
        {"mode 2: a second on-duty punch never reaches the off-duty slot", 2, {"09:45:00", "09:10:00", "16:59:00"}, {},
         false, false, "迟到/漏打", {{ColMorningIn, kColorLate}}},
    };
}

// The run of one case: 1 March with one punch (so the period has rows), 5
// March with the case's punches, listed as the case lists them.
AnalysisRequest requestForCase(const RunDayCase& c, PunchTable& table)
{
    QStringList records{QStringLiteral("0001##2013-03-01##08:00:00")};
    for (const QString& t : c.punchTimes)
        records.append(QStringLiteral("0001##2013-03-05##") + t);
    records.append(QStringLiteral("0002##2013-03-05##08:00:00"));
    table = tableOf(records);
    RestDayFlags flags{};
    flags[5] = c.rest;
    AnalysisRequest request = requestFor(table, "0001 张三", kMonthStartStyle, 2013, 3, flags);
    request.timeMode = TimeMode(c.mode);
    request.registrations = registrationsOf(c.registrations);
    const bool duty = c.duty;
    request.duty = [duty](int, int) -> Result<DutyTable> {
        DutyTable t = nobodyOnDuty();
        if (duty)
            t[5] = QStringLiteral("1");
        return t;
    };
    return request;
}

TEST(Analysis, ADayThroughTheWholeRun)
{
    for (const RunDayCase& c : runDayCases()) {
        SCOPED_TRACE(c.name);
        PunchTable table;
        const AnalysisResult result = analysed(requestForCase(c, table));
        const ResultRow* row = rowOn(result, "03月05日");
        ASSERT_NE(row, nullptr);
        EXPECT_EQ(row->cells[ColRemark], QString::fromUtf8(c.remark));
        EXPECT_EQ(colorsOf(*row), c.colors);
    }
}

// What a clerk is shown must account for the row: every punch of the day and
// nothing else, one punch behind each time shown, a rule behind every remark,
// and the result itself unchanged by the asking.
TEST(Explanation, AccountsForEveryRowOfEveryScenario)
{
    for (const RunDayCase& c : runDayCases()) {
        SCOPED_TRACE(c.name);
        PunchTable table;
        AnalysisRequest request = requestForCase(c, table);
        const AnalysisResult plain = analysed(request);
        request.explain = true;
        const AnalysisResult explained = analysed(request);
        EXPECT_TRUE(plain.explanations.isEmpty());
        EXPECT_EQ(explained.stats, plain.stats);
        ASSERT_EQ(explained.rows.size(), plain.rows.size());
        ASSERT_EQ(explained.explanations.size(), explained.rows.size());
        for (qsizetype i = 0; i < plain.rows.size(); ++i) {
            const ResultRow& row = explained.rows.at(i);
            SCOPED_TRACE(row.cells[ColDate].toStdString());
            EXPECT_EQ(row.cells, plain.rows.at(i).cells);
            EXPECT_EQ(row.colors, plain.rows.at(i).colors);
            const DayExplanation& e = explained.explanations.at(i);

            QStringList dayRecords;
            for (const Punch& p : table.records()) {
                if (p.number == QLatin1String("0001") && dayKey(p.date()) == row.cells[ColDate])
                    dayRecords.append(p.timeText);
            }
            QStringList explainedTimes;
            for (const PunchExplanation& p : e.punches) {
                explainedTimes.append(p.time);
                EXPECT_FALSE(p.why.isEmpty());
            }
            EXPECT_TRUE(std::is_sorted(explainedTimes.begin(), explainedTimes.end())) << "judged in time order";
            std::sort(dayRecords.begin(), dayRecords.end());
            EXPECT_EQ(explainedTimes, dayRecords);

            for (int slot = 0; slot < 4; ++slot) {
                QStringList behind;
                for (const PunchExplanation& p : e.punches) {
                    if (p.slot == slot)
                        behind.append(p.time.left(5));
                }
                const QString shown = row.cells[ColMorningIn + slot];
                if (shown == kEmptySlot)
                    EXPECT_TRUE(behind.isEmpty()) << slot;
                else
                    EXPECT_EQ(behind, QStringList{shown}) << slot;
            }
            if (!row.cells[ColRemark].isEmpty()) {
                EXPECT_FALSE(e.rules.isEmpty()) << row.cells[ColRemark].toStdString();
            }
        }
    }
}

// The sentences name the window, the times and the minutes the clerk is asked about.
TEST(Explanation, SentencesCarryTheTimesAndNumbers)
{
    struct Case {
        RunDayCase day;
        QStringList whys;
        QStringList rules;
    };
    const QString reg = QStringLiteral("0001##03月05日##张三##");
    const QStringList four = {"08:00:00", "12:00:00", "14:00:00", "17:00:00"};
    const std::vector<Case> cases = {
        {{"a punch outside every window", 1, {"12:45:00"}, {}, false, false, "", {}},
         {"不在任何打卡时段：比最近的 A下班 时段（12:00–12:30）晚 15 分钟，不计"}, {}},
        {{"a later punch in a window that keeps its earliest", 1, {"08:20:00", "07:55:00"}, {}, false, false, "", {}},
         {"A上班 时段（07:00–09:00）内最早的一次，计为 A上班",
          "A上班 时段（07:00–09:00）内已有更早的 07:55，保留最早的一次，本次不计"},
         {}},
        {{"an off-duty punch replaced by a later one", 1, {"17:40:00", "17:10:00"}, {}, false, false, "", {}},
         {"P下班 时段（17:00 以后）内，被更晚的 17:40 取代（保留最晚的一次）"}, {}},
        {{"lateness tiers with their minutes", 1, {"08:05:00", "12:00:00", "14:20:00", "17:00:00"}, {}, false, false, "", {}},
         {},
         {"A上班 08:05 比上班时间 08:00 晚 5 分钟，记迟到（10分钟内）",
          "P上班 14:20 比上班时间 14:00 晚 20 分钟，记迟到（30分钟内）"}},
        {{"half a day absent, one punch missed", 1, {"14:00:00"}, {}, false, false, "", {}},
         {},
         {"上午 A上班、A下班 都没有打卡，记旷工半天", "没有 P下班 打卡，记漏打 1 次"}},
        {{"overtime of the second tier", 1, {"08:00:00", "12:00:00", "14:00:00", "22:40:00"}, {}, false, false, "", {}},
         {},
         {"P下班 22:40 不早于加班二档时间 22:30，记加班二档"}},
        {{"duty lateness", 1, {"07:45:00", "12:00:00", "14:00:00", "17:00:00"}, {}, true, false, "", {}},
         {},
         {"值日表排定当天值日，备注记“值日”",
          "值日：A上班 07:45 比值日到岗时间 07:30（上班前 30 分钟）晚 15 分钟，记值日迟到（30分钟内）"}},
        {{"the rest-day rule", 1, {}, {}, false, true, "", {}},
         {},
         {"上午 A上班、A下班 都没有打卡，记旷工半天", "下午 P上班、P下班 都没有打卡，记旷工半天",
          "休息日：记休息日加班 0天，旷工 1天 不计"}},
        {{"a pass decided by a later entry's keyword", 1, {"08:00:00", "12:00:00", "14:00:00"},
          {reg + "a##不计漏打1次", reg + "b##处罚5元"}, false, false, "", {}},
         {},
         {"没有 P下班 打卡，记漏打 1 次",
          "登记「b处罚5元」按“不计漏打”处理（本条没有这个词，它出自其后的登记「a不计漏打1次」）：下午漏打 1→0",
          "登记「a不计漏打1次」按“不计漏打”处理：上午漏打 0→-1"}},
        {{"a penalty", 1, four, {reg + "迟到##处罚50元"}, false, false, "", {}}, {},
         {"登记「迟到处罚50元」按“处罚”处理：备注记罚款50元"}},
        {{"mode 2: half a day of sick leave leaves the absence", 2, {}, {reg + "a##病假0.5天"}, false, false, "", {}},
         {},
         {"A上班、P下班 都没有打卡，记旷工一天", "登记「a病假0.5天」按“病假”处理：病假 0天→0.5天"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.day.name);
        PunchTable table;
        AnalysisRequest request = requestForCase(c.day, table);
        request.explain = true;
        const AnalysisResult result = analysed(request);
        ASSERT_EQ(result.explanations.size(), result.rows.size());
        const DayExplanation& e = result.explanations.at(4); // 5 March
        QStringList whys;
        for (const PunchExplanation& p : e.punches)
            whys.append(p.why);
        for (const QString& why : c.whys)
            EXPECT_TRUE(whys.contains(why)) << why.toStdString() << "\n in: " << whys.join(u'\n').toStdString();
        if (!c.rules.isEmpty()) {
            EXPECT_EQ(e.rules, c.rules) << e.rules.join(u'\n').toStdString();
        }
    }
}

TEST(Analysis, TheSecondMonthOfAMidMonthPeriodReadsItsOwnRestFlags)
{
    const PunchTable table = tableOf({"0001##2013-12-16##08:00:00", "0001##2014-01-04##08:00:00",
                                      "0001##2014-01-04##12:00:00", "0001##2014-01-04##14:00:00",
                                      "0001##2014-01-04##17:00:00"});
    RestDayFlags flags{};
    flags[20] = true;      // 20 December
    flags[31 + 4] = true;  // 4 January
    flags[31 + 20] = true; // 20 January lies outside the period
    const AnalysisResult result = analysed(requestFor(table, "0001 张三", kMidMonthStyle, 2013, 12, flags));
    ASSERT_EQ(result.rows.size(), 31);
    struct Expected {
        const char* date;
        bool rest;
        const char* remark;
    };
    for (const Expected& e : {Expected{"12月20日", true, ""}, Expected{"01月04日", true, "加班"},
                              Expected{"01月03日", false, "旷工"}, Expected{"12月21日", false, "旷工"}}) {
        SCOPED_TRACE(e.date);
        const ResultRow* row = rowOn(result, e.date);
        ASSERT_NE(row, nullptr);
        EXPECT_EQ(row->colors[ColWeekday].has_value(), e.rest);
        EXPECT_EQ(row->cells[ColRemark], QString::fromUtf8(e.remark));
    }
    EXPECT_EQ(result.stats[StatRest], QStringLiteral("1天"));
}

class AnalysisFromFiles : public ::testing::Test {
protected:
    void writeInit(const QString& timeLine)
    {
        QStringList lines{"[A2B2] 位置", ";+ 员工编号,姓名", "0001,张三", ";# 结束", ";= 时间"};
        if (!timeLine.isEmpty())
            lines.append(timeLine);
        lines += {";* 时间结束", ";; 文件结束"};
        ASSERT_TRUE(textfile::writeLines(dir.filePath("Init.ini"), lines).ok());
        ASSERT_TRUE(QDir(dir.path()).mkpath("SrDate"));
    }
    AnalysisSetting setting() const
    {
        AnalysisSetting s;
        s.employee = PickerEntry::fromText(QStringLiteral("0001 张三"));
        s.period.style = kMonthStartStyle;
        s.period.start = MonthKey{2013, 3};
        return s;
    }
    QTemporaryDir dir;
    PunchTable table = tableOf({"0001##2013-03-04##08:00:00"});
};

TEST_F(AnalysisFromFiles, AMissingTimeLineIsAnErrorNotACrash)
{
    writeInit(QString());
    const Result<AnalysisResult> result = AnalyseTimeMode1(dir.path(), table, setting());
    ASSERT_FALSE(result.ok());
    EXPECT_TRUE(result.error().contains(QStringLiteral("Init.ini"))) << result.error().toStdString();
}

TEST_F(AnalysisFromFiles, AMissingConfigurationFileIsAnError)
{
    EXPECT_FALSE(AnalyseTimeMode1(dir.path(), table, setting()).ok());
}

TEST_F(AnalysisFromFiles, ThePlaceholderReadsNoFile)
{
    AnalysisSetting s = setting();
    s.employee = PickerEntry::fromText(QStringLiteral("====请选择===="));
    const Result<AnalysisResult> result = AnalyseTimeMode1(dir.path(), table, s);
    ASSERT_TRUE(result.ok());
    EXPECT_FALSE(result->ran);
}

TEST_F(AnalysisFromFiles, AMalformedDutyRosterIsReported)
{
    writeInit(QStringLiteral("080012001400170020302230090017002130"));
    ASSERT_TRUE(textfile::writeLines(dir.filePath("SrDate/201303.zra"), {"xx0001"}).ok());
    EXPECT_FALSE(AnalyseTimeMode1(dir.path(), table, setting()).ok());
}

} // namespace
