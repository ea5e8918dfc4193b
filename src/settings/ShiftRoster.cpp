#include "ShiftRoster.h"

#include "base/FileError.h"

#include "SettlementPeriod.h"
#include "base/EmployeeNumber.h"
#include "base/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QCoreApplication>

namespace tarnby {
namespace {

const QChar kSeparator = u'\t';

// The fault of one field of day `day` in `month`; empty when it may stand.
QString fieldFault(const QString& field, int day, MonthKey month, const Schedules& known)
{
    if (field.isEmpty())
        return {};
    if (day > daysInMonth(month.year, month.month))
        return QCoreApplication::translate("ShiftRoster", "%1年%2月没有第%3天（“%4”）").arg(month.year).arg(month.month).arg(day).arg(field);
    if (field != kRestEntry && !known.knowsShift(field))
        return QCoreApplication::translate("ShiftRoster", "第%1天的“%2”不是已有的班次，也不是“休”").arg(day).arg(field);
    return {};
}

QString lineFault(const QString& shownPath, qsizetype line, const QString& what)
{
    return QCoreApplication::translate("ShiftRoster", "排班文件 %1 第%2行：%3").arg(shownPath).arg(line + 1).arg(what);
}

} // namespace

QString ShiftRoster::entry(const QString& number, int day) const
{
    const auto it = byNumber_.constFind(formatEmployeeNumber(number));
    if (it == byNumber_.cend() || day < 1)
        return {};
    return lines_.at(it.value()).days.value(day - 1);
}

void ShiftRoster::setEntry(const QString& number, int day, const QString& entry)
{
    if (day < 1 || day > kMaxDays)
        return;
    const QString key = formatEmployeeNumber(number);
    auto it = byNumber_.constFind(key);
    if (it == byNumber_.cend()) {
        lines_.append(ShiftRosterLine{number, {}});
        it = byNumber_.insert(key, lines_.size() - 1);
    }
    QStringList& days = lines_[it.value()].days;
    while (days.size() < day)
        days.append(QString());
    days[day - 1] = entry;
}

void ShiftRoster::removeEmployee(const QString& number)
{
    const auto it = byNumber_.constFind(formatEmployeeNumber(number));
    if (it == byNumber_.cend())
        return;
    lines_.removeAt(it.value());
    index();
}

void ShiftRoster::index()
{
    byNumber_.clear();
    for (qsizetype i = 0; i < lines_.size(); ++i)
        byNumber_.insert(formatEmployeeNumber(lines_.at(i).number), i);
}

QStringList ShiftRoster::fileLines() const
{
    QStringList out;
    for (const ShiftRosterLine& line : lines_) {
        QStringList fields = line.days;
        while (!fields.isEmpty() && fields.last().isEmpty())
            fields.removeLast();
        fields.prepend(line.number);
        out.append(fields.join(kSeparator));
    }
    return out;
}

Result<ShiftRoster> ShiftRoster::parse(const QStringList& lines, MonthKey month, const Schedules& known,
                                       const QString& shownPath)
{
    ShiftRoster roster(month);
    QHash<QString, qsizetype> firstLine;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines.at(i).trimmed().isEmpty())
            continue;
        if (lines.at(i).contains(u'\n') || lines.at(i).contains(u'\r'))
            return Result<ShiftRoster>::failure(lineFault(shownPath, i, QCoreApplication::translate("ShiftRoster", "编号或班次中不能有换行")));
        QStringList fields = lines.at(i).split(kSeparator);
        for (QString& f : fields)
            f = f.trimmed();
        const QString number = fields.takeFirst();
        if (number.isEmpty())
            return Result<ShiftRoster>::failure(lineFault(shownPath, i, QCoreApplication::translate("ShiftRoster", "行首缺少员工编号")));
        if (fields.size() > kMaxDays)
            return Result<ShiftRoster>::failure(
                lineFault(shownPath, i, QCoreApplication::translate("ShiftRoster", "员工 %1 有 %2 天的班次，一个月最多 31 天").arg(number).arg(fields.size())));
        for (int d = 0; d < fields.size(); ++d) {
            if (const QString fault = fieldFault(fields.at(d), d + 1, month, known); !fault.isEmpty())
                return Result<ShiftRoster>::failure(lineFault(shownPath, i, QCoreApplication::translate("ShiftRoster", "员工 %1 ").arg(number) + fault));
        }
        const QString key = formatEmployeeNumber(number);
        if (const auto it = firstLine.constFind(key); it != firstLine.cend())
            return Result<ShiftRoster>::failure(
                lineFault(shownPath, i, QCoreApplication::translate("ShiftRoster", "员工 %1 在第%2行已经排过班").arg(number).arg(it.value() + 1)));
        firstLine.insert(key, i);
        roster.lines_.append(ShiftRosterLine{number, fields});
    }
    roster.index();
    return roster;
}

namespace shiftroster {

QString path(const QString& programDir, MonthKey month)
{
    const QString name = QStringLiteral("%1%2.shift")
                             .arg(month.year, 4, 10, QLatin1Char('0'))
                             .arg(month.month, 2, 10, QLatin1Char('0'));
    return QDir(monthfile::folderPath(programDir)).filePath(name);
}

bool anyRoster(const QString& programDir)
{
    return !QDir(monthfile::folderPath(programDir)).entryList({QStringLiteral("*.shift")}, QDir::Files).isEmpty();
}

Result<ShiftRoster> load(const QString& programDir, MonthKey month, const Schedules& known)
{
    const QString file = path(programDir, month);
    if (!QFileInfo::exists(file))
        return ShiftRoster(month);
    const Result<QStringList> lines = textfile::readUtf8Lines(file);
    if (!lines)
        return Result<ShiftRoster>::failure(lines.error());
    return ShiftRoster::parse(lines.value(), month, known, QFileInfo(file).absoluteFilePath());
}

Outcome save(const QString& programDir, const ShiftRoster& roster, const Schedules& known)
{
    if (Outcome folder = monthfile::checkFolder(programDir); !folder.ok())
        return folder;
    const QString file = path(programDir, roster.month());
    const QStringList lines = roster.fileLines();
    const Result<ShiftRoster> check =
        ShiftRoster::parse(lines, roster.month(), known, QFileInfo(file).absoluteFilePath());
    if (!check)
        return Outcome::error(QCoreApplication::translate("ShiftRoster", "排班未保存：") + check.error());
    bool anyEntry = false;
    for (const ShiftRosterLine& line : roster.lines()) {
        for (const QString& day : line.days)
            anyEntry = anyEntry || !day.isEmpty();
    }
    if (anyEntry)
        return textfile::writeUtf8Lines(file, lines);
    QFile old(file);
    if (old.exists() && !old.remove())
        return Outcome::error(
            QCoreApplication::translate("ShiftRoster", "无法删除文件：%1（%2）").arg(QFileInfo(file).absoluteFilePath(), fileErrorReason(old.errorString())));
    return Outcome::quiet();
}

} // namespace shiftroster
} // namespace tarnby
