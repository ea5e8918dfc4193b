#include "DutyMonth.h"

#include "base/EmployeeNumber.h"
#include "MonthFile.h"
#include "SettlementPeriod.h"
#include <QCoreApplication>

namespace tarnby {

const std::array<Rgb, kLegendCount>& dutyLegendColours()
{
    // dcLab(0)..dcLab(17); the 19th employee starts the colours again
    static constexpr std::array<Rgb, kLegendCount> colours = {{
        {128, 0, 128},   {0, 128, 0},     {128, 128, 128}, {0, 128, 128},   {128, 128, 0},   {192, 64, 0},
        {255, 192, 128}, {128, 128, 255}, {0, 192, 192},   {192, 255, 192}, {255, 224, 192}, {128, 64, 64},
        {192, 255, 255}, {128, 64, 0},    {255, 192, 255}, {192, 192, 0},   {255, 192, 192}, {192, 192, 255},
    }};
    return colours;
}

QString dutyLegendCaption(int k)
{
    return QString::number(k + 1);
}

Rgb dutyColourForPosition(int position)
{
    if (position < 0)
        return kPlainDayColour;
    return dutyLegendColours()[std::size_t(position % kLegendCount)];
}

PickerEntry dutyPickerEntry(const QString& number, const QString& name, int position)
{
    return {number.toUpper(), name + u'(' + QString::number(position) + u')'};
}

std::optional<DutyGrid> DrawDutyMonth(const DutyRoster& roster, std::optional<MonthKey> month,
                                      const QList<PickerEntry>& pickerEntries)
{
    if (!month || !month->valid())
        return std::nullopt;
    DutyGrid grid{};
    const int offset = firstDayOffset(month->year, month->month);
    for (int d = 1; d <= daysInMonth(month->year, month->month); ++d) {
        DayCell& cell = grid[std::size_t(offset + d - 1)];
        cell.caption = QString::number(d);
        cell.date = QDate(month->year, month->month, d);
        cell.enabled = true;
        const QString number = roster.entry(d);
        if (number == kNobodyOnDuty)
            continue;
        // duplicates in the roster: the later picker entry decides the colour
        for (int j = 0; j < pickerEntries.size(); ++j) {
            if (sameDutyEntry(number, pickerEntries.at(j)))
                cell.colour = dutyColourForPosition(j);
        }
    }
    return grid;
}

Result<std::optional<Rgb>> clickDutyDay(DutyRoster& roster, int day, ClickButton button,
                                        const QList<PickerEntry>& pickerEntries, int selectedIndex)
{
    using Click = Result<std::optional<Rgb>>;
    if (day < 1 || day > DutyRoster::kLineCount)
        return Click(std::nullopt);
    switch (button) {
    case ClickButton::Left: {
        if (selectedIndex < 0 || selectedIndex >= pickerEntries.size())
            return Click::failure(kNoDutyEmployeeMessage);
        const PickerEntry& entry = pickerEntries.at(selectedIndex);
        if (!entry.name)
            return Click::failure(
                QCoreApplication::translate("DutyMonth", "值日员工“%1”中没有编号与姓名之间的空格，请重新选择员工！").arg(entry.text()));
        roster.setEntry(day, entry.number);
        return Click(std::optional<Rgb>(dutyColourForPosition(selectedIndex)));
    }
    case ClickButton::Right:
        roster.setEntry(day, kNobodyOnDuty);
        return Click(std::optional<Rgb>(kPlainDayColour));
    case ClickButton::Other:
        break;
    }
    return Click(std::nullopt);
}

} // namespace tarnby
