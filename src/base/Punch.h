#pragma once
// One punch of the time clock: who, on which day, at what time, each as the
// workbook's text gave it. The texts are read as a date and a time only when a
// punch is judged, so a record the clock wrote oddly is still listed as it is.

#include <QDate>
#include <QString>
#include <QStringView>

namespace tarnby {

struct Punch {
    QString number;
    QString dateText; // "yyyy-mm-dd" for every cell that holds a date-time
    QString timeText; // "HH:NN:SS" likewise

    // "number##date##time", the form tarnby-cli import prints.
    QString text() const;
    // The printed form read back: the number before the first "##", the date up
    // to the second, the time after it (a text without "##" is a number alone).
    static Punch fromText(QStringView text);

    QDate date() const;
    int minuteOfDay() const;

    friend bool operator==(const Punch&, const Punch&) = default;
};

// A punch's date "yyyy-mm-dd" (one-digit month and day and "/" are read too);
// an invalid date when it is none.
QDate recordDate(QStringView text);
// A punch's time "HH:NN:SS" or "H:NN" as minutes after midnight; -1 when it is
// none.
int recordMinutes(QStringView text);
// The same time as seconds after midnight (":00" when it has no seconds); -1
// when it is none. Orders a day's punches where minutes tie.
int recordSeconds(QStringView text);

} // namespace tarnby
