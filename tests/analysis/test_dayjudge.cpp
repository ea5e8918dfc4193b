#include "AnalysisTestSupport.h"

#include "analysis/DayJudge.h"

#include <gtest/gtest.h>
#include <vector>

using namespace tarnby;
using namespace analysistest;

namespace {

constexpr auto Admin = TimeMode::Administrative;
constexpr auto NineToFive = TimeMode::NineToFive;

struct PlaceCase {
    const char* name;
    TimeMode mode;
    std::vector<const char*> punches;
    std::array<const char*, 4> expected; // "" for an empty slot
};

TEST(PlacePunch, WindowsDecideTheSlotAndWhichPunchStays)
{
    const std::vector<PlaceCase> cases = {
        {"mode 1: an hour early is a morning on-duty punch", Admin, {"07:00"}, {"07:00", "", "", ""}},
        {"mode 1: an hour late is a morning on-duty punch", Admin, {"09:00"}, {"09:00", "", "", ""}},
        {"mode 1: 06:59 falls in no window", Admin, {"06:59"}, {"", "", "", ""}},
        {"mode 1: 09:01 falls in no window", Admin, {"09:01"}, {"", "", "", ""}},
        {"mode 1: of two morning punches the earlier stays", Admin, {"07:50", "07:55"}, {"07:50", "", "", ""}},
        {"mode 1: morning off-duty from 12:00 to 12:30", Admin, {"12:00", "12:30"}, {"", "12:00", "", ""}},
        {"mode 1: 11:59 and 12:31 fall in no window", Admin, {"11:59", "12:31"}, {"", "", "", ""}},
        {"mode 1: afternoon on-duty from 13:30 to 15:00", Admin, {"13:30", "15:00"}, {"", "", "13:30", ""}},
        {"mode 1: 13:29, 15:01 and 16:59 fall in no window", Admin, {"13:29", "15:01", "16:59"}, {"", "", "", ""}},
        {"mode 1: of two off-duty punches the later stays", Admin, {"17:05", "18:30"}, {"", "", "", "18:30"}},
        {"mode 1: a late-night punch is the off-duty punch", Admin, {"17:00", "23:59"}, {"", "", "", "23:59"}},
        {"mode 1: of two morning off-duty punches the earlier stays", Admin, {"12:10", "12:25"}, {"", "12:10", "", ""}},
        {"mode 1: of two afternoon on-duty punches the earlier stays", Admin, {"13:45", "14:20"}, {"", "", "13:45", ""}},
        {"mode 1: the off-duty time itself is the off-duty punch", Admin, {"17:00"}, {"", "", "", "17:00"}},
        {"mode 1: a full day", Admin, {"08:01", "12:05", "13:55", "17:10"}, {"08:01", "12:05", "13:55", "17:10"}},
        {"mode 2: an hour around nine is the on-duty punch", NineToFive, {"08:00"}, {"08:00", "", "", ""}},
        {"mode 2: 10:00 is still the on-duty punch", NineToFive, {"10:00"}, {"10:00", "", "", ""}},
        {"mode 2: 07:59, 10:01 and 16:59 fall in no window", NineToFive, {"07:59", "10:01", "16:59"}, {"", "", "", ""}},
        {"mode 2: of two on-duty punches the earlier stays", NineToFive, {"08:50", "09:10"}, {"08:50", "", "", ""}},
        {"mode 2: the off-duty time itself is the off-duty punch", NineToFive, {"17:00"}, {"", "", "", "17:00"}},
        {"mode 2: of two off-duty punches the later stays", NineToFive, {"17:05", "18:30"}, {"", "", "", "18:30"}},
        {"mode 2: the midday punches never fill the middle slots", NineToFive, {"09:00", "12:00", "14:00", "17:00"},
         {"09:00", "", "", "17:00"}},
    };
    for (const PlaceCase& c : cases) {
        SCOPED_TRACE(c.name);
        DaySlots s;
        for (const char* p : c.punches)
            placePunch(s, minutesOf(QString::fromUtf8(p)), c.mode, sampleTimes());
        const auto texts = textsOf(s);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(texts[i], c.expected[i][0] ? QString::fromUtf8(c.expected[i]) : kEmptySlot) << "slot " << i;
    }
}

TEST(PlacePunch, APunchWhoseWindowIsTakenIsNotTriedLater)
{
    // mode 1 with the morning off-duty time inside the on-duty window
    WorkTimes t = sampleTimes();
    t.morningOut = hm(8, 30);
    DaySlots s;
    placePunch(s, hm(7, 55), Admin, t);
    placePunch(s, hm(8, 40), Admin, t);
    EXPECT_EQ(textsOf(s), (std::array<QString, 4>{"07:55", kEmptySlot, kEmptySlot, kEmptySlot}));

    // mode 2 with the off-duty time inside the on-duty window
    t = sampleTimes();
    t.nineToFiveOut = hm(9, 30);
    s = DaySlots();
    placePunch(s, hm(9, 0), NineToFive, t);
    placePunch(s, hm(9, 45), NineToFive, t);
    EXPECT_EQ(textsOf(s), (std::array<QString, 4>{"09:00", kEmptySlot, kEmptySlot, kEmptySlot}));
}

struct JudgeCase {
    const char* name;
    TimeMode mode;
    std::array<const char*, 4> punches;
    bool duty;
    DayCounters expected;
    std::array<Mark, 4> marks;
};

constexpr Mark N = Mark::None;
constexpr Mark L = Mark::Late;
constexpr Mark O = Mark::Overtime;

TEST(JudgePunches, CountersAndMarks)
{
    const std::vector<JudgeCase> cases = {
        {"mode 1: on time", Admin, {"08:00", "12:00", "14:00", "17:00"}, false, {}, {N, N, N, N}},
        {"mode 1: early is on time", Admin, {"07:10", "12:00", "13:40", "17:00"}, false, {}, {N, N, N, N}},
        {"mode 1: morning 1 minute late", Admin, {"08:01", "12:00", "14:00", "17:00"}, false, {.late10 = 1}, {L, N, N, N}},
        {"mode 1: morning 10 minutes late", Admin, {"08:10", "12:00", "14:00", "17:00"}, false, {.late10 = 1}, {L, N, N, N}},
        {"mode 1: morning 11 minutes late", Admin, {"08:11", "12:00", "14:00", "17:00"}, false, {.late30 = 1}, {L, N, N, N}},
        {"mode 1: morning 31 minutes late", Admin, {"08:31", "12:00", "14:00", "17:00"}, false, {.late60 = 1}, {L, N, N, N}},
        {"mode 1: afternoon late counts in the tens", Admin, {"08:00", "12:00", "14:05", "17:00"}, false, {.late10 = 10}, {N, N, L, N}},
        {"mode 1: morning 5 and afternoon 20 minutes late", Admin, {"08:05", "12:00", "14:20", "17:00"}, false,
         {.late10 = 1, .late30 = 10}, {L, N, L, N}},
        {"mode 1: both shifts late up to 10", Admin, {"08:05", "12:00", "14:05", "17:00"}, false, {.late10 = 11}, {L, N, L, N}},
        {"mode 1: afternoon 10 minutes late counts in the tens of late10", Admin, {"08:00", "12:00", "14:10", "17:00"}, false,
         {.late10 = 10}, {N, N, L, N}},
        {"mode 1: afternoon 11 minutes late counts in the tens of late30", Admin, {"08:00", "12:00", "14:11", "17:00"}, false,
         {.late30 = 10}, {N, N, L, N}},
        {"mode 1: afternoon 31 minutes late counts in the tens of late60", Admin, {"08:00", "12:00", "14:31", "17:00"}, false,
         {.late60 = 10}, {N, N, L, N}},
        {"mode 1: morning 30 minutes late is still late30", Admin, {"08:30", "12:00", "14:00", "17:00"}, false,
         {.late30 = 1}, {L, N, N, N}},
        {"mode 1: morning 60 minutes late is late60", Admin, {"09:00", "12:00", "14:00", "17:00"}, false,
         {.late60 = 1}, {L, N, N, N}},
        {"mode 1: afternoon 60 minutes late", Admin, {"08:00", "12:00", "15:00", "17:00"}, false, {.late60 = 10}, {N, N, L, N}},
        {"mode 1: morning on-duty missing", Admin, {"", "12:00", "14:00", "17:00"}, false, {.missed = 1}, {N, N, N, N}},
        {"mode 1: morning off-duty missing", Admin, {"08:00", "", "14:00", "17:00"}, false, {.missed = 1}, {N, N, N, N}},
        {"mode 1: whole morning missing is half a day absent", Admin, {"", "", "14:00", "17:00"}, false,
         {.absentHalves = 1}, {N, N, N, N}},
        {"mode 1: afternoon off-duty missing", Admin, {"08:00", "12:00", "14:00", ""}, false, {.missed = 10}, {N, N, N, N}},
        {"mode 1: whole afternoon missing is half a day absent", Admin, {"08:00", "12:00", "", ""}, false,
         {.absentHalves = 1}, {N, N, N, N}},
        {"mode 1: morning punch missing and afternoon away", Admin, {"", "12:00", "", ""}, false,
         {.missed = 1, .absentHalves = 1}, {N, N, N, N}},
        {"mode 1: one punch missing in each shift", Admin, {"08:00", "", "14:00", ""}, false, {.missed = 11}, {N, N, N, N}},
        {"mode 1: no punch at all", Admin, {"", "", "", ""}, false, {.absentHalves = 2}, {N, N, N, N}},
        {"mode 1: off duty at the first overtime time", Admin, {"08:00", "12:00", "14:00", "20:30"}, false,
         {.overtime1 = 1}, {N, N, N, O}},
        {"mode 1: off duty a minute before the first overtime time counts nothing", Admin,
         {"08:00", "12:00", "14:00", "20:29"}, false, {}, {N, N, N, N}},
        {"mode 1: off duty a minute before the second overtime time is the first tier", Admin,
         {"08:00", "12:00", "14:00", "22:29"}, false, {.overtime1 = 1}, {N, N, N, O}},
        {"mode 1: off duty at the second overtime time counts only that tier", Admin, {"08:00", "12:00", "14:00", "22:30"},
         false, {.overtime2 = 1}, {N, N, N, O}},
        {"mode 1: duty day, 25 minutes early is duty-late but not late", Admin, {"07:35", "12:00", "14:00", "17:00"}, true,
         {.dutyLate10 = 1}, {L, N, N, N}},
        {"mode 1: duty day, 30 minutes early is on time", Admin, {"07:30", "12:00", "14:00", "17:00"}, true, {}, {N, N, N, N}},
        {"mode 1: duty day, 15 minutes early is duty-late over 10", Admin, {"07:45", "12:00", "14:00", "17:00"}, true,
         {.dutyLateOver10 = 1}, {L, N, N, N}},
        {"mode 1: duty day, 5 minutes late counts both", Admin, {"08:05", "12:00", "14:00", "17:00"}, true,
         {.dutyLateOver10 = 1, .late10 = 1}, {L, N, N, N}},
        {"mode 1: duty day, 20 minutes early is the last minute of duty-late10", Admin, {"07:40", "12:00", "14:00", "17:00"},
         true, {.dutyLate10 = 1}, {L, N, N, N}},
        {"mode 1: duty day, 19 minutes early is duty-late over 10", Admin, {"07:41", "12:00", "14:00", "17:00"}, true,
         {.dutyLateOver10 = 1}, {L, N, N, N}},
        {"mode 1: duty day, 45 minutes late counts late60 and duty-late over 10", Admin, {"08:45", "12:00", "14:00", "17:00"},
         true, {.dutyLateOver10 = 1, .late60 = 1}, {L, N, N, N}},
        {"mode 1: duty day without a morning punch has no duty lateness", Admin, {"", "12:00", "14:00", "17:00"}, true,
         {.missed = 1}, {N, N, N, N}},
        {"mode 1: duty lateness is judged on the morning punch only", Admin, {"07:00", "12:00", "14:20", "17:00"}, true,
         {.late30 = 10}, {N, N, L, N}},
        {"mode 1: the same punch off duty is on time", Admin, {"07:45", "12:00", "14:00", "17:00"}, false, {}, {N, N, N, N}},
        {"mode 2: on time", NineToFive, {"09:00", "", "", "17:00"}, false, {}, {N, N, N, N}},
        {"mode 2: 1 minute late", NineToFive, {"09:01", "", "", "17:00"}, false, {.late10 = 1}, {L, N, N, N}},
        {"mode 2: 11 minutes late", NineToFive, {"09:11", "", "", "17:00"}, false, {.late30 = 1}, {L, N, N, N}},
        {"mode 2: 31 minutes late", NineToFive, {"09:31", "", "", "17:00"}, false, {.late60 = 1}, {L, N, N, N}},
        {"mode 2: only the on-duty punch", NineToFive, {"09:00", "", "", ""}, false, {.missed = 1}, {N, N, N, N}},
        {"mode 2: only the off-duty punch", NineToFive, {"", "", "", "17:00"}, false, {.missed = 1}, {N, N, N, N}},
        {"mode 2: no punch is a whole day absent", NineToFive, {"", "", "", ""}, false, {.absentHalves = 2}, {N, N, N, N}},
        {"mode 2: off duty at the overtime time", NineToFive, {"09:00", "", "", "21:30"}, false, {.overtime1 = 1}, {N, N, N, O}},
        {"mode 2: off duty a minute before the overtime time counts nothing", NineToFive, {"09:00", "", "", "21:29"}, false,
         {}, {N, N, N, N}},
        {"mode 2: 10 minutes late is late10", NineToFive, {"09:10", "", "", "17:00"}, false, {.late10 = 1}, {L, N, N, N}},
        {"mode 2: 60 minutes late is late60", NineToFive, {"10:00", "", "", "17:00"}, false, {.late60 = 1}, {L, N, N, N}},
        {"mode 2: late in the night is never the second tier", NineToFive, {"09:00", "", "", "23:30"}, false,
         {.overtime1 = 1}, {N, N, N, O}},
        {"mode 2: duty day, 08:35 is duty-late only", NineToFive, {"08:35", "", "", "17:00"}, true, {.dutyLate10 = 1},
         {L, N, N, N}},
        {"mode 2: duty day, 08:45 is duty-late over 10", NineToFive, {"08:45", "", "", "17:00"}, true,
         {.dutyLateOver10 = 1}, {L, N, N, N}},
        {"mode 2: duty day, 08:40 is the last minute of duty-late10", NineToFive, {"08:40", "", "", "17:00"}, true,
         {.dutyLate10 = 1}, {L, N, N, N}},
        {"mode 2: duty day, 08:41 is duty-late over 10", NineToFive, {"08:41", "", "", "17:00"}, true,
         {.dutyLateOver10 = 1}, {L, N, N, N}},
        {"mode 2: duty day, 08:30 is on time", NineToFive, {"08:30", "", "", "17:00"}, true, {}, {N, N, N, N}},
        {"mode 2: duty day, 09:05 counts both", NineToFive, {"09:05", "", "", "17:00"}, true,
         {.dutyLateOver10 = 1, .late10 = 1}, {L, N, N, N}},
    };
    for (const JudgeCase& c : cases) {
        SCOPED_TRACE(c.name);
        const Judgement j = judgePunches(slotsOf(c.punches), c.duty, c.mode, sampleTimes());
        EXPECT_EQ(j.counters, c.expected);
        EXPECT_EQ(j.marks, c.marks);
    }
}

struct RegistrationCase {
    const char* name;
    TimeMode mode;
    const char* text;
    bool rest;
    DayCounters before;
    DayCounters after;
    const char* remarkBase;
    const char* penalty;
};

TEST(ApplyRegistrations, KeywordPassesOverTheWholeRemainingText)
{
    const std::vector<RegistrationCase> cases = {
        {"no registration leaves an empty remark", Admin, "", false, {.late10 = 1}, {.late10 = 1}, "", ""},
        {"a duty day alone keeps the duty word", Admin, "值日", false, {}, {}, "值日", ""},
        {"mode 1: one missed morning punch excused", Admin, "忘打卡不计漏打1次##", false, {.missed = 1}, {}, "*", ""},
        {"mode 1: one missed afternoon punch excused", Admin, "r不计漏打1次##", false, {.missed = 10}, {}, "*", ""},
        {"mode 1: with a punch missing in each shift the afternoon's is excused", Admin, "r不计漏打1次##", false,
         {.missed = 11}, {.missed = 1}, "*", ""},
        {"mode 1: excusing a punch that was not missed goes below zero", Admin, "r不计漏打1次##", false, {}, {.missed = -1}, "*", ""},
        {"mode 1: two missed punches excused", Admin, "r不计漏打2次##", false, {.missed = 11}, {}, "*", ""},
        {"mode 1: two excused on a rest day without punches lowers the absence", Admin, "r不计漏打2次##", true,
         {.absentHalves = 2}, {.absentHalves = 1}, "*", ""},
        {"mode 1: two excused on a rest day with a punch still missing leaves the absence", Admin, "r不计漏打2次##", true,
         {.missed = 1, .absentHalves = 1}, {.absentHalves = 1}, "*", ""},
        {"mode 1: two excused on a working day leaves the absence", Admin, "r不计漏打2次##", false, {.absentHalves = 2},
         {.absentHalves = 2}, "*", ""},
        {"mode 1: lateness twice excused clears all five counts", Admin, "r不计迟到2次##", false,
         {.dutyLate10 = 1, .dutyLateOver10 = 1, .late10 = 11, .late30 = 10, .late60 = 1}, {}, "*", ""},
        {"mode 1: afternoon excuse takes the tens of late10 first", Admin, "r不计迟到1次##", false,
         {.late10 = 11, .late30 = 10}, {.late10 = 1, .late30 = 10}, "*", ""},
        {"mode 1: afternoon excuse takes late30 when late10 has no tens", Admin, "r不计迟到1次##", false,
         {.late10 = 1, .late30 = 10}, {.late10 = 1}, "*", ""},
        {"mode 1: afternoon excuse without afternoon lateness drives late60 below zero", Admin, "r不计迟到1次##", false,
         {.late10 = 1}, {.late10 = 1, .late60 = -10}, "*", ""},
        {"mode 1: a morning word excuses the morning and the duty lateness", Admin, "上午堵车不计迟到1次##", false,
         {.dutyLateOver10 = 1, .late10 = 1}, {}, "*", ""},
        {"mode 1: a morning excuse takes the unit of late10 of 11", Admin, "早上r不计迟到1次##", false,
         {.late10 = 11}, {.late10 = 10}, "*", ""},
        {"mode 1: a morning excuse takes late30 when late10 is neither 1 nor 11", Admin, "清晨r不计迟到1次##", false,
         {.late10 = 10, .late30 = 1}, {.late10 = 10}, "*", ""},
        {"mode 1: an afternoon excuse takes the tens of late60 when late10 and late30 have none", Admin, "r不计迟到1次##", false,
         {.late10 = 1, .late30 = 1, .late60 = 10}, {.late10 = 1, .late30 = 1}, "*", ""},
        {"mode 1: an afternoon excuse leaves the duty lateness", Admin, "r不计迟到1次##", false,
         {.dutyLate10 = 1, .late10 = 10}, {.dutyLate10 = 1}, "*", ""},
        {"mode 1: a morning excuse takes the unit of late60 of 11", Admin, "上午r不计迟到1次##", false, {.late60 = 11},
         {.late60 = 10}, "*", ""},
        {"mode 1: a morning excuse takes late10 of 1 before late30 of 1", Admin, "早上r不计迟到1次##", false,
         {.late10 = 1, .late30 = 1}, {.late30 = 1}, "*", ""},
        {"mode 1: a morning excuse without lateness leaves late60 at zero", Admin, "上午r不计迟到1次##", false, {}, {}, "*", ""},
        {"mode 1: whole-day sick leave replaces the absence", Admin, "r病假1天##", false, {.absentHalves = 2},
         {.sickHalves = 2}, "*", ""},
        {"mode 1: half-day sick leave on a day without punches", Admin, "r病假0.5天##", false, {.absentHalves = 2},
         {.sickHalves = 1, .absentHalves = 1}, "*", ""},
        {"mode 1: half-day sick leave excuses a missed punch when nobody was absent", Admin, "r病假0.5天##", false,
         {.missed = 10}, {.sickHalves = 1}, "*", ""},
        {"mode 1: half-day sick leave excuses a missed morning punch", Admin, "r病假0.5天##", false, {.missed = 1},
         {.sickHalves = 1}, "*", ""},
        {"mode 1: half-day sick leave with a punch missing in each shift excuses the afternoon's", Admin, "r病假0.5天##",
         false, {.missed = 11}, {.missed = 1, .sickHalves = 1}, "*", ""},
        {"mode 1: half-day sick leave takes the absence before a missed punch", Admin, "r病假0.5天##", false,
         {.missed = 1, .absentHalves = 1}, {.missed = 1, .sickHalves = 1}, "*", ""},
        {"mode 1: whole-day sick leave leaves missed punches", Admin, "r病假1天##", false, {.missed = 1, .absentHalves = 1},
         {.missed = 1, .sickHalves = 2}, "*", ""},
        {"mode 1: the sick-leave keyword comes before the personal-leave one", Admin, "r事假病假0.5天##", false,
         {.absentHalves = 2}, {.sickHalves = 1, .absentHalves = 1}, "*", ""},
        {"mode 1: half-day personal leave", Admin, "r事假0.5天##", false, {.absentHalves = 1}, {.personalHalves = 1}, "*", ""},
        {"mode 1: whole-day personal leave", Admin, "r事假1天##", false, {.absentHalves = 2}, {.personalHalves = 2}, "*", ""},
        {"mode 1: whole-day absence excused", Admin, "r不计旷工1天##", false, {.absentHalves = 2}, {}, "*", ""},
        {"mode 1: half-day absence excused", Admin, "r不计旷工0.5天##", false, {.absentHalves = 2}, {.absentHalves = 1}, "*", ""},
        {"mode 1: half-day absence excused on a day without absence", Admin, "r不计旷工0.5天##", false, {}, {}, "*", ""},
        {"a fine gives the penalty text", Admin, "迟到处罚50元##", false, {.late10 = 1}, {.late10 = 1}, "*", "罚款50元"},
        {"a fine without 元 in ten characters gives no penalty", Admin, "r处罚很多很多很多很多元##", false, {}, {}, "*", ""},
        {"a fine of ten characters up to 元 is kept whole", Admin, "r处罚1234567元##", false, {}, {}, "*", "罚款1234567元"},
        {"a fine whose 元 is the eleventh character gives no penalty", Admin, "r处罚12345678元##", false, {}, {}, "*", ""},
        {"the first fine of the remaining text is read", Admin, "r处罚5元又处罚6元##", false, {}, {}, "*", "罚款5元"},
        {"a later pass overwrites the penalty", Admin, "b处罚5元##a处罚100元##", false, {}, {}, "*", "罚款100元"},
        {"an entry without keyword or fine keeps the penalty", Admin, "a处罚20元##只是说明##", false, {}, {}, "*", "罚款20元"},
        {"a keyword of a later entry decides an earlier pass", Admin, "b处罚5元##a不计漏打1次##", false, {.missed = 1},
         {.missed = -1}, "*", ""},
        {"the keyword list, not the entry order, decides", Admin, "b病假1天##a不计漏打1次##", false, {.absentHalves = 2},
         {.missed = -2, .absentHalves = 2}, "*", ""},
        {"the duty word stays after the passes", Admin, "r不计迟到2次##值日", false, {.dutyLate10 = 1}, {}, "*值日", ""},
        {"mode 2: a missed punch excused", NineToFive, "r不计漏打1次##", false, {.missed = 1}, {}, "*", ""},
        {"mode 2: two missed punches excused on a rest day leave the absence", NineToFive, "r不计漏打2次##", true,
         {.absentHalves = 2}, {.absentHalves = 2}, "*", ""},
        {"mode 2: a morning lateness excuse clears all five counts too", NineToFive, "上午r不计迟到1次##", false,
         {.dutyLateOver10 = 1, .late30 = 1}, {}, "*", ""},
        {"mode 2: any lateness excuse clears all five counts", NineToFive, "r不计迟到1次##", false,
         {.dutyLate10 = 1, .late10 = 1}, {}, "*", ""},
        {"mode 2: half-day sick leave on a day without punches keeps the absence", NineToFive, "r病假0.5天##", false,
         {.absentHalves = 2}, {.sickHalves = 1, .absentHalves = 2}, "*", ""},
        {"mode 2: whole-day sick leave replaces the absence", NineToFive, "r病假1天##", false, {.absentHalves = 2},
         {.sickHalves = 2}, "*", ""},
        {"mode 2: half-day personal leave excuses the missed punch", NineToFive, "r事假0.5天##", false, {.missed = 1},
         {.personalHalves = 1}, "*", ""},
        {"mode 2: half-day absence excuse sets the absence to one half", NineToFive, "r不计旷工0.5天##", false,
         {.absentHalves = 2}, {.absentHalves = 1}, "*", ""},
        {"mode 2: half-day absence excuse sets, not lowers", NineToFive, "r不计旷工0.5天##", false, {}, {.absentHalves = 1},
         "*", ""},
        {"mode 2: whole-day absence excused", NineToFive, "r不计旷工1天##", false, {.absentHalves = 2}, {}, "*", ""},
    };
    for (const RegistrationCase& c : cases) {
        SCOPED_TRACE(c.name);
        DayCounters counters = c.before;
        const Applied applied = applyRegistrations(QString::fromUtf8(c.text), c.rest, c.mode, counters);
        EXPECT_EQ(counters, c.after);
        EXPECT_EQ(applied.remarkBase, QString::fromUtf8(c.remarkBase));
        EXPECT_EQ(applied.penalty, QString::fromUtf8(c.penalty));
    }
}

struct TextCase {
    const char* name;
    QStringList lines;
    const char* employee;
    bool duty;
    const char* expected;
};

TEST(RegistrationText, NewestListedFirstAndDutyLast)
{
    const std::vector<TextCase> cases = {
        {"nothing for the day", {"0001##03月06日##张三##r##病假1天"}, "0001", false, ""},
        {"one entry", {"0001##03月05日##张三##忘打卡##不计漏打1次"}, "0001", false, "忘打卡不计漏打1次##"},
        {"later lines come first",
         {"0001##03月05日##张三##a##不计漏打1次", "0001##03月05日##张三##b##处罚5元"}, "0001", false,
         "b处罚5元##a不计漏打1次##"},
        {"the duty word closes the text", {"0001##03月05日##张三##a##病假1天"}, "0001", true, "a病假1天##值日"},
        {"0000 concerns everybody", {"0000##03月05日##全体员工##停电##不计迟到2次"}, "0042", false, "停电不计迟到2次##"},
        {"numbers compare number-wise", {"1##03月05日##张三##a##病假1天"}, "0001", false, "a病假1天##"},
        {"letters keep their case", {"a1##03月05日##张三##a##病假1天"}, "A1", false, ""},
        {"another employee's line is left out", {"0002##03月05日##李四##a##病假1天"}, "0001", false, ""},
        {"a line of fewer than five fields is passed over", {"0001##03月05日##张三##病假1天"}, "0001", false, ""},
    };
    for (const TextCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(registrationText(registrationsOf(c.lines), QString::fromUtf8(c.employee), QStringLiteral("03月05日"), c.duty),
                  QString::fromUtf8(c.expected));
    }
}

TEST(RestDay, WorkReplacesAbsence)
{
    struct Case {
        const char* name;
        int absentBefore;
        int rest;
    };
    for (const Case& c : {Case{"no punches: nothing worked", 2, 0}, Case{"half a day worked", 1, 1},
                          Case{"all four punches: a whole day of rest-day work", 0, 2}}) {
        SCOPED_TRACE(c.name);
        DayCounters counters{.late10 = 1, .absentHalves = c.absentBefore};
        applyRestDay(counters);
        EXPECT_EQ(counters, (DayCounters{.late10 = 1, .restHalves = c.rest}));
    }
}

TEST(WorkTimes, FieldsThatAreNoNumbersCountZero)
{
    TimeFields f = sampleTimeFields();
    f[0] = QStringLiteral("xx");
    f[12] = QStringLiteral(" 9");
    const WorkTimes t = workTimesOf(f);
    EXPECT_EQ(t.morningIn, hm(0, 0));
    EXPECT_EQ(t.overtimeSecond, hm(22, 30));
    EXPECT_EQ(t.nineToFiveIn, hm(9, 0));
    EXPECT_EQ(t.nineToFiveOvertime, hm(21, 30));
}

TEST(DayTexts, KeyAndWeekdayName)
{
    EXPECT_EQ(dayKey(QDate(2013, 3, 5)), QStringLiteral("03月05日"));
    EXPECT_EQ(weekdayName(QDate(2013, 3, 3)), QStringLiteral("周日"));
    EXPECT_EQ(weekdayName(QDate(2013, 3, 9)), QStringLiteral("周六"));
}

} // namespace
