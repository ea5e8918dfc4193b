#include "report/ui/SummaryModel.h"

#include <QColor>
#include <QCoreApplication>
#include <QFont>

namespace tarnby::ui {
namespace {

const QColor kAttention(176, 60, 40); // the statistics panel's figure colour
const QColor kSumBackground(238, 242, 228);

QString fineTip(const report::EmployeeReport& e)
{
    QStringList lines;
    for (const report::FineEntry& fine : e.fines) {
        lines.append(fine.fen ? QStringLiteral("%1  %2").arg(fine.dayText, fine.penalty)
                              : QCoreApplication::translate("SummaryModel", "%1  %2（金额无法识别，未计入）").arg(fine.dayText, fine.penalty));
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

// A header over two lines, so that the columns stay narrow: "值日迟到" over
// "10分钟内", "加班平日" over "(小时)".
QString twoLineHeader(const QString& header)
{
    if (QString broken = report::tierOnSecondLine(header); broken != header)
        return broken;
    QString out = header;
    const qsizetype bracket = out.indexOf(u'(');
    if (bracket > 0)
        out.insert(bracket, u'\n');
    return out;
}

} // namespace

void SummaryModel::setReport(const report::Report& report)
{
    beginResetModel();
    const bool grouped = report_.byDepartment;
    report_ = report;
    report_.byDepartment = grouped;
    makeLines();
    endResetModel();
}

void SummaryModel::setByDepartment(bool grouped)
{
    if (grouped == report_.byDepartment)
        return;
    beginResetModel();
    report_.byDepartment = grouped;
    makeLines();
    endResetModel();
}

bool SummaryModel::hasDepartments() const
{
    for (const report::EmployeeReport& e : report_.employees)
        if (!e.department.isEmpty())
            return true;
    return false;
}

void SummaryModel::makeLines()
{
    lines_ = report::summaryLines(report_);
    texts_.clear();
    texts_.reserve(lines_.size());
    for (const report::SummaryLine& line : lines_)
        texts_.append(report::summaryTexts(report_, line));
}

int SummaryModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(lines_.size());
}

int SummaryModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant SummaryModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= lines_.size())
        return {};
    const report::SummaryLine& line = lines_.at(index.row());
    const report::EmployeeReport* e = line.isSum() ? nullptr : &report_.employees.at(line.employee);
    const int column = index.column();
    const bool statistic = column >= kFirstStatisticColumn && column < kFullAttendanceColumn;
    const bool payroll = column >= kFirstPayrollColumn && column < kColumnCount;
    switch (role) {
    case Qt::DisplayRole:
        if (column == kFineColumn && e && hasUnreadableFine(*e))
            return report::yuanText(e->fineTotal) + QStringLiteral(" ?");
        return texts_.at(index.row()).value(column);
    case kSortRole:
        if (column == kEmployeeColumn)
            return texts_.at(index.row()).value(column);
        if (column == kDepartmentColumn)
            return line.department;
        // Nobody's figures sort apart from the real zeros.
        if (line.noPunches && column != kFullAttendanceColumn)
            return -1.0;
        if (statistic)
            return line.values[size_t(column - kFirstStatisticColumn)];
        if (column == kFullAttendanceColumn)
            return line.fullAttendance;
        if (column == kFineColumn)
            return report::yuanValue(line.fineTotal);
        if (payroll)
            return line.payroll.values()[size_t(column - kFirstPayrollColumn)];
        return {};
    case kGroupRole:
        return line.group * 2 + (line.isSum() ? 1 : 0);
    case Qt::TextAlignmentRole:
        if (column == kEmployeeColumn || column == kDepartmentColumn || (line.noPunches && column == kFirstStatisticColumn))
            return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
        return QVariant::fromValue((column == kFullAttendanceColumn ? Qt::AlignHCenter : Qt::AlignRight) | Qt::AlignVCenter);
    case Qt::FontRole:
        if (line.isSum()) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    case Qt::BackgroundRole:
        return line.isSum() ? QVariant(kSumBackground) : QVariant();
    case Qt::ForegroundRole:
        if (line.noPunches && column == kFirstStatisticColumn)
            return kAttention;
        if (!e)
            return {};
        if (column == kFullAttendanceColumn && !e->fullAttendance)
            return kAttention;
        if (column == kFineColumn && !e->fines.isEmpty())
            return QColor(255, 0, 0); // the result list's colour of a penalised day
        return {};
    case Qt::ToolTipRole:
        if (!e)
            return {};
        if (column == kFineColumn && !e->fines.isEmpty())
            return fineTip(*e);
        if (line.noPunches && column <= kFullAttendanceColumn)
            return QCoreApplication::translate("SummaryModel", "%1 在本结算期内没有一次打卡：没有可统计的数字，不计全勤。").arg(e->employee);
        if (column == kEmployeeColumn)
            return QCoreApplication::translate("SummaryModel", "双击在结果列表中查看 %1").arg(e->employee);
        return {};
    default:
        return {};
    }
}

QVariant SummaryModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < kColumnCount)
        return twoLineHeader(report::allSummaryHeaders().at(section));
    if (orientation == Qt::Horizontal && role == Qt::ToolTipRole && section >= 0 && section < kColumnCount)
        return report::allSummaryHeaders().at(section);
    if (orientation == Qt::Vertical && role == Qt::DisplayRole)
        return section + 1;
    return {};
}

bool SummarySortModel::lessThan(const QModelIndex& left, const QModelIndex& right) const
{
    const int leftGroup = left.data(SummaryModel::kGroupRole).toInt();
    const int rightGroup = right.data(SummaryModel::kGroupRole).toInt();
    if (leftGroup != rightGroup) {
        // Qt turns the answer round for a descending sort; the departments,
        // and each subtotal after its employees, stay as they are.
        return sortOrder() == Qt::AscendingOrder ? leftGroup < rightGroup : leftGroup > rightGroup;
    }
    return QSortFilterProxyModel::lessThan(left, right);
}

} // namespace tarnby::ui
