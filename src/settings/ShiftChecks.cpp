#include "ShiftChecks.h"
#include <QCoreApplication>

namespace tarnby {
namespace {

// The shift other than `index` whose short name is `text`, if any.
const Shift* shortOwner(const Schedules& model, qsizetype index, const QString& text)
{
    for (qsizetype i = 0; i < model.shifts.size(); ++i) {
        if (i != index && model.shifts.at(i).shortText() == text)
            return &model.shifts.at(i);
    }
    return nullptr;
}

} // namespace

QString shiftNameFault(const Schedules& model, qsizetype index, const QString& name)
{
    Shift probe;
    probe.name = name;
    probe.times = {8 * 60, 17 * 60}; // a day shift that breaks no window rule
    if (const QString fault = shiftFault(probe); !fault.isEmpty())
        return fault;
    for (qsizetype i = 0; i < model.shifts.size(); ++i) {
        if (i != index && model.shifts.at(i).name == name)
            return QCoreApplication::translate("ShiftChecks", "已有名为“%1”的班次").arg(name);
    }
    return {};
}

QString shiftFaultIn(const Schedules& model, qsizetype index)
{
    const Shift& s = model.shifts.at(index);
    if (const QString fault = shiftNameFault(model, index, s.name); !fault.isEmpty())
        return fault;
    const QString shown = s.shortText();
    if (shown == kRestEntry)
        return QCoreApplication::translate("ShiftChecks", "简称不能是“休”：排班表中“休”表示休息日");
    if (const QString fault = shiftFault(s); !fault.isEmpty()) {
        const ShiftTimeline line = timelineOf(s);
        if (line.fallBacks == 1 && line.spanFrom == 0 && fault.contains(QCoreApplication::translate("ShiftChecks", "超出了工作日")))
            return fault + QCoreApplication::translate("ShiftChecks", "。跨过午夜的班次，请把“工作日起点”设在上班之前，例如 12:00");
        return fault;
    }
    if (const Shift* other = shortOwner(model, index, shown))
        return QCoreApplication::translate("ShiftChecks", "简称“%1”已是班次“%2”的简称，排班表中会分不清，请另选一个字").arg(shown, other->name);
    return {};
}

QString freeShortName(const Schedules& model, qsizetype index, const QString& name)
{
    for (char32_t c : name.toUcs4()) {
        const QString text = QString::fromUcs4(&c, 1);
        if (text != kRestEntry && !text.trimmed().isEmpty() && !shortOwner(model, index, text))
            return text;
    }
    return {};
}

QString unusedShiftName(const Schedules& model, const QString& base)
{
    if (!model.knowsShift(base))
        return base;
    const QString stem = base.left(Shift::kMaxNameLength - 2);
    for (int n = 2;; ++n) {
        const QString name = stem + QString::number(n);
        if (!model.knowsShift(name))
            return name;
    }
}

} // namespace tarnby
