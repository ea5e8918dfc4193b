#include "datepicker/SpinStrip.h"

#include "datepicker/ColorTranslation.h"
#include "datepicker/MonthGrid.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <array>

namespace lundar {

ClickLabel::ClickLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {}

void ClickLabel::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click)
        emit clicked();
}

namespace {

// The glyphs are small solid triangles, 7 pixels across the base and 4 deep,
// centred in their button.
QPainterPath triangle(SpinStrip::Button button, QRectF r)
{
    const QPointF c = r.center();
    QPainterPath path;
    switch (button) {
    case SpinStrip::Button::Back:
        path.moveTo(c.x() - 2, c.y());
        path.lineTo(c.x() + 2, c.y() - 4);
        path.lineTo(c.x() + 2, c.y() + 4);
        break;
    case SpinStrip::Button::Forward:
        path.moveTo(c.x() + 2, c.y());
        path.lineTo(c.x() - 2, c.y() - 4);
        path.lineTo(c.x() - 2, c.y() + 4);
        break;
    case SpinStrip::Button::DropDown:
        path.moveTo(c.x(), c.y() + 2);
        path.lineTo(c.x() - 4, c.y() - 2);
        path.lineTo(c.x() + 4, c.y() - 2);
        break;
    case SpinStrip::Button::None:
        break;
    }
    path.closeSubpath();
    return path;
}

} // namespace

SpinStrip::SpinStrip(Kind kind, const QFont& textFont, const QFont& digitFont, QWidget* parent) : QWidget(parent), m_kind(kind)
{
    setFixedSize(kStripWidth, kStripHeight);
    setObjectName(kind == Kind::Year ? QStringLiteral("yearStrip") : QStringLiteral("monthStrip"));
    m_numberLabel = new ClickLabel(QString(), this);
    m_numberLabel->setFont(digitFont);
    if (kind == Kind::Year) {
        m_numberLabel->setObjectName(QStringLiteral("yearLabel"));
        // The whole gap between the two buttons, centred: on a scaled screen
        // the digits come out a little wider than the layout's 6 pixels and
        // would touch the forward button when set from the left.
        m_numberLabel->setGeometry(13, 4, 38 - 13, 12);
        m_numberLabel->setAlignment(Qt::AlignCenter);
        // Four digits fill the gap all but exactly; set a little closer they
        // keep a pixel from each button.
        QFont closer = digitFont;
        closer.setLetterSpacing(QFont::AbsoluteSpacing, -0.5);
        m_numberLabel->setFont(closer);
    } else {
        // setNumber places the number and its unit, as the caption decides.
        m_numberLabel->setObjectName(QStringLiteral("monthLabel"));
        m_unitLabel = new ClickLabel(QString(), this);
        m_unitLabel->setObjectName(QStringLiteral("monthUnitLabel"));
        m_unitLabel->setFont(textFont);
        m_unitLabel->setGeometry(26, 4, kCharWidth, 12);
        m_unitLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        connect(m_unitLabel, &ClickLabel::clicked, this, &SpinStrip::dropDownRequested);
    }
    connect(m_numberLabel, &ClickLabel::clicked, this, &SpinStrip::dropDownRequested);
}

SpinStrip::Button SpinStrip::buttonAt(QPointF pos)
{
    const double x = pos.x();
    const double y = pos.y();
    if (!(y > 2 && y < 19))
        return Button::None;
    if (x > 1 && x < 13)
        return Button::Back;
    if (x > 38 && x < 50)
        return Button::Forward;
    if (x > 50 && x < 62)
        return Button::DropDown;
    return Button::None;
}

QRect SpinStrip::buttonRect(Button button)
{
    switch (button) {
    case Button::Back:
        return QRect(QPoint(1, 2), QPoint(12, 18));
    case Button::Forward:
        return QRect(QPoint(38, 2), QPoint(49, 18));
    case Button::DropDown:
        return QRect(QPoint(50, 2), QPoint(61, 18));
    case Button::None:
        break;
    }
    return {};
}

