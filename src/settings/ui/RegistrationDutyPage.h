#pragma once
// Page 1 of the window: the special-case registrations of a month
// ("员工特殊情况登记") on the left and the duty roster of the same month on the
// right. The list and the duty table are unsaved working copies of the month's
// files; only the save buttons write them.

#include "BoxRefusal.h"
#include "settings/DutyRoster.h"
#include "settings/RegistrationList.h"
#include "base/Clock.h"

#include <QDate>
#include <QString>
#include <QWidget>
#include <array>

class QLabel;
class QTreeWidget;

namespace tarnby::ui {

class ClickLabel;
class DutyGridView;
class PageTextBox;
class PictureButton;
class PictureComboBox;

class RegistrationDutyPage : public QWidget {
    Q_OBJECT
public:
    static constexpr QSize kSize{780, 480};

    // The work date is the clock's today until the window gives the page its own.
    explicit RegistrationDutyPage(const QString& programDir, const Clock& clock = systemClock(),
                                  QWidget* parent = nullptr);

    // Run when the page is switched to: pickers from the roster, the date
    // boxes from the work date, the first handling type, and the month's duty
    // roster and registrations from disk (unsaved changes are dropped).
    void prepare(QDate workDate);

    // bnPic(n), n = 6..9; nullptr for any other n.
    PictureButton* actionButton(int n) const;

    const RegistrationList& registrations() const { return list_; }
    const DutyRoster& dutyRoster() const { return duty_; }

    // The operations, by their names.
    void FillEmployeePickers();
    void LoadRegistrations();
    void AddRegistration();            // bnPic(6)
    void SaveDutyRoster();             // bnPic(7)
    void RemoveCheckedRegistrations(); // bnPic(8)
    void SaveRegistrations();          // bnPic(9)
    void ReloadDutyRoster();           // dnLab "OK": LoadDutyRoster, then DrawDutyMonth
    // "变更记录": the history of the month on show, in a dialog of its own;
    // a version put back there is shown here at once.
    void ShowHistory();
    // "排班表" beside the duty roster: the month of the year and month boxes.
    void OpenShiftRoster();

private:
    void buildRegistrationSide();
    void buildDutySide();

    void chooseType();
    void drawDutyMonth();
    void clickDay(int day, Qt::MouseButton button);
    void showList();
    void toggleSelectedRow();
    void confirmMonth();

    // The rules for the box the user left; false when a message was shown and
    // the focus went back to the box.
    bool checkBox(int box);
    // Buttons and labels take no focus, so the box being typed in has not
    // been left when one is clicked: its rules run first, as on leaving it.
    bool commitFocusedBox();
    QList<PickerEntry> dutyPickerEntries() const;

    QString programDir_;
    QDate workDate_;
    RegistrationList list_;
    DutyRoster duty_;
    // A month whose file could not be read is not overwritten by the page:
    // what stood in it would be lost without the user having seen it. The
    // page goes on showing what it showed before that month was asked for.
    QString unreadableRegistrations_;
    QString unreadableDutyRoster_;
    bool showingList_ = false;
    // The control the user had moved to when a box called the focus back;
    // its own rules wait until the user really leaves it, so two wrong boxes
    // cannot call the focus back and forth for ever.
    BoxRefusal refusal_;

    std::array<PictureComboBox*, 4> dCmb{};
    std::array<PageTextBox*, 5> dTxt{};
    std::array<ClickLabel*, 6> dBnLab{};
    QLabel* dLab12 = nullptr; // dLab(12), the prefix of the handling method
    QLabel* dbLab = nullptr;  // the unit of the handling method
    QTreeWidget* dLV = nullptr;
    ClickLabel* dnLab = nullptr;
    DutyGridView* dutyGrid_ = nullptr;
    std::array<PictureButton*, 4> bnPic{}; // bnPic(6)..bnPic(9)
    PictureButton* dHisPic = nullptr;      // opens "变更记录"
};

} // namespace tarnby::ui
