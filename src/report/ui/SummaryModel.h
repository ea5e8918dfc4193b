#pragma once
// The summary table: one row per employee of a report, the columns of the
// 汇总 sheet. Numbers sort as numbers (Qt::UserRole holds the sort key), the
// employee and 全勤 as text. Grouped by department, each department's
// subtotal follows its employees and the total comes last, whatever the sort.

#include "report/ReportModel.h"
#include "report/ReportPayroll.h"

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>

namespace tarnby::ui {

class SummaryModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // The columns of summaryHeaders(): 员工, twelve statistics, 全勤, 罚款(元);
    // then payrollHeaders(): 部门 and six figures.
    static constexpr int kEmployeeColumn = 0;
    static constexpr int kFirstStatisticColumn = 1;
    static constexpr int kFullAttendanceColumn = kFirstStatisticColumn + report::kNumericStatistics;
    static constexpr int kFineColumn = kFullAttendanceColumn + 1;
    static constexpr int kDepartmentColumn = kFineColumn + 1;
    static constexpr int kFirstPayrollColumn = kDepartmentColumn + 1;
    static constexpr int kColumnCount = kDepartmentColumn + report::kPayrollColumns;
    static constexpr int kSortRole = Qt::UserRole;
    // Where the row stands whatever the sort: its department's place, 2 × group,
    // plus 1 for a subtotal or the total.
    static constexpr int kGroupRole = Qt::UserRole + 1;

    using QAbstractTableModel::QAbstractTableModel;

    void setReport(const report::Report& report);
    const report::Report& report() const { return report_; }
    // Employees by department with subtotals, when the report has departments.
    void setByDepartment(bool grouped);
    bool hasDepartments() const;
    // The line a row shows.
    const report::SummaryLine& line(int row) const { return lines_.at(row); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    void makeLines();

    report::Report report_;
    QList<report::SummaryLine> lines_;
    QList<QStringList> texts_; // the cells of each line
};

// Sorts within each department and keeps every subtotal under its employees
// and the total at the end, ascending or descending.
class SummarySortModel : public QSortFilterProxyModel {
    Q_OBJECT
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;
};

} // namespace tarnby::ui
