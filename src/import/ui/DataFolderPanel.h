#pragma once
// cxPic, the data-folder panel of page 2: the folder box cTxt, the browse,
// read and close buttons, and the state of a read (idle or reading, with its
// colour, its caption in cnLab(8) and a progress bar).
//
// The workbooks are read on a worker thread into a table of its own, so the
// window keeps answering; the page's table is replaced only when the read has
// ended, on the window's thread, and is never seen half read.
//
// After every read the panel says in one line what the read report holds;
// its 报告 button opens the whole report (ReadReportView.h).

#include "import/FolderImport.h"
#include "import/PunchTable.h"

#include <QFrame>
#include <QFutureWatcher>
#include <QString>
#include <memory>

class QLabel;
class QProgressBar;

namespace tarnby::ui {

class FolderTextBox;
class PictureButton;
class ReadReportDialog;

class DataFolderPanel : public QFrame {
    Q_OBJECT
public:
    static constexpr int kBrowseButton = 12;
    static constexpr int kReadButton = 13;
    static constexpr int kCloseButton = 14;

    DataFolderPanel(const QString& programDir, PunchTable& table, QWidget* parent = nullptr);
    // A read still running is waited for: its worker writes into memory of this panel.
    ~DataFolderPanel() override;

    // Shows the panel; a folder text beginning with ".\" becomes the program
    // folder's Source folder.
    void OpenPanel();
    void ClosePanel();

    // bnPic(12): the folder picker; "确 定" writes its folder into cTxt.
    void Browse();
    // bnPic(13): starts reading every workbook of the folder in cTxt; the
    // panel is disabled until readFinished. A folder without workbooks (or
    // none at all) is over at once. Messages go through the message seam.
    // Does nothing while a read runs.
    void ReadFolderRecords();
    // For callers with no user to wait (tools, benchmarks, tests): the read,
    // with the window's events handled meanwhile, and its outcome once the
    // page has taken it.
    ImportOutcome readAndWait();

    bool isReading() const { return reading_; }
    // The report of the last read that reached the files; empty before.
    const FolderReadReport& lastReport() const { return lastReport_; }
    // The 报告 button: the report's window, made at the first use.
    ReadReportDialog* ShowReadReport();

    // The absolute form of the default folder text.
    static QString expandFolderText(const QString& text, const QString& programDir);
    // What cxStatus says while a read runs.
    static QString progressText(const ImportProgress& progress);

    FolderTextBox* cTxt = nullptr;
    QLabel* cnLab8 = nullptr;
    QLabel* cxStatus = nullptr;  // the file being read and the records so far
    QLabel* cxFormats = nullptr; // the export formats read, while no read runs
    QProgressBar* cxBar = nullptr;
    QLabel* cxReport = nullptr; // the last read's report in one line
    PictureButton* bnReport = nullptr;
    ReadReportDialog* reportDialog = nullptr;
    PictureButton* bnPic12 = nullptr;
    PictureButton* bnPic13 = nullptr;
    PictureButton* bnPic14 = nullptr;

signals:
    // A read ended (in any way); Read outcomes are for the employee picker.
    void readFinished(const tarnby::ImportOutcome& outcome);
    // Sent from the worker; delivered on the window's thread.
    void progressReported(const tarnby::ImportProgress& progress);
    // The report's button added numbers to Init.ini's roster.
    void rosterChanged();

private:
    void setReadingLook(bool reading);
    void showProgress(const ImportProgress& progress);
    void finishRead(const ImportOutcome& outcome, PunchTable* read);

    QString programDir_;
    PunchTable& table_;
    bool reading_ = false;
    // The worker's own table, handed to table_ when the read has ended.
    std::unique_ptr<PunchTable> readingTable_;
    FolderReadReport lastReport_;
    QFutureWatcher<ImportOutcome> watcher_;
};

} // namespace tarnby::ui