void SpinStrip::setNumber(int number)
{
    m_number = number;
    const QString digits = QString::number(number);
    if (m_kind == Kind::Year) {
        m_numberLabel->setText(digits);
        return;
    }
    static constexpr std::array<const char*, 12> kCaptions = {
        QT_TRANSLATE_NOOP("SpinStrip", "1月"), QT_TRANSLATE_NOOP("SpinStrip", "2月"),
        QT_TRANSLATE_NOOP("SpinStrip", "3月"), QT_TRANSLATE_NOOP("SpinStrip", "4月"),
        QT_TRANSLATE_NOOP("SpinStrip", "5月"), QT_TRANSLATE_NOOP("SpinStrip", "6月"),
        QT_TRANSLATE_NOOP("SpinStrip", "7月"), QT_TRANSLATE_NOOP("SpinStrip", "8月"),
        QT_TRANSLATE_NOOP("SpinStrip", "9月"), QT_TRANSLATE_NOOP("SpinStrip", "10月"),
        QT_TRANSLATE_NOOP("SpinStrip", "11月"), QT_TRANSLATE_NOOP("SpinStrip", "12月")};
    const QString caption = number >= 1 && number <= 12
        ? QCoreApplication::translate("SpinStrip", kCaptions[std::size_t(number - 1)])
        : digits;
    // A caption that starts with the number keeps the digits and the unit in
    // their own fonts and places, the digits right-aligned against the unit so
    // that 10–12 fit; any other (a month's name) fills the gap between the buttons.
    const bool split = caption.startsWith(digits);
    m_numberLabel->setGeometry(split ? QRect(14, 4, 2 * kDigitWidth, 12) : QRect(13, 4, 38 - 13, 12));
    m_numberLabel->setAlignment(split ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignCenter);
    m_numberLabel->setText(split ? digits : caption);
    m_unitLabel->setText(split ? caption.mid(digits.size()) : QString());
}

void SpinStrip::setBackColor(std::uint32_t color)
{
    m_backColor = color;
    update();
}

void SpinStrip::drawFaces()
{
    m_pressed = Button::None;
    update();
}

void SpinStrip::drawPressed(Button button)
{
    if (button == Button::Back || button == Button::Forward) {
        m_pressed = button;
        update();
    }
}

void SpinStrip::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QPalette& pal = palette();
    p.fillRect(rect(), translateColor(m_backColor, pal));
    for (Button b : {Button::Back, Button::Forward, Button::DropDown}) {
        const QRect r = buttonRect(b);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.fillPath(triangle(b, QRectF(r).adjusted(0, 0, 1, 1)), pal.color(QPalette::ButtonText));
        p.setRenderHint(QPainter::Antialiasing, false);
        if (b == m_pressed) {
            // sunken: shadow above and left, highlight below and right
            p.setPen(pal.color(QPalette::Dark));
            p.drawLine(r.topLeft(), r.topRight());
            p.drawLine(r.topLeft(), r.bottomLeft());
            p.setPen(pal.color(QPalette::Light));
            p.drawLine(r.bottomLeft(), r.bottomRight());
            p.drawLine(r.topRight(), r.bottomRight());
        } else {
            // raised and flat: a single frame in the shadow colour
            p.setPen(pal.color(QPalette::Dark));
            p.setBrush(Qt::NoBrush);
            p.drawRect(r.adjusted(0, 0, -1, -1)); // the stroke adds a pixel to the size
        }
    }
}

void SpinStrip::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    const Button b = buttonAt(event->position());
    if (b == Button::Back || b == Button::Forward) {
        drawPressed(b);
        emit spinPressed(b);
    } else if (b == Button::DropDown) {
        emit dropDownRequested();
    }
}

void SpinStrip::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    drawFaces();
    emit released();
}

} // namespace lundar
