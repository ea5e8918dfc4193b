#pragma once
// The read-only .xls reader: the compound document through libgsf, then our own
// bounds-checked walk over the BIFF5/BIFF8 records of the workbook globals and
// of the worksheets asked for. It gives each cell's value, never its display.

#include "import/CellRequest.h"
#include "import/ReadResult.h"

#include <QString>
#include <cstddef>

namespace tarnby::xls {

// The worksheets of the workbook at path that the request names, with the
// cells it asks for (by default every cell of the first worksheet). Never
// writes to the file.
ReadResult readWorkbook(const QString& path, const CellRequest& request = CellRequest::wholeSheet());

// The same from a whole file held in memory (a compound document).
ReadResult readWorkbookBytes(const char* data, std::size_t size,
                             const CellRequest& request = CellRequest::wholeSheet());

// The same from the bytes of a Workbook (BIFF8) or Book (BIFF5) stream,
// without the compound document around it.
ReadResult readWorkbookStream(const char* data, std::size_t size,
                              const CellRequest& request = CellRequest::wholeSheet());

} // namespace tarnby::xls
