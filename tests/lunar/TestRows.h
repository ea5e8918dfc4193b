#pragma once
// Date spellings and row naming shared by the calendar tests.

#include "lunar/Lunar.h"

#include <gtest/gtest.h>

#include <cctype>
#include <chrono>
#include <string>

namespace lunar::testing {

constexpr Date ymd(int y, unsigned m, unsigned d)
{
    return Date{std::chrono::year{y}, std::chrono::month{m}, std::chrono::day{d}};
}

constexpr DateTime at(Date d, int hours = 0, int minutes = 0, int ms = 0)
{
    return DateTime{std::chrono::local_days{d}} + std::chrono::hours{hours} + std::chrono::minutes{minutes}
        + std::chrono::milliseconds{ms};
}

// Names each table row by what it shows: "leap month 2 opens" → leap_month_2_opens.
struct RowName {
    template <typename Row>
    std::string operator()(const ::testing::TestParamInfo<Row>& info) const
    {
        std::string name;
        for (const char c : std::string(info.param.shows))
            name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        return name;
    }
};

} // namespace lunar::testing
