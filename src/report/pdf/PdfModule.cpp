#include "report/pdf/PdfModule.h"

#include "report/pdf/ReportPdf.h"

#include <QGuiApplication>

namespace {

QCoreApplication* makeGuiApplication(int& argc, char** argv)
{
    return new QGuiApplication(argc, argv);
}

} // namespace

extern "C" Q_DECL_EXPORT const tarnby::report::PdfModule* tarnby_pdf_module()
{
    static const tarnby::report::PdfModule module{tarnby::report::kPdfModuleVersion, &makeGuiApplication,
                                                  &tarnby::report::writePdf};
    return &module;
}
