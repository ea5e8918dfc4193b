#pragma once
// cxPic, the data-folder panel of page 2: the folder box cTxt, the browse,
// read and close buttons, and the state of a read (idle or reading, with its
// colour, its caption in cnLab(8) and a progress bar).

#include "import/FolderImport.h"

#include <QFrame>
#include <QString>

class QLabel;
class QProgressBar;

namespace tarnby {
class PunchTable;
}

namespace tarnby::ui {

class FolderTextBox;
class PictureButton;

class DataFolderPanel : public QFrame {
    Q_OBJECT
public:
    static constexpr int kBrowseButton = 12;
    static constexpr int kReadButton = 13;
    static constexpr int kCloseButton = 14;

    DataFolderPanel(const QString& programDir, PunchTable& table, QWidget* parent = nullptr);

    // Shows the panel; a folder text beginning with ".\" becomes the program
    // folder's Source folder.
    void OpenPanel();
    void ClosePanel();

    // bnPic(12): the folder picker; "确 定" writes its folder into cTxt.
    void Browse();
    // bnPic(13): reads every workbook of the folder in cTxt into the table.
    // Messages go through the message seam; the outcome is also signalled.
    ImportOutcome ReadFolderRecords();

    bool isReading() const { return reading_; }

    // The absolute form of the default folder text.
    static QString expandFolderText(const QString& text, const QString& programDir);

    FolderTextBox* cTxt = nullptr;
    QLabel* cnLab8 = nullptr;
    QLabel* cxStatus = nullptr; // the file being read and the records so far
    QProgressBar* cxBar = nullptr;
    PictureButton* bnPic12 = nullptr;
    PictureButton* bnPic13 = nullptr;
    PictureButton* bnPic14 = nullptr;

signals:
    // A read ended (in any way); Read outcomes are for the employee picker.
    void readFinished(const tarnby::ImportOutcome& outcome);

private:
    void setReadingLook(bool reading);
    void showProgress(const ImportProgress& progress);

    QString programDir_;
    PunchTable& table_;
    bool reading_ = false;
};

} // namespace tarnby::ui
