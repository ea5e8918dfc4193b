#include "import/SerialDate.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace tarnby::serial {

using namespace std::chrono;

namespace {

// Day 0 of the 1900 system, once its phantom leap day lies behind.
constexpr sys_days kDayZero = sys_days{year{1899} / December / 30};
// The first serial after the phantom 1900-02-29.
constexpr long long kFirstPlainSerial = 61;
// 9999-12-31 is serial 2958465.
constexpr long long kSerialLimit = 2958466;

} // namespace

std::optional<sys_days> civilDay(int y, int m, int d)
{
    // month and day hold one byte: range them before they are made
    if (y < int(year::min()) || y > int(year::max()) || m < 1 || m > 12 || d < 1 || d > 31)
        return std::nullopt;
    const year_month_day date{year{y}, month{unsigned(m)}, day{unsigned(d)}};
    if (!date.ok())
        return std::nullopt;
    return sys_days{date};
}

sys_days dayOf(long long serialDay)
{
    const long long fromDayZero = serialDay >= 1 && serialDay < kFirstPlainSerial ? serialDay + 1 : serialDay;
    return kDayZero + days{fromDayZero};
}

long long serialDayOf(sys_days day)
{
    const long long fromDayZero = (day - kDayZero).count();
    return fromDayZero < kFirstPlainSerial ? fromDayZero - 1 : fromDayZero;
}

std::optional<Moment> momentOf(double serial)
{
    if (!std::isfinite(serial) || serial < 0 || serial >= double(kSerialLimit))
        return std::nullopt;
    long long serialDay = static_cast<long long>(std::floor(serial));            // [0, 2958465]
    long long second = std::llround((serial - double(serialDay)) * kSecondsPerDay); // [0, 86400]
    if (second >= kSecondsPerDay) {
        ++serialDay;
        second -= kSecondsPerDay;
    }
    if (serialDay >= kSerialLimit)
        return std::nullopt;
    return Moment{dayOf(serialDay), seconds{second}};
}

double serialOf(sys_days day, double secondsOfDay)
{
    return double(serialDayOf(day)) + secondsOfDay / kSecondsPerDay;
}

std::optional<double> fromDecimalText(std::u16string_view text)
{
    std::size_t i = 0;
    auto digits = [&] {
        const std::size_t from = i;
        while (i < text.size() && text[i] >= u'0' && text[i] <= u'9')
            ++i;
        return i > from;
    };
    if (!digits())
        return std::nullopt;
    if (i < text.size() && text[i] == u'.') {
        ++i;
        if (!digits())
            return std::nullopt;
    }
    if (i != text.size())
        return std::nullopt;
    // Checked to be ASCII above, so the narrowing is exact; from_chars rounds
    // correctly, as any conforming reader of the text would. A text export
    // gives one per row: the usual short text is narrowed on the stack.
    char shortText[32];
    std::string longText;
    char* ascii = shortText;
    if (text.size() > sizeof shortText) {
        longText.resize(text.size());
        ascii = longText.data();
    }
    std::copy(text.begin(), text.end(), ascii);
    double value = 0;
    if (std::from_chars(ascii, ascii + text.size(), value).ec != std::errc())
        return std::nullopt;
    return value;
}

} // namespace tarnby::serial
