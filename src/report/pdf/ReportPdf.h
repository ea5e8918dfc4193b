#pragma once
// The month-end report painted with Qt's GUI module: the .pdf file and the
// printed pages. It lives above the core, which knows no painting, and is the
// one writer that knows every format.

#include "report/ReportWriters.h"

class QPagedPaintDevice;

namespace tarnby::report {

// Needs a QGuiApplication (fonts); any platform, "offscreen" included.
Outcome writePdf(const Report& report, const QString& path);

// Paints the report's pages on a device that is already set up (a PDF writer or
// a printer): the summary and the attendance grid in landscape, then a page
// per employee in portrait (turned on a device that cannot change within a
// job). Returns false when painting could not begin on the device; `pages`
// receives how many were painted.
bool paintReport(const Report& report, QPagedPaintDevice& device, int* pages = nullptr);

// Writes the report in the format its name asks for; an unknown extension is
// refused with a message.
Outcome writeReport(const Report& report, const QString& path);

} // namespace tarnby::report
