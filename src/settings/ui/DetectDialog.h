#pragma once
// Page 3's "自动识别": the user picks an export and sees how the folder read
// would read it: the layout named, the first rows of the worksheet read with
// the columns found coloured (and the header row in bold; in a grid the day
// row, each number and the times under it), and the rows it passes over. For a layout of one punch per row whose cells a position line
// can name, "填入读取位置" hands those cells to the page's position boxes,
// saved as ever by the page's own 保存.
//
// The file is read on a worker, so the window keeps answering.

#include "base/Clock.h"
#include "import/layout/ExportPreview.h"

#include <QColor>
#include <QDialog>
#include <QFutureWatcher>
#include <functional>

class QLabel;
class QTableWidget;

namespace tarnby::ui {

class PictureButton;

class DetectDialog : public QDialog {
    Q_OBJECT
public:
    // Rows of the worksheet shown.
    static constexpr int kPreviewRows = 60;
    // Asks for the export to look at; an empty text means the user cancelled.
    using FileAsker = std::function<QString(QWidget* parent)>;
    // Replaces the file dialog (tests); returns the previous one. {} restores the dialog.
    static FileAsker setFileAsker(FileAsker asker);

    // `position` is what the page's boxes hold: the configured cells the read tries first.
    DetectDialog(const ReadPosition& position, QWidget* parent = nullptr, Clock clock = systemClock());
    // A read still running is waited for.
    ~DetectDialog() override;

    // The "选择文件" button: asks for a file, then detect().
    void ChooseFile();
    // Reads the file on a worker; `shown` is sent once its preview is on show.
    void detect(const QString& path);
    // The "填入读取位置" button: sends positionChosen with the found cells and closes.
    void PutIntoBoxes();

    bool isReading() const { return watcher_.isRunning(); }
    const ExportPreview& preview() const { return preview_; }

    // The colour a column found by a layout is shown in.
    static QColor roleColour(ColumnRole role);
    // The layout in one line: its name, the worksheet, records and rows skipped.
    static QString layoutLine(const FileReadReport& report);

    QLabel* fileLabel = nullptr;
    QLabel* layoutLabel = nullptr;
    QTableWidget* cells = nullptr;
    PictureButton* chooseButton = nullptr;
    PictureButton* putButton = nullptr;

signals:
    void shown();
    void positionChosen(const tarnby::ReadPosition& position);

private:
    void showPreview();
    // A grid: its day row, each employee's number and the times under it.
    void markGrid(const FileReadReport& report, int rows, int columns);

    ReadPosition position_;
    Clock clock_;
    ExportPreview preview_;
    QFutureWatcher<ExportPreview> watcher_;
};

} // namespace tarnby::ui
