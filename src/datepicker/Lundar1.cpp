#include "datepicker/Lundar1.h"

#include "datepicker/LunarBridge.h"
#include "datepicker/SpinStrip.h"

#include <QComboBox>
#include <QMouseEvent>
#include <QResizeEvent>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace lundar {

namespace {

std::function<QDate()>& todaySource()
{
    static std::function<QDate()> source;
    return source;
}

// The control's dates are naive calendar dates with a time of day. They are
// built in UTC so that no local clock change can move or refuse a midnight.
QDateTime naiveDateTime(QDate date)
{
    return QDateTime(date, QTime(0, 0), Qt::UTC);
}

using Query = std::optional<std::string> (*)(lunar::DateTime, lunar::DateTime);

QString runQuery(Query query, const QDateTime& theDate, const QDateTime& value)
{
    // A Value that std::chrono cannot hold stands in as a day outside the
    // calendar's domain, so the module gives its error result for it.
    const lunar::DateTime unanswerable =
        std::chrono::local_days{std::chrono::year{1} / std::chrono::January / 1};
    const lunar::DateTime v = toLunarTime(value).value_or(unanswerable);
    // An unrepresentable theDate is out of range like any other and falls back.
    const std::optional<std::string> text = query(toLunarTime(theDate).value_or(v), v);
    return text ? fromUtf8(*text) : QString();
}

constexpr int kRepeatIntervalMs = 100;

// The control's dates are naive: two values are the same when they show the
// same day and time of day, whatever time zone or offset they carry.
bool sameNaiveValue(const QDateTime& a, const QDateTime& b)
{
    return a.date() == b.date() && a.time() == b.time();
}

// Stores value in field; true when that changed it.
template <typename T>
bool assign(T& field, T value)
{
    if (field == value)
        return false;
    field = value;
    return true;
}

} // namespace

// Every path that can move Value runs inside one of these. A list selection
// made by the setter or a spin step stores Value again on the way, so the
// scopes nest; only the outermost compares the date with the one it started
// from and tells the host, once the control shows the new date.
class Lundar1::ValueChange {
public:
    explicit ValueChange(Lundar1& control) : m_control(control), m_before(control.m_value)
    {
        ++m_control.m_valueChangeDepth;
    }
    ~ValueChange()
    {
        if (--m_control.m_valueChangeDepth == 0 && !sameNaiveValue(m_before, m_control.m_value))
            emit m_control.ValueChanged(m_control.m_value);
    }
    ValueChange(const ValueChange&) = delete;
    ValueChange& operator=(const ValueChange&) = delete;

private:
    Lundar1& m_control;
    const QDateTime m_before;
};

