#include "report/ui/SummaryModel.h"

#include "analysis/ShiftFiguresText.h"

#include <QColor>

namespace tarnby::ui {
namespace {

const QColor kAttention(176, 60, 40); // the statistics panel's figure colour

QString fineTip(const report::EmployeeReport& e)
{
    QStringList lines;
    for (const report::FineEntry& fine : e.fines) {
        lines.append(fine.fen ? QStringLiteral("%1  %2").arg(fine.dayText, fine.penalty)
                              : QStringLiteral("%1  %2（金额无法识别，未计入）").arg(fine.dayText, fine.penalty));
    }
    return lines.join(u'\n');
}

bool hasUnreadableFine(const report::EmployeeReport& e)
{
    for (const report::FineEntry& fine : e.fines)
        if (!fine.fen)
            return true;
    return false;
}

const QStringList& figureHeaders()
{
    static const QStringList headers = {QStringLiteral("早退(次)"), QStringLiteral("早退(分钟)"), QStringLiteral("迟到(分钟)"),
                                        QStringLiteral("加班(小时)")};
    return headers;
}

// The figure of column `k` (0..3): counts and minutes, the overtime in hours.
double figure(const report::EmployeeReport& e, int k)
{
    switch (k) {
    case 0: return e.extra.earlyCount;
    case 1: return e.extra.earlyMinutes;
    case 2: return e.extra.lateMinutes;
    default: return overtimeTotal(e.extra) / 60.0;
    }
}

} // namespace

bool SummaryModel::anyShifts() const
{
    for (const report::EmployeeReport& e : report_.employees) {
        if (e.shiftsUsed)
            return true;
    }
    return false;
}

void SummaryModel::setReport(const report::Report& report)
{
    beginResetModel();
    report_ = report;
    endResetModel();
}

int SummaryModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(report_.employees.size());
}

int SummaryModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant SummaryModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= report_.employees.size())
        return {};
    const report::EmployeeReport& e = report_.employees.at(index.row());
    const int column = index.column();
    const bool statistic = column >= kFirstStatisticColumn && column < kFullAttendanceColumn;
    if (column >= kFirstFigureColumn) {
        const int k = column - kFirstFigureColumn;
        if (role == Qt::DisplayRole && e.shiftsUsed)
            return k == 3 ? hoursText(overtimeTotal(e.extra)) : report::numberText(figure(e, k));
        if (role == kSortRole)
            return e.shiftsUsed ? figure(e, k) : -1.0;
        if (role == Qt::TextAlignmentRole)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        if (role == Qt::ToolTipRole && k == 3 && e.shiftsUsed)
            return overtimeBreakdown(e.extra);
        return {};
    }
    switch (role) {
    case Qt::DisplayRole:
        if (column == kEmployeeColumn)
            return e.employee;
        if (statistic)
            return report::numberText(e.values[size_t(column - kFirstStatisticColumn)]);
        if (column == kFullAttendanceColumn)
            return report::fullAttendanceText(e.fullAttendance);
        if (column == kFineColumn)
            return hasUnreadableFine(e) ? report::yuanText(e.fineTotal) + QStringLiteral(" ?") : report::yuanText(e.fineTotal);
        return {};
    case kSortRole:
        if (column == kEmployeeColumn)
            return e.employee;
        if (statistic)
            return e.values[size_t(column - kFirstStatisticColumn)];
        if (column == kFullAttendanceColumn)
            return e.fullAttendance ? 1 : 0;
        if (column == kFineColumn)
            return report::yuanValue(e.fineTotal);
        return {};
    case Qt::TextAlignmentRole:
        if (column == kEmployeeColumn)
            return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
        return QVariant::fromValue((column == kFullAttendanceColumn ? Qt::AlignHCenter : Qt::AlignRight) | Qt::AlignVCenter);
    case Qt::ForegroundRole:
        if (column == kFullAttendanceColumn && !e.fullAttendance)
            return kAttention;
        if (column == kFineColumn && !e.fines.isEmpty())
            return QColor(255, 0, 0); // the result list's colour of a penalised day
        return {};
    case Qt::ToolTipRole:
        if (column == kFineColumn && !e.fines.isEmpty())
            return fineTip(e);
        if (column == kEmployeeColumn)
            return QStringLiteral("双击在结果列表中查看 %1").arg(e.employee);
        return {};
    default:
        return {};
    }
}

QVariant SummaryModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= kFirstFigureColumn && section < kColumnCount)
        return figureHeaders().at(section - kFirstFigureColumn);
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < kColumnCount)
        return report::summaryHeaders().at(section);
    if (orientation == Qt::Vertical && role == Qt::DisplayRole)
        return section + 1;
    return {};
}

} // namespace tarnby::ui
