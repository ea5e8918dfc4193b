#include "RegistrationList.h"

#include "MonthFile.h"
#include "TextCollation.h"

#include <algorithm>
#include <QCoreApplication>

namespace tarnby {

const QList<RegistrationColumn>& registrationColumns()
{
    static const QList<RegistrationColumn> columns = {
        {QCoreApplication::translate("RegistrationList", "编号"), 70},      {QCoreApplication::translate("RegistrationList", "日期"), 68},     {QCoreApplication::translate("RegistrationList", "姓名"), 80},
        {QCoreApplication::translate("RegistrationList", "登记事由"), 238}, {QCoreApplication::translate("RegistrationList", "处理方式"), 100},
    };
    return columns;
}

QList<Registration> RegistrationList::registrations() const
{
    QList<Registration> out;
    out.reserve(rows_.size());
    for (const Row& r : rows_)
        out.append(r.registration);
    return out;
}

void RegistrationList::setRegistrations(const QList<Registration>& registrations)
{
    rows_.clear();
    for (const Registration& r : registrations)
        rows_.append(Row{r, false});
    sortColumn_ = -1;
    ascending_ = false;
}

Outcome RegistrationList::LoadRegistrations(const QString& programDir, std::optional<MonthKey> month)
{
    QList<Registration> registrations;
    // no month names no file either: an empty month
    if (month) {
        auto loaded = registrationfile::load(programDir, *month);
        if (!loaded)
            return loaded.outcome();
        registrations = loaded.value();
    }
    // The sort key and order belong to the list, not to the month on show: the
    // month's rows are shown in the order the user chose last.
    const int column = sortColumn_;
    const bool ascending = ascending_;
    setRegistrations(registrations);
    sortColumn_ = column;
    ascending_ = ascending;
    if (sortColumn_ >= 0)
        applySort();
    return Outcome::quiet();
}

Outcome RegistrationList::SaveRegistrations(const QString& programDir, MonthKey month) const
{
    return registrationfile::save(programDir, month, registrations());
}

Outcome RegistrationList::AddRegistration(const PickerEntry& employee, const QString& monthText,
                                          const QString& dayText, const QString& reason, const QString& method)
{
    if (!employee.name)
        return Outcome::error(
            QCoreApplication::translate("RegistrationList", "登记员工“%1”中没有编号与姓名之间的空格，请重新选择员工！").arg(employee.text()));
    Registration r;
    r.number = employee.number;
    r.date = monthText + QStringLiteral("月") + dayText + QStringLiteral("日");
    r.name = *employee.name;
    r.reason = reason;
    r.method = method;
    const QList<std::pair<QString, QString>> checks = {
        {QCoreApplication::translate("RegistrationList", "员工编号"), r.number}, {QCoreApplication::translate("RegistrationList", "登记日期"), r.date},
        {QCoreApplication::translate("RegistrationList", "员工姓名"), r.name},   {QCoreApplication::translate("RegistrationList", "登记事由"), r.reason},
        {QCoreApplication::translate("RegistrationList", "处理方式"), r.method},
    };
    for (const auto& [what, text] : checks) {
        const QString error = storableFieldError(what, text);
        if (!error.isEmpty())
            return Outcome::error(error);
    }
    Row row{r, false};
    if (sortColumn_ < 0) {
        rows_.append(row);
    } else {
        const auto at = std::upper_bound(rows_.begin(), rows_.end(), row, [this](const Row& a, const Row& b) {
            return before(a.registration, b.registration);
        });
        rows_.insert(at, row);
    }
    return Outcome::quiet();
}

int RegistrationList::RemoveCheckedRegistrations()
{
    return int(rows_.removeIf([](const Row& r) { return r.checked; }));
}

void RegistrationList::toggleCheck(int row)
{
    if (row >= 0 && row < rows_.size())
        rows_[row].checked = !rows_[row].checked;
}

void RegistrationList::setChecked(int row, bool checked)
{
    if (row >= 0 && row < rows_.size())
        rows_[row].checked = checked;
}

void RegistrationList::sortByColumn(int column)
{
    if (column < 0 || column >= Registration::kFieldCount)
        return;
    // one order flag for the whole list, flipped by every header click
    ascending_ = !ascending_;
    sortColumn_ = column;
    applySort();
}

bool RegistrationList::before(const Registration& a, const Registration& b) const
{
    const int c = compareTexts(a.field(sortColumn_), b.field(sortColumn_));
    return ascending_ ? c < 0 : c > 0;
}

void RegistrationList::applySort()
{
    std::stable_sort(rows_.begin(), rows_.end(),
                     [this](const Row& a, const Row& b) { return before(a.registration, b.registration); });
}

} // namespace tarnby
