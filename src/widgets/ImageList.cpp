#include "ImageList.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <map>

namespace tarnby::ui {
namespace {

struct Look {
    QSize size;
    QColor top, bottom, border;
};

// Top and bottom of the gradient and the border of each picture.
const std::map<int, Look>& looks()
{
    static const std::map<int, Look> table = {
        {kTabNormal, {kTabSize, QColor(236, 242, 250), QColor(196, 212, 232), QColor(120, 146, 180)}},
        {kTabHover, {kTabSize, QColor(255, 248, 226), QColor(250, 214, 140), QColor(196, 140, 50)}},
        {kTabSelected, {kTabSize, QColor(255, 255, 255), QColor(224, 238, 255), QColor(40, 96, 170)}},
        {kButtonNormal, {kButtonSize, QColor(245, 248, 252), QColor(204, 216, 232), QColor(110, 136, 170)}},
        {kButtonHover, {kButtonSize, QColor(255, 250, 232), QColor(252, 220, 150), QColor(200, 146, 52)}},
        {kButtonPressed, {kButtonSize, QColor(236, 196, 120), QColor(255, 236, 190), QColor(160, 110, 30)}},
        {kComboNormal, {QSize(17, 19), QColor(240, 244, 250), QColor(206, 218, 234), QColor(120, 146, 180)}},
        {kComboFocus, {QSize(17, 19), QColor(255, 246, 220), QColor(250, 210, 130), QColor(196, 140, 50)}},
    };
    return table;
}

} // namespace

QPixmap listImage(int number, qreal pixelRatio)
{
    const auto it = looks().find(number);
    if (it == looks().end())
        return {};
    const Look& look = it->second;
    const qreal ratio = pixelRatio > 0 ? pixelRatio : 1.0;
    QPixmap pixmap(look.size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(QPointF(0, 0), QSizeF(look.size)).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient fill(r.topLeft(), r.bottomLeft());
    fill.setColorAt(0, look.top);
    fill.setColorAt(1, look.bottom);
    QPainterPath shape;
    const bool tab = number >= kTabNormal && number <= kTabSelected;
    if (tab) {
        // Tabs are rounded on top only, so they sit on the page below them.
        shape.moveTo(r.bottomLeft());
        shape.lineTo(r.left(), r.top() + 4);
        shape.quadTo(r.topLeft(), QPointF(r.left() + 4, r.top()));
        shape.lineTo(r.right() - 4, r.top());
        shape.quadTo(r.topRight(), QPointF(r.right(), r.top() + 4));
        shape.lineTo(r.bottomRight());
    } else {
        shape.addRoundedRect(r, 3, 3);
    }
    p.fillPath(shape, fill);
    p.setPen(look.border);
    p.drawPath(shape);
    if (number == kComboNormal || number == kComboFocus) {
        // The drop-down arrow.
        QPainterPath arrow;
        const QPointF c = r.center();
        arrow.moveTo(c.x() - 4, c.y() - 2);
        arrow.lineTo(c.x() + 4, c.y() - 2);
        arrow.lineTo(c.x(), c.y() + 3);
        arrow.closeSubpath();
        p.fillPath(arrow, look.border.darker(130));
    }
    return pixmap;
}

} // namespace tarnby::ui
