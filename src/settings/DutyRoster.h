#pragma once
// The duty table: for days 1-31 of one month the number of the employee on
// duty, "0000" for nobody. The page and the analysis share one table; each load
// replaces it whole. Stored as SrDate/yyyymm.zra: 31 lines "dd" + number.

#include "MonthFile.h"
#include "base/EmployeeNumber.h"
#include "base/Outcome.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace tarnby {

inline const QString kDutyRosterSaved = QStringLiteral("值日安排保存成功！");

class DutyRoster {
public:
    static constexpr int kEntryCount = 32; // index 0 is not used
    static constexpr int kLineCount = 31;

    DutyRoster();

    // The number on duty on day 0-31 ("0000" for nobody; out of range too).
    QString entry(int day) const;
    // Sets day 1-31; other days are ignored.
    void setEntry(int day, const QString& number);
    // Every entry back to "0000".
    void clear();
    const std::array<QString, kEntryCount>& entries() const { return entries_; }

    // The table from file lines: empty lines skipped, every other line starts
    // with a two-digit day 00-31 followed by the number, later lines win. A line
    // that does not start so is an error naming the line; the table is left as
    // it was.
    Outcome readLines(const QStringList& lines);
    // The 31 file lines, "01"... "31" each followed by its entry.
    QStringList lines() const;

    // Loads the month on show; none (the boxes name no month) or a missing
    // file means nobody on duty. A malformed file is an error naming the file
    // and line; the table stays as it was.
    Outcome LoadDutyRoster(const QString& programDir, std::optional<MonthKey> month);

    // Writes the 31 lines to the month. Success carries "值日安排保存成功！"; a
    // missing SrDate folder or a failed write are errors and leave the file as
    // it was.
    Outcome SaveDutyRoster(const QString& programDir, MonthKey month) const;

private:
    std::array<QString, kEntryCount> entries_;
};

} // namespace tarnby
