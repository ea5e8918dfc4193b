#pragma once
// The settlement side of page 2: the year and month pickers, the style, the
// two-month calendar and the rest-day flags. The window draws what this class
// computes and forwards the clicks; the analysis and the command line read the
// period and the flags from it.

#include "DayCell.h"
#include "base/Outcome.h"
#include "SettlementPeriod.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace tarnby {

inline const QString kEndOfCalendarMessage = QStringLiteral("年历已达最大计年数，请更新！");
inline const QString kWorkDateSetMessage = QStringLiteral("已设为当前工作日期！");

// The colour of a day marked as rest day.
inline constexpr Rgb kRestDayColour{255, 192, 128};
// The style option labels cnLab(0) and cnLab(1): chosen and not chosen.
inline constexpr Rgb kChosenOptionColour{128, 0, 128};
inline constexpr Rgb kOtherOptionColour{128, 128, 128};

// The contents of the year picker dCmb(4) and the month picker dCmb(5).
struct PeriodPickers {
    QStringList years;      // work year - 6 ... + 6, limited to 1901-2100
    int yearIndex = -1;     // the work date's year
    QStringList months;     // "1" ... "12"
    int monthIndex = -1;    // the month before the work date's; -1 in January
    QString yearText() const;
    QString monthText() const; // empty when no month is selected
};

PeriodPickers FillPeriodPickers(const QDate& workDate);

class SettlementCalendar {
public:
    static constexpr int kCellCount = 84; // cLab(0)..cLab(41), then cLab(42)..cLab(83)

    struct Drawing {
        QString periodLabel;        // cnLab(3), e.g. "12月16日 —— 1月15日"
        QString firstMonthCaption;  // crLab(0), e.g. "2013年12月"
        QString secondMonthCaption; // crLab(1), e.g. "2014年1月"
        std::array<DayCell, kCellCount> cells;
        QString message;            // the end-of-calendar message, else empty
        bool flagsCleared = false;  // the rest-day flags were cleared
    };

    // Style "1" or "2" (cnLab(2)); a style change needs a redraw to take effect
    // on the grids, as with the window's option labels.
    int style() const { return style_; }
    void setStyle(int style);

    // Redraws for the start month of the period. With no month (none selected,
    // or pickers naming no month of 1901-2100: monthfile::shownMonth), both
    // grids stay empty, the label and captions are empty, there is no period
    // and the flags keep their values; otherwise the flags are cleared.
    const Drawing& DrawSettlementCalendar(std::optional<MonthKey> start);
    const Drawing& drawing() const { return drawing_; }

    // A click on day label cLab(index). Left marks a rest day, right clears it;
    // returns the label's new colour, or nothing when the click does nothing
    // (other button, disabled cell, index out of range).
    std::optional<Rgb> clickDay(int index, ClickButton button);

    // Marks a rest day by its date, as a left click on its label would. A date
    // whose label the user could not click is refused with a message.
    Outcome markRestDate(const QDate& date);

    const RestDayFlags& restDayFlags() const { return flags_; }
    bool isRestDay(int flagIndex) const;

    // The period drawn last; nothing when no month was selected.
    std::optional<SettlementPeriod> period() const { return period_; }
    // The period's days with their rest flags; empty when there is no period.
    QList<PeriodDay> periodDays() const;

private:
    int style_ = kMidMonthStyle;
    Drawing drawing_;
    RestDayFlags flags_{};
    std::optional<SettlementPeriod> period_;
};

} // namespace tarnby
