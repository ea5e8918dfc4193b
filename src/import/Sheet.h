#pragma once
// The cells every reader gives and the import reads: a worksheet's values by
// row and column, each the value the file stores, never its display (a
// date-time shown with a date-only format still carries its time).

#include <QString>
#include <cstdint>
#include <vector>

namespace tarnby {

// The largest sheet a workbook can hold.
inline constexpr int kMaxRows = 1048576;
inline constexpr int kMaxColumns = 16384;

struct Cell {
    enum class Kind : std::uint8_t {
        Empty,
        Number,   // `number` holds the value
        DateTime, // `number` holds days in the 1900 date system (see SerialDate.h), whatever the file's system
        Text,     // `text` holds the string
        Boolean,  // `number` is 0 or 1
        Error,    // a formula error such as #DIV/0!; `number` holds the BIFF error code
    };
    Kind kind = Kind::Empty;
    double number = 0;
    QString text;
};

// One worksheet's cells.
class Sheet {
public:
    // Row and column count from 0: A1 is (0, 0). An empty cell where nothing is stored.
    const Cell& cell(int row, int column) const;
    // One past the last row that holds a stored cell.
    int rowCount() const;
    // One past the last column that holds a stored cell.
    int columnCount() const;
    // Every stored cell, column by column, each column from the top: a scan
    // that costs what the sheet holds, however far apart its cells lie.
    template <typename Visit> // void(int row, int column, const Cell&)
    void forEachCell(Visit&& visit) const
    {
        for (std::size_t column = 0; column < columns_.size(); ++column)
            for (const Entry& entry : columns_[column])
                visit(entry.row, int(column), entry.cell);
    }
    // The name on the worksheet's tab; empty for a text export.
    const QString& name() const { return name_; }
    void setName(const QString& name) { name_ = name; }

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
    QString name_;
};

} // namespace tarnby
