#include "AnalysisTestSupport.h"

#include "analysis/ResultList.h"

#include <gtest/gtest.h>
#include <map>
#include <vector>

using namespace tarnby;
using namespace analysistest;

namespace {

constexpr Mark N = Mark::None;
constexpr Mark L = Mark::Late;
constexpr Mark O = Mark::Overtime;

DayResult day(const DayCounters& counters, std::array<Mark, 4> marks = {N, N, N, N}, const char* base = "",
              const char* penalty = "", bool rest = false)
{
    DayResult d;
    d.cells = {QStringLiteral("03月05日"), QStringLiteral("周二"), QStringLiteral("08:00"), QStringLiteral("12:00"),
               QStringLiteral("14:00"), QStringLiteral("17:00")};
    d.marks = marks;
    d.counters = counters;
    d.remarkBase = QString::fromUtf8(base);
    d.penalty = QString::fromUtf8(penalty);
    d.rest = rest;
    return d;
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

struct RowCase {
    const char* name;
    DayResult day;
    const char* remark;
    std::map<int, std::uint32_t> colors;
    std::map<int, const char*> captions; // statistics after the row, before closing
};

TEST(WriteDayRow, RemarkColoursAndCounts)
{
    const std::vector<RowCase> cases = {
        {"late 5 in the morning and 20 in the afternoon", day({.late10 = 1, .late30 = 10}, {L, N, L, N}), "迟到",
         {{ColMorningIn, kColorLate}, {ColAfternoonIn, kColorLate}}, {{StatLate10, "1"}, {StatLate30, "1"}}},
        {"late up to 10 in both shifts counts two", day({.late10 = 11}, {L, N, L, N}), "迟到",
         {{ColMorningIn, kColorLate}, {ColAfternoonIn, kColorLate}}, {{StatLate10, "2"}}},
        {"a working day without punches", day({.absentHalves = 2}), "旷工", {}, {{StatAbsent, "1天"}}},
        {"only the afternoon off-duty punch missing", day({.missed = 10}), "漏打", {}, {{StatMissed, "1"}}},
        {"a punch missing in each shift counts two", day({.missed = 11}), "漏打", {}, {{StatMissed, "2"}}},
        {"whole-day sick leave", day({.sickHalves = 2}, {N, N, N, N}, "*"), "*/病假", {{ColRemark, kColorRegistered}},
         {{StatSick, "1天"}, {StatAbsent, "0天"}}},
        {"half-day personal leave and half a day absent", day({.personalHalves = 1, .absentHalves = 1}, {N, N, N, N}, "*"),
         "*/事假/旷工", {{ColRemark, kColorRegistered}}, {{StatPersonal, "0.5天"}, {StatAbsent, "0.5天"}}},
        {"a fine on a day late 3 minutes", day({.late10 = 1}, {L, N, N, N}, "*", "罚款50元"), "*/迟到/罚款50元",
         {{ColMorningIn, kColorLate}, {ColRemark, kColorPenalty}}, {{StatLate10, "1"}}},
        {"a fine without a registration mark is marked", day({}, {N, N, N, N}, "", "罚款5元"), "*罚款5元",
         {{ColRemark, kColorPenalty}}, {}},
        {"a duty day without lateness", day({}, {N, N, N, N}, "值日"), "值日", {}, {}},
        {"a registered duty day with lateness", day({.late10 = 1}, {L, N, N, N}, "*值日"), "*值日/迟到",
         {{ColMorningIn, kColorLate}, {ColRemark, kColorRegistered}}, {{StatLate10, "1"}}},
        {"a fine on a duty day without registrations is red, not blue", day({}, {N, N, N, N}, "值日", "罚款5元"),
         "值日/罚款5元", {{ColRemark, kColorPenalty}}, {}},
        {"first-tier overtime on a rest day says 加班 once", day({.overtime1 = 1, .restHalves = 2}, {N, N, N, O}, "", "", true),
         "加班", {{ColWeekday, kColorRestDay}, {ColAfternoonOut, kColorOvertime}},
         {{StatOvertime1, "1"}, {StatRest, "1天"}}},
        {"half a day worked on a rest day", day({.restHalves = 1}, {N, N, N, N}, "", "", true), "加班",
         {{ColWeekday, kColorRestDay}}, {{StatRest, "0.5天"}}},
        {"missed punches of both shifts are folded before counting", day({.late30 = 11, .missed = 11}, {L, N, L, N}),
         "迟到/漏打", {{ColMorningIn, kColorLate}, {ColAfternoonIn, kColorLate}}, {{StatLate30, "2"}, {StatMissed, "2"}}},
        {"duty lateness is lateness", day({.dutyLate10 = 1}, {L, N, N, N}, "值日"), "值日/迟到",
         {{ColMorningIn, kColorLate}}, {{StatDutyLate10, "1"}}},
        {"a rest day with all four punches", day({.restHalves = 2}, {N, N, N, N}, "", "", true), "加班",
         {{ColWeekday, kColorRestDay}}, {{StatRest, "1天"}}},
        {"a rest day without punches", day({}, {N, N, N, N}, "", "", true), "", {{ColWeekday, kColorRestDay}},
         {{StatRest, "0天"}, {StatAbsent, "0天"}}},
        {"overtime of both tiers", day({.overtime2 = 1}, {N, N, N, O}), "加班", {{ColAfternoonOut, kColorOvertime}},
         {{StatOvertime2, "1"}, {StatOvertime1, "0"}}},
        {"an afternoon excuse below zero hides the morning lateness but not its count",
         day({.late10 = 1, .late60 = -10}, {L, N, N, N}, "*"), "*", {{ColMorningIn, kColorLate}, {ColRemark, kColorRegistered}},
         {{StatLate10, "1"}, {StatLate60, "0"}}},
        {"an excuse below zero counts nothing", day({.missed = -1}, {N, N, N, N}, "*"), "*", {{ColRemark, kColorRegistered}},
         {{StatMissed, "0"}}},
        {"every word in order", day({.late10 = 1, .missed = 1, .sickHalves = 1, .personalHalves = 1, .absentHalves = 1,
                                     .overtime1 = 1}),
         "迟到/漏打/病假/事假/旷工/加班", {}, {}},
    };
    for (const RowCase& c : cases) {
        SCOPED_TRACE(c.name);
        ResultList list(TimeMode::Administrative);
        list.ResetResultList();
        list.OpenPeriodStatistics();
        list.WriteDayRow(c.day);
        ASSERT_EQ(list.rows().size(), 1);
        const ResultRow& row = list.rows().first();
        EXPECT_EQ(row.cells[ColDate], QStringLiteral("03月05日"));
        EXPECT_EQ(row.cells[ColAfternoonOut], QStringLiteral("17:00"));
        EXPECT_EQ(row.cells[ColRemark], QString::fromUtf8(c.remark));
        EXPECT_EQ(colorsOf(row), c.colors);
        for (const auto& [stat, caption] : c.captions)
            EXPECT_EQ(list.captions()[stat], QString::fromUtf8(caption)) << "statistic " << stat;
        EXPECT_EQ(list.captions()[StatFullAttendance], QStringLiteral("无"));
    }
}

TEST(PeriodStatistics, CaptionsFromOpeningToClosing)
{
    ResultList list(TimeMode::Administrative);
    list.OpenPeriodStatistics();
    for (int s = 0; s < StatFullAttendance; ++s)
        EXPECT_EQ(list.captions()[s], QStringLiteral("0")) << s;
    EXPECT_EQ(list.captions()[StatFullAttendance], QStringLiteral("无"));

    list.WriteDayRow(day({.sickHalves = 1}));
    list.WriteDayRow(day({.sickHalves = 2}));
    list.WriteDayRow(day({.personalHalves = 1, .overtime1 = 1}));
    EXPECT_EQ(list.captions()[StatSick], QStringLiteral("1.5天"));
    EXPECT_EQ(list.captions()[StatPersonal], QStringLiteral("0.5天"));
    EXPECT_EQ(list.captions()[StatOvertime1], QStringLiteral("1"));
    list.ClosePeriodStatistics();
    EXPECT_EQ(list.captions()[StatSick], QStringLiteral("1.5天"));
    EXPECT_EQ(list.captions()[StatPersonal], QStringLiteral("0.5天"));
    EXPECT_EQ(list.captions()[StatAbsent], QStringLiteral("0天"));
    EXPECT_EQ(list.captions()[StatFullAttendance], QStringLiteral("无"));
}

TEST(PeriodStatistics, FullAttendance)
{
    struct Case {
        const char* name;
        DayCounters counters;
        const char* verdict;
    };
    const std::vector<Case> cases = {
        {"nothing wrong", {}, "有"},
        {"overtime does not cost it", {.overtime1 = 1, .overtime2 = 1}, "有"},
        {"rest-day work does not cost it", {.restHalves = 2}, "有"},
        {"an excuse below zero does not cost it", {.late60 = -10, .missed = -1}, "有"},
        {"an excuse below zero does not hide the other shift's lateness", {.late10 = 1, .late60 = -10}, "无"},
        {"duty lateness costs it", {.dutyLate10 = 1}, "无"},
        {"duty lateness over 10 costs it", {.dutyLateOver10 = 1}, "无"},
        {"lateness costs it", {.late60 = 10}, "无"},
        {"a missed punch costs it", {.missed = 1}, "无"},
        {"sick leave costs it", {.sickHalves = 1}, "无"},
        {"personal leave costs it", {.personalHalves = 2}, "无"},
        {"absence costs it", {.absentHalves = 1}, "无"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ResultList list(TimeMode::Administrative);
        list.OpenPeriodStatistics();
        list.WriteDayRow(day({}));
        list.WriteDayRow(day(c.counters));
        list.ClosePeriodStatistics();
        EXPECT_EQ(list.captions()[StatFullAttendance], QString::fromUtf8(c.verdict));
    }
}

TEST(FoldShifts, MorningAndAfternoonAddUp)
{
    struct Case {
        int value;
        int folded;
    };
    for (const Case& c : {Case{0, 0}, Case{1, 1}, Case{10, 1}, Case{11, 2}, Case{20, 2}, Case{-1, 0}, Case{-10, 0}}) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(foldShifts(c.value), c.folded);
    }
}

} // namespace
