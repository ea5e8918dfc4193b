#pragma once
// Week patterns and departments of the employees, opened from the shift
// editor over its working copy: a shift or 休 for each weekday, and a
// department, set for every selected employee at once. The table lists the
// roster of Init.ini, then whoever else Schedules.json names.

#include "settings/ConfigFile.h"
#include "settings/Schedules.h"

#include <QDialog>
#include <array>

class QComboBox;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace tarnby::ui {

class WeekPatternDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kNumberColumn = 0;
    static constexpr int kNameColumn = 1;
    static constexpr int kDepartmentColumn = 2;
    static constexpr int kFirstDayColumn = 3; // Monday

    WeekPatternDialog(const Schedules& model, const QList<RosterEntry>& roster, QWidget* parent = nullptr);

    // The employees' entries as edited, for the editor to take on 确定.
    const QList<EmployeeSchedule>& employees() const { return model_.employees; }

    // The seven day boxes become the week pattern of every selected employee.
    void applyWeek();
    // The selected employees go back to the time mode and the rest marks.
    void clearWeek();
    // The department box becomes the department of every selected employee.
    void applyDepartment();

    QTableWidget* table = nullptr;
    std::array<QComboBox*, 7> dayBoxes{};
    QLineEdit* departmentEdit = nullptr;
    QPushButton* applyWeekButton = nullptr;
    QPushButton* clearWeekButton = nullptr;
    QPushButton* departmentButton = nullptr;

private:
    // The entry of the employee on table row `row`, made when `create` asks for it.
    EmployeeSchedule* entryOf(int row, bool create);
    QList<int> selectedRows() const;
    void showRow(int row);
    void selectionChanged();
    void dropEmptyEntries();

    Schedules model_;
    QStringList numbers_; // per table row
};

} // namespace tarnby::ui
