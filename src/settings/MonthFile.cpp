#include "MonthFile.h"

#include <QDir>
#include <QFileInfo>
#include <QCoreApplication>
#include <limits>

namespace tarnby {

bool MonthKey::valid() const
{
    return year >= monthfile::kFirstYear && year <= monthfile::kLastYear && month >= 1 && month <= 12;
}

namespace monthfile {

int boxValue(const QString& text)
{
    qint64 value = 0;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            break;
        value = value * 10 + (c.unicode() - u'0');
        // a box holds at most four digits; longer texts only need to stay large
        if (value > std::numeric_limits<int>::max() / 10)
            return std::numeric_limits<int>::max() / 10;
    }
    return int(value);
}

Result<MonthKey> fromBoxes(const QString& yearText, const QString& monthText)
{
    const int year = boxValue(yearText);
    const int month = boxValue(monthText);
    if (year < kFirstYear || year > kLastYear)
        return Result<MonthKey>::failure(QCoreApplication::translate("MonthFile", "请输入有效的年份(1901-2100)！"));
    if (month < 1 || month > 12)
        return Result<MonthKey>::failure(QCoreApplication::translate("MonthFile", "请输入正确的月份！"));
    return MonthKey{year, month};
}

std::optional<MonthKey> shownMonth(const QString& yearText, const QString& monthText)
{
    const Result<MonthKey> month = fromBoxes(yearText, monthText);
    return month ? std::optional<MonthKey>(month.value()) : std::nullopt;
}

QString folderPath(const QString& programDir)
{
    return QDir(programDir).filePath(QStringLiteral("SrDate"));
}

QString path(const QString& programDir, MonthKey month, Kind kind)
{
    const QString name = QStringLiteral("%1%2.%3")
                             .arg(month.year, 4, 10, QLatin1Char('0'))
                             .arg(month.month, 2, 10, QLatin1Char('0'))
                             .arg(kind == Kind::Registrations ? QLatin1String("ydj") : QLatin1String("zra"));
    return QDir(folderPath(programDir)).filePath(name);
}

Outcome checkFolder(const QString& programDir)
{
    const QFileInfo folder(folderPath(programDir));
    if (!folder.isDir())
        return Outcome::error(
            QCoreApplication::translate("MonthFile", "找不到文件夹：%1\n该文件夹应与程序放在一起，请恢复后再保存。").arg(folder.absoluteFilePath()));
    return Outcome::quiet();
}

} // namespace monthfile
} // namespace tarnby
