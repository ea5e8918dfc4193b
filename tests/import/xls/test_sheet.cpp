// The sheet's storage: cells by place, replacing and removing, counts.

#include "import/Sheet.h"

#include <gtest/gtest.h>

#include <functional>

using tarnby::Cell;
using tarnby::Sheet;
using Kind = tarnby::Cell::Kind;

namespace {

Cell number(double value)
{
    Cell cell;
    cell.kind = Kind::Number;
    cell.number = value;
    return cell;
}

struct StoreCase {
    const char* name;
    std::function<void(Sheet&)> fill;
    int rows;
    int columns;
    std::vector<std::tuple<int, int, double>> numbers; // row, column, value; -1 for an empty cell
};

class SheetStore : public testing::TestWithParam<StoreCase> {};

TEST_P(SheetStore, keepsEachCellAtItsPlace)
{
    const StoreCase& c = GetParam();
    Sheet sheet;
    c.fill(sheet);
    EXPECT_EQ(sheet.rowCount(), c.rows);
    EXPECT_EQ(sheet.columnCount(), c.columns);
    for (const auto& [row, column, value] : c.numbers) {
        if (value < 0) {
            EXPECT_EQ(sheet.cell(row, column).kind, Kind::Empty) << row << "," << column;
        } else {
            EXPECT_EQ(sheet.cell(row, column).kind, Kind::Number) << row << "," << column;
            EXPECT_EQ(sheet.cell(row, column).number, value) << row << "," << column;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sheet, SheetStore,
    testing::Values(
        StoreCase{"emptySheet", [](Sheet&) {}, 0, 0, {{0, 0, -1}, {-1, -1, -1}, {70000, 3, -1}}},
        StoreCase{"rowByRow", [](Sheet& s) { for (int r = 0; r < 5; ++r) s.set(r, 1, number(r)); }, 5, 2,
                  {{0, 1, 0}, {4, 1, 4}, {5, 1, -1}, {2, 0, -1}}},
        StoreCase{"outOfOrderRows", [](Sheet& s) { s.set(9, 0, number(9)); s.set(2, 0, number(2)); s.set(5, 0, number(5)); }, 10, 1,
                  {{2, 0, 2}, {5, 0, 5}, {9, 0, 9}, {3, 0, -1}}},
        StoreCase{"laterCellReplaces", [](Sheet& s) { s.set(3, 0, number(1)); s.set(4, 0, number(2)); s.set(3, 0, number(7)); }, 5, 1,
                  {{3, 0, 7}, {4, 0, 2}}},
        StoreCase{"emptyCellRemoves", [](Sheet& s) { s.set(3, 0, number(1)); s.set(8, 2, number(2)); s.set(8, 2, Cell{}); }, 4, 1,
                  {{3, 0, 1}, {8, 2, -1}}},
        StoreCase{"farCellsStaySparse", [](Sheet& s) { s.set(65535, 255, number(1)); s.set(0, 0, number(2)); }, 65536, 256,
                  {{65535, 255, 1}, {0, 0, 2}, {65534, 255, -1}}},
        StoreCase{"outsideTheSheetIgnored", [](Sheet& s) { s.set(-1, 0, number(1)); s.set(0, 70000, number(1)); s.set(1048576, 0, number(1)); }, 0, 0, {}},
        StoreCase{"lastXlsxRowKept", [](Sheet& s) { s.set(1048575, 1, number(4)); }, 1048576, 2, {{1048575, 1, 4}}},
        StoreCase{"reservedRowsChangeNothing", [](Sheet& s) { s.reserveRows(1000); s.set(1, 1, number(3)); }, 2, 2,
                  {{1, 1, 3}, {0, 1, -1}}}),
    [](const testing::TestParamInfo<StoreCase>& testCase) { return std::string(testCase.param.name); });

} // namespace
