#pragma once
// The summary table: one row per employee of a report, the columns of the
// 汇总 sheet. Numbers sort as numbers (Qt::UserRole holds the sort key), the
// employee and 全勤 as text.

#include "report/ReportModel.h"

#include <QAbstractTableModel>

namespace tarnby::ui {

class SummaryModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // The columns of summaryHeaders(): 员工, twelve statistics, 全勤, 罚款(元).
    static constexpr int kEmployeeColumn = 0;
    static constexpr int kFirstStatisticColumn = 1;
    static constexpr int kFullAttendanceColumn = kFirstStatisticColumn + report::kNumericStatistics;
    static constexpr int kFineColumn = kFullAttendanceColumn + 1;
    // The shift figures: 早退(次), 早退(分钟), 迟到(分钟), 加班(小时); empty for
    // an employee whose period no shift planned.
    static constexpr int kFirstFigureColumn = kFineColumn + 1;
    static constexpr int kFigureColumns = 4;
    static constexpr int kColumnCount = kFirstFigureColumn + kFigureColumns;
    static constexpr int kSortRole = Qt::UserRole;

    using QAbstractTableModel::QAbstractTableModel;

    void setReport(const report::Report& report);
    const report::Report& report() const { return report_; }
    // Whether any employee's period was planned by shifts: only then are the figures shown.
    bool anyShifts() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    report::Report report_;
};

} // namespace tarnby::ui
