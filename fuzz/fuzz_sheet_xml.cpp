// libFuzzer target: the XML of one worksheet part, against a small workbook
// context (shared strings, a date style, either date system).

#include "import/xlsx/Xlsx.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const tarnby::xlsx::SheetContext contexts[2] = {
        {{QStringLiteral("工号"), QStringLiteral("0015"), QStringLiteral("2013-2-20 8:01")}, {false, true, false}, false},
        {{QStringLiteral("x")}, {true}, true},
    };
    const auto& context = contexts[size > 0 ? data[size - 1] & 1 : 0];
    tarnby::CellRequest request;
    request.numberColumn = 0;
    request.numberRow = 0;
    request.timeColumn = 2;
    request.timeRow = 1;
    request.maxRows = 4096;
    const auto result = tarnby::xlsx::readSheetXml(reinterpret_cast<const char*>(data), size, context, request);
    if (result.ok())
        (void)result.sheet.rowCount();
    return 0;
}
