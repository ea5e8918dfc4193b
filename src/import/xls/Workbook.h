#pragma once
// The read-only .xls reader: the compound document through libgsf, then our own
// bounds-checked walk over the BIFF5/BIFF8 records of the first worksheet.
// It gives each cell's value, never its display: a date-time shown with a
// date-only format still carries its time.

#include <QString>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace tarnby::xls {

struct Cell {
    enum class Kind : std::uint8_t {
        Empty,
        Number,   // `number` holds the value
        DateTime, // `number` holds days in the 1900 date system (1.0 is 1900-01-01 00:00; 60 is the phantom 1900-02-29)
        Text,     // `text` holds the string
        Boolean,  // `number` is 0 or 1
        Error,    // a formula error such as #DIV/0!; `number` holds the BIFF error code
    };
    Kind kind = Kind::Empty;
    double number = 0;
    QString text;
};

enum class ReadError {
    None,
    CannotOpen,     // the file cannot be opened for reading
    NotWorkbook,    // not a compound document, or no Workbook/Book stream in it
    Encrypted,      // a password is needed to open it (FILEPASS)
    Damaged,        // records run past their bytes, or the sheet cannot be found
    Unsupported,    // a BIFF version this reader does not read
};

// The first worksheet (by sheet order) of a workbook.
class Sheet {
public:
    // Row and column count from 0: A1 is (0, 0). An empty cell where nothing is stored.
    const Cell& cell(int row, int column) const;
    // One past the last row that holds a stored cell.
    int rowCount() const;
    // One past the last column that holds a stored cell.
    int columnCount() const;

    // For the reader: stores a cell, replacing any earlier one at that place
    // (an Empty cell removes it). Row in [0, 1048575] (the rows of an .xlsx
    // sheet), column in [0, 65535].
    void set(int row, int column, Cell cell);
    // For the reader: room for this many rows in each column as it is first used.
    void reserveRows(int rows);

private:
    struct Entry {
        int row;
        Cell cell;
    };
    // Stored column by column, since the import walks down two columns; each column
    // holds only its stored cells in row order, so a few cells far down a sheet cost
    // no more than a few cells at its top.
    std::vector<std::vector<Entry>> columns_;
    int rows_ = 0;
    int reserveRows_ = 0;
};

struct ReadResult {
    ReadError error = ReadError::None;
    QString detail; // why, in words, for logs and tests; the import shows its own message
    Sheet sheet;    // empty unless ok(): a damaged workbook gives no half-read cells
    bool ok() const { return error == ReadError::None; }
};

// Reads the first worksheet of the workbook at path. Never writes to the file.
ReadResult readFirstSheet(const QString& path);

// The same from a whole file held in memory (a compound document).
ReadResult readFirstSheetFromBytes(const char* data, std::size_t size);

// The first worksheet from the bytes of a Workbook (BIFF8) or Book (BIFF5) stream,
// without the compound document around it.
ReadResult readWorkbookStream(const char* data, std::size_t size);

} // namespace tarnby::xls
