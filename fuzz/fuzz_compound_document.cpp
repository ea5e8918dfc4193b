// The whole file: the compound document through libgsf, then the workbook stream.

#include "import/xls/Workbook.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const tarnby::ReadResult result =
        tarnby::xls::readWorkbookBytes(reinterpret_cast<const char*>(data), size);
    const int rows = result.sheet.rowCount();
    for (int row = 0; row < rows; ++row)
        (void)result.sheet.cell(row, 0).text.size();
    return 0;
}
