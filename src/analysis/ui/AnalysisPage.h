#pragma once
// Page 2, "考勤记录列表/统计": the settlement period and its rest days, the
// time mode, the data-folder panel, the employee picker, the result list with
// its statistics and the employee's registration details.

#include "analysis/AnalysisTypes.h"
#include "import/FolderImport.h"
#include "import/PunchTable.h"
#include "settings/SettlementCalendar.h"
#include "widgets/PictureComboBox.h"

#include <QDate>
#include <QWidget>
#include <array>
#include <optional>

class QFrame;
class QLabel;
class QTreeWidget;

namespace tarnby::ui {

class ClickLabel;
class DataFolderPanel;
class DayGridKeys;
class PictureButton;
class RestDayControls;
class SummaryDialog;

class AnalysisPage : public QWidget {
    Q_OBJECT
public:
    static constexpr int kRefreshButton = 10;
    static constexpr int kOpenPanelButton = 11;

    explicit AnalysisPage(const QString& programDir, QWidget* parent = nullptr);

    // The page switch: a picker holding at most one entry selects it.
    void prepare();

    // bnPic(n), n = 10..14; nullptr for any other n.
    PictureButton* actionButton(int n) const;

    // The year and month pickers for a work date, then the calendar.
    void FillPeriodPickers(const QDate& workDate);
    void DrawSettlementCalendar();
    // cnLab(0) / cnLab(1).
    void chooseStyle(int style);
    // cnLab(5) / cnLab(6).
    void chooseTimeMode(int mode);
    // A click on day label cLab(index).
    void clickDay(int index, Qt::MouseButton button);
    // The day of cLab(index) as a screen reader says it: date, lunar day,
    // holiday and whether it is marked as rest day.
    QString describeDay(int index) const;

    void OpenDataFolderPanel();  // bnPic(11)
    void CloseDataFolderPanel(); // bnPic(14)
    // The employee picker after a read, then the analysis of its first entry.
    void FillAnalysisPicker();
    // bnPic(10) and a choice in dCmb(6): the employee whose text stands in dCmb(6).
    void Refresh();
    // The analysis of the entry a picker text shows; the placeholder does nothing.
    void Analyse(const QString& pickerText);

    // "汇总": every employee of the picker for the current period, style, time
    // mode and rest days, in a dialog that builds it on a worker.
    void OpenSummary();
    // A summary row double-clicked: that employee selected and analysed.
    void ShowSummaryEmployee(const QString& employee);
    PictureButton* summaryButton = nullptr;
    SummaryDialog* summary = nullptr; // made at the first summary

    // cnLab(9) toggles the details panel, cnLab(10) hides it.
    void toggleDetails();
    void hideDetails();

    int timeMode() const { return timeMode_; }
    const SettlementCalendar& calendar() const { return calendar_; }
    const PunchTable& punches() const { return punches_; }
    // The saved rest-day marks and the weekends-and-holidays marking.
    RestDayControls* restDays() const { return restDays_; }

    QLabel* DtLab2 = nullptr;
    std::array<QFrame*, 13> dmPic{}; // 6, 11 and 12 are on this page
    std::array<PictureComboBox*, 7> dCmb{}; // 4, 5 and 6 are on this page
    std::array<QLabel*, 12> cnLab{};  // 8 is the panel's caption
    std::array<QLabel*, 2> crLab{};
    std::array<ClickLabel*, SettlementCalendar::kCellCount> cLab{};
    std::array<ClickLabel*, 2> cdBtnLab{};
    std::array<QLabel*, 13> ckLab{};
    // Beside the statistics, for a period planned by shifts: 早退, 迟到 and 加班 in one line.
    QLabel* ckShiftLine = nullptr;
    QTreeWidget* cLV = nullptr;
    QFrame* cLPic = nullptr;
    QTreeWidget* cxLV = nullptr;
    DataFolderPanel* cxPic = nullptr;
    // The keyboard's way through the calendar's days.
    DayGridKeys* calendarKeys = nullptr;

signals:
    // "今日": the date picker is to show the work date.
    void workDateToPickerRequested();
    // "置为当前": the work date is to become the picker's date.
    void workDateFromPickerRequested();

private:
    void buildPeriodPart();
    void buildCalendarPart();
    void buildEmployeePart();
    void buildResultPart();
    void buildStatisticsPart();
    void buildDetailsPanel();
    PictureComboBox* addPicker(int i, QWidget* parent, const QRect& geometry);
    void setPanelsUnderFolderPanelEnabled(bool enabled);
    void readFinished(const ImportOutcome& outcome);
    void showResult(const AnalysisResult& result);
    // The period the calendar shows; none, after saying so, before one is chosen.
    std::optional<SettlementPeriod> chosenPeriod();
    void ResetResultList();
    void showCellColour(int index, const Rgb& colour);

    QString programDir_;
    PunchTable punches_;
    SettlementCalendar calendar_;
    int timeMode_ = 1;
    std::array<PictureButton*, 2> bnPic_{}; // 10 and 11; 12..14 are the panel's
    RestDayControls* restDays_ = nullptr;
};

} // namespace tarnby::ui
