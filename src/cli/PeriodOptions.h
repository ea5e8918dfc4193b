#pragma once
// The options every command that analyses shares: the data folder, the
// settlement period, the time mode and the rest days; and the road from them
// to a read punch table and a drawn settlement calendar.

#include "import/PunchTable.h"
#include "settings/SettlementCalendar.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

namespace tarnby::cli {

struct PeriodOptions {
    QString folder;
    int year = 0;
    int month = 0;
    int style = kMidMonthStyle;
    int mode = 1;
    QList<QDate> restDays;
    bool haveYear = false;
    bool haveMonth = false;
};

enum class OptionTaken { Taken, NotMine, Failed };

// Takes the option at args[i] (and its value, advancing i) when it is one of
// the period's; Failed after printing what is wrong.
OptionTaken takePeriodOption(const QStringList& args, qsizetype& i, PeriodOptions& o);

// Whether the folder, year and month were given; prints what is missing.
bool periodOptionsComplete(const PeriodOptions& o);

// Checks Init.ini, reads the folder into `table` and draws the period with its
// rest days into `calendar`. Returns the exit status of a failure, or -1 when
// everything is ready. A message that is no failure (the overflow) is printed
// and the run goes on.
int preparePeriodRun(const QString& home, const PeriodOptions& o, PunchTable& table, SettlementCalendar& calendar);

} // namespace tarnby::cli
