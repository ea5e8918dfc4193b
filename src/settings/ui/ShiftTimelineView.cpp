#include "ShiftTimelineView.h"

#include <QPainter>
#include <QPainterPath>
#include <QCoreApplication>

namespace tarnby::ui {
namespace {

const char* const kSlotNames[4] = {QT_TRANSLATE_NOOP("ShiftTimelineView", "A上班"), QT_TRANSLATE_NOOP("ShiftTimelineView", "A下班"), QT_TRANSLATE_NOOP("ShiftTimelineView", "P上班"),
                               QT_TRANSLATE_NOOP("ShiftTimelineView", "P下班")};
const QColor kOnColour(140, 200, 140);
const QColor kOffColour(130, 175, 230);
const QColor kWorkColour(40, 80, 140);
const QColor kOvertimeColour(160, 0, 160);
const QColor kFaultColour(210, 30, 30);

constexpr int kMargin = 14;
constexpr int kWorkTop = 18, kWorkHeight = 12;
constexpr int kWindowTop = 38, kWindowHeight = 22;
constexpr int kAxisTop = 70;

bool overlaps(const ShiftWindow& a, const ShiftWindow& b)
{
    return a.from <= b.to && b.from <= a.to;
}

} // namespace

ShiftTimelineView::ShiftTimelineView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("shiftTimeline"));
    setAccessibleName(QCoreApplication::translate("ShiftTimelineView", "班次时间轴"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
}

QSize ShiftTimelineView::sizeHint() const
{
    return {560, 104};
}

QSize ShiftTimelineView::minimumSizeHint() const
{
    return {360, 104};
}

void ShiftTimelineView::setShift(const Shift& shift)
{
    shift_ = shift;
    empty_ = false;
    line_ = timelineOf(shift_);
    windows_ = windowsOf(shift_, line_);
    const QString words = describe();
    setAccessibleDescription(words);
    setToolTip(words);
    update();
}

void ShiftTimelineView::clear()
{
    empty_ = true;
    setAccessibleDescription({});
    setToolTip({});
    update();
}

QString ShiftTimelineView::describe() const
{
    if (empty_)
        return {};
    QStringList parts;
    parts.append(QCoreApplication::translate("ShiftTimelineView", "工作日 %1–%2").arg(timelineClock(line_.spanFrom), timelineClock(line_.spanTo)));
    if (line_.kind == 2)
        parts.append(QCoreApplication::translate("ShiftTimelineView", "上班 %1–%2、%3–%4")
                         .arg(timelineClock(line_.on1), timelineClock(line_.off1), timelineClock(line_.on2),
                              timelineClock(line_.off2)));
    else
        parts.append(QCoreApplication::translate("ShiftTimelineView", "上班 %1–%2").arg(timelineClock(line_.on1), timelineClock(line_.off2)));
    for (const ShiftWindow& w : windows_) {
        parts.append(w.open ? QCoreApplication::translate("ShiftTimelineView", "%1 打卡 %2 以后").arg(QCoreApplication::translate("ShiftTimelineView", kSlotNames[w.slot]), timelineClock(w.from))
                            : QCoreApplication::translate("ShiftTimelineView", "%1 打卡 %2–%3").arg(QCoreApplication::translate("ShiftTimelineView", kSlotNames[w.slot]), timelineClock(w.from), timelineClock(w.to)));
    }
    for (qsizetype k = 0; k < line_.overtime.size(); ++k)
        parts.append(QCoreApplication::translate("ShiftTimelineView", "加班%1档 %2").arg(k == 0 ? QCoreApplication::translate("ShiftTimelineView", "一") : QCoreApplication::translate("ShiftTimelineView", "二"), timelineClock(line_.overtime.at(k))));
    return parts.join(QCoreApplication::translate("ShiftTimelineView", "；"));
}

int ShiftTimelineView::xOf(int minute) const
{
    const int width = this->width() - 2 * kMargin;
    return kMargin + int((qint64(minute - line_.spanFrom) * width) / 1440);
}

void ShiftTimelineView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, false);
    QFont small = font();
    small.setPixelSize(10);
    p.setFont(small);
    const QFontMetrics fm(small);

    // The axis: an hour a tick, every second hour named; midnight stands out.
    const int left = xOf(line_.spanFrom);
    const int right = xOf(line_.spanTo);
    p.setPen(QColor(90, 90, 90));
    p.drawLine(left, kAxisTop, right, kAxisTop);
    const int firstHour = (line_.spanFrom + 59) / 60;
    for (int hour = firstHour; hour * 60 <= line_.spanTo; ++hour) {
        const int x = xOf(hour * 60);
        const bool midnight = hour % 24 == 0 && hour * 60 > line_.spanFrom && hour * 60 < line_.spanTo;
        p.setPen(midnight ? kFaultColour.darker(120) : QColor(90, 90, 90));
        p.drawLine(x, kAxisTop, x, kAxisTop + (hour % 2 == 0 ? 5 : 3));
        if (hour % 2 == 0) {
            const QString label = QString::number(hour % 24);
            p.drawText(QRect(x - 12, kAxisTop + 6, 24, 12), Qt::AlignCenter, label);
        }
        if (midnight) {
            QPen dashed(QColor(150, 150, 150), 1, Qt::DashLine);
            p.setPen(dashed);
            p.drawLine(x, 4, x, kAxisTop);
            p.setPen(QColor(110, 110, 110));
            p.drawText(QRect(x + 3, kAxisTop + 18, 80, 12), Qt::AlignLeft | Qt::AlignVCenter, QCoreApplication::translate("ShiftTimelineView", "次日"));
            p.drawText(QRect(x - 83, kAxisTop + 18, 80, 12), Qt::AlignRight | Qt::AlignVCenter, QCoreApplication::translate("ShiftTimelineView", "当日"));
        }
    }
    if (empty_)
        return;

    // The working blocks, with their times above them; a time too close to
    // the one before it is left to the tooltip.
    int labelsEnd = 0;
    const auto label = [&](int x, int minute) {
        const QString text = clockString(minute);
        const int width = fm.horizontalAdvance(text) + 4;
        if (x - width / 2 < labelsEnd)
            return;
        p.drawText(QRect(x - width / 2, 4, width, 12), Qt::AlignCenter, text);
        labelsEnd = x + width / 2 + 2;
    };
    const auto block = [&](int from, int to) {
        const QRect r(QPoint(xOf(from), kWorkTop), QPoint(std::max(xOf(to) - 1, xOf(from)), kWorkTop + kWorkHeight - 1));
        p.fillRect(r, kWorkColour);
        p.setPen(kWorkColour);
        label(r.left(), from);
        label(r.right(), to);
    };
    if (line_.kind == 2) {
        block(line_.on1, line_.off1);
        block(line_.on2, line_.off2);
    } else {
        block(line_.on1, line_.off2);
    }

    // The punch windows; what breaks a rule in red.
    for (qsizetype i = 0; i < windows_.size(); ++i) {
        const ShiftWindow& w = windows_.at(i);
        const int from = std::max(w.from, line_.spanFrom - 30);
        const int to = std::min(w.to, line_.spanTo + 30);
        const QRect r(QPoint(xOf(from), kWindowTop), QPoint(std::max(xOf(to), xOf(from) + 1), kWindowTop + kWindowHeight - 1));
        const bool on = w.slot == 0 || w.slot == 2;
        p.fillRect(r.intersected(QRect(left, 0, right - left, height())), on ? kOnColour : kOffColour);
        bool faulty = w.from < line_.spanFrom || w.to >= line_.spanTo || w.from > w.to;
        for (qsizetype j = 0; j < windows_.size(); ++j) {
            if (j != i && overlaps(w, windows_.at(j))) {
                faulty = true;
                const int a = std::max(w.from, windows_.at(j).from);
                const int b = std::min(w.to, windows_.at(j).to);
                p.fillRect(QRect(QPoint(xOf(a), kWindowTop), QPoint(std::max(xOf(b), xOf(a) + 1), kWindowTop + kWindowHeight - 1)),
                           QBrush(kFaultColour, Qt::BDiagPattern));
            }
        }
        p.setPen(QPen(faulty ? kFaultColour : QColor(70, 90, 110), faulty ? 2 : 1));
        p.drawRect(r.adjusted(0, 0, -1, -1));
        const QString name = QCoreApplication::translate("ShiftTimelineView", kSlotNames[w.slot]);
        if (fm.horizontalAdvance(name) + 4 <= r.width()) {
            p.setPen(faulty ? kFaultColour : QColor(20, 40, 70));
            p.drawText(r, Qt::AlignCenter, name);
        }
    }

    // The overtime tiers.
    for (qsizetype k = 0; k < line_.overtime.size(); ++k) {
        const int x = xOf(line_.overtime.at(k));
        const bool outside = line_.overtime.at(k) < line_.spanFrom || line_.overtime.at(k) >= line_.spanTo;
        p.setPen(QPen(outside ? kFaultColour : kOvertimeColour, 2));
        p.drawLine(x, kWorkTop - 2, x, kWindowTop + kWindowHeight);
        p.drawText(QRect(x + 3, kWorkTop, 40, 12), Qt::AlignLeft | Qt::AlignVCenter,
                   k == 0 ? QCoreApplication::translate("ShiftTimelineView", "加班一") : QCoreApplication::translate("ShiftTimelineView", "加班二"));
    }
}

} // namespace tarnby::ui
