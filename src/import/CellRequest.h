#pragma once
// What a reader is asked for: which worksheet, and which of its cells.
//
// The configured read needs two columns, each from its first row down; the
// readers keep only these cells, so an export of a million rows and fifty
// columns costs no more memory than its two columns. Asked for every cell,
// a reader keeps the whole sheet; asked for every sheet, each worksheet of the
// workbook in turn.

namespace tarnby {

struct CellRequest {
    static constexpr int kEverySheet = -1;

    // The worksheet, by its place among the workbook's worksheets (0 the first;
    // chart, macro and dialog sheets do not count), or kEverySheet. A text
    // export is one sheet.
    int sheet = 0;
    // Every cell of the sheet, the two columns below or not. A text export
    // still reads the time column by its own rule and every other field as text.
    bool everyCell = false;
    // 0-based; a column of -1 is not read (a position that names no cell).
    int numberColumn = -1;
    int numberRow = 0;
    int timeColumn = -1;
    int timeRow = 0;
    // Rows kept below each first row (below the sheet's first row for every
    // cell); the import never takes more records than this from one file, so
    // the cells further down are parsed but not kept.
    int maxRows = 1 << 20;

    // Every cell of one worksheet, or of each (kEverySheet).
    static CellRequest wholeSheet(int sheet = 0)
    {
        CellRequest request;
        request.sheet = sheet;
        request.everyCell = true;
        return request;
    }

    // Whether the worksheet at this place of a workbook is read.
    bool readsSheet(int index) const { return sheet == kEverySheet || sheet == index; }
    // Whether a workbook of this many worksheets holds every sheet asked for.
    bool findsSheetsIn(int worksheets) const
    {
        return worksheets > 0 && (sheet == kEverySheet || (sheet >= 0 && sheet < worksheets));
    }

    // Whether the cell at (row, column) is one the reader keeps.
    bool wants(int row, int column) const
    {
        if (everyCell)
            return row < maxRows;
        return (column == numberColumn && row >= numberRow && row - numberRow < maxRows)
               || (column == timeColumn && row >= timeRow && row - timeRow < maxRows);
    }
};

} // namespace tarnby
