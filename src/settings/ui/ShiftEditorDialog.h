#pragma once
// "班次设置", opened from page 3 beside the time modes: the shifts of
// Schedules.json with every parameter, checked as they are typed, and the
// working day of the shift on show drawn on a 24-hour timeline. The dialog
// edits a working copy; "保存" writes the file atomically, and a renamed
// shift is renamed in the monthly rosters too, so that they stay readable.
// Week patterns and departments are edited in WeekPatternDialog over the
// same copy.

#include "settings/Schedules.h"

#include <QDialog>
#include <QStringList>
#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTimeEdit;

namespace tarnby::ui {

class ShiftTimelineView;

class ShiftEditorDialog : public QDialog {
    Q_OBJECT
public:
    // The minute parameters in the order of the form.
    enum Parameter { InBefore, InAfter, SecondInBefore, OffAfter, Grace, EarlyLeave, OvertimeFrom, OvertimeMinimum, OvertimeStep };
    static constexpr int kParameterCount = 9;

    explicit ShiftEditorDialog(const QString& programDir, QWidget* parent = nullptr);

    // Reads Schedules.json; false, after saying why, when it cannot be read:
    // the dialog would otherwise save over what it could not show.
    bool load();

    const Schedules& model() const { return model_; }
    bool isModified() const { return modified_; }
    // What is wrong with the shift on show, as the dialog shows it; empty when nothing.
    QString fault() const;

    void addShift();
    void copyShift();
    void renameShift();
    // Refused, with the places, while a week pattern or a roster uses the shift.
    void removeShift();
    void openWeekPatterns();
    // Writes Schedules.json (and the rosters of renamed shifts); says how it went.
    bool save();

    QListWidget* shiftList = nullptr;
    QLineEdit* nameEdit = nullptr;
    QLineEdit* shortEdit = nullptr;
    QComboBox* kindBox = nullptr;
    std::array<QTimeEdit*, 4> timeEdits{};
    std::array<QCheckBox*, 2> overtimeChecks{};
    std::array<QTimeEdit*, 2> overtimeEdits{};
    QTimeEdit* dayStartEdit = nullptr;
    std::array<QSpinBox*, kParameterCount> parameterSpins{};
    ShiftTimelineView* timeline = nullptr;
    QLabel* faultLabel = nullptr;
    QPushButton* addButton = nullptr;
    QPushButton* copyButton = nullptr;
    QPushButton* renameButton = nullptr;
    QPushButton* removeButton = nullptr;
    QPushButton* weekButton = nullptr;
    QPushButton* saveButton = nullptr;
    QPushButton* closeButton = nullptr;

public slots:
    // Leaving with unsaved changes asks first.
    void done(int result) override;

private:
    QWidget* buildList();
    QWidget* buildForm();
    void showShift(int row);
    void showKind(int kind);
    void formChanged();
    void kindChanged();
    // The typed name becomes the shift's name (and its week patterns') when it may.
    void commitName();
    Shift shiftFromForm() const;
    void refreshListItem(int row);
    void refreshFault();
    void insertShift(const Shift& shift);
    // The model the roster files are read with: what is saved, and the names
    // the files may still use for shifts renamed since.
    Schedules readingModel() const;
    int currentRow() const;

    QString programDir_;
    Schedules model_;
    Schedules saved_;         // Schedules.json as last read or written
    QStringList originals_;   // per shift: its name in the files, empty for a new one
    bool modified_ = false;
    bool showing_ = false;    // the form is being filled, not typed in
    std::array<QLabel*, 4> timeLabels_{};
};

} // namespace tarnby::ui
