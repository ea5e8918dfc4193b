#include "report/ui/SummaryChart.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace tarnby::ui {
namespace {

constexpr int kAxisWidth = 34;
constexpr int kLegendHeight = 18;
constexpr int kNameBand = 62;
constexpr int kBarWidth = 6;
constexpr int kGroupWidth = 3 * kBarWidth + 8;
constexpr int kWidestGroup = 3 * 14 + 12;
constexpr int kScrollHeight = 14;

const QColor kLatenessColour(220, 60, 50);
const QColor kMissedColour(236, 160, 40);
const QColor kAbsenceColour(70, 110, 200);
const QColor kGridColour(200, 210, 225);
const QColor kTextColour(28, 60, 100);

// 1, 2 or 5 times a power of ten, so the grid lines fall on round figures.
double niceStep(double top, int lines)
{
    const double raw = std::max(top / lines, 0.5);
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 5.0, 10.0})
        if (raw <= m * power)
            return m * power;
    return 10 * power;
}

QString axisText(double v)
{
    return QString::number(v, 'g', 6);
}

} // namespace

SummaryChart::SummaryChart(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("summaryChart"));
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    scroll_ = new QScrollBar(Qt::Horizontal, this);
    scroll_->setObjectName(QStringLiteral("summaryChartScroll"));
    connect(scroll_, &QScrollBar::valueChanged, this, qOverload<>(&QWidget::update));
    updateScrollBar();
}

QSize SummaryChart::sizeHint() const
{
    return {kAxisWidth + 40 * kGroupWidth, 200};
}

QSize SummaryChart::minimumSizeHint() const
{
    return {kAxisWidth + 10 * kGroupWidth, kLegendHeight + kNameBand + kScrollHeight + 60};
}

void SummaryChart::setGroups(const QList<Group>& groups)
{
    groups_ = groups;
    double top = 0;
    for (const Group& g : groups_)
        top = std::max({top, g.lateness, g.missed, g.absence});
    const double step = niceStep(top, 4);
    scaleTop_ = std::max(step, std::ceil(top / step) * step);
    current_ = -1;
    updateScrollBar();
    scroll_->setValue(0);
    update();
}

void SummaryChart::setPlaceholder(const QString& text)
{
    placeholder_ = text;
    update();
}

void SummaryChart::setCurrent(int group)
{
    current_ = group >= 0 && group < groups_.size() ? group : -1;
    if (current_ >= 0) {
        if (current_ < scroll_->value())
            scroll_->setValue(current_);
        else if (current_ >= scroll_->value() + visibleGroups())
            scroll_->setValue(current_ - visibleGroups() + 1);
    }
    update();
}

QRect SummaryChart::plotRect() const
{
    return QRect(kAxisWidth, kLegendHeight + 6, std::max(0, width() - kAxisWidth - 6),
                 std::max(10, height() - kLegendHeight - 6 - kNameBand - kScrollHeight));
}

int SummaryChart::groupWidth() const
{
    // A few employees get wider bars; many scroll at the narrowest.
    if (groups_.isEmpty())
        return kGroupWidth;
    return std::clamp(plotRect().width() / int(groups_.size()), kGroupWidth, kWidestGroup);
}

int SummaryChart::visibleGroups() const
{
    return std::max(1, plotRect().width() / groupWidth());
}

void SummaryChart::updateScrollBar()
{
    scroll_->setGeometry(0, height() - kScrollHeight, width(), kScrollHeight);
    const int hidden = std::max(0, int(groups_.size()) - visibleGroups());
    scroll_->setRange(0, hidden);
    scroll_->setPageStep(visibleGroups());
    scroll_->setVisible(hidden > 0);
}

void SummaryChart::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    updateScrollBar();
}

int SummaryChart::groupAt(const QPoint& point) const
{
    const QRect plot = plotRect();
    if (point.x() < plot.left() || point.y() < plot.top() || point.y() > plot.bottom() + kNameBand)
        return -1;
    const int slot = (point.x() - plot.left()) / groupWidth();
    const int group = scroll_->value() + slot;
    return group < groups_.size() && slot < visibleGroups() ? group : -1;
}

