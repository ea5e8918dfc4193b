// Days judged by shifts, through the whole run, with every figure worked out
// by hand: November 2026 (the 1st a Sunday), 11-11 a holiday, Saturday 11-21
// a make-up working day.

#include "AnalysisTestSupport.h"

#include "analysis/Analysis.h"
#include "analysis/ShiftPlan.h"
#include "settings/Holidays.h"

#include <gtest/gtest.h>
#include <map>
#include <vector>

using namespace tarnby;
using namespace analysistest;

namespace {

// 白班 08:00-12:00 13:30-17:30, overtime tiers 19:30 and 21:30; 夜班 20:00 to
// 08:00 of the next day, its working day from 12:00; both with 5 minutes'
// grace and early leave counted up to 30 minutes before the off time.
const char* const kSchedules = R"({"version": 1, "shifts": [
  {"name": "白班", "times": ["08:00","12:00","13:30","17:30"], "overtime": ["19:30","21:30"], "grace": 5, "earlyLeave": 30},
  {"name": "夜班", "times": ["20:00","08:00"], "overtime": ["10:00"], "dayStart": "12:00", "grace": 5, "earlyLeave": 30}],
 "employees": [{"number": "0001", "week": ["白班","白班","白班","白班","白班","休","休"]},
               {"number": "0007", "week": ["夜班","夜班","夜班","夜班","夜班","休","休"]}]})";

// One employee's roster line: the given days, the rest empty (or `others`).
QString rosterLine(const char* number, const std::map<int, const char*>& days, const char* others = "")
{
    QStringList fields{QString::fromUtf8(number)};
    for (int d = 1; d <= 30; ++d)
        fields.append(QString::fromUtf8(days.count(d) ? days.at(d) : others));
    return fields.join(u'\t');
}

std::shared_ptr<const ShiftSetup> november()
{
    const Schedules model = Schedules::parse(kSchedules, {}).value();
    const QStringList lines = {rosterLine("0001", {{13, "夜班"}, {16, "休"}, {17, "夜班"}}),
                               rosterLine("0007", {{10, "白班"}}), rosterLine("0009", {{11, "白班"}}),
                               rosterLine("0011", {{2, "白班"}}, "休")};
    const ShiftRoster roster = ShiftRoster::parse(lines, MonthKey{2026, 11}, model, {}).value();
    const HolidayCalendar holidays = holidays::parse({"2026-11-11 公司庆典", "2026-11-21 上班"}, {}).value();
    return makeShiftSetup(model, {roster}, holidays);
}

// "0001 11-02 08:00": a punch of that number at that day and minute.
QStringList punches(const char* number, const char* day, const QStringList& times)
{
    QStringList out;
    for (const QString& t : times) {
        const bool nextDay = t.startsWith(u'+');
        const QDate date = QDate(2026, 11, QString::fromUtf8(day).toInt()).addDays(nextDay ? 1 : 0);
        out.append(QStringLiteral("%1##%2##%3:00").arg(QString::fromUtf8(number), date.toString(Qt::ISODate), t.right(5)));
    }
    return out;
}

PunchTable novemberPunches()
{
    return tableOf(
        QStringList{"0007##2026-10-31##20:00:00", "0007##2026-11-01##07:50:00"}
        + punches("0007", "2", {"19:55", "+08:05"}) + punches("0007", "3", {"19:58", "+08:00"})
        + punches("0007", "4", {"20:00", "+10:40"}) + punches("0007", "5", {"20:03", "+07:40"})
        + punches("0007", "9", {"20:00", "+05:00", "+07:58", "+12:01", "+13:30", "+17:35"}) + punches("0007", "30", {"20:00", "+08:10"})
        + punches("0001", "2", {"08:00", "11:40", "13:30", "17:10"}) + punches("0001", "3", {"08:05", "12:00", "13:36", "17:30"})
        + punches("0001", "4", {"08:00", "12:00", "13:30", "18:25"}) + punches("0001", "5", {"08:00", "12:00", "13:30", "19:40"})
        + punches("0001", "6", {"08:00", "12:00", "13:30", "17:00"}) + punches("0001", "7", {"07:50", "12:00"})
        + punches("0001", "8", {"08:00", "12:00", "13:30", "17:00"}) + punches("0001", "11", {"08:00", "12:00", "13:30", "17:30"})
        + punches("0001", "12", {"08:20", "12:00", "13:45", "17:30"}) + punches("0001", "13", {"20:00", "+08:02"})
        + punches("0001", "16", {"08:00", "12:00"}) + punches("0001", "17", {"09:00"})
        + punches("0001", "19", {"08:00", "11:35", "11:45", "12:05", "12:10", "13:30", "17:30"})
        + punches("0001", "20", {"08:00", "11:35", "11:45", "13:30", "17:30"})
        + punches("0001", "21", {"08:00", "12:00", "13:30", "17:30"})
        + punches("0009", "2", {"08:00", "12:00", "14:00", "17:00"}) + punches("0009", "11", {"08:00", "12:00", "13:30", "17:30"})
        + punches("0011", "2", {"08:00", "12:00", "13:30", "17:10"}));
}

