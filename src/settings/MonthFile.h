#pragma once
// The per-month files in the SrDate folder beside the program: yyyymm.ydj for
// the registrations and yyyymm.zra for the duty roster. The folder ships with
// the program and is never created here: a save into a missing folder is an
// error the user must see, not a folder that quietly appears somewhere else.

#include "base/Outcome.h"

#include <QString>
#include <optional>

namespace tarnby {

// A calendar month as the page's year and month boxes name it.
struct MonthKey {
    int year = 0;  // [1901, 2100]
    int month = 0; // [1, 12]
    // Whether the month lies in the range the pages can show.
    bool valid() const;
    friend bool operator==(const MonthKey&, const MonthKey&) = default;
};

namespace monthfile {

enum class Kind { Registrations, DutyRoster };

inline constexpr int kFirstYear = 1901;
inline constexpr int kLastYear = 2100;

// The numeric value of a box text as the pages read it: leading digits only,
// an empty or non-numeric text counts as 0.
int boxValue(const QString& text);

// The year and month boxes (dTxt(3), dTxt(4)) as a month; a year outside
// 1901-2100 or a month outside 1-12 is refused with the box's own message.
Result<MonthKey> fromBoxes(const QString& yearText, const QString& monthText);

// The month the boxes name, or none when they name no valid month: what the
// pages show then is an empty month.
std::optional<MonthKey> shownMonth(const QString& yearText, const QString& monthText);

// The SrDate folder of a program folder.
QString folderPath(const QString& programDir);

// programDir/SrDate/yyyymm.ydj or .zra.
QString path(const QString& programDir, MonthKey month, Kind kind);

// Quiet when the SrDate folder exists, else the error a save reports.
Outcome checkFolder(const QString& programDir);

} // namespace monthfile
} // namespace tarnby
