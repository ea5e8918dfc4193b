#include "ExportSampleView.h"

#include <QPainter>
#include <array>

namespace tarnby::ui {
namespace {

constexpr int kHeadWidth = 18;  // the row-number column
constexpr int kRowHeight = 15;
constexpr std::array<int, 2> kColumnWidths{62, 130};

// Row 1 holds the headings, as the export writes them.
const std::array<std::array<const char16_t*, 2>, 3> kCells{{
    {u"编号", u"日期时间"},
    {u"0001", u"2024-03-01 08:25:31"},
    {u"0001", u"2024-03-01 12:02:10"},
}};

} // namespace

ExportSampleView::ExportSampleView(QWidget* parent)
    : QWidget(parent)
{
    setFixedSize(sizeHint());
}

QSize ExportSampleView::sizeHint() const
{
    return {kHeadWidth + kColumnWidths[0] + kColumnWidths[1] + 1, kRowHeight * 4 + 1};
}

void ExportSampleView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    QFont small = font();
    small.setPixelSize(10);
    p.setFont(small);
    const QColor grid(160, 170, 185);
    const QColor head(228, 233, 240);
    const std::array<int, 3> lefts{kHeadWidth, kHeadWidth + kColumnWidths[0],
                                   kHeadWidth + kColumnWidths[0] + kColumnWidths[1]};
    p.fillRect(rect(), Qt::white);
    p.fillRect(QRect(0, 0, width(), kRowHeight), head);
    p.fillRect(QRect(0, 0, kHeadWidth, height()), head);
    p.setPen(grid);
    for (int row = 0; row <= 4; ++row)
        p.drawLine(0, row * kRowHeight, lefts[2], row * kRowHeight);
    p.drawLine(0, 0, 0, height());
    for (int x : lefts)
        p.drawLine(x, 0, x, height());
    p.setPen(QColor(60, 60, 60));
    for (int c = 0; c < 2; ++c)
        p.drawText(QRect(lefts[c], 0, kColumnWidths[c], kRowHeight), Qt::AlignCenter, QString(QChar(u'A' + c)));
    for (int r = 0; r < 3; ++r) {
        const int top = (r + 1) * kRowHeight;
        p.drawText(QRect(0, top, kHeadWidth, kRowHeight), Qt::AlignCenter, QString::number(r + 1));
        for (int c = 0; c < 2; ++c)
            p.drawText(QRect(lefts[c] + 3, top, kColumnWidths[c] - 5, kRowHeight), Qt::AlignVCenter | Qt::AlignLeft,
                       QString::fromUtf16(kCells[r][c]));
    }
}

} // namespace tarnby::ui
