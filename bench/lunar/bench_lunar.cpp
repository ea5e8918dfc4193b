// Converts every day 1901–2100 to its lunar date and prints the median time of
// several runs, in total and per day.

#include "lunar/Lunar.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using namespace std::chrono;
using Clock = steady_clock;

constexpr int kRuns = 9;

template <typename Work>
double MedianSeconds(Work work, long long& sink)
{
    std::vector<double> seconds;
    for (int run = 0; run < kRuns; ++run) {
        const auto start = Clock::now();
        sink += work();
        seconds.push_back(duration<double>(Clock::now() - start).count());
    }
    std::nth_element(seconds.begin(), seconds.begin() + kRuns / 2, seconds.end());
    return seconds[kRuns / 2];
}

void Report(const char* what, double seconds, long long daysConverted)
{
    std::printf("%-34s %9.2f ms total  %8.1f ns per day\n", what, seconds * 1e3,
                seconds * 1e9 / double(daysConverted));
}

} // namespace

int main()
{
    const sys_days first{lunar::kFirstQueryDate};
    const sys_days last{lunar::kLastQueryDate};
    const long long dayCount = (last - first).count() + 1;
    long long sink = 0;

    const double toLunar = MedianSeconds([&] {
        long long sum = 0;
        for (sys_days d = first; d <= last; d += days{1})
            sum += lunar::ToLunarDate(lunar::Date{d}).day;
        return sum;
    }, sink);
    const double toCode = MedianSeconds([&] {
        long long sum = 0;
        for (sys_days d = first; d <= last; d += days{1})
            sum += static_cast<long long>(lunar::ToLunarCode(lunar::Date{d}).size());
        return sum;
    }, sink);
    const double cellText = MedianSeconds([&] {
        long long sum = 0;
        for (sys_days d = first; d <= last; d += days{1})
            sum += static_cast<long long>(lunar::FestivalOrLunarDay(lunar::Date{d}).text.size());
        return sum;
    }, sink);
    const double solarTerm = MedianSeconds([&] {
        long long sum = 0;
        for (sys_days d = first; d <= last; d += days{1})
            sum += static_cast<long long>(lunar::SolarTermOn(lunar::Date{d}).size());
        return sum;
    }, sink);

    std::printf("%lld days, 1901-01-01 to 2100-12-31, median of %d runs\n", dayCount, kRuns);
    Report("ToLunarDate", toLunar, dayCount);
    Report("ToLunarCode", toCode, dayCount);
    Report("FestivalOrLunarDay", cellText, dayCount);
    Report("SolarTermOn", solarTerm, dayCount);
    // keeps the conversions from being optimised away
    return sink == 0 ? 1 : 0;
}
