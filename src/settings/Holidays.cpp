#include "Holidays.h"

#include "base/TextFile.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QCoreApplication>

namespace tarnby {
namespace {

constexpr qsizetype kShownLineLength = 60;

// A line shown in a message stays readable even when the file is not text.
QString shownLine(const QString& line)
{
    const QString t = line.trimmed();
    return t.size() <= kShownLineLength ? t : t.left(kShownLineLength) + QStringLiteral("…");
}

bool isWorkingDayText(const QString& text)
{
    return text == QStringLiteral("上班") || text == QStringLiteral("补班");
}

} // namespace

std::optional<HolidayEntry> HolidayCalendar::entry(const QDate& date) const
{
    const auto it = days_.find(date);
    if (it == days_.end())
        return std::nullopt;
    return it->second;
}

bool HolidayCalendar::isHoliday(const QDate& date) const
{
    const auto e = entry(date);
    return e && !e->workingDay;
}

bool HolidayCalendar::isWorkingDay(const QDate& date) const
{
    const auto e = entry(date);
    return e && e->workingDay;
}

QString HolidayCalendar::holidayName(const QDate& date) const
{
    const auto e = entry(date);
    return e && !e->workingDay ? e->text : QString();
}

void HolidayCalendar::set(const QDate& date, HolidayEntry entry)
{
    days_[date] = std::move(entry);
}

namespace holidays {

QString filePath(const QString& programDir)
{
    return QDir(programDir).filePath(kHolidaysFileName);
}

Result<HolidayCalendar> parse(const QStringList& lines, const QString& shownPath)
{
    // Blanks between date and text: spaces and tabs, and the ideographic space
    // a Chinese input method types.
    static const QRegularExpression day(
        QStringLiteral("^([0-9]{4}-[0-9]{2}-[0-9]{2})[ \\t\\x{3000}]+(.*)$"));
    HolidayCalendar calendar;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString line = lines.at(i);
        if (const qsizetype hash = line.indexOf(u'#'); hash >= 0)
            line.truncate(hash);
        line = line.trimmed();
        if (line.isEmpty())
            continue;
        const QRegularExpressionMatch m = day.match(line);
        const QDate date = m.hasMatch() ? QDate::fromString(m.captured(1), QStringLiteral("yyyy-MM-dd")) : QDate();
        const QString text = m.hasMatch() ? m.captured(2).trimmed() : QString();
        if (!date.isValid() || text.isEmpty())
            return Result<HolidayCalendar>::failure(
                QCoreApplication::translate("Holidays", "节假日文件 %1 第%2行无法识别：%3\n"
                               "每行应为“yyyy-mm-dd 节日名称”或“yyyy-mm-dd 上班”，# 之后为注释。该文件未被使用。")
                    .arg(shownPath, QString::number(i + 1), shownLine(lines.at(i))));
        calendar.set(date, HolidayEntry{isWorkingDayText(text), text});
    }
    return calendar;
}

HolidayFile read(const QString& programDir)
{
    const QString path = filePath(programDir);
    const QString shown = QFileInfo(path).absoluteFilePath();
    HolidayFile file;
    if (!QFileInfo::exists(path)) {
        file.status = HolidayFile::Status::Missing;
        file.message = QCoreApplication::translate("Holidays", "找不到节假日文件：%1\n节假日无法标记。该文件随程序提供，请把它放回程序文件夹；"
                                      "每行一天，如“2026-10-01 国庆节”或“2026-10-10 上班”。")
                           .arg(shown);
        return file;
    }
    file.status = HolidayFile::Status::Malformed;
    const Result<QStringList> lines = textfile::readUtf8Lines(path);
    if (!lines) {
        file.message = lines.error() + QCoreApplication::translate("Holidays", "\n节假日文件未被使用。");
        return file;
    }
    Result<HolidayCalendar> calendar = parse(lines.value(), shown);
    if (!calendar) {
        file.message = calendar.error();
        return file;
    }
    file.status = HolidayFile::Status::Read;
    file.calendar = std::move(calendar).value();
    return file;
}

} // namespace holidays
} // namespace tarnby
