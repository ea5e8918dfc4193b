#include "report/ReportGrid.h"

#include "analysis/DayJudge.h"
#include <QCoreApplication>

namespace tarnby::report {
namespace {

const QString kFineWord = QStringLiteral("罚款");
const QString kDutyWord = QStringLiteral("值日");

// The words a remark may carry and the symbol each stands for.
const std::array<std::pair<QString, DaySymbol>, 7> kRemarkWords = {{
    {QStringLiteral("迟到"), SymbolLate},
    {QStringLiteral("早退"), SymbolEarly},
    {QStringLiteral("漏打"), SymbolMissed},
    {QStringLiteral("病假"), SymbolSick},
    {QStringLiteral("事假"), SymbolPersonal},
    {QStringLiteral("旷工"), SymbolAbsent},
    {QStringLiteral("加班"), SymbolOvertime},
}};

} // namespace

const std::array<DaySymbolName, kDaySymbolCount>& daySymbolNames()
{
    static const std::array<DaySymbolName, kDaySymbolCount> names = {{
        {QStringLiteral("√"), QCoreApplication::translate("ReportGrid", "正常")},
        {QStringLiteral("迟"), QCoreApplication::translate("ReportGrid", "迟到")},
        {QStringLiteral("退"), QCoreApplication::translate("ReportGrid", "早退")},
        {QStringLiteral("漏"), QCoreApplication::translate("ReportGrid", "漏打")},
        {QStringLiteral("病"), QCoreApplication::translate("ReportGrid", "病假")},
        {QStringLiteral("事"), QCoreApplication::translate("ReportGrid", "事假")},
        {QStringLiteral("旷"), QCoreApplication::translate("ReportGrid", "旷工")},
        {QStringLiteral("休"), QCoreApplication::translate("ReportGrid", "休息日")},
        {QStringLiteral("加"), QCoreApplication::translate("ReportGrid", "加班")},
        {QStringLiteral("值"), QCoreApplication::translate("ReportGrid", "值日")},
    }};
    return names;
}

DayMarks dayMarks(const ResultRow& row)
{
    DayMarks marks;
    // The remark: "*" for registrations, 值日, then the words joined by "/",
    // then the penalty, whose amount is free text and is not read for words.
    QString words = row.cells[ColRemark];
    if (const qsizetype fine = words.indexOf(kFineWord); fine >= 0)
        words.truncate(fine);
    if (words.startsWith(u'*'))
        words.remove(0, 1);
    if (words.startsWith(kDutyWord)) {
        marks.set(SymbolDuty);
        words.remove(0, kDutyWord.size());
    }
    for (const QString& word : words.split(u'/', Qt::SkipEmptyParts)) {
        for (const auto& [text, symbol] : kRemarkWords)
            if (word == text)
                marks.set(symbol);
    }
    if (row.colors[ColWeekday] == kColorRestDay)
        marks.set(SymbolRest);
    if (marks.none())
        marks.set(SymbolNormal);
    return marks;
}

QString marksText(const DayMarks& marks)
{
    QString text;
    for (int s = 0; s < kDaySymbolCount; ++s)
        if (marks.test(size_t(s)))
            text += daySymbolNames()[size_t(s)].symbol;
    return text;
}

bool isFault(const DayMarks& marks)
{
    return marks.test(SymbolLate) || marks.test(SymbolEarly) || marks.test(SymbolMissed) || marks.test(SymbolAbsent);
}

GridRow gridRow(const EmployeeReport& employee, const QList<GridDay>& days)
{
    GridRow out;
    out.days.resize(days.size());
    const qint64 first = days.isEmpty() ? 0 : days.first().date.toJulianDay();
    for (qsizetype i = 0; i < employee.rows.size(); ++i) {
        const DayMarks marks = dayMarks(employee.rows.at(i));
        const qint64 day = employee.rowDates.value(i).toJulianDay() - first;
        if (day >= 0 && day < out.days.size())
            out.days[day] = marks;
        for (int s = 0; s < kDaySymbolCount; ++s)
            out.counts[size_t(s)] += marks.test(size_t(s)) ? 1 : 0;
    }
    return out;
}

QString gridLegend()
{
    QStringList parts;
    for (const DaySymbolName& name : daySymbolNames())
        parts.append(name.symbol + u' ' + name.meaning);
    return QCoreApplication::translate("ReportGrid", "图例：%1。灰底为周末和节假日；行末为各符号的天数。").arg(parts.join(QCoreApplication::translate("ReportGrid", "　")));
}

QString gridTitle(const Report& report)
{
    return QCoreApplication::translate("ReportGrid", "考勤表  %1  %2  时间%3").arg(report.periodText(), report.styleText(), report.modeText());
}

QString signersText(const Report& report)
{
    const QString blank = QCoreApplication::translate("ReportGrid", "＿＿＿＿＿＿");
    return QCoreApplication::translate("ReportGrid", "制表人：%1　　　　审核人：%2")
        .arg(report.preparedBy.isEmpty() ? blank : report.preparedBy,
             report.checkedBy.isEmpty() ? blank : report.checkedBy);
}

QString dayNumberText(const QDate& date)
{
    return QString::number(date.day());
}

QString weekdayText(const QDate& date)
{
    return weekdayName(date).mid(1);
}

} // namespace tarnby::report
