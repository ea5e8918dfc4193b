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

#include "base/Outcome.h"
#include "import/PunchTable.h"
#include "import/layout/ReadReport.h"
#include "report/ReportAnalysis.h"
#include "report/ReportWriters.h"

#include <QDialog>
#include <QFutureWatcher>
#include <functional>
#include <memory>

class QLabel;
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

    explicit SummaryDialog(QWidget* parent = nullptr);
    ~SummaryDialog() override;

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
    SummaryModel* model = nullptr;
    QSortFilterProxyModel* sorted = nullptr;
    SummaryChart* chart = nullptr;
    QLabel* totals = nullptr;
    PictureButton* xlsxButton = nullptr;
    PictureButton* csvButton = nullptr;
    PictureButton* pdfButton = nullptr;
    PictureButton* printButton = nullptr;
    ReadReportView* readReport = nullptr; // made with the first report shown

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
    void showTotals();

    QFutureWatcher<report::ReportBuild>* build_ = nullptr;
    QFutureWatcher<Outcome>* work_ = nullptr;
    QString exportFolder_;
    QSplitter* splitter_ = nullptr;
};

} // namespace tarnby::ui
