#include "AnalysisTestSupport.h"

#include "analysis/PunchScan.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <map>
#include <vector>

using namespace tarnby;
using namespace analysistest;

namespace {

// Day of month -> the four slot texts, for every day the scan wrote a line.
using Collected = std::map<int, std::array<QString, 4>>;

Collected collectedOf(const CollectedDays& days, const QList<PeriodDay>& period)
{
    Collected out;
    for (qsizetype i = 0; i < days.size(); ++i) {
        if (days.at(i))
            out[period.at(i).date.day()] = textsOf(*days.at(i));
    }
    return out;
}

std::array<QString, 4> slotTexts(const char* a, const char* b, const char* c, const char* d)
{
    auto t = [](const char* s) { return s[0] ? QString::fromUtf8(s) : kEmptySlot; };
    return {t(a), t(b), t(c), t(d)};
}

struct ScanCase {
    const char* name;
    QStringList records;
    const char* employee;
    Collected expected;
};

TEST(ScanPunches, TakesTheEmployeesRecordsOfThePeriod)
{
    const auto am = [](const char* t) { return slotTexts(t, "", "", ""); };
    const std::vector<ScanCase> cases = {
        {"punches go to their days",
         {"0001##2013-03-04##08:01:59", "0001##2013-03-04##12:05:00", "0001##2013-03-04##14:00:00",
          "0001##2013-03-04##17:30:10", "0001##2013-03-05##07:58:00"},
         "0001",
         {{4, slotTexts("08:01", "12:05", "14:00", "17:30")}, {5, am("07:58")}}},
        {"records before the period are passed over",
         {"0001##2013-02-28##08:00:00", "0001##2013-03-01##08:00:00"}, "0001", {{1, am("08:00")}}},
        {"a record after the period is passed over, not the end of the scan",
         {"0001##2013-03-30##08:00:00", "0001##2013-04-01##08:00:00", "0001##2013-03-31##08:00:00"}, "0001",
         {{30, am("08:00")}, {31, am("08:00")}}},
        {"another employee between two runs hides neither",
         {"0001##2013-03-04##08:00:00", "0002##2013-03-04##08:00:00", "0001##2013-03-05##08:00:00"}, "0001",
         {{4, am("08:00")}, {5, am("08:00")}}},
        {"other employees before the run are passed over",
         {"0002##2013-03-04##08:00:00", "0003##2013-03-04##08:00:00", "0001##2013-03-06##08:10:00"}, "0001",
         {{6, am("08:10")}}},
        {"a record of the year before is not in the period",
         {"0001##2012-03-04##08:00:00", "0001##2013-03-04##08:05:00"}, "0001", {{4, am("08:05")}}},
        {"leading zeros and case are ignored like the picker does",
         {"15x##2013-03-04##08:00:00", "015X##2013-03-05##08:00:00"}, "15X", {{4, am("08:00")}, {5, am("08:00")}}},
        {"a number with letters is no other number's", {"1a##2013-03-04##08:00:00"}, "1", {}},
        {"the last record of the table is written", {"0001##2013-03-04##08:00:00"}, "1", {{4, am("08:00")}}},
        {"a day met again after another keeps its earlier punches",
         {"0001##2013-03-04##08:00:00", "0001##2013-03-05##08:00:00", "0001##2013-03-04##17:00:00"}, "0001",
         {{4, slotTexts("08:00", "", "", "17:00")}, {5, am("08:00")}}},
        {"a day whose punches fall in no window still has a line", {"0001##2013-03-04##03:00:00"}, "0001",
         {{4, slotTexts("", "", "", "")}}},
        {"unpadded dates and times are read",
         {"0001##2013-3-4##8:01", "0001##2013/03/05##08:02:00"}, "0001", {{4, am("08:01")}, {5, am("08:02")}}},
        {"a record whose date or time cannot be read is passed over",
         {"0001##2013-03-04##08:00:00", "0001##昨天##12:00:00", "0001##2013-03-04##25:00:00",
          "0001##2013-03-04##12:05:00"},
         "0001", {{4, slotTexts("08:00", "12:05", "", "")}}},
        {"a record without fields is passed over", {"0001", "0001##2013-03-04##08:00:00"}, "0001", {{4, am("08:00")}}},
        {"nobody's punches", {"0002##2013-03-04##08:00:00"}, "0001", {}},
    };
    const QList<PeriodDay> march = periodDays(kMonthStartStyle, 2013, 3);
    for (const ScanCase& c : cases) {
        SCOPED_TRACE(c.name);
        const PunchTable table = tableOf(c.records);
        const QString employee = QString::fromUtf8(c.employee);
        const CollectedDays days = scanPunches(table, employee, march, TimeMode::Administrative, sampleTimes());
        EXPECT_EQ(collectedOf(days, march), c.expected);
        const PunchIndex index(table);
        const CollectedDays indexed = scanPunches(table, employee, march, TimeMode::Administrative, sampleTimes(), &index);
        EXPECT_EQ(collectedOf(indexed, march), c.expected) << "with the index";
    }
}

TEST(ScanPunches, MidMonthPeriodTakesTheSecondHalfAndTheNextMonthsFirstHalf)
{
    const QList<PeriodDay> period = periodDays(kMidMonthStyle, 2013, 12);
    const PunchTable table = tableOf({
        "0001##2013-12-15##08:00:00", // before the period
        "0001##2013-12-16##08:01:00",
        "0001##2013-12-31##08:02:00",
        "0001##2014-01-15##08:03:00",
        "0001##2014-01-16##08:04:00", // after the period
        "0001##2014-01-01##08:05:00", // listed late, still in the period
    });
    const Collected got = collectedOf(scanPunches(table, "0001", period, TimeMode::Administrative, sampleTimes()), period);
    const Collected expected = {{16, slotTexts("08:01", "", "", "")},
                                {31, slotTexts("08:02", "", "", "")},
                                {15, slotTexts("08:03", "", "", "")},
                                {1, slotTexts("08:05", "", "", "")}};
    EXPECT_EQ(got, expected);
}

TEST(ScanPunches, ADayAcrossASegmentBoundaryKeepsAllItsPunches)
{
    QStringList records;
    for (int i = 0; i < PunchTable::kSegmentSize - 2; ++i)
        records.append(QStringLiteral("0009##2013-03-01##08:00:00"));
    records += {"0001##2013-03-04##08:00:00", "0001##2013-03-04##12:00:00", // the last two of segment 0
                "0001##2013-03-04##14:00:00", "0001##2013-03-04##17:00:00", // the first two of segment 1
                "0001##2013-03-05##08:00:00", "0002##2013-03-05##08:00:00"};
    const PunchTable table = tableOf(records);
    ASSERT_EQ(table.segment(1).size(), 4);
    const QList<PeriodDay> march = periodDays(kMonthStartStyle, 2013, 3);
    const Collected got = collectedOf(scanPunches(table, "0001", march, TimeMode::Administrative, sampleTimes()), march);
    const Collected expected = {{4, slotTexts("08:00", "12:00", "14:00", "17:00")}, {5, slotTexts("08:00", "", "", "")}};
    EXPECT_EQ(got, expected);
    const PunchIndex index(table);
    EXPECT_EQ(collectedOf(scanPunches(table, "1", march, TimeMode::Administrative, sampleTimes(), &index), march),
              expected);
}

TEST(ScanPunches, ARunInALaterSegmentIsFound)
{
    QStringList records;
    for (int i = 0; i < PunchTable::kSegmentSize; ++i)
        records.append(QStringLiteral("0009##2013-03-01##08:00:00"));
    records += {"0002##2013-03-06##08:00:00", "0001##2013-03-07##08:00:00", "0001##2013-03-07##17:00:00"};
    const PunchTable table = tableOf(records);
    const QList<PeriodDay> march = periodDays(kMonthStartStyle, 2013, 3);
    const Collected got = collectedOf(scanPunches(table, "0001", march, TimeMode::Administrative, sampleTimes()), march);
    const Collected expected = {{7, slotTexts("08:00", "", "", "17:00")}};
    EXPECT_EQ(got, expected);
    const PunchIndex index(table);
    EXPECT_EQ(collectedOf(scanPunches(table, "0001", march, TimeMode::Administrative, sampleTimes(), &index), march),
              expected);
}

// Three employees, every day of February and March 2013: two punches in the
// morning on-duty window (the earlier must stay), one in each of the next two
// windows, and two after the off-duty time (the later must stay).
QStringList dayRecords(int employee, const QDate& day)
{
    const QString prefix = QStringLiteral("000%1##%2##").arg(employee).arg(day.toString(Qt::ISODate));
    const int d = day.day() % 10;
    return {prefix + QStringLiteral("07:4%1:00").arg(employee), prefix + QStringLiteral("08:0%1:30").arg(d),
            prefix + "12:05:00", prefix + "14:00:00", prefix + "17:05:00",
            prefix + QStringLiteral("18:1%1:00").arg(d)};
}

// The clock's own shape: each employee's records together, in time order.
QStringList clockExport(const QDate& from, const QDate& to)
{
    QStringList out;
    for (int e = 1; e <= 3; ++e) {
        for (QDate d = from; d <= to; d = d.addDays(1))
            out += dayRecords(e, d);
    }
    return out;
}

TEST(ScanPunches, EveryExportShapeGivesTheClocksResult)
{
    const QDate feb1(2013, 2, 1);
    const QDate feb28(2013, 2, 28);
    const QDate mar1(2013, 3, 1);
    const QDate mar31(2013, 3, 31);
    const QStringList clock = clockExport(feb1, mar31);
    QStringList byTime; // every employee's punches of a day together, by time across employees
    for (QDate d = feb1; d <= mar31; d = d.addDays(1)) {
        QStringList day;
        for (int e = 1; e <= 3; ++e)
            day += dayRecords(e, d);
        std::stable_sort(day.begin(), day.end(),
                         [](const QString& a, const QString& b) { return a.mid(18) < b.mid(18); });
        byTime += day;
    }
    QStringList newestFirst = clock;
    std::reverse(newestFirst.begin(), newestFirst.end());
    struct Shape {
        const char* name;
        QStringList records;
    };
    const std::vector<Shape> shapes = {
        {"two monthly exports in one folder", clockExport(feb1, feb28) + clockExport(mar1, mar31)},
        {"sorted by time across employees", byTime},
        {"listed newest first", newestFirst},
        {"two overlapping exports", clockExport(feb1, QDate(2013, 3, 10)) + clockExport(mar1, mar31)},
    };
    struct Period {
        const char* name;
        QList<PeriodDay> days;
    };
    const std::vector<Period> periods = {
        {"month start after the first month", periodDays(kMonthStartStyle, 2013, 3)},
        {"mid-month across both months", periodDays(kMidMonthStyle, 2013, 2)},
    };
    const PunchTable reference = tableOf(clock);
    for (const Period& period : periods) {
        SCOPED_TRACE(period.name);
        for (const char* employee : {"0001", "2", "0003"}) {
            SCOPED_TRACE(employee);
            const Collected expected = collectedOf(
                scanPunches(reference, employee, period.days, TimeMode::Administrative, sampleTimes()), period.days);
            ASSERT_EQ(expected.size(), std::size_t(period.days.size()));
            for (const Shape& shape : shapes) {
                SCOPED_TRACE(shape.name);
                const PunchTable table = tableOf(shape.records);
                const PunchIndex index(table);
                EXPECT_EQ(collectedOf(scanPunches(table, employee, period.days, TimeMode::Administrative,
                                                  sampleTimes(), &index),
                                      period.days),
                          expected);
                EXPECT_EQ(collectedOf(scanPunches(table, employee, period.days, TimeMode::Administrative,
                                                  sampleTimes()),
                                      period.days),
                          expected)
                    << "without the index";
            }
        }
    }
    // what the clock's shape itself gives: the earliest morning and the latest evening punch
    const QList<PeriodDay> march = periodDays(kMonthStartStyle, 2013, 3);
    const Collected march2 = collectedOf(scanPunches(reference, "0002", march, TimeMode::Administrative, sampleTimes()), march);
    EXPECT_EQ(march2.at(5), slotTexts("07:42", "12:05", "14:00", "18:15"));
    EXPECT_EQ(march2.at(31), slotTexts("07:42", "12:05", "14:00", "18:11"));
}

TEST(ScanPunches, PunchesOfOneMinuteKeepTheirTimeOrderThenTheirReadingOrder)
{
    // the clock's seconds decide which of two punches came first; the judged
    // order is what the explanation of a day shows
    const PunchTable table = tableOf({"0001##2013-03-04##17:30:40", "0001##2013-03-04##17:30:05",
                                      "0001##2013-03-04##08:00:00", "0001##2013-03-04##8:00",
                                      "0001##2013-03-04##25:00:00"});
    const QList<PeriodDay> march = periodDays(kMonthStartStyle, 2013, 3);
    JudgedDays judged;
    scanPunches(table, "0001", march, TimeMode::Administrative, sampleTimes(), nullptr, &judged);
    QStringList order;
    for (const JudgedPunch& p : judged.at(3))
        order.append(p.timeText);
    EXPECT_EQ(order, (QStringList{"08:00:00", "8:00", "17:30:05", "17:30:40", "25:00:00"}));
    EXPECT_EQ(judged.at(3).at(1).placement.kind, Placement::Kept);
    EXPECT_EQ(judged.at(3).at(3).placement.kind, Placement::Replaced);
    EXPECT_EQ(judged.at(3).at(4).minute, -1);
}

TEST(PunchIndex, FindsEachNumbersFirstRecordPerSegment)
{
    const PunchTable table = tableOf({"0002##2013-03-04##08:00:00", "15x##2013-03-04##08:00:00",
                                      "0002##2013-03-05##08:00:00", "015X##2013-03-05##08:00:00"});
    const PunchIndex index(table);
    EXPECT_EQ(index.firstOf(0, u"2"), 0);
    EXPECT_EQ(index.firstOf(0, u"15X"), 1);
    EXPECT_EQ(index.firstOf(0, u"0015x"), 1);
    EXPECT_EQ(index.firstOf(0, u"3"), -1);
    EXPECT_EQ(index.firstOf(1, u"2"), -1);
    EXPECT_EQ(index.firstOf(7, u"2"), -1);
}

TEST(RecordFields, DatesAndTimes)
{
    EXPECT_EQ(recordDate(u"2013-02-28"), QDate(2013, 2, 28));
    EXPECT_EQ(recordDate(u"2013-2-8"), QDate(2013, 2, 8));
    EXPECT_FALSE(recordDate(u"2013-02-29").isValid());
    EXPECT_FALSE(recordDate(u"2013-02/28").isValid());
    EXPECT_FALSE(recordDate(u"2013-02-28x").isValid());
    EXPECT_EQ(recordMinutes(u"23:59:59"), 23 * 60 + 59); // seconds dropped, not rounded
    EXPECT_EQ(recordMinutes(u"8:05"), 8 * 60 + 5);
    EXPECT_EQ(recordMinutes(u"24:00:00"), -1);
    EXPECT_EQ(recordMinutes(u"08:5"), -1);
    EXPECT_EQ(recordMinutes(u""), -1);
}

} // namespace
