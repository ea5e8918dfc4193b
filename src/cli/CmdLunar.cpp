// tarnby-cli lunar [--value yyyy-mm-dd]: the calendar texts of the dates on stdin,
// as the date-picker control answers them.

#include "Command.h"

#include "base/Clock.h"
#include "lunar/Lunar.h"

#include <QDate>
#include <QCoreApplication>
#include <charconv>
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

namespace tarnby::cli {
namespace {

using namespace std::chrono;

// Exactly "yyyy-mm-dd" naming a real day.
std::optional<lunar::Date> parseDate(std::string_view text)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    const auto number = [&](std::size_t at, std::size_t length) -> std::optional<int> {
        int value = 0;
        const char* first = text.data() + at;
        const char* last = first + length;
        if (*first < '0' || *first > '9')
            return std::nullopt;
        const auto [end, error] = std::from_chars(first, last, value);
        if (error != std::errc{} || end != last)
            return std::nullopt;
        return value;
    };
    const auto y = number(0, 4);
    const auto m = number(5, 2);
    const auto d = number(8, 2);
    if (!y || !m || !d)
        return std::nullopt;
    const lunar::Date date{year{*y}, month{unsigned(*m)}, day{unsigned(*d)}};
    if (!date.ok())
        return std::nullopt;
    return date;
}

std::string formatDate(lunar::Date d)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", int(d.year()), unsigned(d.month()), unsigned(d.day()));
    return text;
}

std::string_view trimmed(std::string_view text)
{
    constexpr std::string_view blanks = " \t\r\n";
    const auto first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

// date, code, the six queries, festival-or-lunar-day, its flag, solar term
std::string reportLine(lunar::Date date, lunar::DateTime value)
{
    const lunar::DateTime asked{local_days{date}};
    const std::string code = lunar::ToLunarCode(date);
    std::string line = formatDate(date);
    line += '\t';
    line += code.empty() ? std::string("-") : code;
    for (const auto query : {lunar::GetChineseDate, lunar::GetChineseYear, lunar::GetChineseMonth,
                             lunar::GetChineseDay, lunar::GetChineseAnimal, lunar::GetConstellation}) {
        line += '\t';
        line += query(asked, value).value_or(std::string());
    }
    if (code.empty()) {
        line += "\t\t\t";
    } else {
        const lunar::DayText cell = lunar::FestivalOrLunarDay(date);
        const std::string term = lunar::SolarTermOn(date);
        line += '\t';
        line += cell.text;
        line += cell.festival ? "\t1\t" : "\t0\t";
        if (term != lunar::kNoSolarTerm)
            line += term;
    }
    line += '\n';
    return line;
}

int runLunar(const QStringList& arguments, const Clock& clock)
{
    QStringList args = arguments;
    const QDate today = clock().date();
    lunar::Date valueDate{year{today.year()}, month{unsigned(today.month())}, day{unsigned(today.day())}};
    while (!args.isEmpty()) {
        const QString option = args.takeFirst();
        if (option != QLatin1String("--value")) {
            printError(QCoreApplication::translate("tarnby-cli", "未知的选项：%1").arg(option));
            return kExitUsage;
        }
        if (args.isEmpty()) {
            printError(QCoreApplication::translate("tarnby-cli", "--value 后面缺少日期（yyyy-mm-dd）。"));
            return kExitUsage;
        }
        const QString text = args.takeFirst();
        const auto parsed = parseDate(text.toStdString());
        if (!parsed) {
            printError(QCoreApplication::translate("tarnby-cli", "--value 的日期无效：%1").arg(text));
            return kExitUsage;
        }
        valueDate = *parsed;
    }
    const lunar::DateTime value{local_days{valueDate}};

    std::string line;
    std::string out;
    int lineNumber = 0;
    while (std::getline(std::cin, line)) {
        ++lineNumber;
        const std::string_view text = trimmed(line);
        if (text.empty())
            continue;
        const auto date = parseDate(text);
        if (!date) {
            printOut(QString::fromStdString(out));
            printError(QCoreApplication::translate("tarnby-cli", "第 %1 行不是日期（yyyy-mm-dd）：%2")
                           .arg(lineNumber)
                           .arg(QString::fromUtf8(text.data(), qsizetype(text.size()))));
            return kExitUsage;
        }
        out += reportLine(*date, value);
    }
    printOut(QString::fromStdString(out));
    return kExitOk;
}

const CommandRegistration registration("lunar", QT_TRANSLATE_NOOP("tarnby-cli", "lunar [--value yyyy-mm-dd] < 日期列表"),
                                       [](const QStringList& args, const QString&) { return runLunar(args, systemClock()); });

} // namespace
} // namespace tarnby::cli
