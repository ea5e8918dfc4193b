#pragma once
// The output side of a run: the rows of the result list with their remarks and
// colours, and the thirteen statistics captions beside it.

#include "analysis/AnalysisTypes.h"
#include "analysis/DayJudge.h"

#include <array>

namespace tarnby {

// The headers of the result list and their widths in pixels.
struct ResultColumnHeader {
    QString caption;
    int width;
};
const std::array<ResultColumnHeader, kResultColumns>& resultColumnHeaders();

// Indices of the statistics captions.
enum Statistic {
    StatDutyLate10, StatDutyLateOver10, StatLate10, StatLate30, StatLate60, StatMissed,
    StatSick, StatPersonal, StatAbsent, StatOvertime1, StatOvertime2, StatRest, StatFullAttendance,
};

// What the page, the exports and the report call each statistic.
struct StatisticName {
    const char16_t* group;   // the heading it stands under on the page ("值日迟到"); empty when none
    const char16_t* caption; // beside its label on the page ("10分钟内")
    const char16_t* name;    // standing alone, as a column or a line of a report ("值日迟到10分钟内")
    bool dayValued;          // counted in days ("1.5天") rather than in occurrences
};
// In Statistic order.
const std::array<StatisticName, kStatisticsCount>& statisticNames();

// The four statistics counted in days rather than in occurrences.
bool isDayValued(Statistic s);

// The captions before any analysis: every count "0" (the day-valued ones
// "0天"), full attendance "无".
StatisticsCaptions initialStatisticsCaptions();

class ResultList {
public:
    explicit ResultList(TimeMode mode) : mode_(mode) {}

    // No rows.
    void ResetResultList();
    // Every count caption "0", full attendance "无".
    void OpenPeriodStatistics();
    // Appends the day's row with its remark and colours and adds it to the counts.
    void WriteDayRow(const DayResult& day);
    // The half-day captions and the full-attendance verdict.
    void ClosePeriodStatistics();

    const QList<ResultRow>& rows() const { return rows_; }
    // The thirteen captions as they read now.
    StatisticsCaptions captions() const;

private:
    TimeMode mode_;
    QList<ResultRow> rows_;
    // What each count caption reads; the four day-valued ones in half days.
    std::array<int, StatFullAttendance> values_{};
    int earlyLeaves_ = 0; // they cost full attendance, as lateness does

    // A day-valued caption shows "天" once a row has been added to it.
    bool counted_ = false;
    QString fullAttendance_;
};

// The remark of a day: the remark base, then the words its counters call for
// (decided before folding), then the penalty.
QString dayRemark(const DayResult& day);

// Morning and afternoon occurrences added up (11 becomes 2); negative counts
// become 0.
int foldShifts(int value);

} // namespace tarnby
