#include "PdfLoader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

namespace tarnby::cli {

QStringList pdfModulePlaces(const QString& exeDir)
{
    const QDir dir(exeDir);
    const QString file = QStringLiteral(TARNBY_PDF_MODULE_FILE);
    return {dir.filePath(file), QDir::cleanPath(dir.filePath(QStringLiteral(TARNBY_PDF_MODULE_FROM_BINDIR "/") + file))};
}

namespace {

LoadedPdf load(const QString& exeDir, QLibrary& library)
{
    using Problem = LoadedPdf::Problem;
    const QStringList places = pdfModulePlaces(exeDir);
    for (const QString& place : places) {
        // The first module there is the one: one that will not load is
        // reported, not passed over for another of some other build.
        if (!QFileInfo::exists(place))
            continue;
        library.setFileName(place);
        if (!library.load())
            return {nullptr, Problem::NotLoaded, library.errorString()};
        const auto entry = reinterpret_cast<report::PdfModuleEntry>(library.resolve(report::kPdfModuleEntry));
        const report::PdfModule* module = entry ? entry() : nullptr;
        if (!module || module->version != report::kPdfModuleVersion)
            return {nullptr, Problem::OtherBuild, QDir::toNativeSeparators(place)};
        return {module, Problem::None, {}};
    }
    QStringList shown;
    for (const QString& place : places)
        shown.append(QDir::toNativeSeparators(place));
    return {nullptr, Problem::Missing, shown.join(QStringLiteral("、"))};
}

} // namespace

const LoadedPdf& loadPdfModule(const QString& exeDir)
{
    // Never unloaded: the application object and the report's pages come
    // from the module's code.
    static QLibrary library;
    static const LoadedPdf loaded = load(exeDir, library);
    return loaded;
}

QString LoadedPdf::message() const
{
    switch (problem) {
    case Problem::None:
        return {};
    case Problem::Missing:
        return QCoreApplication::translate("tarnby-cli", "找不到生成 PDF 的模块，无法生成 PDF。找过：%1").arg(detail);
    case Problem::NotLoaded:
        return QCoreApplication::translate("tarnby-cli", "无法载入生成 PDF 的模块，无法生成 PDF：%1").arg(detail);
    case Problem::OtherBuild:
        return QCoreApplication::translate("tarnby-cli", "生成 PDF 的模块与本程序不配套，无法生成 PDF：%1").arg(detail);
    }
    return {};
}

} // namespace tarnby::cli
