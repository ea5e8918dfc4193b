#pragma once
// Init.ini beside the program: the data read position, the employee roster and
// the working times of both time modes. The file is a sequence of lines with a
// few two-character marker lines; everything else in it is the user's and is
// written back as it stood.

#include "base/Outcome.h"
#include "base/PickerEntry.h"

#include <QString>
#include <QStringList>
#include <array>

namespace tarnby {

struct RosterEntry {
    QString number; // upper-cased, as the pickers show it
    QString name;
};

// The two schedules whose working times Init.ini keeps: the administrative
// day of four punches and the nine-to-five day of two.
enum class TimeMode { Administrative = 1, NineToFive = 2 };

// The parts of the file that the settings page saves one at a time.
enum class ConfigSection { Roster, TimeMode1, TimeMode2, ReadPosition };

// The cells at which the clock's workbook holds its first employee number and
// its first punch time, each a column letter and a one-digit row ("A1", "B2").
struct ReadPosition {
    QString numberCell;
    QString timeCell;
};

// The eighteen two-digit fields of the time line; field k (1..18) is fields[k-1].
using TimeFields = std::array<QString, 18>;

// What the settings page holds when one of its save buttons is pressed.
struct SettingsPageData {
    QList<PickerEntry> rosterList; // sList, in list order
    TimeFields timeFields;         // the boxes sTxt(2)..sTxt(19)
    QString numberCell;            // sTxt(20)
    QString timeCell;              // sTxt(21)
};

namespace config {

// The page defaults of the working times, in field order.
inline const TimeFields kDefaultTimeFields = {
    QStringLiteral("08"), QStringLiteral("30"), QStringLiteral("12"), QStringLiteral("00"),
    QStringLiteral("14"), QStringLiteral("00"), QStringLiteral("17"), QStringLiteral("00"),
    QStringLiteral("20"), QStringLiteral("30"), QStringLiteral("22"), QStringLiteral("30"),
    QStringLiteral("09"), QStringLiteral("00"), QStringLiteral("17"), QStringLiteral("00"),
    QStringLiteral("21"), QStringLiteral("30")};

QString filePath(const QString& programDir);

// The roster in file order.
Result<QList<RosterEntry>> readRoster(const QString& programDir);
// The roster as the settings page lists it.
Result<QList<PickerEntry>> LoadRosterList(const QString& programDir);
// The time line's fields (the last line of the time section, as every line there
// overwrites the boxes in turn).
Result<TimeFields> LoadWorkTimes(const QString& programDir);
// Characters 2-3 and 4-5 of the first line, upper-cased.
Result<ReadPosition> LoadReadPosition(const QString& programDir);

// The section that keeps the working times of a time mode.
ConfigSection timesSection(TimeMode mode);

// Rewrites one section of the file from the page. Success carries the text for
// the "完成" message; on any error the file is left exactly as it was.
Outcome SaveSettings(const QString& programDir, ConfigSection section, const SettingsPageData& page);

} // namespace config
} // namespace tarnby
