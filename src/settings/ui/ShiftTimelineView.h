#pragma once
// A shift's working day drawn over 24 hours from its day start: the working
// blocks, the window in which each punch counts, the overtime tiers, and
// midnight where a night shift crosses it. A window that leaves the working
// day or overlaps another is drawn in red, where the editor names the fault.

#include "settings/Schedules.h"

#include <QWidget>

namespace tarnby::ui {

class ShiftTimelineView : public QWidget {
    Q_OBJECT
public:
    explicit ShiftTimelineView(QWidget* parent = nullptr);

    void setShift(const Shift& shift);
    void clear();

    // The drawing in words, for the accessible description and the tooltip:
    // "工作日 12:00–次日12:00；上班 20:00–次日08:00；A上班 打卡 19:00–21:00；…".
    QString describe() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The x of a minute of the working day's timeline.
    int xOf(int minute) const;

    bool empty_ = true;
    Shift shift_;
    ShiftTimeline line_;
    QList<ShiftWindow> windows_;
};

} // namespace tarnby::ui
