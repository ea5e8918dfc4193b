#pragma once
// The read-only .xlsx/.xlsm reader: libzip opens the package, libxml2 streams
// its parts. It gives the same cell values as the .xls reader (see
// import/Sheet.h): numbers, date-times in the 1900 date system whatever the
// workbook's, texts, booleans and error values; and it keeps only the cells
// the request asks for.
//
// A hostile file is a read error, never a hang, a crash or memory exhaustion:
// an encrypted package, a damaged zip, a part larger than 1 GiB or inflating to
// more than 1,000 times its compressed size, a DTD or entity declaration, a
// missing part, a cell reference out of order.

#include "import/CellRequest.h"
#include "import/ReadResult.h"

#include <QString>
#include <cstddef>
#include <vector>

namespace tarnby::xlsx {

// The worksheets the request names, in workbook order, of the package at path.
ReadResult readWorkbook(const QString& path, const CellRequest& request);

// The same from the whole file held in memory.
ReadResult readWorkbookBytes(const char* data, std::size_t size, const CellRequest& request);

// What a worksheet's cells are read against: the workbook's shared strings,
// which cell formats show dates, and its date system.
struct SheetContext {
    std::vector<QString> sharedStrings;
    std::vector<bool> dateStyles; // by cell format (the c element's s)
    bool date1904 = false;
};

// One worksheet part's XML, as the package reader streams it; for tests and fuzzing.
ReadResult readSheetXml(const char* data, std::size_t size, const SheetContext& context,
                        const CellRequest& request);

// Whether the bytes begin like a compound document (the container of .xls files
// and of encrypted packages).
bool isCompoundDocument(const char* data, std::size_t size);

// Whether a compound document is an encrypted package (EncryptionInfo or
// EncryptedPackage streams) rather than a workbook.
bool isEncryptedPackage(const char* data, std::size_t size);

} // namespace tarnby::xlsx
