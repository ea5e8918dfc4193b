#pragma once
// Hand-made inputs for the analysis tests.

#include "analysis/DayJudge.h"
#include "import/PunchTable.h"
#include "settings/SettlementPeriod.h"

#include <QStringList>
#include <array>

#include <ostream>

namespace tarnby {
// Readable failures for the counter tables.
inline void PrintTo(const DayCounters& c, std::ostream* os)
{
    *os << "{duty " << c.dutyLate10 << "/" << c.dutyLateOver10 << ", late " << c.late10 << "/" << c.late30 << "/"
        << c.late60 << ", missed " << c.missed << ", sick " << c.sickHalves << ", personal " << c.personalHalves
        << ", absent " << c.absentHalves << ", overtime " << c.overtime1 << "/" << c.overtime2 << ", rest "
        << c.restHalves << "}";
}
} // namespace tarnby

namespace analysistest {

inline int hm(int hours, int minutes)
{
    return hours * 60 + minutes;
}

// Minutes of "HH:MM"; -1 for an empty text.
inline int minutesOf(const QString& text)
{
    if (text.isEmpty())
        return tarnby::DaySlots::kEmpty;
    return hm(text.left(2).toInt(), text.mid(3, 2).toInt());
}

// The four slots from texts "HH:MM", "" for an empty slot.
inline tarnby::DaySlots slotsOf(const std::array<const char*, 4>& texts)
{
    tarnby::DaySlots s;
    for (int i = 0; i < 4; ++i)
        s.minutes[i] = minutesOf(QString::fromUtf8(texts[i]));
    return s;
}

inline std::array<QString, 4> textsOf(const tarnby::DaySlots& s)
{
    return {s.text(tarnby::MorningIn), s.text(tarnby::MorningOut), s.text(tarnby::AfternoonIn),
            s.text(tarnby::AfternoonOut)};
}

// The administrative day 08:00 / 12:00 / 14:00 / 17:00, overtime 20:30 and 22:30;
// nine-to-five 09:00 / 17:00, overtime 21:30.
inline tarnby::WorkTimes sampleTimes()
{
    tarnby::WorkTimes t;
    t.morningIn = hm(8, 0);
    t.morningOut = hm(12, 0);
    t.afternoonIn = hm(14, 0);
    t.afternoonOut = hm(17, 0);
    t.overtimeFirst = hm(20, 30);
    t.overtimeSecond = hm(22, 30);
    t.nineToFiveIn = hm(9, 0);
    t.nineToFiveOut = hm(17, 0);
    t.nineToFiveOvertime = hm(21, 30);
    return t;
}

// The time line of sampleTimes().
inline tarnby::TimeFields sampleTimeFields()
{
    const QString line = QStringLiteral("080012001400170020302230090017002130");
    tarnby::TimeFields f;
    for (int k = 0; k < 18; ++k)
        f[k] = line.mid(2 * k, 2);
    return f;
}

inline tarnby::PunchTable tableOf(const QStringList& records)
{
    tarnby::PunchTable table;
    for (const QString& r : records)
        table.append(tarnby::Punch::fromText(r));
    return table;
}

// Registrations as the month file stores them; a line that is no registration
// never reaches the analysis, since the file holding it is refused.
inline QList<tarnby::Registration> registrationsOf(const QStringList& lines)
{
    QList<tarnby::Registration> out;
    for (const QString& line : lines) {
        if (const auto r = tarnby::Registration::fromLine(line))
            out.append(r.value());
    }
    return out;
}

inline QList<tarnby::PeriodDay> periodDays(int style, int year, int month, const tarnby::RestDayFlags& flags = {})
{
    tarnby::SettlementPeriod period;
    period.style = style;
    period.start = tarnby::MonthKey{year, month};
    return period.days(flags);
}

} // namespace analysistest