void SummaryChart::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const int group = groupAt(event->position().toPoint());
    if (group >= 0)
        emit groupClicked(group);
}

void SummaryChart::wheelEvent(QWheelEvent* event)
{
    const QPoint delta = event->angleDelta();
    const int steps = (delta.x() != 0 ? delta.x() : delta.y()) / 40;
    scroll_->setValue(scroll_->value() - steps);
    event->accept();
}

void SummaryChart::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    QFont small = font();
    small.setPixelSize(11);
    p.setFont(small);
    const QFontMetrics fm(small);

    // Legend.
    int x = kAxisWidth;
    const std::array<std::pair<QColor, QString>, 3> legend = {{{kLatenessColour, QCoreApplication::translate("SummaryChart", "迟到（次）")},
                                                               {kMissedColour, QCoreApplication::translate("SummaryChart", "漏打（次）")},
                                                               {kAbsenceColour, QCoreApplication::translate("SummaryChart", "旷工（天）")}}};
    for (const auto& [colour, text] : legend) {
        p.fillRect(QRect(x, 5, 10, 10), colour);
        p.setPen(kTextColour);
        p.drawText(QRect(x + 14, 0, 100, kLegendHeight), Qt::AlignLeft | Qt::AlignVCenter, text);
        x += 24 + fm.horizontalAdvance(text);
    }

    const QRect plot = plotRect();
    // Grid and axis.
    const double step = niceStep(scaleTop_, 4);
    for (double v = 0; v <= scaleTop_ + step / 2; v += step) {
        const int y = plot.bottom() - int(std::lround(v / scaleTop_ * plot.height()));
        p.setPen(kGridColour);
        p.drawLine(plot.left(), y, plot.right(), y);
        p.setPen(kTextColour);
        p.drawText(QRect(0, y - 8, kAxisWidth - 4, 16), Qt::AlignRight | Qt::AlignVCenter, axisText(v));
    }
    p.setPen(kTextColour);
    p.drawLine(plot.bottomLeft(), plot.bottomRight());
    p.drawLine(plot.topLeft(), plot.bottomLeft());

    if (groups_.isEmpty()) {
        p.drawText(plot, Qt::AlignCenter, placeholder_);
        return;
    }
    const int slot = groupWidth();
    const int bar = (slot - 8) / 3;
    const int first = scroll_->value();
    const int last = std::min<int>(int(groups_.size()), first + visibleGroups());
    for (int g = first; g < last; ++g) {
        const Group& group = groups_.at(g);
        const int left = plot.left() + (g - first) * slot + 4;
        if (g == current_)
            p.fillRect(QRect(left - 4, plot.top(), slot, plot.height() + kNameBand), QColor(253, 231, 180));
        if (group.noPunches) {
            // No bars of zero: the slot is hatched, "无打卡" standing in it.
            p.fillRect(QRect(left, plot.top(), slot - 8, plot.height()), QBrush(kGridColour, Qt::BDiagPattern));
            p.save();
            p.translate(left + (slot - 8) / 2 + fm.ascent() / 2, plot.bottom() - 4);
            p.rotate(-90);
            p.setPen(kTextColour);
            p.drawText(0, 0, QCoreApplication::translate("SummaryChart", "无打卡记录"));
            p.restore();
        }
        const double values[3] = {group.lateness, group.missed, group.absence};
        const QColor colours[3] = {kLatenessColour, kMissedColour, kAbsenceColour};
        for (int b = 0; b < 3; ++b) {
            const int h = int(std::lround(values[b] / scaleTop_ * plot.height()));
            if (h > 0)
                p.fillRect(QRect(left + b * bar, plot.bottom() - h + 1, bar - 1, h), colours[b]);
        }
        // The employee under the bars, read from the bottom up.
        p.save();
        p.translate(left + slot / 2 - 4 + fm.ascent() / 2, plot.bottom() + 4);
        p.rotate(-90);
        p.setPen(kTextColour);
        p.drawText(QRect(-kNameBand + 4, -fm.ascent(), kNameBand - 4, fm.height()), Qt::AlignRight | Qt::AlignVCenter,
                   fm.elidedText(group.employee, Qt::ElideRight, kNameBand - 4));
        p.restore();
    }
}

} // namespace tarnby::ui
