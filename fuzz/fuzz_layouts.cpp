// libFuzzer target: the layout detection over worksheets made from the bytes.
// The bytes after the first are a .csv whose fields become cells; the first
// byte says whether the sheet counts as a text export and which fields that
// are plain numbers become number or date-time cells (as a workbook holds
// them). Every layout is tried on the sheet, alone and in their order, and the
// configured cells' test on its first rows.

#include "import/layout/Layouts.h"
#include "import/text/TextExport.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace tarnby;
    if (size == 0)
        return 0;
    const std::uint8_t mode = data[0];
    const QByteArray bytes(reinterpret_cast<const char*>(data) + 1, qsizetype(size - 1));
    CellRequest request = CellRequest::wholeSheet();
    request.maxRows = 20000;
    const ReadResult read = text::readTextBytes(bytes, text::Flavour::Csv, request);
    if (!read.ok())
        return 0;

    Sheet sheet;
    read.sheet().forEachCell([&](int row, int column, const Cell& cell) {
        Cell typed = cell;
        bool plain = false;
        const double value = cell.text.toDouble(&plain);
        if (plain && (mode & 2))
            typed = Cell{(mode & 4) && column % 2 ? Cell::Kind::DateTime : Cell::Kind::Number, value, {}};
        sheet.set(row, column, std::move(typed));
    });

    const layout::ReadContext context{QDate(2026, 12, 9), bool(mode & 1)};
    (void)layout::readGrid(sheet, context);
    (void)layout::readHeaderTable(sheet, context);
    (void)layout::readLog(sheet, context);
    const std::vector<Sheet> sheets{read.sheet(), sheet};
    if (const auto found = layout::readFirstLayout(sheets, context))
        (void)found->report.suggestedPosition();
    for (int row = 0; row < 3; ++row)
        (void)layout::holdsPunchData(sheet.cell(row, 0), sheet.cell(row + (mode >> 7), 1));
    return 0;
}
