#include "SettlementCalendar.h"

#include "MonthFile.h"
#include <QCoreApplication>

namespace tarnby {
namespace {

constexpr int kYearsAround = 6;
constexpr int kGridCells = 42;

} // namespace

QString PeriodPickers::yearText() const
{
    return yearIndex >= 0 && yearIndex < years.size() ? years.at(yearIndex) : QString();
}

QString PeriodPickers::monthText() const
{
    return monthIndex >= 0 && monthIndex < months.size() ? months.at(monthIndex) : QString();
}

PeriodPickers FillPeriodPickers(const QDate& workDate)
{
    PeriodPickers pickers;
    const int year = workDate.year();
    for (int y = year - kYearsAround; y <= year + kYearsAround; ++y) {
        if (y != year && (y < monthfile::kFirstYear || y > monthfile::kLastYear))
            continue;
        if (y == year)
            pickers.yearIndex = int(pickers.years.size());
        pickers.years.append(QString::number(y));
    }
    for (int m = 1; m <= 12; ++m)
        pickers.months.append(QString::number(m));
    // the month usually settled is the one just past; in January none is chosen
    pickers.monthIndex = workDate.month() - 2;
    return pickers;
}

void SettlementCalendar::setStyle(int style)
{
    if (style == kMonthStartStyle || style == kMidMonthStyle)
        style_ = style;
}

bool SettlementCalendar::isRestDay(int flagIndex) const
{
    return flagIndex > 0 && flagIndex < int(flags_.size()) && flags_.at(std::size_t(flagIndex));
}

const SettlementCalendar::Drawing& SettlementCalendar::DrawSettlementCalendar(std::optional<MonthKey> start)
{
    drawing_ = Drawing{};
    period_.reset();

    if (!start || !start->valid())
        return drawing_;

    const int y = start->year;
    const int m = start->month;
    const auto monthDay = [](int month, int day) { return QCoreApplication::translate("SettlementCalendar", "%1月%2日").arg(month).arg(day); };
    if (style_ == kMonthStartStyle)
        drawing_.periodLabel = monthDay(m, 1) + QStringLiteral(" —— ") + monthDay(m, daysInMonth(y, m));
    else
        drawing_.periodLabel = monthDay(m, 16) + QStringLiteral(" —— ") + monthDay(m < 12 ? m + 1 : 1, 15);

    const auto caption = [](int year, int month) { return QCoreApplication::translate("SettlementCalendar", "%1年%2月").arg(year).arg(month); };
    drawing_.firstMonthCaption = caption(y, m);
    MonthKey second{y, m + 1};
    bool endOfCalendar = false;
    if (m == 12 && y < monthfile::kLastYear) {
        second = MonthKey{y + 1, 1};
    } else if (m == 12) {
        second = MonthKey{monthfile::kLastYear, 12};
        endOfCalendar = true;
        drawing_.message = kEndOfCalendarMessage;
    }
    drawing_.secondMonthCaption = caption(second.year, second.month);

    const auto layOut = [this](MonthKey month, int firstCell, auto enabledDay) {
        const int offset = firstDayOffset(month.year, month.month);
        for (int d = 1; d <= daysInMonth(month.year, month.month); ++d) {
            DayCell& cell = drawing_.cells[std::size_t(firstCell + offset + d - 1)];
            cell.caption = QString::number(d);
            cell.date = QDate(month.year, month.month, d);
            cell.enabled = enabledDay(d);
        }
    };
    const bool monthStart = style_ == kMonthStartStyle;
    layOut(MonthKey{y, m}, 0, [monthStart](int d) { return monthStart || d >= 16; });
    // At the end of the calendar the second grid repeats December 2100; its
    // days would stand for January 2101, so none of them can be marked.
    layOut(second, kGridCells, [monthStart, endOfCalendar](int d) { return !monthStart && !endOfCalendar && d <= 15; });

    flags_.fill(false);
    drawing_.flagsCleared = true;
    period_ = SettlementPeriod{style_, MonthKey{y, m}};
    return drawing_;
}

std::optional<Rgb> SettlementCalendar::clickDay(int index, ClickButton button)
{
    if (index < 0 || index >= kCellCount || !drawing_.cells[std::size_t(index)].enabled)
        return std::nullopt;
    DayCell& cell = drawing_.cells[std::size_t(index)];
    // an enabled label lies in the period drawn
    const auto flag = std::size_t(period_->restFlagIndex(cell.date));
    switch (button) {
    case ClickButton::Left:
        flags_[flag] = true;
        cell.colour = kRestDayColour;
        return cell.colour;
    case ClickButton::Right:
        flags_[flag] = false;
        cell.colour = kPlainDayColour;
        return cell.colour;
    case ClickButton::Other:
        break;
    }
    return std::nullopt;
}

Outcome SettlementCalendar::markRestDate(const QDate& date)
{
    for (int i = 0; i < kCellCount; ++i) {
        const DayCell& cell = drawing_.cells[std::size_t(i)];
        if (cell.enabled && cell.date == date) {
            clickDay(i, ClickButton::Left);
            return Outcome::quiet();
        }
    }
    const QString shown = date.isValid() ? date.toString(QStringLiteral("yyyy-MM-dd")) : QCoreApplication::translate("SettlementCalendar", "（无效日期）");
    if (!period_)
        return Outcome::error(QCoreApplication::translate("SettlementCalendar", "尚未选择结算月份，无法将 %1 设为休息日！").arg(shown));
    return Outcome::error(
        QCoreApplication::translate("SettlementCalendar", "%1 不在可设置的结算期（%2）内，无法设为休息日！").arg(shown, drawing_.periodLabel));
}

QList<PeriodDay> SettlementCalendar::periodDays() const
{
    return period_ ? period_->days(flags_) : QList<PeriodDay>{};
}

} // namespace tarnby
