#include "import/CellText.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using tarnby::Cell;
namespace cells = tarnby::cells;

struct NumberRow {
    const char* name;
    double value;
    const char* text;
};

class NumberText : public ::testing::TestWithParam<NumberRow> {};

TEST_P(NumberText, IsPlainDecimalWithFifteenDigits)
{
    const auto text = cells::numberText(GetParam().value);
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(text->toStdString(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Cells, NumberText, ::testing::Values(
    NumberRow{"whole", 15, "15"},
    NumberRow{"zero", 0, "0"},
    NumberRow{"negative_zero", -0.0, "0"},
    NumberRow{"half", 1.5, "1.5"},
    NumberRow{"negative", -42.25, "-42.25"},
    NumberRow{"small_fraction", 0.000125, "0.000125"},
    NumberRow{"binary_noise_rounded_away", 0.1 + 0.2, "0.3"},
    NumberRow{"fifteen_digits_kept", 123456789012345, "123456789012345"},
    NumberRow{"sixteenth_digit_rounded", 1234567890123456, "1234567890123460"},
    NumberRow{"large_without_exponent", 1e20, "100000000000000000000"},
    NumberRow{"trailing_zeros_of_whole", 1000, "1000"}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(NumberTextLimits, NonFiniteHasNoText)
{
    EXPECT_FALSE(cells::numberText(std::numeric_limits<double>::infinity()).has_value());
    EXPECT_FALSE(cells::numberText(std::numeric_limits<double>::quiet_NaN()).has_value());
}

struct SerialRow {
    const char* name;
    double serial;
    const char* text; // nullptr: not a date-time
};

class SerialDateTime : public ::testing::TestWithParam<SerialRow> {};

TEST_P(SerialDateTime, FollowsTheNineteenHundredSystem)
{
    const auto text = cells::dateTimeFromSerial(GetParam().serial);
    if (!GetParam().text) {
        EXPECT_FALSE(text.has_value());
        return;
    }
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(text->toStdString(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Cells, SerialDateTime, ::testing::Values(
    SerialRow{"punch", 41325 + (8 * 3600 + 1 * 60 + 5) / 86400.0, "2013-02-20 08:01:05"},
    SerialRow{"whole_day_is_midnight", 41325, "2013-02-20 00:00:00"},
    SerialRow{"nearest_second", 41325 + 59.6 / 86400, "2013-02-20 00:01:00"},
    SerialRow{"rounding_reaches_next_day", 41325 + 86399.6 / 86400, "2013-02-21 00:00:00"},
    SerialRow{"first_day_of_system", 1, "1900-01-01 00:00:00"},
    SerialRow{"before_phantom_leap_day", 59, "1900-02-28 00:00:00"},
    SerialRow{"phantom_leap_day", 60, "1900-03-01 00:00:00"},
    SerialRow{"after_phantom_leap_day", 61, "1900-03-01 00:00:00"},
    SerialRow{"time_of_day_alone", 0.75, "1899-12-30 18:00:00"},
    SerialRow{"leap_day_2024", 45351, "2024-02-29 00:00:00"},
    SerialRow{"last_representable", 2958465.99999, "9999-12-31 23:59:59"},
    SerialRow{"beyond_9999", 2958466, nullptr},
    SerialRow{"negative", -1, nullptr}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

struct TextRow {
    const char* name;
    const char* text;
    const char* dateTime; // nullptr: stays a text
};

class DateTimeText : public ::testing::TestWithParam<TextRow> {};

TEST_P(DateTimeText, ReadsWhatPeopleWriteYearFirst)
{
    const auto read = cells::parseDateTimeText(QString::fromUtf8(GetParam().text));
    if (!GetParam().dateTime) {
        EXPECT_FALSE(read.has_value()) << read->toStdString();
        return;
    }
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->toStdString(), GetParam().dateTime);
}

INSTANTIATE_TEST_SUITE_P(Cells, DateTimeText, ::testing::Values(
    TextRow{"canonical", "2013-02-20 08:01:00", "2013-02-20 08:01:00"},
    TextRow{"unpadded_without_seconds", "2013-2-20 8:01", "2013-02-20 08:01:00"},
    TextRow{"slashes", "2013/02/20 08:01", "2013-02-20 08:01:00"},
    TextRow{"dots_with_seconds", "2013.2.20 8:01:05", "2013-02-20 08:01:05"},
    TextRow{"chinese_date", "2013年2月20日 8:01", "2013-02-20 08:01:00"},
    TextRow{"iso_t", "2013-02-20T08:01:00", "2013-02-20 08:01:00"},
    TextRow{"date_alone_is_midnight", "2013-2-20", "2013-02-20 00:00:00"},
    TextRow{"surrounding_spaces", "  2013-2-20  8:01 ", "2013-02-20 08:01:00"},
    TextRow{"leap_day", "2012-02-29 12:00", "2012-02-29 12:00:00"},
    TextRow{"fullwidth_comma_is_unreadable", "2013-2-20，8:01", nullptr},
    TextRow{"comma_is_unreadable", "2013-2-20,8:01", nullptr},
    TextRow{"mixed_separators", "2013-02/20", nullptr},
    TextRow{"no_leap_day", "2013-02-29", nullptr},
    TextRow{"month_13", "2013-13-01", nullptr},
    TextRow{"day_0", "2013-01-00", nullptr},
    TextRow{"hour_24", "2013-02-20 24:00", nullptr},
    TextRow{"minute_60", "2013-02-20 08:60", nullptr},
    TextRow{"second_60", "2013-02-20 08:00:60", nullptr},
    TextRow{"single_digit_minute", "2013-02-20 8:1", nullptr},
    TextRow{"day_first", "20-02-2013 08:01", nullptr},
    TextRow{"two_digit_year", "13-2-20 8:01", nullptr},
    TextRow{"five_digit_year", "20130-2-20", nullptr},
    TextRow{"trailing_text", "2013-02-20 08:01 上班", nullptr},
    TextRow{"time_alone", "08:01", nullptr},
    TextRow{"empty", "", nullptr}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

Cell cellOf(Cell::Kind kind, double number, const QString& text = {})
{
    Cell c;
    c.kind = kind;
    c.number = number;
    c.text = text;
    return c;
}

struct CellRow {
    const char* name;
    Cell::Kind kind;
    double number;
    const char* text;
    const char* asNumber; // nullptr: no text
    const char* asTime;   // nullptr: no text
    bool timeIsDateTime;
};

class CellTexts : public ::testing::TestWithParam<CellRow> {};

TEST_P(CellTexts, DependOnTheColumn)
{
    const CellRow& row = GetParam();
    const Cell cell = cellOf(row.kind, row.number, QString::fromUtf8(row.text));
    const auto number = cells::numberCellText(cell);
    bool isDateTime = true;
    const auto time = cells::timeCellText(cell, &isDateTime);
    if (row.asNumber) {
        ASSERT_TRUE(number.has_value());
        EXPECT_EQ(number->toStdString(), row.asNumber);
    } else {
        EXPECT_FALSE(number.has_value());
    }
    if (row.asTime) {
        ASSERT_TRUE(time.has_value());
        EXPECT_EQ(time->toStdString(), row.asTime);
        EXPECT_EQ(isDateTime, row.timeIsDateTime);
    } else {
        EXPECT_FALSE(time.has_value());
    }
}

INSTANTIATE_TEST_SUITE_P(Cells, CellTexts, ::testing::Values(
    CellRow{"empty", Cell::Kind::Empty, 0, "", "", "", false},
    CellRow{"text_kept_as_it_stands", Cell::Kind::Text, 0, " 0015a ", " 0015a ", " 0015a ", false},
    CellRow{"number_is_days_in_time_column", Cell::Kind::Number, 41325.5, "", "41325.5",
            "2013-02-20 12:00:00", true},
    CellRow{"date_time", Cell::Kind::DateTime, 41325.25, "", "2013-02-20 06:00:00",
            "2013-02-20 06:00:00", true},
    CellRow{"negative_number_is_no_time", Cell::Kind::Number, -3, "", "-3", "-3", false},
    CellRow{"date_time_text", Cell::Kind::Text, 0, "2013/2/20 8:01", "2013/2/20 8:01",
            "2013-02-20 08:01:00", true},
    CellRow{"boolean", Cell::Kind::Boolean, 1, "", "TRUE", "TRUE", false},
    CellRow{"error_value_has_no_text", Cell::Kind::Error, 7, "", nullptr, nullptr, false}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

} // namespace
