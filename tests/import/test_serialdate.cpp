#include "import/SerialDate.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <limits>
#include <optional>
#include <string>

namespace {

namespace serial = tarnby::serial;

std::string text(const serial::Moment& at)
{
    const std::chrono::year_month_day date{at.day};
    const std::chrono::hh_mm_ss time{at.time};
    char buffer[64]; // room for any value the compiler cannot rule out
    std::snprintf(buffer, sizeof buffer, "%04d-%02u-%02u %02ld:%02ld:%02ld", int(date.year()), unsigned(date.month()),
                  unsigned(date.day()), long(time.hours().count()), long(time.minutes().count()), long(time.seconds().count()));
    return buffer;
}

struct SerialRow {
    const char* name;
    double serial;
    bool date1904;
    const char* moment; // nullptr: no moment
    bool backAgain;     // the moment's serial is the value read
};

class SerialDates : public ::testing::TestWithParam<SerialRow> {};

TEST_P(SerialDates, ReadAsTheSpreadsheetShowsThem)
{
    const SerialRow& row = GetParam();
    const double value = row.date1904 ? serial::from1904(row.serial) : row.serial;
    const auto moment = serial::momentOf(value);
    if (!row.moment) {
        EXPECT_FALSE(moment.has_value()) << text(*moment);
        return;
    }
    ASSERT_TRUE(moment.has_value());
    EXPECT_EQ(text(*moment), row.moment);
    if (row.backAgain) {
        EXPECT_DOUBLE_EQ(serial::serialOf(moment->day, double(moment->time.count())), value);
    }
}

constexpr double kDay = 86400;
constexpr double kPunch = 41325 + (8 * 3600 + 1 * 60 + 5) / kDay; // 2013-02-20 08:01:05

INSTANTIATE_TEST_SUITE_P(Serials, SerialDates, ::testing::Values(
    SerialRow{"first_day_of_the_system", 1, false, "1900-01-01 00:00:00", true},
    SerialRow{"day_before_the_phantom_leap_day", 59, false, "1900-02-28 00:00:00", true},
    SerialRow{"phantom_leap_day_reads_as_march_first", 60, false, "1900-03-01 00:00:00", false},
    SerialRow{"first_day_after_the_phantom", 61, false, "1900-03-01 00:00:00", true},
    SerialRow{"time_alone_lies_on_day_zero", 0.75, false, "1899-12-30 18:00:00", false},
    SerialRow{"punch", kPunch, false, "2013-02-20 08:01:05", true},
    SerialRow{"leap_day", 45351, false, "2024-02-29 00:00:00", true},
    SerialRow{"fraction_rounds_down_to_the_second", 41325 + 59.4 / kDay, false, "2013-02-20 00:00:59", false},
    SerialRow{"fraction_rounds_up_to_the_second", 41325 + 59.6 / kDay, false, "2013-02-20 00:01:00", false},
    SerialRow{"rounding_reaches_the_next_day", 41325 + 86399.6 / kDay, false, "2013-02-21 00:00:00", false},
    SerialRow{"first_day_of_1904_system", 0, true, "1904-01-01 00:00:00", true},
    SerialRow{"punch_in_1904_system", kPunch - 1462, true, "2013-02-20 08:01:05", true},
    SerialRow{"last_second_of_9999", 2958465 + 86399 / kDay, false, "9999-12-31 23:59:59", true},
    SerialRow{"rounding_past_9999", 2958465 + 86399.6 / kDay, false, nullptr, false},
    SerialRow{"beyond_9999", 2958466, false, nullptr, false},
    SerialRow{"negative", -1, false, nullptr, false},
    SerialRow{"negative_fraction", -0.25, false, nullptr, false},
    SerialRow{"not_a_number", std::numeric_limits<double>::quiet_NaN(), false, nullptr, false},
    SerialRow{"infinite", std::numeric_limits<double>::infinity(), false, nullptr, false}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

} // namespace

// A text export's count of days: only plain digits with one optional point
// between digits are a number, read exactly as a correctly rounding reader would.
TEST(SerialDate, DecimalTextIsReadOnlyWhenPlain)
{
    const struct {
        std::u16string_view text;
        std::optional<double> value;
    } rows[] = {
        {u"45231", 45231.0},
        {u"46023.33688657", 46023.33688657},
        {u"0.1", 0.1},
        {u"00045231.50", 45231.5},
        {u".5", std::nullopt},
        {u"5.", std::nullopt},
        {u"-1", std::nullopt},
        {u"1e5", std::nullopt},
        {u" 1", std::nullopt},
        {u"1.2.3", std::nullopt},
        {u"４５", std::nullopt}, // full-width digits are text
        {u"", std::nullopt},
    };
    for (const auto& row : rows)
        EXPECT_EQ(serial::fromDecimalText(row.text), row.value) << std::string(row.text.begin(), row.text.end());
}