struct DayRow {
    const char* name;
    const char* employee;
    int day;
    const char* cells; // A上班 A下班 P上班 P下班
    const char* remark;
    std::map<int, std::uint32_t> colors;
    DayFigures figures;
};

constexpr std::uint32_t R = kColorLate;
constexpr std::uint32_t P = kColorOvertime;
constexpr std::uint32_t M = kColorRestDay;
constexpr std::uint32_t B = kColorRegistered;

AnalysisResult analysedBy(const char* employee, const PunchTable& table)
{
    AnalysisRequest request;
    request.employee = PickerEntry::fromText(QString::fromUtf8(employee));
    request.punches = &table;
    request.timeFields = sampleTimeFields();
    request.days = periodDays(kMonthStartStyle, 2026, 11);
    request.registrations = registrationsOf({"0001##11月06日##张三##外出##不计早退", "0001##11月12日##张三##上午堵车##不计迟到1次"});
    request.shifts = november();
    request.explain = true;
    Result<AnalysisResult> result = AnalyseTimeMode1(request);
    EXPECT_TRUE(result.ok());
    return result.value();
}

TEST(Shifts, EachRuleOnItsDay)
{
    const std::vector<DayRow> rows = {
        {"night shift across midnight", "0007", 2, "19:55 —:— —:— 08:05", "", {}, {"夜班", false, 0, 0, 0, 0}},
        {"the next night keeps its own punches", "0007", 3, "19:58 —:— —:— 08:00", "", {}, {"夜班", false, 0, 0, 0, 0}},
        {"overtime past the last off time: 160 minutes in steps of 30", "0007", 4, "20:00 —:— —:— 10:40", "加班",
         {{5, P}}, {"夜班", false, 0, 0, 0, 150}},
        {"late within the grace, early leave the next morning", "0007", 5, "20:03 —:— —:— 07:40", "早退", {{5, R}},
         {"夜班", false, 0, 1, 20, 0}},
        {"day starts overlap: the day shift keeps 07:58 as its on-duty punch", "0007", 9, "20:00 —:— —:— —:—", "漏打", {},
         {"夜班", false, 0, 0, 0, 0}},
        {"a roster entry over the week pattern", "0007", 10, "07:58 12:01 13:30 17:35", "", {}, {"白班", false, 0, 0, 0, 0}},
        {"the night ending after the period", "0007", 30, "20:00 —:— —:— 08:10", "", {}, {"夜班", false, 0, 0, 0, 0}},
        {"early leave in both halves", "0001", 2, "08:00 11:40 13:30 17:10", "早退", {{3, R}, {5, R}}, {"白班", false, 0, 2, 40, 0}},
        {"grace: 5 minutes on time, 6 late", "0001", 3, "08:05 12:00 13:36 17:30", "迟到", {{4, R}}, {"白班", false, 6, 0, 0, 0}},
        {"55 overtime minutes are below the minimum", "0001", 4, "08:00 12:00 13:30 18:25", "", {}, {"白班", false, 0, 0, 0, 0}},
        {"130 overtime minutes count 120, first tier", "0001", 5, "08:00 12:00 13:30 19:40", "加班", {{5, P}},
         {"白班", false, 0, 0, 0, 120}},
        {"不计早退 clears the early leave", "0001", 6, "08:00 12:00 13:30 17:00", "*", {{5, R}, {6, B}}, {"白班", false, 0, 0, 0, 0}},
        {"a rest day's morning: 250 minutes, no break to take off", "0001", 7, "07:50 12:00 —:— —:—", "加班", {{1, M}},
         {"白班", true, 0, 0, 0, 240}},
        {"a rest day's span less the break, early leave judged too", "0001", 8, "08:00 12:00 13:30 17:00", "早退/加班",
         {{1, M}, {5, R}}, {"白班", true, 0, 1, 30, 450}},
        {"a holiday with a week pattern is a rest day paid as holiday", "0001", 11, "08:00 12:00 13:30 17:30", "加班",
         {{1, M}}, {"白班", true, 0, 0, 0, 480}},
        {"a morning excuse takes the morning's minutes only", "0001", 12, "08:20 12:00 13:45 17:30", "*/迟到",
         {{2, R}, {4, R}, {6, B}}, {"白班", false, 15, 0, 0, 0}},
        {"a rostered night before a rest day keeps its off-duty punch", "0001", 13, "20:00 —:— —:— 08:02", "", {},
         {"夜班", false, 0, 0, 0, 0}},
        {"the rest day after it has no punch", "0001", 14, "—:— —:— —:— —:—", "", {{1, M}}, {"白班", true, 0, 0, 0, 0}},
        {"a roster's 休 on a Monday", "0001", 16, "08:00 12:00 —:— —:—", "加班", {{1, M}}, {"白班", true, 0, 0, 0, 240}},
        {"a punch between two working days belongs to none", "0001", 17, "—:— —:— —:— —:—", "旷工", {},
         {"夜班", false, 0, 0, 0, 0}},
        {"A下班 keeps its first punch at or after the off time", "0001", 19, "08:00 12:05 13:30 17:30", "", {},
         {"白班", false, 0, 0, 0, 0}},
        {"A下班 without one keeps the latest early punch", "0001", 20, "08:00 11:45 13:30 17:30", "早退", {{3, R}},
         {"白班", false, 0, 1, 15, 0}},
        {"a make-up Saturday is a working day of the week pattern", "0001", 21, "08:00 12:00 13:30 17:30", "", {},
         {"白班", false, 0, 0, 0, 0}},
        {"without a schedule: the time mode", "0009", 2, "08:00 12:00 14:00 17:00", "", {}, {"模式一", false, 0, 0, 0, 0}},
        {"a roster entry over a holiday: worked, paid as holiday", "0009", 11, "08:00 12:00 13:30 17:30", "", {},
         {"白班", false, 0, 0, 0, 480}},
    };
    const PunchTable table = novemberPunches();
    std::map<std::string, AnalysisResult> results;
    for (const char* e : {"0001", "0007", "0009"})
        results[e] = analysedBy(e, table);
    for (const DayRow& r : rows) {
        SCOPED_TRACE(r.name);
        const AnalysisResult& result = results.at(r.employee);
        ASSERT_EQ(result.rows.size(), 30);
        const ResultRow& row = result.rows.at(r.day - 1);
        const QStringList shown = QString::fromUtf8(r.cells).split(u' ');
        for (int s = 0; s < 4; ++s)
            EXPECT_EQ(row.cells[ColMorningIn + s], shown.at(s)) << s;
        EXPECT_EQ(row.cells[ColRemark], QString::fromUtf8(r.remark));
        std::map<int, std::uint32_t> colors;
        for (int c = 0; c < kResultColumns; ++c) {
            if (row.colors[c])
                colors[c] = *row.colors[c];
        }
        EXPECT_EQ(colors, r.colors);
        const DayFigures& f = result.figures.at(r.day - 1);
        EXPECT_EQ(f, r.figures) << f.shift.toStdString() << " " << f.rest << " " << f.lateMinutes << " " << f.earlyCount
                                << " " << f.earlyMinutes << " " << f.overtimeMinutes;
        EXPECT_TRUE(result.explanations.at(r.day - 1).rules.first().contains(r.figures.shift));
    }
    EXPECT_EQ(results.at("0001").extra, (EmployeeFigures{4, 85, 21, 120, 930, 480}));
    EXPECT_EQ(results.at("0009").extra, (EmployeeFigures{0, 0, 0, 0, 0, 480}));
    EXPECT_EQ(results.at("0007").extra, (EmployeeFigures{1, 20, 0, 150, 0, 0}));

    // Sentences for what was not used, and for why a shift applies.
    EXPECT_TRUE(results.at("0007").explanations.at(9).punches.at(0).why.startsWith(QStringLiteral("不在任何打卡时段")));
    EXPECT_EQ(results.at("0007").explanations.at(0).punches.at(0).why, QStringLiteral("属于结算期外的工作日 10月31日，不计"));
    EXPECT_TRUE(results.at("0001").explanations.at(16).punches.at(0).why.startsWith(QStringLiteral("不在任何工作日之内")));
    EXPECT_EQ(results.at("0007").explanations.at(1).punches.at(1).why,
              QStringLiteral("次日的打卡，P下班 时段（次日07:30 以后）内最晚的一次，计为 P下班"));
    EXPECT_EQ(results.at("0001").explanations.at(10).rules.first(),
              QStringLiteral("休息日：节假日按周排班休息，按默认班次“白班”（08:00–12:00、13:30–17:30）判定；"
                             "当天是节假日（公司庆典），出勤计为节假日加班"));
    EXPECT_TRUE(results.at("0001").explanations.at(5).rules.contains(
        QStringLiteral("登记「外出不计早退」按“不计早退”处理：早退 1→0 次，早退 30→0 分钟")));

    // Early leave alone costs full attendance: every other day is a rostered rest day.
    const AnalysisResult onlyEarly = analysedBy("0011", table);
    EXPECT_EQ(onlyEarly.rows.at(1).cells[ColRemark], QStringLiteral("早退"));
    EXPECT_EQ(onlyEarly.stats[12], QStringLiteral("无"));
}

} // namespace