Lundar1::Lundar1(QWidget* parent) : QWidget(parent), m_font(textFont()), m_digitFont(digitFont())
{
    setObjectName(QStringLiteral("Lundar1"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    resize(kMinWidth, kHeight);
    m_layout = Layout::forWidth(kMinWidth);

    // The lists lie under their strips and only show when dropped down.
    m_yearList = new QComboBox(this);
    m_yearList->setObjectName(QStringLiteral("yearList"));
    m_monthList = new QComboBox(this);
    m_monthList->setObjectName(QStringLiteral("monthList"));
    for (QComboBox* list : {m_yearList, m_monthList}) {
        list->setFont(m_font);
        list->setFocusPolicy(Qt::NoFocus);
    }
    for (int year = kFirstListYear; year <= kLastListYear; ++year)
        m_yearList->addItem(QStringLiteral("%1年").arg(year, 4, 10, QLatin1Char('0')));
    for (int month = 1; month <= 12; ++month)
        m_monthList->addItem(QStringLiteral("%1月").arg(month, 2, 10, QLatin1Char('0')));
    // Filled lists start with nothing selected, so the first selection by Value
    // counts as a change.
    m_yearList->setCurrentIndex(-1);
    m_monthList->setCurrentIndex(-1);
    connect(m_yearList, &QComboBox::currentIndexChanged, this, &Lundar1::onYearListChanged);
    connect(m_monthList, &QComboBox::currentIndexChanged, this, &Lundar1::onMonthListChanged);

    m_yearStrip = new SpinStrip(SpinStrip::Kind::Year, m_font, m_digitFont, this);
    m_monthStrip = new SpinStrip(SpinStrip::Kind::Month, m_font, m_digitFont, this);
    for (SpinStrip* strip : {m_yearStrip, m_monthStrip}) {
        QComboBox* list = strip == m_yearStrip ? m_yearList : m_monthList;
        connect(strip, &SpinStrip::spinPressed, this,
                [this, strip](SpinStrip::Button b) { onSpinPressed(strip, int(b)); });
        connect(strip, &SpinStrip::released, this, [this, strip] { onSpinReleased(strip); });
        connect(strip, &SpinStrip::dropDownRequested, list, &QComboBox::showPopup);
    }

    m_repeatTimer = new QTimer(this);
    m_repeatTimer->setObjectName(QStringLiteral("repeatTimer"));
    m_repeatTimer->setInterval(kRepeatIntervalMs);
    connect(m_repeatTimer, &QTimer::timeout, this, &Lundar1::onRepeatTimer);

    relayout();
    drawFrame();
    m_yearStrip->drawFaces();
    m_monthStrip->drawFaces();
    const QDate now = today();
    m_yearStrip->setNumber(now.year());
    m_monthStrip->setNumber(now.month());

    InitProperties();
}

Lundar1::~Lundar1() = default;

void Lundar1::setTodayFunction(std::function<QDate()> today)
{
    todaySource() = std::move(today);
}

QDate Lundar1::today()
{
    return todaySource() ? todaySource()() : QDate::currentDate();
}

QFont Lundar1::textFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC"),
                      QStringLiteral("Droid Sans Fallback")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(12);
    return font;
}

QFont Lundar1::digitFont()
{
    QFont font = textFont();
    font.setPixelSize(11);
    return font;
}

QSize Lundar1::sizeHint() const
{
    return QSize(m_layout.width, kHeight);
}

QSize Lundar1::minimumSizeHint() const
{
    return QSize(kMinWidth, kHeight);
}

int Lundar1::yearLabel() const
{
    return m_yearStrip->number();
}

int Lundar1::monthLabel() const
{
    return m_monthStrip->number();
}

// ---------------------------------------------------------------------------
// Properties. Every setter stores, tells the container the key, and repaints
// the areas that show the property. The container's notice comes with every
// call, as it marks the control for saving; the NOTIFY signals only with a
// change, as Qt bindings expect.

void Lundar1::setBottomBackColor(std::uint32_t color)
{
    const bool changed = assign(m_bottomBackColor, color);
    emit PropertyChanged(QStringLiteral("BottomBackColor"));
    if (changed)
        emit BottomBackColorChanged();
    DrawBottomBar();
}

void Lundar1::setDateBackColor(std::uint32_t color)
{
    const bool changed = assign(m_dateBackColor, color);
    emit PropertyChanged(QStringLiteral("DateBackColor"));
    if (changed)
        emit DateBackColorChanged();
    DrawDayGrid();
}

void Lundar1::setGridLinesColor(std::uint32_t color)
{
    const bool changed = assign(m_gridLinesColor, color);
    emit PropertyChanged(QStringLiteral("GridLinesColor"));
    if (changed)
        emit GridLinesColorChanged();
    DrawDayGrid();
}

void Lundar1::setSelectColor(std::uint32_t color)
{
    const bool changed = assign(m_selectColor, color);
    emit PropertyChanged(QStringLiteral("SelectColor"));
    if (changed)
        emit SelectColorChanged();
    DrawDayGrid();
}

void Lundar1::setShowVerticalGrid(bool show)
{
    const bool changed = assign(m_showVerticalGrid, show);
    emit PropertyChanged(QStringLiteral("ShowVerticalGrid"));
    if (changed)
        emit ShowVerticalGridChanged();
    DrawDayGrid();
}

void Lundar1::setShowHorizontalGrid(bool show)
{
    const bool changed = assign(m_showHorizontalGrid, show);
    emit PropertyChanged(QStringLiteral("ShowHorizontalGrid"));
    if (changed)
        emit ShowHorizontalGridChanged();
    DrawDayGrid();
}

void Lundar1::setTitleBackColor(std::uint32_t color)
{
    const bool changed = assign(m_titleBackColor, color);
    emit PropertyChanged(QStringLiteral("TitleBackColor"));
    if (changed)
        emit TitleBackColorChanged();
    for (SpinStrip* strip : {m_yearStrip, m_monthStrip}) {
        strip->setBackColor(color);
        strip->drawFaces();
    }
    DrawTitleBar();
}

void Lundar1::setWeekBackColor(std::uint32_t color)
{
    const bool changed = assign(m_weekBackColor, color);
    emit PropertyChanged(QStringLiteral("WeekBackColor"));
    if (changed)
        emit WeekBackColorChanged();
    DrawWeekHeader();
}

void Lundar1::setValue(const QDateTime& value)
{
    const ValueChange change(*this);
    m_value = value;
    emit PropertyChanged(QStringLiteral("Value"));

    // Selecting an entry runs the list's own handling when the selection
    // changes, which stores Value again as a plain date of the same day.
    const QDate date = value.date();
    const QString yearText = QString::number(date.year());
    for (int i = 0; i < m_yearList->count(); ++i) {
        if (m_yearList->itemText(i).left(4) == yearText) {
            m_yearList->setCurrentIndex(i);
            m_yearStrip->setNumber(date.year());
            break;
        }
    }
    for (int i = 0; i < m_monthList->count(); ++i) {
        if (m_monthList->itemText(i).left(2).toInt() == date.month()) {
            m_monthList->setCurrentIndex(i);
            m_monthStrip->setNumber(i + 1);
            break;
        }
    }
    DrawTitleBar();
    DrawBottomBar();
    DrawDayGrid();
}

void Lundar1::setBig(std::int16_t big)
{
    const bool changed = assign(m_big, big);
    emit PropertyChanged(QStringLiteral("Big"));
    if (changed)
        emit BigChanged();
    DrawTitleBar();
    DrawWeekHeader();
    DrawBottomBar();
    DrawDayGrid();
}

// ---------------------------------------------------------------------------
// Persistence

void Lundar1::InitProperties()
{
    setBottomBackColor(kDefaultBottomBackColor);
    setDateBackColor(kDefaultDateBackColor);
    setGridLinesColor(kDefaultGridLinesColor);
    setSelectColor(kDefaultSelectColor);
    setShowVerticalGrid(kDefaultShowVerticalGrid);
    setShowHorizontalGrid(kDefaultShowHorizontalGrid);
    setTitleBackColor(kDefaultTitleBackColor);
    setWeekBackColor(kDefaultWeekBackColor);
    setValue(naiveDateTime(today()));
    setBig(kDefaultBig);
}

void Lundar1::ReadProperties(const PropertyBag& bag)
{
    setBottomBackColor(bag.readColor(QStringLiteral("BottomBackColor"), kDefaultBottomBackColor));
    setDateBackColor(bag.readColor(QStringLiteral("DateBackColor"), kDefaultDateBackColor));
    setGridLinesColor(bag.readColor(QStringLiteral("GridLinesColor"), kDefaultGridLinesColor));
    setSelectColor(bag.readColor(QStringLiteral("SelectColor"), kDefaultSelectColor));
    setShowVerticalGrid(bag.readBool(QStringLiteral("ShowVerticalGrid"), kDefaultShowVerticalGrid));
    setShowHorizontalGrid(bag.readBool(QStringLiteral("ShowHorizontalGrid"), kDefaultShowHorizontalGrid));
    setTitleBackColor(bag.readColor(QStringLiteral("TitleBackColor"), kDefaultTitleBackColor));
    setWeekBackColor(bag.readColor(QStringLiteral("WeekBackColor"), kDefaultWeekBackColor));
    setValue(bag.readDateTime(QStringLiteral("Value"), naiveDateTime(today())));
    setBig(bag.readInt16(QStringLiteral("Big"), kDefaultBig));
}

void Lundar1::WriteProperties(PropertyBag& bag) const
{
    bag.writeColor(QStringLiteral("BottomBackColor"), m_bottomBackColor, kDefaultBottomBackColor);
    bag.writeColor(QStringLiteral("DateBackColor"), m_dateBackColor, kDefaultDateBackColor);
    bag.writeColor(QStringLiteral("GridLinesColor"), m_gridLinesColor, kDefaultGridLinesColor);
    bag.writeColor(QStringLiteral("SelectColor"), m_selectColor, kDefaultSelectColor);
    bag.writeBool(QStringLiteral("ShowVerticalGrid"), m_showVerticalGrid, kDefaultShowVerticalGrid);
    bag.writeBool(QStringLiteral("ShowHorizontalGrid"), m_showHorizontalGrid, kDefaultShowHorizontalGrid);
    bag.writeColor(QStringLiteral("TitleBackColor"), m_titleBackColor, kDefaultTitleBackColor);
    bag.writeColor(QStringLiteral("WeekBackColor"), m_weekBackColor, kDefaultWeekBackColor);
    // The default of Value is the day of saving: a control saved on the day it
    // shows comes back showing the day it is loaded.
    bag.writeDateTime(QStringLiteral("Value"), m_value, naiveDateTime(today()));
    bag.writeInt16(QStringLiteral("Big"), m_big, kDefaultBig);
}

void Lundar1::ReadPropertyMap(const QVariantMap& bag)
{
    ReadProperties(PropertyBag(bag));
}

QVariantMap Lundar1::WritePropertyMap() const
{
    PropertyBag bag;
    WriteProperties(bag);
    return bag.toMap();
}

// ---------------------------------------------------------------------------
// Queries

QString Lundar1::GetChineseDate(const QDateTime& theDate) const
{
    return runQuery(&lunar::GetChineseDate, theDate, m_value);
}

QString Lundar1::GetChineseYear(const QDateTime& theDate) const
{
    return runQuery(&lunar::GetChineseYear, theDate, m_value);
}

QString Lundar1::GetChineseMonth(const QDateTime& theDate) const
{
    return runQuery(&lunar::GetChineseMonth, theDate, m_value);
}

QString Lundar1::GetChineseDay(const QDateTime& theDate) const
{
    return runQuery(&lunar::GetChineseDay, theDate, m_value);
}

QString Lundar1::GetChineseAnimal(const QDateTime& theDate) const
{
    return runQuery(&lunar::GetChineseAnimal, theDate, m_value);
}

QString Lundar1::GetConstellation(const QDateTime& theDate) const
{
    return runQuery(&lunar::GetConstellation, theDate, m_value);
}

// ---------------------------------------------------------------------------
// Interaction

void Lundar1::storeValue(int year, int month, int day)
{
    // The grid, lists and buttons change the date without telling the
    // container; only the property setter does.
    // A Value the host left invalid still yields a real date here.
    month = std::clamp(month, 1, 12);
    day = std::clamp(day, 1, std::max(1, lunar::DaysInMonth(year, month)));
    m_value = naiveDateTime(QDate(year, month, day));
}

void Lundar1::selectYearEntry(int year)
{
    if (year >= kFirstListYear && year <= kLastListYear)
        m_yearList->setCurrentIndex(year - kFirstListYear);
}

void Lundar1::resizeEvent(QResizeEvent*)
{
    const QSize snapped = snapSize(size());
    if (snapped != size()) {
        resize(snapped);
        // A visible widget has just been through this handler with the new size.
        if (isVisible() && size() == snapped)
            return;
    }
    relayout();
    repaintAll();
}

void Lundar1::relayout()
{
    m_layout = Layout::forWidth(width());
    m_yearList->setGeometry(m_layout.yearStripX, kStripTop, kStripWidth, kStripHeight);
    m_monthList->setGeometry(m_layout.monthStripX, kStripTop, kStripWidth, kStripHeight);
    m_yearStrip->move(m_layout.yearStripX, kStripTop);
    m_monthStrip->move(m_layout.monthStripX, kStripTop);
    m_yearStrip->raise();
    m_monthStrip->raise();
    ensureSurface();
}

// A press with any button picks the day under it. The click that the press
// begins passes the pick on as Click when it completes on the control; a press
// anywhere else is the next click too, and it ends a pick whose click was
// dragged off the control, so the title, the header and an empty cell never
// raise Click.
void Lundar1::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    if (event->buttons() & ~event->button())
        return; // a second button during a click belongs to that click
    m_pressedButton = event->button();
    m_dayClickPending = false;
    const QPointF pos = event->position();
    const int cell = m_layout.cellAt(pos.x(), pos.y());
    if (cell < 0 || m_dayCells[std::size_t(cell)] == 0)
        return;
    const ValueChange change(*this);
    const QDate date = m_value.date();
    storeValue(date.year(), date.month(), m_dayCells[std::size_t(cell)]);
    DrawTitleBar();
    DrawDayGrid();
    m_dayClickPending = true;
}

