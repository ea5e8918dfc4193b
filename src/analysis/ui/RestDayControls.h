#pragma once
// The rest days of page 2's settlement calendar as the user keeps them: the
// marks live in SrDate/yyyymm.rest, are shown whenever the calendar draws a
// period and are saved at every change, before the screen shows it, so that
// what is on screen is always what is on disk. Weekends and the holidays of
// Holidays.txt are marked in one click, and a holiday's name shows over its day.

#include "base/StoredFile.h"
#include "settings/Holidays.h"
#include "settings/SettlementCalendar.h"

#include <QList>
#include <QObject>
#include <QString>
#include <array>

class QWidget;

namespace tarnby::ui {

class ClickLabel;
class PictureButton;

class RestDayControls : public QObject {
    Q_OBJECT
public:
    using Cells = std::array<ClickLabel*, SettlementCalendar::kCellCount>;

    // The buttons are placed on `buttonParent`; `calendar` and `cells` are the
    // page's, drawn by it.
    RestDayControls(const QString& programDir, SettlementCalendar& calendar, const Cells& cells,
                    QWidget* buttonParent);

    static constexpr int kMarkButtonWidth = 62;

    // "一键标记": weekends and holidays; "清除标记": every mark of the period.
    PictureButton* markButton = nullptr;
    PictureButton* clearButton = nullptr;

    // After the calendar drew a period: the saved marks of its clickable days
    // and the holiday names over the days. A month file in error is said once,
    // and again only when the file has changed.
    void periodDrawn();

    // Saves what a click on cLab(index) would change. False when the save
    // failed (the user has been told): the click must then change nothing.
    bool saveClick(int index, ClickButton button);

    void markWeekendsAndHolidays();
    void clearPeriod();

private:
    // Saves `marks` as the period's and shows them; nothing changes on screen
    // when the save fails.
    bool savePeriodMarks(const QList<QDate>& marks);
    void paintCells();
    void showDayNames(const HolidayCalendar& holidays);
    bool needsPeriod();
    QWidget* messageParent() const;

    QString programDir_;
    SettlementCalendar& calendar_;
    const Cells& cells_;
    storedfile::Notices notices_;
};

} // namespace tarnby::ui
