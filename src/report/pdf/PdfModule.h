#pragma once
// The PDF painter as a module that tarnby-cli loads only when a .pdf is asked
// for: every other command starts without Qt's GUI libraries, whose loading
// and symbol binding cost more than a whole folder read.

#include "base/Outcome.h"
#include "report/ReportModel.h"

class QCoreApplication;

namespace tarnby::report {

// What the module gives the program that loads it. Both are built from the
// same sources; a module whose table has another version is refused.
struct PdfModule {
    int version;
    // The application object painting needs (a GUI application, for fonts),
    // made from the given command line; the caller owns it.
    QCoreApplication* (*makeApplication)(int& argc, char** argv);
    // Writes the report as a .pdf, whole or not at all (see writePdf).
    Outcome (*write)(const Report& report, const QString& path);
};

inline constexpr int kPdfModuleVersion = 1;
// The module's file name without the platform's suffix, and its one entry
// point: extern "C" const PdfModule* tarnby_pdf_module().
inline constexpr char kPdfModuleName[] = "tarnby-report-pdf";
inline constexpr char kPdfModuleEntry[] = "tarnby_pdf_module";
using PdfModuleEntry = const PdfModule* (*)();

} // namespace tarnby::report
