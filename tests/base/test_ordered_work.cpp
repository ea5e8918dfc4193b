#include "base/OrderedWork.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <stdexcept>
#include <string>
#include <thread>

using tarnby::OrderedWork;

namespace {

struct OrderRow {
    const char* name;
    int count;
    int takeUpTo; // the caller stops after this many items
    int throwsAt; // -1: no item throws
};

class Order : public ::testing::TestWithParam<OrderRow> {};

// Items finish out of order (later ones sooner), yet the caller gets each
// item's own result in order, sees a worker's exception at that item, and
// leaving early neither hangs nor starts items far ahead of it.
TEST_P(Order, HandsOutEachResultInOrder)
{
    const OrderRow& row = GetParam();
    std::atomic<int> started{0};
    {
        OrderedWork<std::string> work(row.count, [&](int i) {
            ++started;
            std::this_thread::sleep_for(std::chrono::microseconds(200 * ((row.count - i) % 5)));
            if (i == row.throwsAt)
                throw std::runtime_error("item " + std::to_string(i));
            return "item " + std::to_string(i);
        });
        for (int i = 0; i < row.takeUpTo; ++i) {
            if (i == row.throwsAt) {
                EXPECT_THROW(work.take(i), std::runtime_error);
                break;
            }
            EXPECT_EQ(work.take(i), "item " + std::to_string(i));
        }
    }
    EXPECT_LE(started.load(), std::min(row.count, row.takeUpTo + 4 * int(std::thread::hardware_concurrency()) + 1));
}

INSTANTIATE_TEST_SUITE_P(OrderedWork, Order, ::testing::Values(
    OrderRow{"nothing", 0, 0, -1},
    OrderRow{"one_item_in_the_callers_thread", 1, 1, -1},
    OrderRow{"three_items", 3, 3, -1},
    OrderRow{"many_items", 200, 200, -1},
    OrderRow{"stopping_early", 200, 3, -1},
    OrderRow{"an_exception_at_its_item", 20, 20, 7},
    OrderRow{"an_exception_in_the_only_item", 1, 1, 0}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

} // namespace
