#include "RestMarks.h"

#include "RestDays.h"
#include "base/StoredFile.h"
#include "base/TextFile.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QCoreApplication>
#include <algorithm>

namespace tarnby::restmarks {
namespace {

const QString kDateFormat = QStringLiteral("yyyy-MM-dd");
const char* const kNotSaved = QT_TRANSLATE_NOOP("RestMarks", "\n休息日未保存。");

MonthKey monthOf(const QDate& date)
{
    return MonthKey{date.year(), date.month()};
}

QList<QDate> sortedOnce(QList<QDate> days)
{
    std::sort(days.begin(), days.end());
    days.erase(std::unique(days.begin(), days.end()), days.end());
    return days;
}

} // namespace

QString path(const QString& programDir, MonthKey month)
{
    const QString name = QStringLiteral("%1%2.rest")
                             .arg(month.year, 4, 10, QLatin1Char('0'))
                             .arg(month.month, 2, 10, QLatin1Char('0'));
    return QDir(monthfile::folderPath(programDir)).filePath(name);
}

QList<MonthKey> monthsOf(const QList<QDate>& days)
{
    QList<MonthKey> months;
    for (const QDate& date : days) {
        if (!months.contains(monthOf(date)))
            months.append(monthOf(date));
    }
    return months;
}

Result<QList<QDate>> readMonth(const QString& programDir, MonthKey month)
{
    const QString file = path(programDir, month);
    if (!textfile::exists(file))
        return QList<QDate>{};
    const QString unused = QCoreApplication::translate("RestMarks", "\n该文件中的休息日未被使用。");
    const Result<QStringList> lines = textfile::readUtf8Lines(file);
    if (!lines)
        return Result<QList<QDate>>::failure(lines.error() + unused);
    static const QRegularExpression form(QStringLiteral("^[0-9]{4}-[0-9]{2}-[0-9]{2}$"));
    QList<QDate> days;
    for (qsizetype i = 0; i < lines->size(); ++i) {
        const QString line = lines->at(i).trimmed();
        if (line.isEmpty())
            continue;
        const QDate date = form.match(line).hasMatch() ? QDate::fromString(line, kDateFormat) : QDate();
        if (!date.isValid() || monthOf(date) != month) {
            const QString shown = line.size() <= 40 ? line : line.left(40) + QStringLiteral("…");
            return Result<QList<QDate>>::failure(QCoreApplication::translate("RestMarks", "休息日文件 %1 第%2行不是%3年%4月的日期（yyyy-mm-dd）：%5")
                                                     .arg(QFileInfo(file).absoluteFilePath(),
                                                          QString::number(i + 1), QString::number(month.year),
                                                          QString::number(month.month), shown)
                                                 + unused);
        }
        days.append(date);
    }
    return sortedOnce(days);
}

Outcome writeMonth(const QString& programDir, MonthKey month, const QList<QDate>& days)
{
    if (Outcome folder = monthfile::checkFolder(programDir); !folder.ok())
        return folder;
    const QString file = path(programDir, month);
    QStringList lines;
    for (const QDate& date : sortedOnce(days)) {
        if (date.isValid() && monthOf(date) == month)
            lines.append(date.toString(kDateFormat));
    }
    if (!lines.isEmpty())
        return textfile::writeUtf8Lines(file, lines);
    return textfile::remove(file);
}

Result<QList<QDate>> readPeriod(const QString& programDir, const SettlementPeriod& period)
{
    const QList<QDate> clickable = restdays::clickableDays(period);
    QList<QDate> marks;
    for (const MonthKey month : monthsOf(clickable)) {
        const Result<QList<QDate>> saved = readMonth(programDir, month);
        if (!saved)
            return saved;
        for (const QDate& date : saved.value()) {
            if (clickable.contains(date))
                marks.append(date);
        }
    }
    return sortedOnce(marks);
}

Outcome savePeriod(const QString& programDir, const SettlementPeriod& period, const QList<QDate>& marks)
{
    struct Change {
        MonthKey month;
        QList<QDate> before;
        QList<QDate> after;
    };
    const storedfile::SaveScope saving; // the months are checked against what the calendar loaded
    const QList<QDate> clickable = restdays::clickableDays(period);
    QList<Change> changes;
    for (const MonthKey month : monthsOf(clickable)) {
        const Result<QList<QDate>> saved = readMonth(programDir, month);
        if (!saved)
            return Outcome::error(saved.error() + QCoreApplication::translate("RestMarks", kNotSaved));
        QList<QDate> after;
        for (const QDate& date : saved.value()) {
            if (!clickable.contains(date))
                after.append(date);
        }
        for (const QDate& date : marks) {
            if (monthOf(date) == month && clickable.contains(date))
                after.append(date);
        }
        after = sortedOnce(after);
        if (after != saved.value())
            changes.append(Change{month, saved.value(), after});
    }
    for (qsizetype i = 0; i < changes.size(); ++i) {
        const Outcome written = writeMonth(programDir, changes.at(i).month, changes.at(i).after);
        if (written.ok())
            continue;
        // A period is saved whole or not at all: put back the month already written.
        for (qsizetype j = 0; j < i; ++j)
            writeMonth(programDir, changes.at(j).month, changes.at(j).before);
        return written;
    }
    return Outcome::quiet();
}

Outcome saveMark(const QString& programDir, const QDate& date, bool rest)
{
    if (!date.isValid() || date.year() < monthfile::kFirstYear || date.year() > monthfile::kLastYear)
        return Outcome::error(QCoreApplication::translate("RestMarks", "无效的休息日日期。"));
    const MonthKey month = monthOf(date);
    const storedfile::SaveScope saving;
    const Result<QList<QDate>> saved = readMonth(programDir, month);
    if (!saved)
        return Outcome::error(saved.error() + QCoreApplication::translate("RestMarks", kNotSaved));
    QList<QDate> after = saved.value();
    after.removeAll(date);
    if (rest)
        after.append(date);
    after = sortedOnce(after);
    if (after == saved.value())
        return Outcome::quiet();
    return writeMonth(programDir, month, after);
}

} // namespace tarnby::restmarks
