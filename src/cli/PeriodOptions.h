#pragma once
// The options every command that analyses a period takes (analyse, report):
// the data folder, the time mode, the settlement period and its rest days,
// parsed and applied in one place, so that every command reads them alike.

#include "import/PunchTable.h"
#include "settings/ConfigFile.h"
#include "settings/SettlementCalendar.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

namespace tarnby::cli {

struct PeriodOptions {
    QString folder;             // --folder
    TimeMode mode = TimeMode::Administrative; // --mode
    int year = 0;
    int month = 0;
    bool haveYear = false;
    bool haveMonth = false;
    int style = kMidMonthStyle; // as at program start
    QList<QDate> restDays;      // --rest
    bool restAuto = false;      // --rest-auto: weekends and Holidays.txt
    bool restSaved = false;     // --rest-saved: SrDate/yyyymm.rest
};

enum class Taken { No, Yes, Failed };

// Takes args[i] when it is one of the options above, with its value (i then
// stands on the value). Failed after printing what is wrong; No when the
// option is not one of them.
Taken takePeriodOption(const QStringList& args, qsizetype& i, PeriodOptions& o);

// After the last option: false, after printing the message, when the folder,
// the year or the month was not given.
bool periodComplete(const PeriodOptions& o);

// Draws the settlement calendar as the page would and marks the union of the
// rest days of --rest, --rest-auto and --rest-saved. kExitOk, else kExitUsage
// after printing the message (a day of --rest that cannot be clicked, a
// missing or malformed Holidays.txt, a malformed .rest file).
int setUpCalendar(const PeriodOptions& o, const QString& home, SettlementCalendar& calendar);

// Checks that Init.ini is there and reads the data folder into `table`, as the
// window's 读取 does. kExitOk (a message that is no failure, the overflow, is
// printed and the run goes on), else the status after printing the message.
int readPeriodFolder(const QString& home, const QString& folder, PunchTable& table);

} // namespace tarnby::cli
