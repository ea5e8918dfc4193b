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
    // The worksheet asked for; asked for every one, the workbook's first, and
    // the others after it in workbook order. Empty unless ok(): a damaged
    // workbook gives no half-read cells.
    Sheet sheet;
    std::vector<Sheet> laterSheets;

    bool ok() const { return error == ReadError::None; }
    // The worksheets read, and worksheet i of them (0 the first).
    int sheetCount() const { return count_; }
    const Sheet& sheetAt(int i) const { return i == 0 ? sheet : laterSheets.at(std::size_t(i - 1)); }

    // For the readers: the next worksheet read, in workbook order.
    void add(Sheet read)
    {
        if (count_++ == 0)
            sheet = std::move(read);
        else
            laterSheets.push_back(std::move(read));
    }

private:
    int count_ = 0;
};

} // namespace tarnby
