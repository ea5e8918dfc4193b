// The record walk and cell decoding from the raw bytes of a workbook stream.

#include "import/xls/Workbook.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const tarnby::xls::ReadResult result =
        tarnby::xls::readWorkbookStream(reinterpret_cast<const char*>(data), size);
    // touch every stored cell, as the import would
    double sum = 0;
    qsizetype length = 0;
    const int rows = result.sheet.rowCount();
    const int columns = result.sheet.columnCount();
    for (int column = 0; column < columns && column < 64; ++column) {
        for (int row = 0; row < rows; ++row) {
            const tarnby::xls::Cell& cell = result.sheet.cell(row, column);
            sum += cell.number;
            length += cell.text.size();
        }
    }
    return sum == 0.5 && length == 7 ? 0 : 0;
}
