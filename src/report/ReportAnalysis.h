#pragma once
// Builds the month-end report: every distinct entry of the employee picker is
// analysed once, in picker order, exactly as the result page would analyse it.
//
// This is the report's only door into the analysis. It may run on a worker
// thread as long as nobody changes the punch table or the program folder's
// files meanwhile; progress is reported on that thread.

#include "base/Clock.h"
#include "base/PickerEntry.h"
#include "report/ReportModel.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

namespace tarnby {
class PunchTable;
}

namespace tarnby::report {

struct ReportProgress {
    int done = 0;     // entries analysed so far
    int total = 0;    // distinct entries to analyse
    QString employee; // the entry just analysed
};
using ReportProgressFn = std::function<void(const ReportProgress&)>;

struct ReportBuild {
    enum class Status { Done, Cancelled, Failed };
    Status status = Status::Failed;
    Report report;   // complete when Done
    QString error;   // the "错误" text when Failed
    bool ok() const { return status == Status::Done; }
};

// How one build runs: whom it tells after each employee, whom it asks between
// employees whether to stop, and the clock that dates the report.
struct ReportRun {
    ReportProgressFn progress;
    std::function<bool()> cancelled;
    Clock clock = systemClock();
};

// `pickerEntries` as the picker holds them (the placeholder and repeated
// entries are passed over). When `cancelled` answers true the build stops and
// returns Cancelled. Fails with the analysis's message when Init.ini's time
// line, a registration file or a duty roster cannot be read.
ReportBuild buildReport(const QString& programDir, const PunchTable& punches, const QList<PickerEntry>& pickerEntries,
                        const ReportSetting& setting, const ReportRun& run = {});

// The entries a report covers: picker order, each once, no placeholder.
QList<PickerEntry> reportEntries(const QList<PickerEntry>& pickerEntries);

// What the program folder's files that a report of the period reads look like
// now (Init.ini, Schedules.json, Holidays.txt, the months' registrations, duty
// and shift rosters): the same bytes as long as none of them was saved since.
QByteArray inputFilesStamp(const QString& programDir, const SettlementPeriod& period);

} // namespace tarnby::report
