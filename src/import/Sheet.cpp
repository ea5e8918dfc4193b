#include "import/Sheet.h"

#include <algorithm>

namespace tarnby {

namespace {
const Cell kEmpty;
} // namespace

const Cell& Sheet::cell(int row, int column) const
{
    if (column < 0 || std::size_t(column) >= columns_.size() || row < 0)
        return kEmpty;
    const std::vector<Entry>& entries = columns_[std::size_t(column)];
    // a column without gaps holds row r at index r less its first row
    if (!entries.empty() && row >= entries.front().row) {
        const std::size_t at = std::size_t(row - entries.front().row);
        if (at < entries.size() && entries[at].row == row)
            return entries[at].cell;
    }
    auto it = std::lower_bound(entries.begin(), entries.end(), row,
                               [](const Entry& e, int r) { return e.row < r; });
    return it != entries.end() && it->row == row ? it->cell : kEmpty;
}

int Sheet::rowCount() const { return rows_; }

int Sheet::columnCount() const
{
    std::size_t n = columns_.size();
    while (n > 0 && columns_[n - 1].empty())
        --n;
    return int(n);
}

void Sheet::reserveRows(int rows) { reserveRows_ = std::max(0, rows); }

void Sheet::set(int row, int column, Cell cell)
{
    if (row < 0 || column < 0 || row > 0xFFFFF || column > 0xFFFF)
        return;
    if (std::size_t(column) >= columns_.size()) {
        if (cell.kind == Cell::Kind::Empty)
            return;
        columns_.resize(std::size_t(column) + 1);
    }
    std::vector<Entry>& entries = columns_[std::size_t(column)];
    // cells come row by row, so a new cell nearly always goes at the end
    if (entries.empty() || entries.back().row < row) {
        if (cell.kind == Cell::Kind::Empty)
            return;
        if (entries.empty() && reserveRows_ > 0)
            entries.reserve(std::size_t(reserveRows_));
        entries.push_back({row, std::move(cell)});
        rows_ = std::max(rows_, row + 1);
        return;
    }
    auto it = std::lower_bound(entries.begin(), entries.end(), row,
                               [](const Entry& e, int r) { return e.row < r; });
    if (cell.kind != Cell::Kind::Empty) {
        if (it->row == row)
            it->cell = std::move(cell);
        else
            entries.insert(it, Entry{row, std::move(cell)});
        rows_ = std::max(rows_, row + 1);
        return;
    }
    if (it->row != row)
        return;
    entries.erase(it);
    if (row + 1 == rows_) {
        rows_ = 0;
        for (const std::vector<Entry>& c : columns_)
            if (!c.empty())
                rows_ = std::max(rows_, c.back().row + 1);
    }
}

} // namespace tarnby
