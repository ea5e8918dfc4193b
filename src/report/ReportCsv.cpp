#include "report/ReportFile.h"
#include "report/ReportPayroll.h"
#include "report/ReportWriters.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QIODevice>

namespace tarnby::report {
namespace {

QString csvField(const QString& text)
{
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') && !text.contains(u'\r'))
        return text;
    QString quoted = text;
    quoted.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

} // namespace

std::optional<ReportFormat> formatOfPath(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("xlsx"))
        return ReportFormat::Xlsx;
    if (suffix == QLatin1String("csv"))
        return ReportFormat::Csv;
    if (suffix == QLatin1String("pdf"))
        return ReportFormat::Pdf;
    return std::nullopt;
}

Outcome writeReportAs(const Report& report, const QString& path, const PdfWriter& writePdf)
{
    const std::optional<ReportFormat> format = formatOfPath(path);
    if (!format)
        return Outcome::error(QCoreApplication::translate("ReportWriters", "报表文件名须以 .xlsx、.csv 或 .pdf 结尾：%1").arg(path));
    switch (*format) {
    case ReportFormat::Xlsx:
        return writeXlsx(report, path);
    case ReportFormat::Csv:
        return writeCsv(report, path);
    case ReportFormat::Pdf:
        return writePdf(report, path);
    }
    return Outcome::error(QCoreApplication::translate("ReportWriters", "未知的报表格式。"));
}

QByteArray summaryCsv(const Report& report)
{
    QString text;
    QStringList header;
    for (const QString& h : allSummaryHeaders())
        header.append(csvField(h));
    text += header.join(u',') + QStringLiteral("\r\n");
    for (const SummaryLine& line : summaryLines(report)) {
        QStringList fields;
        for (const QString& cell : summaryTexts(report, line))
            fields.append(csvField(cell));
        text += fields.join(u',') + QStringLiteral("\r\n");
    }
    return text.toUtf8();
}

Outcome writeCsv(const Report& report, const QString& path)
{
    const QByteArray bytes = QByteArray("\xEF\xBB\xBF") + summaryCsv(report);
    return saveReportFile(path, [&bytes](QIODevice& out) {
        out.write(bytes);
        return QString();
    });
}

} // namespace tarnby::report
