#include "ShiftRotation.h"

#include "SettlementPeriod.h"

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>
#include <algorithm>

namespace tarnby {
namespace {

// Which names each short name stands for; the built-in shifts have none of
// their own (both would be 模) and are written by their names.
QHash<QString, QStringList> shortNames(const Schedules& known)
{
    QHash<QString, QStringList> out;
    for (const Shift& s : known.shifts)
        out[s.shortText()].append(s.name);
    return out;
}

// One part of a rotation as a step; empty with `fault` set when it names nothing.
QString stepOf(const QString& part, const Schedules& known, const QHash<QString, QStringList>& shorts, QString& fault)
{
    if (part == kRestEntry || known.knowsShift(part))
        return part;
    const QStringList names = shorts.value(part);
    if (names.size() == 1)
        return names.first();
    if (names.size() > 1)
        fault = QCoreApplication::translate("ShiftRotation", "“%1”是%2共用的简称，请写出班次全名，用空格分开")
                    .arg(part, names.join(QStringLiteral("、")));
    else
        fault = QCoreApplication::translate("ShiftRotation", "“%1”不是已有班次的名称或简称，也不是“休”").arg(part);
    return {};
}

} // namespace

Result<QStringList> parseRotation(const QString& text, const Schedules& known)
{
    static const QRegularExpression separators(QStringLiteral("[\\s,，、;；/]+"));
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return Result<QStringList>::failure(QCoreApplication::translate("ShiftRotation", "请输入轮换的班次，例如“白白夜夜休休”"));
    QStringList parts;
    if (trimmed.contains(separators) || known.knowsShift(trimmed)) {
        parts = trimmed.split(separators, Qt::SkipEmptyParts);
    } else {
        for (char32_t c : trimmed.toUcs4())
            parts.append(QString::fromUcs4(&c, 1));
    }
    const QHash<QString, QStringList> shorts = shortNames(known);
    QStringList steps;
    for (const QString& part : parts) {
        QString fault;
        const QString step = stepOf(part, known, shorts, fault);
        if (!fault.isEmpty())
            return Result<QStringList>::failure(fault);
        steps.append(step);
    }
    return steps;
}

void fillRotation(ShiftRoster& roster, const QStringList& steps, const RotationRange& range)
{
    if (steps.isEmpty())
        return;
    const qsizetype length = steps.size();
    const int last = std::min(range.lastDay, daysInMonth(roster.month().year, roster.month().month));
    for (qsizetype k = 0; k < range.numbers.size(); ++k) {
        for (int day = std::max(range.firstDay, 1); day <= last; ++day) {
            const qsizetype step = (range.start + (day - range.firstDay) + k * range.stagger) % length;
            roster.setEntry(range.numbers.at(k), day, steps.at((step + length) % length));
        }
    }
}

ShiftRoster copiedMonth(const ShiftRoster& previous, MonthKey month, const Schedules& known)
{
    ShiftRoster out(month);
    const int days = daysInMonth(month.year, month.month);
    for (const ShiftRosterLine& line : previous.lines()) {
        for (int day = 1; day <= std::min<int>(days, int(line.days.size())); ++day) {
            const QString& entry = line.days.at(day - 1);
            if (entry == kRestEntry || known.knowsShift(entry))
                out.setEntry(line.number, day, entry);
        }
    }
    return out;
}

MonthKey previousMonth(MonthKey month)
{
    return month.month == 1 ? MonthKey{month.year - 1, 12} : MonthKey{month.year, month.month - 1};
}

} // namespace tarnby
