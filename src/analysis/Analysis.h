#pragma once
// One analysis run: an employee's settlement period turned into the rows of the
// result list, the statistics captions and the registration details.
//
// The pure entry takes everything as data. The window (and tarnby-cli) use the
// file-reading entry, which gathers the working times, the period's
// registrations and the duty rosters from the program folder first.

#include "analysis/AnalysisTypes.h"
#include "settings/SettlementCalendar.h"

namespace tarnby {

class PunchTable;

// The whole analysis. The picker's placeholder gives a result that did not
// run; time mode 2 hands over to AnalyseTimeMode2. Fails only when a duty
// roster cannot be read.
Result<AnalysisResult> AnalyseTimeMode1(const AnalysisRequest& request);
// The nine-to-five schedule, whatever the request's time mode says.
Result<AnalysisResult> AnalyseTimeMode2(const AnalysisRequest& request);

// What the window holds when it asks for an analysis.
struct AnalysisSetting {
    PickerEntry employee;    // dCmb(6)
    TimeMode timeMode = TimeMode::Administrative; // cnLab(4)
    SettlementPeriod period; // style, start year and month
    RestDayFlags restDays{}; // the settlement calendar's flags
    bool explain = false;    // also say why each row reads as it does
    bool figures = false;    // the shift figures are shown: Holidays.txt is read for them
};

// Reads Init.ini's time line and the period's registrations from the program
// folder, indexes the punch table, and names the duty rosters to read there,
// month by month, during the run. One request serves any number of runs (set
// the employee for each) while the table and the files stay as they are. Errors
// carry the text for an "错误" message: a missing Init.ini or time line, a
// malformed registration file, a malformed Schedules.json, roster or (when
// shifts are used) Holidays.txt.
Result<AnalysisRequest> gatherRequest(const QString& programDir, const PunchTable& punches,
                                      const AnalysisSetting& setting);

// gatherRequest and the run together; a placeholder reads no file.
Result<AnalysisResult> AnalyseTimeMode1(const QString& programDir, const PunchTable& punches,
                                        const AnalysisSetting& setting);

} // namespace tarnby
