#pragma once
// The main window "Tarnby考勤助手2.0": five pages stacked in one place under a
// row of page tabs, on a skinned background. It owns the work date, the page
// switch, the start-up order and the exit question; each page owns its own
// operations and the action buttons on it.

#include "base/Clock.h"
#include "widgets/MessageSeam.h"

#include <QDate>
#include <QList>
#include <QWidget>
#include <array>
#include <memory>

class QLabel;

namespace tarnby {
class FolderLock;
}

namespace tarnby::ui {

class AnalysisPage;
class InfoPage;
class LundarHost;
class PictureButton;
class RegistrationDutyPage;
class SettingsPage;
class TodayPage;

// What main() sets up for the program's QApplication before the window: its
// name and the font the pages are laid out for.
void setUpApplication();

// The caption of a window that may not save: another window holds the folder.
inline constexpr LateText kReadOnlyTitle{"Form1", QT_TRANSLATE_NOOP("Form1", "Tarnby考勤助手2.0（只读）")};

class Form1 : public QWidget {
    Q_OBJECT
public:
    static constexpr int kPageCount = 5;
    static constexpr QSize kPageSize{780, 480};

    // Takes the program folder's lock first: without it the window only reads
    // (kReadOnlyTitle) and every save says who holds the folder. What the
    // start-up has to say waits until the window is up.
    explicit Form1(const QString& programDir, Clock clock = systemClock(), QWidget* parent = nullptr);
    ~Form1() override;

    bool readOnly() const;

    // Left button released over tab i: every tab back to normal, page i
    // prepared, its tab selected and disabled, the page shown.
    void SwitchPage(int i);
    int currentPage() const;

    QDate workDate() const { return workDate_; }
    // "今日": the date picker goes to the work date.
    void ShowWorkDateInPicker();
    // "置为当前": the work date becomes the picker's date; banner and period
    // pickers follow.
    void TakeWorkDateFromPicker();

    // Looks in Skin/ and puts every picture found in place of the built-in one.
    void ApplySkin();

    // What the hosted picker could not do, empty when it is there.
    QString lundarProblem() const;
    LundarHost& lundar() { return *lundar_; }

    QLabel* PicM1 = nullptr;  // the window's background
    QLabel* ImgPt2 = nullptr; // the emblem in the title area
    QLabel* Pic_bk = nullptr; // behind every page
    std::array<QWidget*, kPageCount> bPic{};
    std::array<PictureButton*, kPageCount> MbtPic{};
    std::array<PictureButton*, 15> bnPic{};

    TodayPage* todayPage = nullptr;
    RegistrationDutyPage* registrationPage = nullptr;
    AnalysisPage* analysisPage = nullptr;
    SettingsPage* settingsPage = nullptr;
    InfoPage* infoPage = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildTabs();
    void buildPages();
    void hostPage(int i, QWidget* page);
    void prepare(int i);
    // After a page key: the first control of the page takes the focus.
    void focusFirstOnPage(int i);

    QString programDir_;
    Clock clock_;
    std::unique_ptr<FolderLock> lock_;
    std::unique_ptr<LundarHost> lundar_;
    QDate workDate_;
};

} // namespace tarnby::ui
