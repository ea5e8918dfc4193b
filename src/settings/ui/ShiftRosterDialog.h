#pragma once
// "排班表", opened from page 1 beside the duty roster: the shift roster of one
// month, employees by days, each cell the short name of the day's shift in
// its colour (休 grey), the holidays and make-up working days of Holidays.txt
// marked in the day headings.
//
// Cells are set with the mouse (choose a shift among the tools, then click or
// drag over the days) or the keyboard (the digit of a shift, 0 for 休, the
// short name itself, Delete to clear, Space for the chosen tool); a rotation
// such as 白白夜夜休休 fills the selected days of the selected employees. The
// month is a working copy: "保存" writes SrDate/yyyymm.shift atomically, and
// leaving it with unsaved changes asks first.

#include "settings/ConfigFile.h"
#include "settings/Holidays.h"
#include "settings/Schedules.h"
#include "settings/ShiftRoster.h"

#include <QDialog>
#include <QList>
#include <QStringList>
#include <optional>

class QButtonGroup;
class QKeyEvent;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QToolButton;

namespace tarnby::ui {

class ShiftRosterDialog : public QDialog {
    Q_OBJECT
public:
    ShiftRosterDialog(const QString& programDir, MonthKey initialMonth, QWidget* parent = nullptr);

    // Reads Schedules.json, the roster of Init.ini and the month; false, after
    // saying why, when the shifts cannot be read: no cell could be checked.
    bool load();

    // Shows another month; with unsaved changes it asks first and stays when
    // the user says so (false).
    bool showMonth(MonthKey month);
    MonthKey month() const { return roster_.month(); }
    const ShiftRoster& roster() const { return roster_; }
    bool isModified() const { return modified_; }
    // The employee number of each grid row.
    const QStringList& numbers() const { return numbers_; }

    // Every selected cell gets `entry` (a shift's name, 休, or empty to clear).
    void setSelected(const QString& entry);
    // The rotation typed in rotationEdit over the selected employees and the
    // days from the first to the last selected one.
    void fillRotation();
    void copyLastMonth();
    void clearMonth();
    bool save();

    // The tools above the grid: 选择, every shift, 休, 清除; the entry each one sets.
    QList<QToolButton*> toolButtons;
    QStringList toolEntries; // empty for 清除; kSelectTool for 选择
    static inline const QString kSelectTool = QStringLiteral("\x01");

    QSpinBox* yearSpin = nullptr;
    QComboBox* monthBox = nullptr;
    QPushButton* previousButton = nullptr;
    QPushButton* nextButton = nullptr;
    QTableWidget* grid = nullptr;
    QLineEdit* rotationEdit = nullptr;
    QSpinBox* startSpin = nullptr;
    QSpinBox* staggerSpin = nullptr;
    QPushButton* rotationButton = nullptr;
    QPushButton* copyButton = nullptr;
    QPushButton* clearButton = nullptr;
    QPushButton* saveButton = nullptr;
    QPushButton* closeButton = nullptr;
    QLabel* statusLabel = nullptr;

public slots:
    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Reads the month file afresh, unsaved changes dropped.
    void readMonth(MonthKey wanted);
    QWidget* buildToolBar();
    void buildGrid();
    void refreshCell(int row, int day);
    void setCell(int row, int day, const QString& entry);
    void setModified(bool modified);
    // The entry a key stands for; nothing when the key sets no cell.
    std::optional<QString> entryOfKey(const QKeyEvent* key) const;
    // The entry typed text stands for: a digit, 休, or a shift's short name.
    std::optional<QString> entryOfText(const QString& text) const;
    void monthPicked();
    void showMonthInPickers();
    // Asks whether to drop the unsaved changes; true to go on.
    bool mayDropChanges();

    QString programDir_;
    Schedules model_;
    QList<RosterEntry> employees_;
    HolidayCalendar holidays_;
    QString holidayNote_;
    ShiftRoster roster_;
    QStringList numbers_;
    QStringList names_;
    QString unreadable_; // the file of a month that could not be read: never saved over
    bool modified_ = false;
    QButtonGroup* tools_ = nullptr;
};

} // namespace tarnby::ui
