// libFuzzer target: a whole .xlsx package from bytes, through the zip layer,
// the relationships, workbook, styles, shared strings and the first worksheet.

#include "import/xlsx/Xlsx.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    tarnby::CellRequest request;
    request.numberColumn = 0;
    request.numberRow = 1;
    request.timeColumn = 1;
    request.timeRow = 1;
    const auto result = tarnby::xlsx::readWorkbookBytes(reinterpret_cast<const char*>(data), size, request);
    if (result.ok())
        (void)result.sheet.cell(1, 0);
    return 0;
}
