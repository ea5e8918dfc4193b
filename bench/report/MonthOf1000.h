#pragma once
// The month both report benchmarks use: 1,000 employees, four punches a
// working day with a few missed or late, exported one employee after another,
// and a program folder with their roster and, if asked, registrations. The
// same seeds give the same month in every run and in both benchmarks.

#include "base/TextFile.h"

#include <QDate>
#include <QDir>
#include <QString>
#include <QStringList>

#include <random>

namespace bench {

constexpr int kEmployees = 1000;
constexpr int kYear = 2026;
constexpr int kMonth = 11;

inline QString number(int n)
{
    return QStringLiteral("%1").arg(n, 4, 10, QLatin1Char('0'));
}

struct MonthPunch {
    int employee; // 1 … kEmployees
    QDate day;
    int hour;
    int minute;
    int second;
};

// Calls `take` with every punch of the month, in export order.
template <typename Take>
void forEachPunch(Take&& take)
{
    std::mt19937 rng(81000);
    struct Slot {
        int hour;
        int from; // minutes after the hour
        int spread;
    };
    const Slot shifts[] = {{8, 0, 40}, {12, 0, 8}, {13, 30, 35}, {17, 0, 50}};
    for (int n = 1; n <= kEmployees; ++n) {
        for (QDate day(kYear, kMonth, 1); day.month() == kMonth; day = day.addDays(1)) {
            if (day.dayOfWeek() > 5)
                continue;
            for (const Slot& s : shifts) {
                if (rng() % 100 < 4)
                    continue;
                const int minute = s.from + int(rng() % unsigned(s.spread + 1));
                const int second = int(rng() % 60u);
                take(MonthPunch{n, day, s.hour + minute / 60, minute % 60, second});
            }
        }
    }
}

// Init.ini with the roster and the time line, and `registrations` random
// registrations of the month in SrDate.
inline bool writeHome(const QString& home, int registrations)
{
    QStringList init{QStringLiteral("[A2B2] 数据读取位置"), QStringLiteral(";+ 员工编号,姓名")};
    for (int n = 1; n <= kEmployees; ++n)
        init.append(QStringLiteral("%1,员工%2").arg(number(n)).arg(n));
    init += {QStringLiteral(";#"), QStringLiteral(";="), QStringLiteral("083012001400170020302230090017002130"),
             QStringLiteral(";*"), QStringLiteral(";;")};
    if (!tarnby::textfile::writeLines(QDir(home).filePath(QStringLiteral("Init.ini")), init).ok()
        || !QDir(home).mkpath(QStringLiteral("SrDate")))
        return false;
    std::mt19937 rng(400);
    const QStringList handling = {QStringLiteral("病假1天"),   QStringLiteral("事假0.5天"), QStringLiteral("不计迟到1次"),
                                  QStringLiteral("不计漏打1次"), QStringLiteral("处罚50元"),  QStringLiteral("处罚一百元"),
                                  QStringLiteral("不计旷工1天")};
    QStringList lines;
    for (int i = 0; i < registrations; ++i) {
        const int n = 1 + int(rng() % kEmployees);
        const int day = 1 + int(rng() % 30u);
        lines.append(QStringLiteral("%1##%2月%3日##员工%4##事由%5##%6")
                         .arg(number(n))
                         .arg(kMonth, 2, 10, QLatin1Char('0'))
                         .arg(day, 2, 10, QLatin1Char('0'))
                         .arg(n)
                         .arg(i)
                         .arg(handling.at(int(rng() % unsigned(handling.size())))));
    }
    return tarnby::textfile::writeLines(QDir(home).filePath(QStringLiteral("SrDate/%1%2.ydj").arg(kYear).arg(kMonth)), lines)
        .ok();
}

} // namespace bench
