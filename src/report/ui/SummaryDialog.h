#pragma once
// The all-employee summary opened from page 2: the thirteen statistics, 全勤
// and the fines of every employee in a sortable table, an overview chart, and
// the month-end report as .xlsx, .csv or .pdf or on paper.
//
// The report is built on a worker thread from a copy of the punch table, so the
// window stays usable; the build's future tells its progress and takes the
// cancel when the dialog closes. Exports and printing run on a worker too,
// from the report on show. Under the chart, the read report of the folder
// read the punches came from.
//
// The summary on show never passes for a later one: while it is open the
// dialog compares what it was built from with what page 2 and the program
// folder hold now, and once they differ it says what changed, offers to
// build it again and exports nothing until then.

#include "base/Outcome.h"
#include "import/PunchTable.h"
#include "import/layout/ReadReport.h"
#include "report/ReportAnalysis.h"
#include "report/ReportWriters.h"

#include <QDialog>
#include <QFutureWatcher>
#include <functional>
#include <memory>
#include <optional>

class QAction;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QTimer;
class QPrinter;
class QProgressBar;
class QSortFilterProxyModel;
class QSplitter;
class QTableView;

namespace tarnby::ui {

class PictureButton;
class ReadReportView;
class SummaryChart;
class SummaryModel;

class SummaryDialog : public QDialog {
    Q_OBJECT
public:
    // Asks for the file to export to; an empty text means the user cancelled.
    using FileNameAsker = std::function<QString(QWidget* parent, const QString& suggested, const QString& filter)>;
    // Replaces the save-file dialog (tests); returns the previous one. {} restores the dialog.
    static FileNameAsker setFileNameAsker(FileNameAsker asker);

    // What a summary is built from.
    struct Inputs {
        QString programDir;
        PunchTable punches;
        QList<PickerEntry> pickerEntries;
        report::ReportSetting setting;
    };
    // What page 2 holds now; nothing when no period is chosen.
    using InputsSource = std::function<std::optional<Inputs>()>;

    explicit SummaryDialog(QWidget* parent = nullptr);
    ~SummaryDialog() override;

    // Where the dialog looks to see whether its summary is still current and
    // what "重新汇总" builds.
    void setSource(InputsSource source);
    // Compares the summary on show with the source now; shows or hides the
    // notice. The dialog asks by itself twice a second while it is shown.
    void checkCurrent();
    bool isOutOfDate() const { return !staleReasons_.isEmpty(); }
    // "重新汇总": builds from what the source holds now.
    void rebuild();

    // Builds the summary of every picker entry for the setting and shows it as
    // soon as it is complete; a build under way is cancelled first.
    void start(const QString& programDir, const PunchTable& punches, const QList<PickerEntry>& pickerEntries,
               const report::ReportSetting& setting);

    // The read report of the punches summarised; an empty one hides the report.
    void showReadReport(const QString& programDir, const FolderReadReport& report);

    bool isBuilding() const { return build_ != nullptr; }
    bool isBusy() const { return build_ != nullptr || work_ != nullptr; }
    const report::Report& report() const;

    // The export buttons: asks for a file name, then writes the report.
    void exportAs(report::ReportFormat format);
    // Writes the report on show to `path` on a worker; the end is told by a message.
    void exportTo(const QString& path);
    // The print button: Qt's print dialog, then printTo.
    void print();
    // Paints the report on show on the printer, on a worker.
    void printTo(const std::shared_ptr<QPrinter>& printer);

    QLabel* title = nullptr;
    QLabel* status = nullptr;
    QProgressBar* progress = nullptr;
    QTableView* table = nullptr;
    // The table's menu (the Menu key or a right click): the column of the
    // current cell sorted as its heading sorts, or the picker's order back.
    QAction* sortAscending = nullptr;
    QAction* sortDescending = nullptr;
    QAction* sortAsPicker = nullptr;
    SummaryModel* model = nullptr;
    QSortFilterProxyModel* sorted = nullptr;
    SummaryChart* chart = nullptr;
    QLabel* totals = nullptr;
    PictureButton* xlsxButton = nullptr;
    PictureButton* csvButton = nullptr;
    PictureButton* pdfButton = nullptr;
    PictureButton* printButton = nullptr;
    ReadReportView* readReport = nullptr; // made with the first report shown
    QFrame* staleBar = nullptr;         // the out-of-date notice
    QLabel* staleText = nullptr;
    PictureButton* rebuildButton = nullptr;
    QCheckBox* byDepartment = nullptr;  // subtotals per department
    QLineEdit* preparedBy = nullptr;    // 制表人, remembered in the program folder
    QLineEdit* checkedBy = nullptr;     // 审核人

signals:
    // A row was double-clicked: page 2 is to show this picker entry.
    void employeeActivated(const QString& employee);
    // The summary of a build is on show (or its failure was told).
    void buildEnded(bool ok);
    // An export or a print has ended; its message has been shown.
    void workEnded(const Outcome& outcome);
    // The read report's button added numbers to Init.ini's roster.
    void rosterChanged();

    // From the worker thread: the build has analysed `done` of `total`. The
    // bar follows the future; this is for whoever must act at that moment.
    void buildProgressed(int done, int total);

protected:
    void done(int result) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void cancelBuild();
    void buildFinished(const report::ReportBuild& build);
    void runWork(const QString& what, std::function<Outcome()> work);
    void setBusyLook(bool busy);
    void refreshChart();
    void refreshSpans();
    void showTotals();
    void fitColumns();
    void loadSigners(const QString& programDir);
    void saveSigners();
    // The report on show with the choices of the dialog, as the files get it.
    report::Report reportToWrite() const;

    QFutureWatcher<report::ReportBuild>* build_ = nullptr;
    QFutureWatcher<Outcome>* work_ = nullptr;
    QString exportFolder_;
    QSplitter* splitter_ = nullptr;
    InputsSource source_;
    std::optional<Inputs> built_;  // what the summary on show (or under way) is built from
    QByteArray builtStamp_;        // the program folder's files then
    QStringList staleReasons_;
    QList<int> rowGroups_;         // the chart's group of each table row; -1 for a subtotal
    QTimer* watch_ = nullptr;
    QString signersFolder_;        // the program folder the names were read from
};

} // namespace tarnby::ui
