// libFuzzer target: a .csv or .dat export from bytes (the first byte picks
// which), through the decoder and the field splitter.

#include "import/text/TextExport.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const auto flavour = data[0] & 1 ? tarnby::text::Flavour::Dat : tarnby::text::Flavour::Csv;
    tarnby::CellRequest request;
    request.numberColumn = data[0] >> 5;
    request.numberRow = (data[0] >> 1) & 1;
    request.timeColumn = (data[0] >> 2) & 7;
    request.timeRow = 1;
    request.maxRows = 10000;
    const QByteArray bytes(reinterpret_cast<const char*>(data) + 1, qsizetype(size - 1));
    const auto result = tarnby::text::readTextBytes(bytes, flavour, request);
    if (result.ok())
        (void)result.sheet.rowCount();
    return 0;
}
