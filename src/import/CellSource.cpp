#include "import/CellSource.h"

#include "import/CellName.h"
#include "import/PunchTable.h"
#include "import/text/TextExport.h"
#include "import/xls/Workbook.h"
#include "import/xlsx/Xlsx.h"

#include <QFile>

namespace tarnby {

namespace {

enum class Format { Xls, Xlsx, Csv, Dat, None };

Format formatOfName(const QString& name)
{
    auto is = [&name](const char* suffix) { return name.endsWith(QLatin1String(suffix), Qt::CaseInsensitive); };
    if (is(".xls"))
        return Format::Xls;
    if (is(".xlsx") || is(".xlsm"))
        return Format::Xlsx;
    if (is(".csv"))
        return Format::Csv;
    if (is(".dat"))
        return Format::Dat;
    return Format::None;
}

ReadResult readCompound(const QString& path, const CellRequest& request)
{
    ReadResult result = xls::readWorkbook(path, request);
    if (result.error != ReadError::NotWorkbook)
        return result;
    // no workbook stream: an encrypted package has none either
    QFile file(path);
    if (file.size() <= qint64(1) << 30 && file.open(QIODevice::ReadOnly)) {
        const QByteArray all = file.readAll();
        if (xlsx::isEncryptedPackage(all.constData(), std::size_t(all.size()))) {
            result.error = ReadError::Encrypted;
            result.detail = QStringLiteral("an encrypted package");
        }
    }
    return result;
}

} // namespace

bool isExportName(const QString& name)
{
    return formatOfName(name) != Format::None;
}

bool isTextExportName(const QString& name)
{
    const Format format = formatOfName(name);
    return format == Format::Csv || format == Format::Dat;
}

CellRequest configuredRequest(const ReadPosition& position)
{
    CellRequest request;
    int firstRow = 0;
    if (const auto at = parseCellName(position.numberCell)) {
        request.numberColumn = at->column;
        firstRow = at->row;
    }
    if (const auto at = parseCellName(position.timeCell)) {
        request.timeColumn = at->column;
        firstRow = std::max(firstRow, at->row);
    }
    // one record more than the table holds, so that an overfull file still overflows
    request.maxRows = firstRow + PunchTable::kMaxRecords + 1;
    return request;
}

ReadResult readExport(const QString& path, const CellRequest& request)
{
    const Format format = formatOfName(path);
    if (format == Format::Csv || format == Format::Dat)
        return text::readTextExport(path, format == Format::Csv ? text::Flavour::Csv : text::Flavour::Dat, request);

    QFile file(path);
    QByteArray head;
    if (file.open(QIODevice::ReadOnly))
        head = file.read(8);
    file.close();
    if (head.startsWith("PK\x03\x04"))
        return xlsx::readWorkbook(path, request);
    if (xlsx::isCompoundDocument(head.constData(), std::size_t(head.size())))
        return readCompound(path, request);
    if (format == Format::Xlsx)
        return xlsx::readWorkbook(path, request);
    return xls::readWorkbook(path, request);
}

} // namespace tarnby
