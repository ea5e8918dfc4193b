#include "analysis/ResultExport.h"

#include "analysis/ResultList.h"

namespace tarnby {
namespace {

// The JSON is written by hand because its layout is fixed byte for byte:
// the keys in the order employee, rows, stats, registrations and one row a
// line. QJsonDocument sorts an object's keys and lays the text out its own way
// (the tests show both).
QString jsonString(const QString& text)
{
    QString out = QStringLiteral("\"");
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        switch (c.unicode()) {
        case '"': out += QStringLiteral("\\\""); break;
        case '\\': out += QStringLiteral("\\\\"); break;
        case '\n': out += QStringLiteral("\\n"); break;
        case '\r': out += QStringLiteral("\\r"); break;
        case '\t': out += QStringLiteral("\\t"); break;
        default:
            if (c.isHighSurrogate() && i + 1 < n && text.at(i + 1).isLowSurrogate()) {
                out += c;
                out += text.at(++i);
            } else if (c.unicode() < 0x20 || c.isSurrogate()) {
                // a surrogate without its partner has no UTF-8 form of its own
                out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            } else {
                out += c;
            }
        }
    }
    return out + u'"';
}

template <class Texts>
QString jsonStrings(const Texts& texts)
{
    QStringList items;
    for (const QString& t : texts)
        items.append(jsonString(t));
    return u'[' + items.join(QStringLiteral(",")) + u']';
}

// {"punches": [{"time", "slot", "why"}, ...], "rules": [...]}, on the row's line.
QString jsonExplanation(const DayExplanation& e)
{
    QStringList punches;
    for (const PunchExplanation& p : e.punches) {
        punches.append(QStringLiteral("{\"time\": %1, \"slot\": %2, \"why\": %3}")
                           .arg(jsonString(p.time))
                           .arg(p.slot)
                           .arg(jsonString(p.why)));
    }
    return QStringLiteral("{\"punches\": [%1], \"rules\": %2}")
        .arg(punches.join(QStringLiteral(", ")), jsonStrings(e.rules));
}

QString jsonFigures(const DayFigures& f)
{
    return QStringLiteral(", \"shift\": %1, \"rest\": %2, \"lateMinutes\": %3, \"earlyCount\": %4, \"earlyMinutes\": %5, "
                          "\"overtimeMinutes\": %6")
        .arg(jsonString(f.shift), f.rest ? QStringLiteral("true") : QStringLiteral("false"))
        .arg(f.lateMinutes)
        .arg(f.earlyCount)
        .arg(f.earlyMinutes)
        .arg(f.overtimeMinutes);
}

QString jsonExtra(const EmployeeFigures& e)
{
    return QStringLiteral("{\"earlyCount\": %1, \"earlyMinutes\": %2, \"lateMinutes\": %3, \"overtimeWorkday\": %4, "
                          "\"overtimeRestday\": %5, \"overtimeHoliday\": %6}")
        .arg(e.earlyCount)
        .arg(e.earlyMinutes)
        .arg(e.lateMinutes)
        .arg(e.overtimeWorkday)
        .arg(e.overtimeRestday)
        .arg(e.overtimeHoliday);
}

QString jsonRow(const ResultRow& row, const DayFigures* figures, const DayExplanation* explanation)
{
    QStringList colors;
    for (int c = 0; c < kResultColumns; ++c) {
        if (row.colors[c])
            colors.append(QStringLiteral("\"%1\": %2").arg(c).arg(jsonString(colorText(*row.colors[c]))));
    }
    QString out = QStringLiteral("{\"cells\": %1, \"colors\": {%2}").arg(jsonStrings(row.cells), colors.join(QStringLiteral(", ")));
    if (figures)
        out += jsonFigures(*figures);
    if (explanation)
        out += QStringLiteral(", \"explain\": ") + jsonExplanation(*explanation);
    return out + u'}';
}

QString jsonObject(const EmployeeAnalysis& a, bool extended)
{
    QStringList rows;
    const bool explained = !a.result.explanations.isEmpty() && a.result.explanations.size() == a.result.rows.size();
    const bool figured = extended && a.result.figures.size() == a.result.rows.size();
    for (qsizetype i = 0; i < a.result.rows.size(); ++i)
        rows.append(QStringLiteral("   ") + jsonRow(a.result.rows.at(i), figured ? &a.result.figures.at(i) : nullptr,
                                                     explained ? &a.result.explanations.at(i) : nullptr));
    QStringList registrations;
    for (const EmployeeRegistrationRow& r : a.result.registrations)
        registrations.append(jsonStrings(r.cells()));
    QString out = QStringLiteral("{\"employee\": ") + jsonString(a.employee.text()) + QStringLiteral(",\n");
    out += QStringLiteral(" \"rows\": [");
    if (!rows.isEmpty())
        out += u'\n' + rows.join(QStringLiteral(",\n")) + QStringLiteral("\n ");
    out += QStringLiteral("],\n");
    out += QStringLiteral(" \"stats\": ") + jsonStrings(a.result.stats) + QStringLiteral(",\n");
    if (extended)
        out += QStringLiteral(" \"extra\": ") + jsonExtra(a.result.extra) + QStringLiteral(",\n");
    out += QStringLiteral(" \"registrations\": [") + registrations.join(QStringLiteral(", ")) + QStringLiteral("]}");
    return out;
}

// The shift figures' columns, after the existing ones.
const QStringList kExtendedRowColumns = {QStringLiteral("班次"), QStringLiteral("休息日"), QStringLiteral("迟到(分钟)"),
                                         QStringLiteral("早退(次)"), QStringLiteral("早退(分钟)"), QStringLiteral("加班(分钟)")};
const QStringList kExtendedStatsColumns = {QStringLiteral("早退(次)"), QStringLiteral("早退(分钟)"),
                                           QStringLiteral("迟到(分钟)"), QStringLiteral("加班平日(分钟)"),
                                           QStringLiteral("加班休息日(分钟)"), QStringLiteral("加班节假日(分钟)")};

QString csvField(const QString& text)
{
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') && !text.contains(u'\r'))
        return text;
    QString quoted = text;
    quoted.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

QString csvLine(const QStringList& fields)
{
    QStringList out;
    for (const QString& f : fields)
        out.append(csvField(f));
    return out.join(u',') + QStringLiteral("\r\n");
}

// Non-default foregrounds of a row as "column=#rrggbb", space-separated.
QString csvColors(const ResultRow& row)
{
    QStringList colors;
    for (int c = 0; c < kResultColumns; ++c) {
        if (row.colors[c])
            colors.append(QStringLiteral("%1=%2").arg(c).arg(colorText(*row.colors[c])));
    }
    return colors.join(u' ');
}

} // namespace

QString colorText(std::uint32_t rgb)
{
    return QStringLiteral("#%1").arg(rgb & 0xffffffu, 6, 16, QLatin1Char('0'));
}

QString toJson(const EmployeeAnalysis& analysis, bool extended)
{
    return jsonObject(analysis, extended) + u'\n';
}

QString toJsonArray(const QList<EmployeeAnalysis>& analyses, bool extended)
{
    QStringList objects;
    for (const EmployeeAnalysis& a : analyses)
        objects.append(jsonObject(a, extended));
    if (objects.isEmpty())
        return QStringLiteral("[]\n");
    return u'[' + objects.join(QStringLiteral(",\n")) + QStringLiteral("]\n");
}

QString toCsv(const QList<EmployeeAnalysis>& analyses, bool extended)
{
    QStringList rowHeader = {QStringLiteral("员工"), QStringLiteral("日期"), QStringLiteral("星期"), QStringLiteral("A上班"),
                             QStringLiteral("A下班"), QStringLiteral("P上班"), QStringLiteral("P下班"),
                             QStringLiteral("备注"), QStringLiteral("颜色")};
    if (extended)
        rowHeader += kExtendedRowColumns;
    QString out = csvLine(rowHeader);
    for (const EmployeeAnalysis& a : analyses) {
        for (qsizetype i = 0; i < a.result.rows.size(); ++i) {
            const ResultRow& row = a.result.rows.at(i);
            QStringList fields{a.employee.text()};
            for (const QString& cell : row.cells)
                fields.append(cell);
            fields.append(csvColors(row));
            if (extended) {
                const DayFigures f = a.result.figures.value(i);
                fields += {f.shift, f.rest ? QStringLiteral("是") : QStringLiteral("否"), QString::number(f.lateMinutes),
                           QString::number(f.earlyCount), QString::number(f.earlyMinutes),
                           QString::number(f.overtimeMinutes)};
            }
            out += csvLine(fields);
        }
    }
    out += QStringLiteral("\r\n");
    QStringList statsHeader{QStringLiteral("员工")};
    for (const StatisticName& s : statisticNames())
        statsHeader.append(QString::fromUtf16(s.name));
    if (extended)
        statsHeader += kExtendedStatsColumns;
    out += csvLine(statsHeader);
    for (const EmployeeAnalysis& a : analyses) {
        QStringList fields{a.employee.text()};
        for (const QString& caption : a.result.stats)
            fields.append(caption);
        if (extended) {
            const EmployeeFigures& e = a.result.extra;
            for (int v : {e.earlyCount, e.earlyMinutes, e.lateMinutes, e.overtimeWorkday, e.overtimeRestday,
                          e.overtimeHoliday})
                fields.append(QString::number(v));
        }
        out += csvLine(fields);
    }
    out += QStringLiteral("\r\n");
    out += csvLine({QStringLiteral("员工"), QStringLiteral("序号"), QStringLiteral("日期"), QStringLiteral("登记事由"),
                    QStringLiteral("处理方式")});
    for (const EmployeeAnalysis& a : analyses) {
        for (const EmployeeRegistrationRow& r : a.result.registrations)
            out += csvLine(QStringList{a.employee.text()} + r.cells());
    }
    return out;
}

} // namespace tarnby
