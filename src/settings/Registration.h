#pragma once
// One special-case registration and the month file that stores them: one line
// per registration, the five fields joined by "##", GBK with CR LF. The year
// is only in the file name; the date field holds "mm月dd日".

#include "MonthFile.h"
#include "base/EmployeeNumber.h"
#include "base/Outcome.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace tarnby {

inline const QString kFieldSeparator = QStringLiteral("##");
inline const QString kAllEmployeesName = QStringLiteral("全体员工");
inline const QString kRegistrationsSaved = QStringLiteral("登记信息保存成功！");

struct Registration {
    QString number; // "0000" means every employee
    QString date;   // "mm月dd日"
    QString name;
    QString reason;
    QString method; // the handling method, e.g. "不计漏打1次"

    static constexpr int kFieldCount = 5;

    // Field k (0-4) in file order, which is also the column order of the list.
    QString field(int k) const;
    QStringList fields() const;
    // The method the analysis applies and the details list shows: the fifth
    // field alone, without the fields a hand-edited line may carry after it.
    QString appliedMethod() const;
    // The file line: the five fields joined by "##".
    QString line() const;
    // Splits a stored line. Fewer than five fields is an error; fields beyond
    // the fifth stay joined to the method, so a line loaded and saved again is
    // written back exactly as it stood.
    static Result<Registration> fromLine(const QString& line);

    friend bool operator==(const Registration&, const Registration&) = default;
};

// The error text when a field would break the file: "##" or a line break.
// Empty when the text can be stored; `what` names the field ("登记事由").
QString storableFieldError(const QString& what, const QString& text);

namespace registrationfile {

// The month's registrations in file order (empty lines skipped). A missing file
// is an empty month; a line with fewer than five fields is an error naming the
// file and the line, and nothing is returned.
Result<QList<Registration>> load(const QString& programDir, MonthKey month);

// Writes the registrations in the given order (an empty list writes one empty
// line). Success carries "登记信息保存成功！"; on any error (no SrDate folder, a
// field that cannot be stored, a failed write) the old file is left untouched.
Outcome save(const QString& programDir, MonthKey month, const QList<Registration>& registrations);

} // namespace registrationfile
} // namespace tarnby
