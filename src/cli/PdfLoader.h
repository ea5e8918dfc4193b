#pragma once
// The PDF painter is a module of its own (report/pdf/PdfModule.h), loaded
// only by a command that writes a .pdf.

#include "report/pdf/PdfModule.h"

#include <QString>
#include <QStringList>

namespace tarnby::cli {

// Where the module is looked for, in this order: beside the executable (the
// build tree, a portable copy), then where an installed program keeps it.
QStringList pdfModulePlaces(const QString& exeDir);

struct LoadedPdf {
    enum class Problem { None, Missing, NotLoaded, OtherBuild };
    const report::PdfModule* module = nullptr; // null when it could not be had
    Problem problem = Problem::Missing;
    QString detail; // the loader's own words, or the places looked at

    // Why there is no module, in the user's language; loading happens before
    // the translations are installed, so the text is made when it is shown.
    QString message() const;
};

// Loads the module once per process and keeps it loaded.
const LoadedPdf& loadPdfModule(const QString& exeDir);

} // namespace tarnby::cli
