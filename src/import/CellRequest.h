#pragma once
// What the import needs of a sheet: two columns, each from its first row down.
// The readers of large formats keep only these cells, so an export of a
// million rows and fifty columns costs no more memory than its two columns.

namespace tarnby {

struct CellRequest {
    // 0-based; a column of -1 is not read (a position that names no cell).
    int numberColumn = -1;
    int numberRow = 0;
    int timeColumn = -1;
    int timeRow = 0;
    // Rows kept below each first row; the import never takes more records than
    // this from one file, so the cells further down are parsed but not kept.
    int maxRows = 1 << 20;

    // Whether the cell at (row, column) is one the import reads.
    bool wants(int row, int column) const
    {
        return (column == numberColumn && row >= numberRow && row - numberRow < maxRows)
               || (column == timeColumn && row >= timeRow && row - timeRow < maxRows);
    }
};

} // namespace tarnby
