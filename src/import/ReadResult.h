#pragma once
// What a reader hands back: the worksheets asked for, or why there are none.

#include "import/Sheet.h"

#include <QString>
#include <vector>

namespace tarnby {

enum class ReadError {
    None,
    CannotOpen,     // the file cannot be opened for reading
    NotWorkbook,    // not a workbook of the format its reader reads (no Workbook/Book stream, no package)
    Encrypted,      // a password is needed to open it
    Damaged,        // records run past their bytes, or the sheet asked for cannot be found
    Unsupported,    // a version or a size this reader does not read
};

struct ReadResult {
    ReadError error = ReadError::None;
    QString detail; // why, in words, for logs and tests; the import shows its own message
    // The worksheets asked for, in workbook order: the one named, or every one.
    // Empty unless ok(): a damaged workbook gives no half-read cells.
    std::vector<Sheet> sheets;

    bool ok() const { return error == ReadError::None; }
    // The first sheet read, which is the one a read of one sheet asked for; an
    // empty sheet when none was read.
    const Sheet& sheet() const
    {
        static const Sheet kNone;
        return sheets.empty() ? kNone : sheets.front();
    }
};

} // namespace tarnby
