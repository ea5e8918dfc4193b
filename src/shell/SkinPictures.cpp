#include "SkinPictures.h"

#include <QDir>
#include <QFileInfo>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QCoreApplication>
#include <algorithm>
#include <array>
#include <cmath>

namespace tarnby::ui {
namespace {

void drawClockFace(QPainter& p, const QRectF& r, const QColor& rim)
{
    QRadialGradient face(r.center() - QPointF(r.width() / 6, r.height() / 6), r.width() / 1.6);
    face.setColorAt(0, QColor(255, 255, 255));
    face.setColorAt(1, QColor(214, 230, 246));
    p.setBrush(face);
    p.setPen(QPen(rim, r.width() / 14));
    p.drawEllipse(r);
    p.setPen(QPen(rim.darker(140), std::max(1.0, r.width() / 40)));
    const QPointF c = r.center();
    const double radius = r.width() / 2;
    for (int h = 0; h < 12; ++h) {
        const double a = h * M_PI / 6;
        const double inner = h % 3 == 0 ? radius * 0.70 : radius * 0.78;
        p.drawLine(c + QPointF(std::sin(a) * inner, -std::cos(a) * inner),
                   c + QPointF(std::sin(a) * radius * 0.86, -std::cos(a) * radius * 0.86));
    }
    // The hands stand at half past eight, the usual start of the working day.
    p.setPen(QPen(QColor(40, 50, 70), r.width() / 16, Qt::SolidLine, Qt::RoundCap));
    const double hour = (8.5 / 12) * 2 * M_PI;
    p.drawLine(c, c + QPointF(std::sin(hour) * radius * 0.45, -std::cos(hour) * radius * 0.45));
    p.setPen(QPen(QColor(40, 50, 70), r.width() / 24, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c, c + QPointF(0, radius * 0.66));
    p.setBrush(QColor(200, 40, 40));
    p.setPen(Qt::NoPen);
    p.drawEllipse(c, r.width() / 20, r.width() / 20);
}

// A picture of `size` in the window's coordinates, with ratio times as many
// pixels, so that it stays sharp on a scaled screen.
QPixmap blankPicture(const QSize& size, qreal ratio)
{
    const qreal r = ratio > 0 ? ratio : 1.0;
    QPixmap pixmap(size * r);
    pixmap.setDevicePixelRatio(r);
    return pixmap;
}

QPixmap drawMainBackground(qreal ratio)
{
    const QSize size = skinPartSize(SkinPart::MainBackground);
    QPixmap pixmap = blankPicture(size, ratio);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0, QColor(22, 74, 128));
    sky.setColorAt(0.16, QColor(44, 112, 170));
    sky.setColorAt(0.17, QColor(206, 222, 238));
    sky.setColorAt(1, QColor(176, 200, 226));
    p.fillRect(QRect(QPoint(0, 0), size), sky);
    // Soft bands across the title area.
    for (int i = 0; i < 4; ++i) {
        QPainterPath band;
        const double y = 30 + i * 14;
        band.moveTo(0, y);
        band.cubicTo(size.width() * 0.3, y - 26, size.width() * 0.6, y + 30, size.width(), y - 8);
        band.lineTo(size.width(), y + 6);
        band.cubicTo(size.width() * 0.6, y + 40, size.width() * 0.3, y - 14, 0, y + 10);
        band.closeSubpath();
        p.fillPath(band, QColor(255, 255, 255, 18 + i * 6));
    }
    QFont title = p.font();
    title.setPixelSize(26);
    title.setBold(true);
    p.setFont(title);
    p.setPen(QColor(0, 0, 0, 90));
    p.drawText(QRect(92, 16, 500, 40), Qt::AlignLeft | Qt::AlignVCenter, QCoreApplication::translate("SkinPictures", "Tarnby考勤助手2.0"));
    p.setPen(QColor(255, 255, 255));
    p.drawText(QRect(90, 14, 500, 40), Qt::AlignLeft | Qt::AlignVCenter, QCoreApplication::translate("SkinPictures", "Tarnby考勤助手2.0"));
    QFont sub = p.font();
    sub.setPixelSize(12);
    sub.setBold(false);
    p.setFont(sub);
    p.setPen(QColor(214, 232, 250));
    p.drawText(QRect(92, 52, 500, 20), Qt::AlignLeft | Qt::AlignVCenter,
               QCoreApplication::translate("SkinPictures", "考勤记录读取 · 迟到早退统计 · 特殊情况登记 · 值日安排"));
    return pixmap;
}

QPixmap drawEmblem(qreal ratio)
{
    const QSize size = skinPartSize(SkinPart::Emblem);
    QPixmap pixmap = blankPicture(size, ratio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    drawClockFace(p, QRectF(QPointF(4, 4), QSizeF(size) - QSizeF(8, 8)), QColor(236, 170, 40));
    return pixmap;
}

QPixmap drawPageBackground(qreal ratio)
{
    const QSize size = skinPartSize(SkinPart::PageBackground);
    QPixmap pixmap = blankPicture(size, ratio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient paper(0, 0, 0, size.height());
    paper.setColorAt(0, QColor(252, 253, 255));
    paper.setColorAt(1, QColor(232, 240, 250));
    QPainterPath shape;
    shape.addRoundedRect(QRectF(0.5, 0.5, size.width() - 1, size.height() - 1), 6, 6);
    p.fillPath(shape, paper);
    p.setPen(QColor(120, 146, 180));
    p.drawPath(shape);
    return pixmap;
}

QPixmap drawInfoPicture(qreal ratio)
{
    const QSize size = skinPartSize(SkinPart::InfoPicture);
    QPixmap pixmap = blankPicture(size, ratio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    // A month sheet with a clock in front of it.
    const QRectF sheet(10, 16, size.width() - 70, size.height() - 30);
    p.setPen(QColor(110, 136, 170));
    p.setBrush(QColor(255, 255, 255));
    p.drawRoundedRect(sheet, 6, 6);
    p.setBrush(QColor(200, 60, 50));
    p.drawRoundedRect(QRectF(sheet.left(), sheet.top(), sheet.width(), 24), 6, 6);
    p.fillRect(QRectF(sheet.left() + 1, sheet.top() + 14, sheet.width() - 2, 10), QColor(200, 60, 50));
    const double cellW = (sheet.width() - 16) / 7;
    const double cellH = (sheet.height() - 40) / 5;
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 7; ++c) {
            const QRectF cell(sheet.left() + 8 + c * cellW, sheet.top() + 32 + r * cellH, cellW - 3, cellH - 3);
            const bool rest = c == 0 || c == 6;
            p.setPen(Qt::NoPen);
            p.setBrush(rest ? QColor(255, 192, 128) : QColor(224, 224, 224));
            p.drawRect(cell);
        }
    drawClockFace(p, QRectF(size.width() - 100, size.height() - 100, 92, 92), QColor(40, 96, 170));
    return pixmap;
}

} // namespace

QSize skinPartSize(SkinPart part)
{
    switch (part) {
    case SkinPart::MainBackground: return {800, 600};
    case SkinPart::Emblem: return {64, 64};
    case SkinPart::PageBackground: return {780, 480};
    case SkinPart::InfoPicture: return {240, 180};
    }
    return {};
}

QPixmap builtInPicture(SkinPart part, qreal pixelRatio)
{
    switch (part) {
    case SkinPart::MainBackground: return drawMainBackground(pixelRatio);
    case SkinPart::Emblem: return drawEmblem(pixelRatio);
    case SkinPart::PageBackground: return drawPageBackground(pixelRatio);
    case SkinPart::InfoPicture: return drawInfoPicture(pixelRatio);
    }
    return {};
}

QList<SkinFile> skinFiles(const QString& programDir, qreal pixelRatio)
{
    static const std::array<std::pair<const char*, SkinPart>, 5> kOrder = {{
        {"1001.jpg", SkinPart::MainBackground},
        {"1002.jpg", SkinPart::Emblem},
        {"1002.gif", SkinPart::Emblem},
        {"1003.jpg", SkinPart::PageBackground},
        {"1004.jpg", SkinPart::InfoPicture},
    }};
    QList<SkinFile> found;
    const QDir skin(QDir(programDir).filePath(QStringLiteral("Skin")));
    for (const auto& [name, part] : kOrder) {
        const QFileInfo file(skin.filePath(QString::fromLatin1(name)));
        if (!file.isFile())
            continue;
        // On a scaled screen a picture drawn twice as large stays sharp; Qt
        // reads the ratio from the "@2x" in its name.
        const QFileInfo sharper(skin.filePath(file.completeBaseName() + QStringLiteral("@2x.") + file.suffix()));
        found.append({part, pixelRatio > 1 && sharper.isFile() ? sharper.filePath() : file.filePath()});
    }
    return found;
}

} // namespace tarnby::ui
