#include "base/Punch.h"

namespace tarnby {
namespace {

constexpr QLatin1StringView kFieldEnd("##");

// Reads up to `maxDigits` digits at `pos`; -1 when there are none.
int readNumber(QStringView s, qsizetype& pos, int maxDigits)
{
    int value = 0;
    int digits = 0;
    while (pos < s.size() && digits < maxDigits && s[pos] >= u'0' && s[pos] <= u'9') {
        value = value * 10 + (s[pos].unicode() - u'0');
        ++pos;
        ++digits;
    }
    return digits == 0 ? -1 : value;
}

bool expect(QStringView s, qsizetype& pos, QChar c)
{
    if (pos < s.size() && s[pos] == c) {
        ++pos;
        return true;
    }
    return false;
}

} // namespace

QString Punch::text() const
{
    QString out;
    out.reserve(number.size() + dateText.size() + timeText.size() + 4);
    out += number;
    out += kFieldEnd;
    out += dateText;
    out += kFieldEnd;
    out += timeText;
    return out;
}

Punch Punch::fromText(QStringView text)
{
    Punch p;
    const qsizetype first = text.indexOf(kFieldEnd);
    if (first < 0) {
        p.number = text.toString();
        return p;
    }
    p.number = text.left(first).toString();
    const QStringView rest = text.mid(first + 2);
    const qsizetype second = rest.indexOf(kFieldEnd);
    p.dateText = (second < 0 ? rest : rest.left(second)).toString();
    if (second >= 0)
        p.timeText = rest.mid(second + 2).toString();
    return p;
}

QDate Punch::date() const
{
    return recordDate(dateText);
}

int Punch::minuteOfDay() const
{
    return recordMinutes(timeText);
}

QDate recordDate(QStringView text)
{
    qsizetype pos = 0;
    const int year = readNumber(text, pos, 4);
    if (year < 0 || pos >= text.size())
        return {};
    const QChar sep = text[pos];
    if (sep != u'-' && sep != u'/')
        return {};
    ++pos;
    const int month = readNumber(text, pos, 2);
    if (month < 0 || !expect(text, pos, sep))
        return {};
    const int day = readNumber(text, pos, 2);
    if (day < 0 || pos != text.size())
        return {};
    return QDate(year, month, day);
}

int recordSeconds(QStringView text)
{
    qsizetype pos = 0;
    const int hours = readNumber(text, pos, 2);
    if (hours < 0 || hours > 23 || !expect(text, pos, u':'))
        return -1;
    const qsizetype minuteStart = pos;
    const int minutes = readNumber(text, pos, 2);
    if (minutes < 0 || minutes > 59 || pos - minuteStart != 2)
        return -1;
    int seconds = 0;
    if (pos < text.size()) {
        if (!expect(text, pos, u':'))
            return -1;
        const qsizetype secondStart = pos;
        seconds = readNumber(text, pos, 2);
        if (seconds < 0 || seconds > 59 || pos - secondStart != 2 || pos != text.size())
            return -1;
    }
    return (hours * 60 + minutes) * 60 + seconds;
}

int recordMinutes(QStringView text)
{
    // the seconds are dropped, not rounded
    const int seconds = recordSeconds(text);
    return seconds < 0 ? -1 : seconds / 60;
}

} // namespace tarnby