void Lundar1::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() != m_pressedButton)
        return;
    m_pressedButton = Qt::NoButton;
    if (m_dayClickPending && rect().contains(event->position().toPoint())) {
        m_dayClickPending = false;
        emit Click();
    }
}

// The second press of a double-click continues the first click rather than
// picking again, so a double-click on a day is one pick and one Click.
void Lundar1::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
    if (!(event->buttons() & ~event->button()))
        m_pressedButton = event->button();
    m_dayClickPending = false;
}

void Lundar1::onSpinPressed(SpinStrip* strip, int button)
{
    const bool back = button == int(SpinStrip::Button::Back);
    if (strip == m_yearStrip)
        m_spinMode = back ? SpinMode::YearBack : SpinMode::YearForward;
    else
        m_spinMode = back ? SpinMode::MonthBack : SpinMode::MonthForward;
    // The first step comes with the first tick: a press shorter than the
    // interval changes nothing.
    m_repeatTimer->start();
}

void Lundar1::onSpinReleased(SpinStrip* strip)
{
    m_repeatTimer->stop();
    m_spinMode = SpinMode::None;
    strip->drawFaces();
}

void Lundar1::onRepeatTimer()
{
    const ValueChange change(*this);
    const int day = m_value.date().day();
    if (m_spinMode == SpinMode::YearBack || m_spinMode == SpinMode::YearForward) {
        int year = m_yearStrip->number();
        if (m_spinMode == SpinMode::YearBack) {
            if (year <= kFirstListYear) {
                m_repeatTimer->stop();
                year = kFirstListYear;
            } else {
                --year;
            }
        } else if (++year > kLastListYear) {
            m_repeatTimer->stop();
            year = kLastListYear;
        }
        m_yearStrip->setNumber(year);
        selectYearEntry(year);
        storeValue(year, m_monthStrip->number(), day);
    } else if (m_spinMode == SpinMode::MonthBack || m_spinMode == SpinMode::MonthForward) {
        int year = m_yearStrip->number();
        int month = m_monthStrip->number();
        const int startYear = year;
        if (m_spinMode == SpinMode::MonthBack) {
            if (month <= 1 && year > kFirstListYear) {
                --year;
                month = 12;
            } else if (month <= 1) {
                month = 1;
            } else {
                --month;
            }
            if (year == kFirstListYear && month == 1)
                m_repeatTimer->stop();
        } else {
            if (month >= 12 && year < kLastListYear) {
                ++year;
                month = 1;
            } else if (month >= 12) {
                month = 12;
            } else {
                ++month;
            }
            if (year == kLastListYear && month == 12)
                m_repeatTimer->stop();
        }
        m_yearStrip->setNumber(year);
        m_monthStrip->setNumber(month);
        storeValue(year, month, day);
        if (year != startYear)
            selectYearEntry(year);
        m_monthList->setCurrentIndex(month - 1);
    }
}

void Lundar1::onYearListChanged(int index)
{
    if (index < 0)
        return;
    const ValueChange change(*this);
    const QDate date = m_value.date();
    const int year = kFirstListYear + index;
    storeValue(year, date.month(), date.day());
    m_yearStrip->setNumber(year);
    DrawTitleBar();
    DrawDayGrid();
    DrawBottomBar();
}

void Lundar1::onMonthListChanged(int index)
{
    if (index < 0)
        return;
    const ValueChange change(*this);
    const QDate date = m_value.date();
    const int month = index + 1;
    storeValue(date.year(), month, date.day());
    m_yearStrip->setNumber(date.year());
    m_monthStrip->setNumber(month);
    DrawTitleBar();
    DrawDayGrid();
    DrawBottomBar();
}

} // namespace lundar
