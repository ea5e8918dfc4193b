#include "DutyRoster.h"

#include "base/TextFile.h"

#include <QFileInfo>
#include <QCoreApplication>

namespace tarnby {
namespace {

// The day a duty line starts with: two digits 00-31, else -1.
int lineDay(const QString& line)
{
    if (line.size() < 2)
        return -1;
    const QChar tens = line.at(0);
    const QChar ones = line.at(1);
    if (tens < u'0' || tens > u'9' || ones < u'0' || ones > u'9')
        return -1;
    const int day = (tens.unicode() - u'0') * 10 + (ones.unicode() - u'0');
    return day <= 31 ? day : -1;
}

} // namespace

DutyRoster::DutyRoster()
{
    clear();
}

QString DutyRoster::entry(int day) const
{
    return day >= 0 && day < kEntryCount ? entries_[std::size_t(day)] : kNobodyOnDuty;
}

void DutyRoster::setEntry(int day, const QString& number)
{
    if (day >= 1 && day < kEntryCount)
        entries_[std::size_t(day)] = number;
}

void DutyRoster::clear()
{
    entries_.fill(kNobodyOnDuty);
}

Outcome DutyRoster::readLines(const QStringList& lines)
{
    std::array<QString, kEntryCount> read;
    read.fill(kNobodyOnDuty);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString& line = lines.at(i);
        if (line.isEmpty())
            continue;
        const int day = lineDay(line);
        if (day < 0)
            return Outcome::error(QCoreApplication::translate("DutyRoster", "第 %1 行“%2”不是以日期 00-31 开头的值日记录。").arg(i + 1).arg(line));
        read[std::size_t(day)] = line.mid(2);
    }
    entries_ = read;
    return Outcome::quiet();
}

QStringList DutyRoster::lines() const
{
    QStringList out;
    for (int day = 1; day <= kLineCount; ++day)
        out.append(QStringLiteral("%1").arg(day, 2, 10, QLatin1Char('0')) + entries_[std::size_t(day)]);
    return out;
}

Outcome DutyRoster::LoadDutyRoster(const QString& programDir, std::optional<MonthKey> month)
{
    if (!month) {
        clear();
        return Outcome::quiet();
    }
    const QString path = monthfile::path(programDir, *month, monthfile::Kind::DutyRoster);
    if (!textfile::exists(path)) {
        clear();
        return Outcome::quiet();
    }
    const auto lines = textfile::readLines(path);
    if (!lines)
        return lines.outcome();
    const Outcome read = readLines(lines.value());
    if (!read.ok())
        return Outcome::error(
            QCoreApplication::translate("DutyRoster", "值日文件 %1 格式不正确：%2").arg(QFileInfo(path).absoluteFilePath(), read.text));
    return read;
}

Outcome DutyRoster::SaveDutyRoster(const QString& programDir, MonthKey month) const
{
    if (Outcome folder = monthfile::checkFolder(programDir); !folder.ok())
        return folder;
    for (int day = 1; day <= kLineCount; ++day) {
        const QString& number = entries_[std::size_t(day)];
        if (number.contains(u'\r') || number.contains(u'\n') || !textfile::fitsGbk(number))
            return Outcome::error(QCoreApplication::translate("DutyRoster", "%1日的值日员工编号“%2”无法保存到值日文件中！").arg(day).arg(number));
    }
    const Outcome written = textfile::writeLines(monthfile::path(programDir, month, monthfile::Kind::DutyRoster), lines());
    if (!written.ok())
        return written;
    return Outcome::success(kDutyRosterSaved);
}

} // namespace tarnby
