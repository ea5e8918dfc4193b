#pragma once
// The read report as the window shows it after a folder read: on page 2's
// data-folder panel (in ReadReportDialog) and in the summary window. Per file
// its layout, where its punches stood, its records and the rows passed over
// with their reasons; the hint when a configured read started below a punch;
// and the punched numbers the roster lacks, whose names can be corrected in
// the table before "添加到员工列表" appends them to Init.ini's roster.

#include "import/layout/ReadReport.h"

#include <QDialog>
#include <QString>
#include <QWidget>

class QLabel;
class QTableWidget;
class QTreeWidget;

namespace tarnby::ui {

class PictureButton;

class ReadReportView : public QWidget {
    Q_OBJECT
public:
    // Skipped rows listed under one file; the rest are counted in one line.
    static constexpr int kShownSkippedRows = 200;
    enum FileColumn { kFileColumn, kLayoutColumn, kRecordsColumn, kSkippedColumn, kWhereColumn };
    enum NumberColumn { kNumberColumn, kNameColumn, kNumberRecordsColumn };

    explicit ReadReportView(const QString& programDir, QWidget* parent = nullptr);

    void showReport(const FolderReadReport& report);
    const FolderReadReport& report() const { return report_; }

    // "添加到员工列表": every number of the table with the name typed beside it
    // is appended to the roster and saved as page 3 saves it. An entry the
    // roster cannot hold (no name, a separator, a character GBK lacks) is
    // named in a message and nothing is saved. Added numbers leave the table.
    void AddToRoster();

    // One line for the data-folder panel: files, records, skipped rows, unknown numbers.
    static QString summaryText(const FolderReadReport& report);
    // Where a file's punches stood: "工作表“刷卡记录”，第4行表头；A列 工号，C列 日期时间".
    static QString whereText(const FileReadReport& file);
    // The hint for a configured read that started below a punch; empty when there is none.
    static QString hintText(const FileReadReport& file);

    QTreeWidget* files = nullptr;
    QLabel* hints = nullptr;
    QLabel* numbersCaption = nullptr;
    QTableWidget* numbers = nullptr;
    PictureButton* addButton = nullptr;

signals:
    // Numbers were added to Init.ini's roster.
    void rosterChanged();

private:
    QString programDir_;
    FolderReadReport report_;
};

// The data-folder panel's window around the view.
class ReadReportDialog : public QDialog {
    Q_OBJECT
public:
    explicit ReadReportDialog(const QString& programDir, QWidget* parent = nullptr);
    ReadReportView* view = nullptr;
};

} // namespace tarnby::ui
