#pragma once
// Page 0: the hosted date picker, the work-date banner with its lunar part,
// the running clock and the almanac of the month browsed in the picker.

#include "base/Clock.h"

#include <QDate>
#include <QWidget>
#include <array>

class QLabel;
class QTimer;

namespace tarnby::ui {

class LundarHost;

class TodayPage : public QWidget {
    Q_OBJECT
public:
    TodayPage(LundarHost& lundar, Clock clock, QWidget* parent = nullptr);

    // DtLab(0) := the work date, Gregorian and then lunar as the control names it.
    void RefreshWorkDateBanner(const QDate& workDate);
    // cvLab(0..2) := the almanac of the month of the picker's Value.
    void RefreshAlmanac();
    // One tick of Timer1: the clock, then the almanac.
    void tick();

    QLabel* DtLab0 = nullptr;
    QLabel* MbLab = nullptr;
    std::array<QLabel*, 3> cvLab{};
    QTimer* Timer1 = nullptr;
    QWidget* Lundar1 = nullptr; // null when the control could not be loaded

private:
    LundarHost& lundar_;
    Clock clock_;
    QDate workDate_; // stands in for the picker's Value when there is no picker
};

} // namespace tarnby::ui
