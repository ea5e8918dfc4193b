#include "datepicker/MonthGrid.h"

#include "lunar/Lunar.h"

#include <algorithm>
#include <chrono>
#include <cmath>

namespace lundar {

namespace {

// Cells before the first of the month: its weekday, Sunday = 0. -1 when the
// month cannot be represented.
int leadingCells(int year, int month)
{
    using namespace std::chrono;
    if (month < 1 || month > 12)
        return -1;
    const year_month_day first{std::chrono::year{year}, std::chrono::month{unsigned(month)}, day{1}};
    return lunar::WeekdayOf(first);
}

} // namespace

int halfToEven(int a)
{
    const int q = (a >= 0) ? a / 2 : -((-a + 1) / 2); // floor(a / 2)
    if (a % 2 == 0)
        return q;
    return (q % 2 == 0) ? q : q + 1;
}

int snapWidth(int requested)
{
    if (requested <= kMinWidth)
        return kMinWidth;
    // (requested − 290) / 7 to the nearest whole number; a multiple of 7 plus
    // one half cannot occur, so the halves-to-even rule never decides.
    const int steps = (2 * (requested - kMinWidth) + 7) / 14;
    return kMinWidth + 7 * steps;
}

QSize snapSize(QSize requested)
{
    return QSize(snapWidth(requested.width()), kHeight);
}

class LayoutData : public QSharedData {
public:
    explicit LayoutData(int w)
        : width(w),
          cellWidth((w - 10) / 7 + 1),
          title(QPoint(2, 2), QPoint(w - 3, 24)),
          week(QPoint(2, 26), QPoint(w - 3, 44)),
          grid(QPoint(2, kGridTop), QPoint(w - 3, kHeight - 23)),
          bottom(QPoint(2, 214), QPoint(w - 3, kHeight - 3)),
          yearStripX(w - 138),
          monthStripX(w - 70)
    {
    }

    int width;
    int cellWidth;
    QRect title;
    QRect week;
    QRect grid;
    QRect bottom;
    int yearStripX;
    int monthStripX;
};

Layout::Layout() : d(new LayoutData(kMinWidth)) {}
Layout::Layout(const Layout& other) = default;
Layout::Layout(Layout&& other) noexcept = default;
Layout& Layout::operator=(const Layout& other) = default;
Layout& Layout::operator=(Layout&& other) noexcept = default;
Layout::~Layout() = default;

Layout Layout::forWidth(int width)
{
    Layout l;
    l.d.reset(new LayoutData(width));
    return l;
}

int Layout::width() const
{
    return d->width;
}

int Layout::cellWidth() const
{
    return d->cellWidth;
}

QRect Layout::title() const
{
    return d->title;
}

QRect Layout::week() const
{
    return d->week;
}

QRect Layout::grid() const
{
    return d->grid;
}

QRect Layout::bottom() const
{
    return d->bottom;
}

int Layout::yearStripX() const
{
    return d->yearStripX;
}

int Layout::monthStripX() const
{
    return d->monthStripX;
}

QRect Layout::cellRect(int index) const
{
    const int col = index % 7;
    const int row = index / 7;
    const int left = col * d->cellWidth + 2;
    const int top = kGridTop + kRowHeight * row;
    return QRect(left, top, (col + 1) * d->cellWidth + 1 - left, kRowHeight - 1);
}

int Layout::cellAt(double x, double y) const
{
    if (!(y > kGridTop - 1))
        return -1;
    // Rounded first, then divided with truncation towards zero, so the left
    // border still belongs to column 0.
    const int col = static_cast<int>(std::lround(x - 2)) / d->cellWidth;
    const int row = static_cast<int>(std::lround(y - kGridTop)) / kRowHeight;
    // A press on the right border would otherwise run into the next row.
    if (col < 0 || col > 6 || row < 0)
        return -1;
    const int index = col + 7 * row;
    return index < kCellCount ? index : -1;
}

int Layout::centredX(int col, int textWidth) const
{
    return col * d->cellWidth + 2 + halfToEven(d->cellWidth - textWidth);
}

DayCells fillDayGrid(int year, int month)
{
    DayCells cells{};
    const int lead = leadingCells(year, month);
    const int days = lunar::DaysInMonth(year, month);
    if (lead < 0 || days <= 0)
        return cells;
    for (int d = 1; d <= days; ++d)
        cells[std::size_t(lead + d - 1)] = d; // lead ≤ 6 and days ≤ 31: at most cell 36
    return cells;
}

int dayOfCell(int year, int month, int cell)
{
    const int lead = leadingCells(year, month);
    const int days = lunar::DaysInMonth(year, month);
    const int day = cell - lead + 1;
    if (lead < 0 || cell < 0 || cell >= kCellCount || day < 1 || day > days)
        return 0;
    return day;
}

int cellOfDay(int year, int month, int day)
{
    const int lead = leadingCells(year, month);
    if (lead < 0 || day < 1 || day > lunar::DaysInMonth(year, month))
        return -1;
    return lead + day - 1;
}

int clampedDay(int year, int month, int day)
{
    return std::min(day, lunar::DaysInMonth(year, month));
}

} // namespace lundar
