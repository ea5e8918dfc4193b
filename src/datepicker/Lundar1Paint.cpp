// The painting routines of Lundar1. Each paints one area onto the control's
// surface from Value and the properties, read afresh, and schedules the
// refresh of that area; paintEvent only copies the surface to the screen.

#include "datepicker/Lundar1.h"

#include "datepicker/ColorTranslation.h"
#include "datepicker/Lundar1Private.h"
#include "datepicker/LunarBridge.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include <algorithm>
#include <array>

namespace lundar {

namespace {

const QColor kBlack(0, 0, 0);
const QColor kSundayRed(255, 0, 0);     // 0x0000FF
const QColor kSaturdayBlue(0, 0, 255);  // 0xFF0000

// The formal heads write their numerals in the financial style; Sunday is the
// same word in both, but a language may set the two styles apart.
constexpr std::array<const char*, 7> kPlainWeekdays = {
    QT_TRANSLATE_NOOP("Lundar1", "星期日"), QT_TRANSLATE_NOOP("Lundar1", "星期一"),
    QT_TRANSLATE_NOOP("Lundar1", "星期二"), QT_TRANSLATE_NOOP("Lundar1", "星期三"),
    QT_TRANSLATE_NOOP("Lundar1", "星期四"), QT_TRANSLATE_NOOP("Lundar1", "星期五"),
    QT_TRANSLATE_NOOP("Lundar1", "星期六")};
struct Disambiguated {
    const char* source;
    const char* comment;
};
constexpr std::array<Disambiguated, 7> kFormalWeekdays = {{
    QT_TRANSLATE_NOOP3("Lundar1", "星期日", "formal"), QT_TRANSLATE_NOOP3("Lundar1", "星期壹", "formal"),
    QT_TRANSLATE_NOOP3("Lundar1", "星期贰", "formal"), QT_TRANSLATE_NOOP3("Lundar1", "星期叁", "formal"),
    QT_TRANSLATE_NOOP3("Lundar1", "星期肆", "formal"), QT_TRANSLATE_NOOP3("Lundar1", "星期伍", "formal"),
    QT_TRANSLATE_NOOP3("Lundar1", "星期陆", "formal")}};

// Chinese texts stand where the layout's 12 pixels a character put them;
// others are centred by their own width.
int placedWidth(const QString& text, const QFont& font)
{
    const bool chinese = std::all_of(text.begin(), text.end(), [](QChar c) { return c.script() == QChar::Script_Han; });
    return chinese ? int(text.size()) * kCharWidth : QFontMetrics(font).horizontalAdvance(text);
}

QColor columnColor(int col)
{
    if (col == 0)
        return kSundayRed;
    if (col == 6)
        return kSaturdayBlue;
    return kBlack;
}

// Texts are placed by their top-left corner, as the layout gives them.
void drawTextAt(QPainter& p, int x, int y, const QString& text, const QColor& color)
{
    p.setPen(color);
    p.drawText(QRect(x, y, 400, 16), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
}

// One line of the control's 3-D edges: light above and left, dark below and right.
void drawRing(QPainter& p, QRect r, const QColor& topLeft, const QColor& bottomRight)
{
    p.setPen(topLeft);
    p.drawLine(r.left(), r.top(), r.right(), r.top());
    p.drawLine(r.left(), r.top(), r.left(), r.bottom());
    p.setPen(bottomRight);
    p.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
    p.drawLine(r.right(), r.top(), r.right(), r.bottom());
}

} // namespace

QString weekdayName(int column, std::int16_t big)
{
    if (column < 0 || column > 6)
        return {};
    if (big == 0)
        return QCoreApplication::translate("Lundar1", kPlainWeekdays[std::size_t(column)]);
    const Disambiguated& name = kFormalWeekdays[std::size_t(column)];
    return QCoreApplication::translate("Lundar1", name.source, name.comment);
}

QColor Lundar1Private::color(std::uint32_t value) const
{
    return translateColor(value, q->palette());
}

bool Lundar1Private::valueHasLunarTexts() const
{
    static const QDate first(1900, 1, 1);
    const QDate date = m_value.date();
    if (!date.isValid())
        return false;
    return date > first || (date == first && m_value.time() > QTime(0, 0));
}

void Lundar1Private::ensureSurface()
{
    const qreal ratio = q->devicePixelRatioF();
    const QSize pixels = q->size() * ratio;
    if (m_surface.size() == pixels && qFuzzyCompare(m_surface.devicePixelRatio(), ratio))
        return;
    m_surface = QPixmap(pixels);
    m_surface.setDevicePixelRatio(ratio);
    m_surface.fill(q->palette().color(QPalette::Window));
}

void Lundar1::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    p.setClipRegion(event->region());
    p.drawPixmap(0, 0, d->m_surface);
    // The focus shows as a dotted frame inside the picked day.
    if (hasFocus() && d->m_selectedCell >= 0) {
        QStyleOptionFocusRect frame;
        frame.initFrom(this);
        frame.rect = d->m_layout.cellRect(d->m_selectedCell).adjusted(2, 2, -2, -2);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &p, this);
    }
}

void Lundar1::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    // System colours and the edges come from the palette.
    if (event->type() == QEvent::PaletteChange)
        d->repaintAll();
    // A host that loads its translations after creating the control.
    if (event->type() == QEvent::LanguageChange) {
        d->retranslate();
        d->repaintAll();
    }
}

void Lundar1::repaintAll()
{
    d->repaintAll();
}

