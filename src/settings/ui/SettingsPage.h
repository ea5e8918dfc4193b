#pragma once
// Page 3 of the window, "考勤系统相关操作设置": the employee roster, the
// working times of both time modes and the cells where the clock's workbook
// begins. The page shows a working copy of Init.ini; each part is written
// only by its own save button. "自动识别" beside the read position shows how
// an export is read and can put the cells it found into the position boxes.

#include "BoxRefusal.h"
#include "settings/ConfigFile.h"

#include <QString>
#include <QWidget>
#include <array>

class QListWidget;

namespace tarnby::ui {

class DetectDialog;
class PageTextBox;
class PictureButton;

class SettingsPage : public QWidget {
    Q_OBJECT
public:
    static constexpr QSize kSize{780, 480};

    explicit SettingsPage(const QString& programDir, QWidget* parent = nullptr);

    // Run when the page is switched to: reloads roster, working times and
    // read position from the file, discarding unsaved edits.
    void prepare();

    // bnPic(n), n = 0..5; nullptr for any other n.
    PictureButton* actionButton(int n) const;

    // The operations of the action buttons.
    void SaveRoster();                  // bnPic(0)
    void AddRosterEntry();              // bnPic(1)
    void RemoveSelectedRosterEntries(); // bnPic(2)
    void SaveTimeMode(int mode);        // bnPic(3) mode 1, bnPic(4) mode 2
    void SaveReadPosition();            // bnPic(5)
    // "自动识别": the detection for the cells the boxes hold; its
    // "填入读取位置" fills the boxes, which 保存 then writes as ever.
    DetectDialog* OpenDetection();

    PictureButton* detectButton = nullptr;
    // "班次设置" beside the time modes: the shift editor over Schedules.json.
    void OpenShiftEditor();

private:
    void buildRosterPart();
    void buildTimePart();
    void buildPositionPart();
    void buildHelpTexts();
    void showTimes(const TimeFields& fields);

    // The rules for the box the user left; false when it holds a wrong time
    // and the focus went back to it.
    bool leaveBox(int box);
    // A button takes no focus, so the box being typed in has not been left
    // yet: its rules run now, as if the user had clicked elsewhere.
    bool commitFocusedBox();
    void refuse(int box, const QString& text);

    QString programDir_;
    // The control the user had moved to when a box called the focus back.
    // It loses the focus only because of that, so its own rules wait until
    // the user really leaves it; otherwise two wrong boxes would call the
    // focus back and forth for ever.
    BoxRefusal refusal_;

    QListWidget* sList = nullptr;
    std::array<PageTextBox*, 22> sTxt{};
    std::array<PictureButton*, 6> bnPic{};
};

} // namespace tarnby::ui
