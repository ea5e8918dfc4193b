#pragma once
// The month's registrations as the page lists them (dLV): rows with a check
// box, sorted by a column on request. This is the unsaved working copy: only
// LoadRegistrations and SaveRegistrations touch the month file.

#include "base/Outcome.h"
#include "base/PickerEntry.h"
#include "Registration.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace tarnby {

struct RegistrationColumn {
    QString caption;
    int width; // in the window's scale units
};

// "编号", "日期", "姓名", "登记事由", "处理方式" with their widths.
const QList<RegistrationColumn>& registrationColumns();

inline const QString kSampleReason = QStringLiteral("因出勤上午下班卡未能及时打上！");

class RegistrationList {
public:
    struct Row {
        Registration registration;
        bool checked = false;
    };

    int size() const { return int(rows_.size()); }
    bool isEmpty() const { return rows_.isEmpty(); }
    const Row& row(int i) const { return rows_.at(i); }
    const QList<Row>& rows() const { return rows_; }
    // The registrations in the order on show, which is the order a save writes.
    QList<Registration> registrations() const;

    // Replaces the rows with the month on show. A missing file, or no month
    // (the boxes name none), give an empty list. A malformed file is an error
    // and the rows stay as they were. A sort chosen by a header click stays in
    // force.
    Outcome LoadRegistrations(const QString& programDir, std::optional<MonthKey> month);

    // Writes the rows on show to the month. Success carries "登记信息保存成功！".
    // A missing SrDate folder or a failed write are errors and change nothing.
    Outcome SaveRegistrations(const QString& programDir, MonthKey month) const;

    // Appends a row from the employee picked in the registration picker, the
    // month and day boxes, the reason and the handling method. The entry must
    // carry a name; no field may hold "##" or a line break, and every
    // character must be storable in GBK. On an error nothing is added. While a
    // sort is in force the row goes to its sorted place (after equal rows).
    Outcome AddRegistration(const PickerEntry& employee, const QString& monthText, const QString& dayText,
                            const QString& reason, const QString& method);

    // Removes every checked row; returns how many went.
    int RemoveCheckedRegistrations();

    void toggleCheck(int row);
    void setChecked(int row, bool checked);

    // A click on header dBnLab(column), 0-4: that column becomes the sort key
    // and the order flips (the first click sorts ascending). The sort is stable.
    void sortByColumn(int column);
    int sortColumn() const { return sortColumn_; }    // -1 when unsorted
    bool sortAscending() const { return ascending_; } // meaningful when sorted

    // Replaces the rows directly (checks cleared, sorting ended).
    void setRegistrations(const QList<Registration>& registrations);

private:
    void applySort();
    bool before(const Registration& a, const Registration& b) const;

    QList<Row> rows_;
    int sortColumn_ = -1;
    bool ascending_ = false;
};

} // namespace tarnby