void Lundar1Private::repaintAll()
{
    ensureSurface();
    DrawDayGrid();
    DrawWeekHeader();
    DrawBottomBar();
    DrawTitleBar();
    drawFrame();
}

void Lundar1Private::drawFrame()
{
    QPainter p(&m_surface);
    const QPalette& pal = q->palette();
    const QRect all(0, 0, q->width(), q->height());
    // raised outside, sunken inside: the bump edge
    drawRing(p, all, pal.color(QPalette::Midlight), pal.color(QPalette::Shadow));
    drawRing(p, all.adjusted(1, 1, -1, -1), pal.color(QPalette::Shadow), pal.color(QPalette::Midlight));
    p.setPen(kBlack);
    for (int y : {25, 45, 213})
        p.drawLine(1, y, q->width() - 3, y);
    q->update();
}

void Lundar1Private::DrawTitleBar()
{
    QPainter p(&m_surface);
    p.fillRect(m_layout.title(), color(m_titleBackColor));
    if (valueHasLunarTexts()) {
        const std::optional<lunar::DateTime> value = toLunarTime(m_value);
        const lunar::LunarDate lunarDate = value ? lunar::ToLunarDate(*value) : lunar::LunarDate{};
        if (lunarDate.ok()) {
            p.setFont(m_font);
            const QString text = lunarDateLine(lunarDate, false);
            drawTextAt(p, 6, 7, text, kBlack);
            // A title longer in another language pushes the animal on rather than under it.
            const int animalX = std::max(132, 6 + QFontMetrics(m_font).horizontalAdvance(text) + 2);
            drawTextAt(p, animalX, 7, lunarName(lunar::ZodiacAnimalOf(lunarDate.year)), kBlack);
        }
    }
    q->update(m_layout.title());
}

void Lundar1Private::DrawWeekHeader()
{
    QPainter p(&m_surface);
    p.fillRect(m_layout.week(), color(m_weekBackColor));
    p.setFont(m_font);
    for (int i = 0; i < 7; ++i) {
        const QString name = weekdayName(i, m_big);
        drawTextAt(p, m_layout.centredX(i, placedWidth(name, m_font)), 30, name, columnColor(i));
    }
    q->update(m_layout.week());
}

void Lundar1Private::DrawDayGrid()
{
    QPainter p(&m_surface);
    const Layout& l = m_layout;
    p.fillRect(l.grid(), color(m_dateBackColor));
    p.setPen(color(m_gridLinesColor));
    if (m_showHorizontalGrid) {
        for (int i = 1; i <= 5; ++i)
            p.drawLine(2, 45 + kRowHeight * i, l.width() - 3, 45 + kRowHeight * i);
    }
    if (m_showVerticalGrid) {
        for (int i = 1; i <= 6; ++i)
            p.drawLine(i * l.cellWidth() + 1, 45, i * l.cellWidth() + 1, kHeight - 23);
    }

    const QDate value = m_value.date();
    m_dayCells = fillDayGrid(value.year(), value.month());
    m_selectedCell = -1;
    const bool lunarTexts = valueHasLunarTexts();
    p.setFont(m_font);
    for (int i = 0; i < kCellCount; ++i) {
        const int day = m_dayCells[std::size_t(i)];
        if (day == 0)
            continue;
        const QRect cell = l.cellRect(i);
        if (day == value.day()) {
            m_selectedCell = i;
            p.fillRect(cell, color(m_selectColor));
        }
        const int digits = day < 10 ? 1 : 2;
        p.setFont(m_digitFont);
        drawTextAt(p, l.centredX(i % 7, digits * kDigitWidth), cell.top(), QString::number(day),
                   columnColor(i % 7));
        p.setFont(m_font);
        if (!lunarTexts)
            continue;
        const std::optional<lunar::Date> date = toLunarDate(QDate(value.year(), value.month(), day));
        const lunar::DayText under = date ? lunar::FestivalOrLunarDay(*date) : lunar::DayText{};
        if (under.text.empty())
            continue; // outside the calendar's years: the day number stands alone
        const QString text = lunarName(under.text);
        const int width = (text.size() == 2 ? 2 : 3) * kCharWidth;
        drawTextAt(p, l.centredX(i % 7, width), cell.top() + 13, text, under.festival ? kSundayRed : kBlack);
    }
    q->update(l.grid());
}

QStringList Lundar1::solarTermTexts(int year, int month)
{
    // The days of the month itself rather than the grid's cells, which still
    // show the month before when the bar is painted ahead of the grid.
    QStringList texts;
    const int days = lunar::DaysInMonth(year, month);
    for (int day = 1; day <= days && texts.size() < 2; ++day) {
        const std::optional<lunar::Date> date = toLunarDate(QDate(year, month, day));
        const std::string term = date ? lunar::SolarTermOn(*date) : std::string();
        if (!term.empty() && term != lunar::kNoSolarTerm)
            texts << QCoreApplication::translate("Lundar1", "%1：%2日").arg(lunarName(term)).arg(day);
    }
    return texts;
}

void Lundar1Private::DrawBottomBar()
{
    QPainter p(&m_surface);
    p.fillRect(m_layout.bottom(), color(m_bottomBackColor));
    if (valueHasLunarTexts()) {
        const QStringList texts = Lundar1::solarTermTexts(m_value.date().year(), m_value.date().month());
        p.setFont(m_font);
        drawTextAt(p, 8, 218, texts.value(0), kBlack);
        drawTextAt(p, halfToEven(m_layout.width()), 218, texts.value(1), kBlack);
    }
    q->update(m_layout.bottom());
}

} // namespace lundar
