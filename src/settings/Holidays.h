#pragma once
// The public-holiday calendar of the program folder, Holidays.txt: one day a
// line, "yyyy-mm-dd", blanks, then a text. 上班 or 补班 makes the day a working
// day even on a weekend (the make-up days of a moved holiday); any other text
// names a holiday. Shipped with the official schedules; the user adds later
// years and the company's own days below them, so a later line for a date
// replaces an earlier one. The file is read afresh for every use: an edit
// counts at the next click, without a restart.

#include "base/Outcome.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <map>
#include <optional>

namespace tarnby {

inline const QString kHolidaysFileName = QStringLiteral("Holidays.txt");

// What the file says about one date.
struct HolidayEntry {
    bool workingDay = false; // 上班 / 补班
    QString text;            // the holiday's name, or the working-day word as written
    friend bool operator==(const HolidayEntry&, const HolidayEntry&) = default;
};

class HolidayCalendar {
public:
    // The date's entry; nothing when the file does not list the date.
    std::optional<HolidayEntry> entry(const QDate& date) const;
    bool isHoliday(const QDate& date) const;
    bool isWorkingDay(const QDate& date) const;
    // The holiday's name (the calendar's tooltip); empty unless a holiday.
    QString holidayName(const QDate& date) const;
    bool isEmpty() const { return days_.empty(); }
    qsizetype size() const { return qsizetype(days_.size()); }

    // Lists a date; a second call for the same date replaces the first.
    void set(const QDate& date, HolidayEntry entry);

private:
    std::map<QDate, HolidayEntry> days_;
};

// The result of reading Holidays.txt. A missing file is told apart from a bad
// one: marking weekends without the holidays would turn each holiday into an
// absence, so the caller must say that the holidays are missing.
struct HolidayFile {
    enum class Status { Read, Missing, Malformed };
    Status status = Status::Missing;
    HolidayCalendar calendar; // empty unless Read: a bad file is not used at all
    QString message;          // Missing and Malformed: what the user reads
    bool ok() const { return status == Status::Read; }
    // Quiet when read, else an error ("错误") with the message.
    Outcome outcome() const { return ok() ? Outcome::quiet() : Outcome::error(message); }
};

namespace holidays {

// programDir/Holidays.txt
QString filePath(const QString& programDir);

// Reads and checks the whole file.
HolidayFile read(const QString& programDir);

// The lines of a file already read; `shownPath` names the file in a message.
// Fails at the first line that is neither a day, a comment nor empty.
Result<HolidayCalendar> parse(const QStringList& lines, const QString& shownPath);

} // namespace holidays
} // namespace tarnby
