#include "ShiftUsage.h"

#include "ShiftRoster.h"

#include <QDir>
#include <QRegularExpression>
#include <QCoreApplication>

namespace tarnby::shiftusage {
namespace {

const char* const kWeekdays[7] = {QT_TRANSLATE_NOOP("ShiftUsage", "周一"), QT_TRANSLATE_NOOP("ShiftUsage", "周二"), QT_TRANSLATE_NOOP("ShiftUsage", "周三"), QT_TRANSLATE_NOOP("ShiftUsage", "周四"),
                              QT_TRANSLATE_NOOP("ShiftUsage", "周五"), QT_TRANSLATE_NOOP("ShiftUsage", "周六"), QT_TRANSLATE_NOOP("ShiftUsage", "周日")};

QString monthText(MonthKey month)
{
    return QCoreApplication::translate("ShiftUsage", "%1年%2月").arg(month.year).arg(month.month);
}

} // namespace

QList<MonthKey> rosterMonths(const QString& programDir)
{
    static const QRegularExpression name(QStringLiteral("^([0-9]{4})([0-9]{2})\\.shift$"));
    QList<MonthKey> months;
    const QStringList files = QDir(monthfile::folderPath(programDir)).entryList({QStringLiteral("*.shift")}, QDir::Files, QDir::Name);
    for (const QString& file : files) {
        const QRegularExpressionMatch m = name.match(file);
        const MonthKey month{m.captured(1).toInt(), m.captured(2).toInt()};
        if (m.hasMatch() && month.valid())
            months.append(month);
    }
    return months;
}

QStringList weekUses(const Schedules& model, const QString& name)
{
    QStringList places;
    for (const EmployeeSchedule& e : model.employees) {
        if (!e.week)
            continue;
        QStringList days;
        for (int d = 0; d < 7; ++d) {
            if ((*e.week)[std::size_t(d)] == name)
                days.append(QCoreApplication::translate("ShiftUsage", kWeekdays[d]));
        }
        if (!days.isEmpty())
            places.append(QCoreApplication::translate("ShiftUsage", "员工 %1 的周排班（%2）").arg(e.number, days.join(QCoreApplication::translate("ShiftUsage", "、"))));
    }
    return places;
}

Result<QStringList> rosterUses(const QString& programDir, const Schedules& known, const QString& name)
{
    QStringList places;
    for (const MonthKey& month : rosterMonths(programDir)) {
        const Result<ShiftRoster> roster = shiftroster::load(programDir, month, known);
        if (!roster)
            return Result<QStringList>::failure(roster.error());
        int people = 0;
        int days = 0;
        for (const ShiftRosterLine& line : roster->lines()) {
            const auto count = int(line.days.count(name));
            people += count > 0 ? 1 : 0;
            days += count;
        }
        if (days > 0)
            places.append(QCoreApplication::translate("ShiftUsage", "排班表 %1（%2 人共 %3 天）").arg(monthText(month)).arg(people).arg(days));
    }
    return places;
}

Outcome renameInRosters(const QString& programDir, const Schedules& model, const QHash<QString, QString>& renames)
{
    if (renames.isEmpty())
        return Outcome::quiet();
    // The files still name the old shifts: they are read knowing those too.
    Schedules reading = model;
    for (auto it = renames.cbegin(); it != renames.cend(); ++it) {
        if (!reading.shift(it.key())) {
            Shift old;
            old.name = it.key();
            reading.shifts.append(old);
        }
    }
    QStringList failures;
    for (const MonthKey& month : rosterMonths(programDir)) {
        Result<ShiftRoster> roster = shiftroster::load(programDir, month, reading);
        if (!roster) {
            failures.append(roster.error());
            continue;
        }
        ShiftRoster renamed(month);
        bool changed = false;
        for (const ShiftRosterLine& line : roster->lines()) {
            for (qsizetype d = 0; d < line.days.size(); ++d) {
                const QString& entry = line.days.at(d);
                const QString now = renames.value(entry, entry);
                changed = changed || now != entry;
                renamed.setEntry(line.number, int(d + 1), now);
            }
        }
        if (!changed)
            continue;
        if (const Outcome saved = shiftroster::save(programDir, renamed, model); !saved.ok())
            failures.append(saved.text);
    }
    if (failures.isEmpty())
        return Outcome::quiet();
    return Outcome::error(QCoreApplication::translate("ShiftUsage", "以下排班表仍写着改名前的班次名，未能改过来（分析这些月份时会因找不到班次而停止）。"
                                         "请排除原因后再点一次“保存”：\n")
                          + failures.join(u'\n'));
}

} // namespace tarnby::shiftusage
