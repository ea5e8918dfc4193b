#include "report/ReportModel.h"

#include "analysis/ResultList.h"
#include "analysis/ResultText.h"

#include <QDir>
#include <QCoreApplication>

namespace tarnby::report {
namespace {

const QString kFull = QStringLiteral("有");
const QString kDays = QStringLiteral("天");

// The caption as a number: "3" is 3, "1.5天" is 1.5.
double captionValue(QString caption)
{
    if (caption.endsWith(kDays))
        caption.chop(kDays.size());
    bool ok = false;
    const double value = caption.toDouble(&ok);
    return ok ? value : 0.0;
}

QString dateText(const QDate& date)
{
    return QCoreApplication::translate("ReportModel", "%1年%2月%3日")
        .arg(date.year())
        .arg(date.month(), 2, 10, QLatin1Char('0'))
        .arg(date.day(), 2, 10, QLatin1Char('0'));
}

} // namespace

bool EmployeeReport::isDayValued(int index)
{
    return tarnby::isDayValued(Statistic(index));
}

double EmployeeReport::lateness() const
{
    return values[0] + values[1] + values[2] + values[3] + values[4];
}

EmployeeReport employeeReport(const QString& employee, const AnalysisResult& result, const QList<QDate>& dates)
{
    EmployeeReport out;
    out.employee = employee;
    out.rows = result.rows;
    out.captions = result.stats;
    out.registrations = result.registrations;
    out.extra = result.extra;
    out.shiftsUsed = result.shiftsUsed;
    out.figures = result.figures;
    for (qsizetype i = 0; i < out.rows.size(); ++i)
        out.rowDates.append(dates.value(i));
    for (int s = 0; s < kNumericStatistics; ++s)
        out.values[s] = captionValue(out.captions[s]);
    out.noPunches = result.ran && result.rows.isEmpty();
    out.fullAttendance = !out.noPunches && out.captions[kNumericStatistics] == kFull;
    for (const ResultRow& row : out.rows) {
        const QString penalty = penaltyOfRemark(row.cells[ColRemark]);
        if (penalty.isEmpty())
            continue;
        FineEntry fine{row.cells[ColDate], penalty, readFineAmount(amountTextOfPenalty(penalty))};
        if (fine.fen)
            out.fineTotal += *fine.fen;
        out.fines.append(fine);
    }
    return out;
}

QString Report::periodText() const
{
    return dateText(setting.period.firstDay()) + QStringLiteral("—") + dateText(setting.period.lastDay());
}

QString Report::styleText() const
{
    return setting.period.style == kMonthStartStyle ? QCoreApplication::translate("ReportModel", "月初制") : QCoreApplication::translate("ReportModel", "月中制");
}

QString Report::modeText() const
{
    return setting.timeMode == TimeMode::NineToFive ? QCoreApplication::translate("ReportModel", "模式二（朝九晚五）") : QCoreApplication::translate("ReportModel", "模式一（行政班制）");
}

QString Report::title() const
{
    return QCoreApplication::translate("ReportModel", "考勤汇总  %1  %2  时间%3").arg(periodText(), styleText(), modeText());
}

QString Report::restDatesText() const
{
    if (restDates.isEmpty())
        return QCoreApplication::translate("ReportModel", "无", "no rest days");
    QStringList days;
    for (const QDate& d : restDates)
        days.append(d.toString(QCoreApplication::translate("ReportModel", "MM月dd日")));
    return days.join(QCoreApplication::translate("ReportModel", "、"));
}

QList<UnreadableFine> Report::unreadableFines() const
{
    QList<UnreadableFine> out;
    for (const EmployeeReport& e : employees)
        for (const FineEntry& f : e.fines)
            if (!f.fen)
                out.append({e.employee, f.dayText, f.penalty});
    return out;
}

Fen Report::fineTotal() const
{
    Fen total = 0;
    for (const EmployeeReport& e : employees)
        total += e.fineTotal;
    return total;
}

QString tierOnSecondLine(QString header)
{
    // the English names break before their tier
    if (const qsizetype tier = header.indexOf(QStringLiteral(" ≤")); tier > 0)
        return header.replace(tier, 1, u'\n');
    const QString word = QCoreApplication::translate("ResultText", "迟到");
    const qsizetype late = header.indexOf(word);
    const qsizetype end = late + word.size();
    if (late >= 0 && end < header.size() && header.at(end) != u'(')
        header.insert(end, u'\n');
    return header;
}

const QStringList& summaryHeaders()
{
    static const QStringList headers = [] {
        QStringList out{QCoreApplication::translate("ReportModel", "员工")};
        for (int s = 0; s < kStatisticsCount; ++s)
            out.append(shownStatisticName(s) + (isDayValued(Statistic(s)) ? QCoreApplication::translate("ReportModel", "(天)") : QString()));
        out.append(QCoreApplication::translate("ReportModel", "罚款(元)"));
        return out;
    }();
    return headers;
}

const QStringList& detailHeaders()
{
    static const QStringList headers = {QCoreApplication::translate("ReportModel", "员工"),  QCoreApplication::translate("ReportModel", "日期"),  QCoreApplication::translate("ReportModel", "星期"),
                                        QCoreApplication::translate("ReportModel", "A上班"), QCoreApplication::translate("ReportModel", "A下班"), QCoreApplication::translate("ReportModel", "P上班"),
                                        QCoreApplication::translate("ReportModel", "P下班"), QCoreApplication::translate("ReportModel", "备注")};
    return headers;
}

const QStringList& registrationHeaders()
{
    static const QStringList headers = {QCoreApplication::translate("ReportModel", "员工"), QCoreApplication::translate("ReportModel", "序号"), QCoreApplication::translate("ReportModel", "日期"),
                                        QCoreApplication::translate("ReportModel", "登记事由"), QCoreApplication::translate("ReportModel", "处理方式")};
    return headers;
}

QString numberText(double value)
{
    return QString::number(value, 'g', 15);
}

QString fullAttendanceText(bool full)
{
    return full ? QCoreApplication::translate("ReportModel", "有") : QCoreApplication::translate("ReportModel", "无");
}

QList<std::pair<QString, QString>> reportNotes(const Report& report)
{
    QList<std::pair<QString, QString>> notes = {
        {QCoreApplication::translate("ReportModel", "结算期"), report.periodText()},
        {QCoreApplication::translate("ReportModel", "月结制式"), report.styleText()},
        {QCoreApplication::translate("ReportModel", "时间模式"), report.modeText()},
        {QCoreApplication::translate("ReportModel", "休息日"), report.restDatesText()},
        {QCoreApplication::translate("ReportModel", "数据目录"), QDir::toNativeSeparators(report.setting.dataFolder)},
        {QCoreApplication::translate("ReportModel", "制表时间"), report.made.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))},
        {QCoreApplication::translate("ReportModel", "程序版本"), report.version},
        {QCoreApplication::translate("ReportModel", "员工人数"), QString::number(report.employees.size())},
        {QCoreApplication::translate("ReportModel", "罚款合计(元)"), yuanText(report.fineTotal())},
    };
    const QList<UnreadableFine> unreadable = report.unreadableFines();
    for (const UnreadableFine& f : unreadable)
        notes.append({QCoreApplication::translate("ReportModel", "罚款金额无法识别，未计入合计"),
                      QStringLiteral("%1 %2 %3").arg(f.employee, f.dayText, f.penalty)});
    return notes;
}

} // namespace tarnby::report
