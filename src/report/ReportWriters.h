#pragma once
// The month-end report as a file: .xlsx for the payroll clerk, .csv for any
// spreadsheet, .pdf for the manager. Every writer replaces an existing file
// only with a complete new one (see AtomicFile.h).

#include "report/ReportModel.h"
#include "base/Outcome.h"

#include <QString>
#include <optional>

class QPagedPaintDevice;

namespace tarnby::report {

enum class ReportFormat { Xlsx, Csv, Pdf };

// The format a file name asks for by its extension (any case), or nothing.
std::optional<ReportFormat> formatOfPath(const QString& path);

// Writes the report in the format its name asks for; an unknown extension is
// refused with a message.
Outcome writeReport(const Report& report, const QString& path);

Outcome writeXlsx(const Report& report, const QString& path);
Outcome writeCsv(const Report& report, const QString& path);
// Needs a QGuiApplication (fonts); any platform, "offscreen" included.
Outcome writePdf(const Report& report, const QString& path);

// The 汇总 table as CSV text: headers, then one line per employee, CR LF,
// without the BOM.
QByteArray summaryCsv(const Report& report);

// Paints the report's pages on a device that is already set up (a PDF writer or
// a printer): the summary first, then a page per employee. Returns false when
// painting could not begin on the device.
bool paintReport(const Report& report, QPagedPaintDevice& device);

} // namespace tarnby::report
