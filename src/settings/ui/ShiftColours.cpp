#include "ShiftColours.h"

#include <array>
#include <QCoreApplication>

namespace tarnby::ui {
namespace {

// Light enough for dark text on them, far enough apart to tell at a glance.
constexpr std::array<QRgb, 10> kPalette = {0xffe699, 0x9dc3e6, 0xc5e0b4, 0xf4b183, 0xd5a6e6,
                                           0x8fd9d1, 0xf8cbad, 0xb4c7e7, 0xe2efa0, 0xf2a7b5};
const QColor kAdministrativeColour(235, 225, 205);
const QColor kNineToFiveColour(215, 230, 215);

} // namespace

QColor shiftColour(const Schedules& model, const QString& entry)
{
    if (entry.isEmpty())
        return Qt::white;
    if (entry == kRestEntry)
        return kRestCellColour;
    if (entry == kBuiltInAdministrative)
        return kAdministrativeColour;
    if (entry == kBuiltInNineToFive)
        return kNineToFiveColour;
    for (qsizetype i = 0; i < model.shifts.size(); ++i) {
        if (model.shifts.at(i).name == entry)
            return QColor::fromRgb(kPalette[std::size_t(i) % kPalette.size()]);
    }
    return Qt::white;
}

QString shiftCellText(const Schedules& model, const QString& entry)
{
    if (entry == kBuiltInAdministrative)
        return QCoreApplication::translate("ShiftColours", "一");
    if (entry == kBuiltInNineToFive)
        return QCoreApplication::translate("ShiftColours", "二");
    if (const Shift* s = model.shift(entry))
        return s->shortText();
    return entry;
}

QString shiftHoursText(const Shift& shift)
{
    const ShiftTimeline t = timelineOf(shift);
    if (t.kind == 1)
        return QStringLiteral("%1–%2").arg(timelineClock(t.on1), timelineClock(t.off2));
    return QCoreApplication::translate("ShiftColours", "%1–%2、%3–%4").arg(timelineClock(t.on1), timelineClock(t.off1), timelineClock(t.on2), timelineClock(t.off2));
}

} // namespace tarnby::ui
