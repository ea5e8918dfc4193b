#pragma once
// The month-end report as a file: .xlsx for the payroll clerk, .csv for any
// spreadsheet, .pdf for the manager (report/pdf, above the core, since it
// paints). Every writer replaces an existing file only with a complete new one
// (see ReportFile.h).

#include "report/ReportModel.h"
#include "base/Outcome.h"

#include <QString>
#include <functional>
#include <optional>

namespace tarnby::report {

enum class ReportFormat { Xlsx, Csv, Pdf };

// The format a file name asks for by its extension (any case), or nothing.
std::optional<ReportFormat> formatOfPath(const QString& path);

Outcome writeXlsx(const Report& report, const QString& path);
Outcome writeCsv(const Report& report, const QString& path);

// The report in the format its file name asks for; a .pdf through writePdf,
// which lives above the core (the window links it, the command line loads it).
using PdfWriter = std::function<Outcome(const Report& report, const QString& path)>;
Outcome writeReportAs(const Report& report, const QString& path, const PdfWriter& writePdf);

// The 汇总 table as CSV text: headers, then one line per employee (grouped:
// and a subtotal per department, the total last), CR LF, without the BOM.
QByteArray summaryCsv(const Report& report);

} // namespace tarnby::report
