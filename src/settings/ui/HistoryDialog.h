#pragma once
// "变更记录" of page 1: the saves of the month on show (its registrations,
// duty roster, rest days and shift roster), newest first, from
// History/changes.log; what the chosen save added and removed; and the
// version before or after it put back, itself a recorded change.

#include "base/History.h"
#include "settings/MonthFile.h"
#include "widgets/MessageSeam.h"

#include <QDialog>
#include <QList>

class QLabel;
class QListWidget;
class QPushButton;
class QTreeWidget;

namespace tarnby::ui {

class HistoryDialog : public QDialog {
    Q_OBJECT
public:
    inline static constexpr LateText kTitle{"HistoryDialog", QT_TRANSLATE_NOOP("HistoryDialog", "变更记录")};

    HistoryDialog(const QString& programDir, MonthKey month, QWidget* parent = nullptr);

    // Reads the log again and lists the month's changes, the newest chosen.
    void reload();
    const QList<history::Change>& changes() const { return changes_; }
    // Chooses row `row` (0 = newest) and shows what it changed.
    void choose(int row);
    // Puts back the version before (or after) the chosen change, once the
    // user confirms; true when it was put back.
    bool restoreChosen(bool before);

    QLabel* hCaption = nullptr;
    QTreeWidget* hLV = nullptr;     // the changes
    QListWidget* hDiff = nullptr;   // what the chosen one added (+) and removed (-)
    QPushButton* hBefore = nullptr; // "恢复为修改前的版本"
    QPushButton* hAfter = nullptr;  // "恢复为修改后的版本"

signals:
    // A version was put back: the page shows the month's files again.
    void restored();

private:
    void showChosen();

    QString programDir_;
    MonthKey month_;
    QList<history::Change> changes_; // newest first, as listed
};

} // namespace tarnby::ui
