#include "DutyGridView.h"

#include "widgets/ClickLabel.h"
#include "widgets/DayGridKeys.h"

#include <QLabel>
#include <QCoreApplication>

namespace tarnby::ui {
namespace {

constexpr int kLegendPerRow = 6;
constexpr int kLegendHeight = 16;
constexpr int kHeadingHeight = 18;

// Dark legend colours carry white numbers, light ones black.
QColor textOn(const Rgb& c)
{
    const int luminance = (299 * c.red + 587 * c.green + 114 * c.blue) / 1000;
    return luminance < 140 ? QColor(Qt::white) : QColor(Qt::black);
}

void paintLabel(ClickLabel* label, const Rgb& colour)
{
    label->setBackground(toColor(colour));
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, textOn(colour));
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(150, 150, 150));
    label->setPalette(p);
}

} // namespace

QColor toColor(const Rgb& rgb)
{
    return QColor(rgb.red, rgb.green, rgb.blue);
}

DutyGridView::DutyGridView(QWidget* parent)
    : QWidget(parent)
{
    constexpr int pitch = kCellWidth + kGap;
    const QString headings[] = {QCoreApplication::translate("DutyGridView", "日"), QCoreApplication::translate("DutyGridView", "一"), QCoreApplication::translate("DutyGridView", "二"),
                                QCoreApplication::translate("DutyGridView", "三"), QCoreApplication::translate("DutyGridView", "四"), QCoreApplication::translate("DutyGridView", "五"),
                                QCoreApplication::translate("DutyGridView", "六")};
    for (int c = 0; c < 7; ++c) {
        auto* heading = new QLabel(headings[c], this);
        heading->setAlignment(Qt::AlignCenter);
        heading->setGeometry(c * pitch, 0, kCellWidth, kHeadingHeight);
    }
    for (int i = 0; i < kDutyGridCells; ++i) {
        auto* day = new ClickLabel(QString(), this);
        day->setObjectName(QStringLiteral("dzLab(%1)").arg(i));
        day->setGeometry((i % 7) * pitch, kHeadingHeight + (i / 7) * (kCellHeight + kGap), kCellWidth,
                         kCellHeight);
        day->setEnabled(false);
        paintLabel(day, kPlainDayColour);
        connect(day, &ClickLabel::clicked, this, [this, i](Qt::MouseButton button) {
            // Disabled labels see no mouse, so a click always has a day.
            emit dayClicked(grid_[std::size_t(i)].date.day(), button);
        });
        dzLab[i] = day;
    }
    const int legendTop = kHeadingHeight + 6 * (kCellHeight + kGap) + 8;
    const int legendWidth = (7 * pitch - kGap) / kLegendPerRow;
    for (int k = 0; k < kLegendCount; ++k) {
        auto* legend = new ClickLabel(dutyLegendCaption(k), this);
        legend->setObjectName(QStringLiteral("dcLab(%1)").arg(k));
        legend->setGeometry((k % kLegendPerRow) * legendWidth, legendTop + (k / kLegendPerRow) * (kLegendHeight + 1),
                            legendWidth - 1, kLegendHeight);
        paintLabel(legend, dutyLegendColours()[k]);
        dcLab[k] = legend;
    }
    const int rows = (kLegendCount + kLegendPerRow - 1) / kLegendPerRow;
    setFixedSize(7 * pitch - kGap, legendTop + rows * (kLegendHeight + 1));

    // Enter and Space arrange the duty as a left click does, Delete cancels it.
    keys_ = new DayGridKeys(QList<ClickLabel*>(dzLab.begin(), dzLab.end()), kDutyGridCells, this);
    keys_->setObjectName(QStringLiteral("dutyKeys"));
    setFocusProxy(keys_);
    keys_->setAccessibleName(QCoreApplication::translate("DutyGridView", "值日安排"));
    keys_->setDescriber([this](int i) {
        const DayCell& cell = grid_[std::size_t(i)];
        if (!cell.date.isValid())
            return QString();
        QStringList parts{cell.date.toString(QCoreApplication::translate("DutyGridView", "yyyy年M月d日"))};
        // Who is on duty shows by colour alone: the legend names the colour.
        for (int k = 0; k < kLegendCount; ++k) {
            if (dzLab[i]->isEnabled() && dzLab[i]->background() == toColor(dutyLegendColours()[k]))
                parts << QCoreApplication::translate("DutyGridView", "值日") + dcLab[k]->text();
        }
        return parts.join(QLatin1Char(' '));
    });
    const auto arrange = [this](int i) { emit dayClicked(grid_[std::size_t(i)].date.day(), Qt::LeftButton); };
    connect(keys_, &DayGridKeys::picked, this, arrange);
    connect(keys_, &DayGridKeys::toggled, this, arrange);
    connect(keys_, &DayGridKeys::cleared, this,
            [this](int i) { emit dayClicked(grid_[std::size_t(i)].date.day(), Qt::RightButton); });
}

void DutyGridView::showGrid(const DutyGrid& grid)
{
    grid_ = grid;
    for (int i = 0; i < kDutyGridCells; ++i) {
        dzLab[i]->setText(grid[i].caption);
        dzLab[i]->setEnabled(grid[i].enabled);
        paintLabel(dzLab[i], grid[i].colour);
    }
}

void DutyGridView::colourDay(int day, const Rgb& colour)
{
    for (int i = 0; i < kDutyGridCells; ++i) {
        if (grid_[std::size_t(i)].enabled && grid_[std::size_t(i)].date.day() == day) {
            paintLabel(dzLab[i], colour);
            return;
        }
    }
}

} // namespace tarnby::ui
