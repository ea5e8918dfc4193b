#pragma once
// The folder picker: a drive list and a folder tree in a small fixed dialog.
// The folder "open" in the tree is the one last entered (double click or
// Enter); highlighting an entry does not change it. "确 定" hands the open
// folder back; "取 消" or the window frame hand back nothing. Enter in the
// tree only enters a folder, so the keyboard can go down level by level.

#include <QDialog>
#include <QString>
#include <QTimer>

class QComboBox;
class QLabel;
class QPushButton;
class QTreeView;

namespace tarnby::ui {

class FolderModel;

class Form2 : public QDialog {
    Q_OBJECT
public:
    // Opens at `startFolder` (the text of cTxt); when it names no folder, at
    // its nearest existing parent, else at `programDir`.
    Form2(const QString& startFolder, const QString& programDir, QWidget* parent = nullptr);

    // Dir1's open folder, in native form without a trailing separator except
    // for a drive's root.
    QString currentFolder() const;

    // Enters a folder as a double click would; false (and nothing changes)
    // when it cannot be listed.
    bool enterFolder(const QString& path);
    // Drive1 changed to the drive at `index`: the tree goes to its root; a
    // drive that cannot be read leaves the tree where it was.
    void driveChanged(int index);

    QLabel* Label1 = nullptr;
    QComboBox* Drive1 = nullptr;
    QTreeView* Dir1 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void selectDriveOf(const QString& path);

    FolderModel* model_ = nullptr;
    QString current_; // clean absolute path
    // Brings the open folder back into view while the tree fills, until the
    // user types, clicks or scrolls in it.
    QTimer follow_;
    bool following_ = true;
};

// The place the picker opens at for the text of cTxt.
QString startingFolder(const QString& folderText, const QString& programDir);

} // namespace tarnby::ui
