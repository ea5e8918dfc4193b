#include "SheetText.h"

#include "import/SerialDate.h"

#include <charconv>

namespace tarnby::xlsx {

namespace {

int hexValue(char16_t c)
{
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}

bool digits(std::string_view& s, int count, int* value)
{
    if (s.size() < std::size_t(count))
        return false;
    int v = 0;
    for (int i = 0; i < count; ++i) {
        if (s[std::size_t(i)] < '0' || s[std::size_t(i)] > '9')
            return false;
        v = v * 10 + (s[std::size_t(i)] - '0');
    }
    s.remove_prefix(std::size_t(count));
    *value = v;
    return true;
}

} // namespace

QString unescapeText(QString text)
{
    qsizetype at = text.indexOf(QLatin1String("_x"));
    if (at < 0)
        return text;
    QString out;
    out.reserve(text.size());
    qsizetype from = 0;
    while (at >= 0) {
        if (at + 6 < text.size() && text.at(at + 6) == u'_') {
            int value = 0;
            bool ok = true;
            for (int i = 2; i < 6 && ok; ++i) {
                const int h = hexValue(text.at(at + i).unicode());
                ok = h >= 0;
                value = value * 16 + h;
            }
            if (ok) {
                out += QStringView(text).mid(from, at - from);
                out += QChar(char16_t(value));
                from = at + 7;
                at = text.indexOf(QLatin1String("_x"), from);
                continue;
            }
        }
        at = text.indexOf(QLatin1String("_x"), at + 1);
    }
    out += QStringView(text).mid(from);
    return out;
}

std::optional<double> parseIsoDate(std::string_view s)
{
    std::optional<std::chrono::sys_days> date;
    if (!s.empty() && s[0] != 'T') {
        int year = 0, month = 0, day = 0;
        if (!digits(s, 4, &year) || s.empty() || s[0] != '-')
            return std::nullopt;
        s.remove_prefix(1);
        if (!digits(s, 2, &month) || s.empty() || s[0] != '-')
            return std::nullopt;
        s.remove_prefix(1);
        if (!digits(s, 2, &day))
            return std::nullopt;
        date = serial::civilDay(year, month, day);
        if (!date)
            return std::nullopt;
    }
    double seconds = 0;
    if (!s.empty()) {
        if (s[0] != 'T')
            return std::nullopt;
        s.remove_prefix(1);
        int hour = 0, minute = 0, second = 0;
        if (!digits(s, 2, &hour) || s.empty() || s[0] != ':')
            return std::nullopt;
        s.remove_prefix(1);
        if (!digits(s, 2, &minute))
            return std::nullopt;
        if (!s.empty() && s[0] == ':') {
            s.remove_prefix(1);
            if (!digits(s, 2, &second))
                return std::nullopt;
        }
        double fraction = 0;
        if (!s.empty() && s[0] == '.') {
            std::size_t n = 1;
            while (n < s.size() && s[n] >= '0' && s[n] <= '9')
                ++n;
            std::string text("0");
            text.append(s.substr(0, n));
            std::from_chars(text.data(), text.data() + text.size(), fraction);
            s.remove_prefix(n);
        }
        // a zone is dropped: the clock's local time is what the sheet shows
        if (s == "Z")
            s.remove_prefix(1);
        else if (s.size() == 6 && (s[0] == '+' || s[0] == '-') && s[3] == ':')
            s.remove_prefix(6);
        if (!s.empty() || hour > 24 || minute > 59 || second > 59)
            return std::nullopt;
        seconds = hour * 3600.0 + minute * 60.0 + second + fraction;
    }
    if (!s.empty())
        return std::nullopt;
    // a time alone is a time of day 0
    if (!date)
        return seconds / serial::kSecondsPerDay;
    if (serial::serialDayOf(*date) < 0)
        return std::nullopt;
    return serial::serialOf(*date, seconds);
}

} // namespace tarnby::xlsx
