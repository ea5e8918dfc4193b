#include "import/layout/ExportPreview.h"

#include "import/CellSource.h"
#include "import/CellText.h"

#include <cmath>

namespace tarnby {

ExportPreview previewExport(const QString& path, const ReadPosition& position, const QDate& today, int rows)
{
    ExportPreview preview{readExportFile(path, position, today), {}};
    if (preview.read.report.readError != ReadError::None)
        return preview;
    CellRequest request = CellRequest::wholeSheet(preview.read.report.sheet);
    request.maxRows = std::max(1, rows);
    ReadResult first = readExport(path, request);
    if (first.ok())
        preview.sheet = std::move(first.sheet);
    return preview;
}

QString previewText(const Cell& cell)
{
    switch (cell.kind) {
    case Cell::Kind::Empty: return {};
    case Cell::Kind::Text: return cell.text;
    case Cell::Kind::Error: return QStringLiteral("#错误");
    case Cell::Kind::DateTime: {
        const QString text = cells::dateTimeFromSerial(cell.number).value_or(QString());
        if (text.isEmpty())
            break;
        if (cell.number < 1)
            return text.mid(11);
        return cell.number == std::floor(cell.number) ? text.left(10) : text;
    }
    default: break;
    }
    return cells::numberCellText(cell).value_or(QString());
}

} // namespace tarnby
