#pragma once
// The month grid of the duty roster: the weekday headings, the 42 day labels
// dzLab(0)..dzLab(41) and the colour legend dcLab(0)..dcLab(17). It shows what
// the core lays out and passes clicks on days back; who is on duty is not
// its business.

#include "settings/DutyMonth.h"

#include <QWidget>
#include <array>

namespace tarnby::ui {

class ClickLabel;
class DayGridKeys;

class DutyGridView : public QWidget {
    Q_OBJECT
public:
    static constexpr int kCellWidth = 24;
    static constexpr int kCellHeight = 24;
    static constexpr int kGap = 1;

    explicit DutyGridView(QWidget* parent = nullptr);

    void showGrid(const DutyGrid& grid);
    // The background of the label showing this day (1-31) of the month on show.
    void colourDay(int day, const Rgb& colour);
    ClickLabel* dayLabel(int cell) const { return dzLab[cell]; }

signals:
    // A mouse button went down over an enabled day label.
    void dayClicked(int day, Qt::MouseButton button);

private:
    std::array<ClickLabel*, kDutyGridCells> dzLab{};
    std::array<ClickLabel*, kLegendCount> dcLab{};
    DutyGrid grid_{}; // as shown last
    DayGridKeys* keys_ = nullptr;
};

QColor toColor(const Rgb& rgb);

} // namespace tarnby::ui
