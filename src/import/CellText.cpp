#include "import/CellText.h"

#include "import/SerialDate.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace tarnby::cells {
namespace {

void putDigits(char16_t*& out, int value, int width)
{
    for (int i = width - 1; i >= 0; --i) {
        out[i] = char16_t(u'0' + value % 10);
        value /= 10;
    }
    out += width;
}

QString formatDateTime(int year, int month, int day, int hour, int minute, int second)
{
    QString text(kDateTimeLength, Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    putDigits(out, year, 4);
    *out++ = u'-';
    putDigits(out, month, 2);
    *out++ = u'-';
    putDigits(out, day, 2);
    *out++ = u' ';
    putDigits(out, hour, 2);
    *out++ = u':';
    putDigits(out, minute, 2);
    *out++ = u':';
    putDigits(out, second, 2);
    return text;
}

// A small cursor over the text for the date-time reader.
class Scanner {
public:
    explicit Scanner(QStringView text) : text_(text) {}

    bool atEnd() const { return pos_ >= text_.size(); }
    char16_t peek() const { return atEnd() ? u'\0' : text_[pos_].unicode(); }
    bool take(char16_t c)
    {
        if (peek() != c)
            return false;
        ++pos_;
        return true;
    }
    // Between minDigits and maxDigits ASCII digits.
    bool number(int minDigits, int maxDigits, int* value)
    {
        int n = 0;
        int v = 0;
        while (n < maxDigits && !atEnd() && peek() >= u'0' && peek() <= u'9') {
            v = v * 10 + (peek() - u'0');
            ++pos_;
            ++n;
        }
        *value = v;
        return n >= minDigits && !(n == maxDigits && !atEnd() && peek() >= u'0' && peek() <= u'9');
    }
    int skipSpaces()
    {
        int n = 0;
        while (take(u' '))
            ++n;
        return n;
    }

private:
    QStringView text_;
    qsizetype pos_ = 0;
};

bool readDate(Scanner& s, int* year, int* month, int* day)
{
    if (!s.number(4, 4, year) || *year < 1000)
        return false;
    const char16_t sep = s.peek();
    if (sep == u'-' || sep == u'/' || sep == u'.') {
        s.take(sep);
        if (!s.number(1, 2, month) || !s.take(sep) || !s.number(1, 2, day))
            return false;
    } else {
        if (!s.take(u'年') || !s.number(1, 2, month) || !s.take(u'月') || !s.number(1, 2, day)
            || !s.take(u'日'))
            return false;
    }
    return serial::civilDay(*year, *month, *day).has_value();
}

bool readTime(Scanner& s, int* hour, int* minute, int* second)
{
    *second = 0;
    if (!s.number(1, 2, hour) || !s.take(u':') || !s.number(2, 2, minute))
        return false;
    if (s.take(u':') && !s.number(2, 2, second))
        return false;
    return *hour <= 23 && *minute <= 59 && *second <= 59;
}

} // namespace

std::optional<QString> numberText(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    if (value == 0)
        return QStringLiteral("0");
    // Employee numbers are whole numbers; they need no rounding below 10^15.
    if (std::fabs(value) < 1e15 && value == std::trunc(value))
        return QString::number(static_cast<long long>(value));
    // 15 significant digits in scientific form, then laid out as plain decimals.
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.14e", value);
    const char* p = buf;
    QString text;
    if (*p == '-') {
        text += u'-';
        ++p;
    }
    QByteArray digits;
    for (; *p && *p != 'e'; ++p)
        if (*p != '.')
            digits += *p;
    const int exponent = std::atoi(p + 1);
    while (digits.size() > 1 && digits.endsWith('0'))
        digits.chop(1);
    const int n = int(digits.size());
    if (exponent >= 0) {
        if (n <= exponent + 1) {
            text += QLatin1String(digits);
            text += QString(exponent + 1 - n, u'0');
        } else {
            text += QLatin1String(digits.left(exponent + 1));
            text += u'.';
            text += QLatin1String(digits.mid(exponent + 1));
        }
    } else {
        text += QLatin1String("0.");
        text += QString(-exponent - 1, u'0');
        text += QLatin1String(digits);
    }
    return text;
}

namespace {

std::optional<DateTime> serialDateTime(double days)
{
    const auto moment = serial::momentOf(days);
    if (!moment)
        return std::nullopt;
    const std::chrono::year_month_day date{moment->day};
    const std::chrono::hh_mm_ss time{moment->time};
    return DateTime{int(date.year()), int(unsigned(date.month())), int(unsigned(date.day())),
                    int(time.hours().count()), int(time.minutes().count()), int(time.seconds().count())};
}

std::optional<DateTime> textDateTime(QStringView text)
{
    Scanner s(text.trimmed());
    DateTime t;
    if (!readDate(s, &t.year, &t.month, &t.day))
        return std::nullopt;
    if (!s.atEnd()) {
        if (!s.take(u'T') && s.skipSpaces() == 0)
            return std::nullopt;
        if (!readTime(s, &t.hour, &t.minute, &t.second) || !s.atEnd())
            return std::nullopt;
    }
    return t;
}

QString formatted(const std::optional<DateTime>& t)
{
    if (!t)
        return {};
    return formatDateTime(t->year, t->month, t->day, t->hour, t->minute, t->second);
}

} // namespace

std::optional<QString> dateTimeFromSerial(double serial)
{
    const auto t = serialDateTime(serial);
    if (!t)
        return std::nullopt;
    return formatted(t);
}

std::optional<QString> parseDateTimeText(QStringView text)
{
    const auto t = textDateTime(text);
    if (!t)
        return std::nullopt;
    return formatted(t);
}

std::optional<DateTime> timeCellDateTime(const Cell& cell)
{
    using Kind = Cell::Kind;
    if (cell.kind == Kind::Number || cell.kind == Kind::DateTime)
        return serialDateTime(cell.number);
    if (cell.kind == Kind::Text)
        return textDateTime(cell.text);
    return std::nullopt;
}

QString dateText(const DateTime& at)
{
    QString text(10, Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    putDigits(out, at.year, 4);
    *out++ = u'-';
    putDigits(out, at.month, 2);
    *out++ = u'-';
    putDigits(out, at.day, 2);
    return text;
}

QString timeText(const DateTime& at)
{
    QString text(8, Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    putDigits(out, at.hour, 2);
    *out++ = u':';
    putDigits(out, at.minute, 2);
    *out++ = u':';
    putDigits(out, at.second, 2);
    return text;
}

std::optional<QString> numberCellText(const Cell& cell)
{
    using Kind = Cell::Kind;
    switch (cell.kind) {
    case Kind::Empty:
        return QString();
    case Kind::Text:
        return cell.text;
    case Kind::Number:
        return numberText(cell.number);
    case Kind::DateTime:
        if (auto dt = dateTimeFromSerial(cell.number))
            return dt;
        return numberText(cell.number);
    case Kind::Boolean:
        return cell.number != 0 ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
    case Kind::Error:
        break;
    }
    return std::nullopt;
}

std::optional<QString> timeCellText(const Cell& cell, bool* isDateTime)
{
    const auto t = timeCellDateTime(cell);
    *isDateTime = t.has_value();
    if (t)
        return formatted(t);
    if (cell.kind == Cell::Kind::Text)
        return cell.text;
    return numberCellText(cell);
}

} // namespace tarnby::cells
