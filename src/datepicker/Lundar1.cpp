#include "datepicker/Lundar1.h"

#include "datepicker/Lundar1Accessible.h"
#include "datepicker/Lundar1Private.h"
#include "datepicker/LunarBridge.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QResizeEvent>
#include <QTimer>

#include <algorithm>
#include <array>
#include <utility>

namespace lundar {

namespace {

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
class Lundar1Private::ValueChange {
public:
    explicit ValueChange(Lundar1Private& d) : m_d(d), m_before(d.m_value) { ++m_d.m_valueChangeDepth; }
    ~ValueChange()
    {
        if (--m_d.m_valueChangeDepth == 0 && !sameNaiveValue(m_before, m_d.m_value))
            emit m_d.q->ValueChanged(m_d.m_value);
    }
    ValueChange(const ValueChange&) = delete;
    ValueChange& operator=(const ValueChange&) = delete;

private:
    Lundar1Private& m_d;
    const QDateTime m_before;
};

std::function<QDate()>& Lundar1Private::todaySource()
{
    static std::function<QDate()> source;
    return source;
}

Lundar1Private::Lundar1Private(Lundar1* control)
    : q(control), m_layout(Layout::forWidth(kMinWidth)), m_font(Lundar1::textFont()), m_digitFont(Lundar1::digitFont())
{
}

Lundar1::Lundar1(QWidget* parent) : QWidget(parent), d(std::make_unique<Lundar1Private>(this))
{
    d->init();
    InitProperties();
}

void Lundar1Private::init()
{
    q->setObjectName(QStringLiteral("Lundar1"));
    installLundar1Accessibility();
    q->setAttribute(Qt::WA_OpaquePaintEvent);
    q->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    q->setFocusPolicy(Qt::StrongFocus);
    q->resize(kMinWidth, kHeight);

    // The lists lie under their strips and only show when dropped down.
    m_yearList = new QComboBox(q);
    m_yearList->setObjectName(QStringLiteral("yearList"));
    m_monthList = new QComboBox(q);
    m_monthList->setObjectName(QStringLiteral("monthList"));
    for (QComboBox* list : {m_yearList, m_monthList}) {
        list->setFont(m_font);
        list->setFocusPolicy(Qt::NoFocus);
    }
    retranslate();
    // Filled lists start with nothing selected, so the first selection by Value
    // counts as a change.
    m_yearList->setCurrentIndex(-1);
    m_monthList->setCurrentIndex(-1);
    QObject::connect(m_yearList, &QComboBox::currentIndexChanged, q, [this](int index) { onYearListChanged(index); });
    QObject::connect(m_monthList, &QComboBox::currentIndexChanged, q, [this](int index) { onMonthListChanged(index); });

    m_yearStrip = new SpinStrip(SpinStrip::Kind::Year, m_font, m_digitFont, q);
    m_monthStrip = new SpinStrip(SpinStrip::Kind::Month, m_font, m_digitFont, q);
    for (SpinStrip* strip : {m_yearStrip, m_monthStrip}) {
        QComboBox* list = strip == m_yearStrip ? m_yearList : m_monthList;
        QObject::connect(strip, &SpinStrip::spinPressed, q,
                         [this, strip](SpinStrip::Button b) { onSpinPressed(strip, b); });
        QObject::connect(strip, &SpinStrip::released, q, [this, strip] { onSpinReleased(strip); });
        QObject::connect(strip, &SpinStrip::dropDownRequested, list, &QComboBox::showPopup);
    }

    m_repeatTimer = new QTimer(q);
    m_repeatTimer->setObjectName(QStringLiteral("repeatTimer"));
    m_repeatTimer->setInterval(kRepeatIntervalMs);
    QObject::connect(m_repeatTimer, &QTimer::timeout, q, [this] { onRepeatTimer(); });

    relayout();
    drawFrame();
    m_yearStrip->drawFaces();
    m_monthStrip->drawFaces();
    const QDate now = Lundar1::today();
    m_yearStrip->setNumber(now.year());
    m_monthStrip->setNumber(now.month());
}

void Lundar1Private::retranslate()
{
    static constexpr std::array<const char*, 12> kMonthEntries = {
        QT_TRANSLATE_NOOP("Lundar1", "01月"), QT_TRANSLATE_NOOP("Lundar1", "02月"), QT_TRANSLATE_NOOP("Lundar1", "03月"),
        QT_TRANSLATE_NOOP("Lundar1", "04月"), QT_TRANSLATE_NOOP("Lundar1", "05月"), QT_TRANSLATE_NOOP("Lundar1", "06月"),
        QT_TRANSLATE_NOOP("Lundar1", "07月"), QT_TRANSLATE_NOOP("Lundar1", "08月"), QT_TRANSLATE_NOOP("Lundar1", "09月"),
        QT_TRANSLATE_NOOP("Lundar1", "10月"), QT_TRANSLATE_NOOP("Lundar1", "11月"), QT_TRANSLATE_NOOP("Lundar1", "12月")};
    // Rewriting an entry in place keeps the selection and raises no change.
    const auto put = [](QComboBox* list, int index, const QString& text) {
        if (index < list->count())
            list->setItemText(index, text);
        else
            list->addItem(text);
    };
    const QString yearEntry = QCoreApplication::translate("Lundar1", "%1年");
    for (int year = kFirstListYear; year <= kLastListYear; ++year)
        put(m_yearList, year - kFirstListYear, yearEntry.arg(year, 4, 10, QLatin1Char('0')));
    for (int month = 1; month <= 12; ++month)
        put(m_monthList, month - 1, QCoreApplication::translate("Lundar1", kMonthEntries[std::size_t(month - 1)]));
    if (m_monthStrip)
        m_monthStrip->setNumber(m_monthStrip->number());
}

Lundar1::~Lundar1() = default;

void Lundar1::setTodayFunction(std::function<QDate()> today)
{
    Lundar1Private::todaySource() = std::move(today);
}

QDate Lundar1::today()
{
    const std::function<QDate()>& source = Lundar1Private::todaySource();
    return source ? source() : QDate::currentDate();
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
    return QSize(d->m_layout.width(), kHeight);
}

QSize Lundar1::minimumSizeHint() const
{
    return QSize(kMinWidth, kHeight);
}

std::uint32_t Lundar1::BottomBackColor() const
{
    return d->m_bottomBackColor;
}

std::uint32_t Lundar1::DateBackColor() const
{
    return d->m_dateBackColor;
}

std::uint32_t Lundar1::GridLinesColor() const
{
    return d->m_gridLinesColor;
}

std::uint32_t Lundar1::SelectColor() const
{
    return d->m_selectColor;
}

bool Lundar1::ShowVerticalGrid() const
{
    return d->m_showVerticalGrid;
}

bool Lundar1::ShowHorizontalGrid() const
{
    return d->m_showHorizontalGrid;
}

std::uint32_t Lundar1::TitleBackColor() const
{
    return d->m_titleBackColor;
}

std::uint32_t Lundar1::WeekBackColor() const
{
    return d->m_weekBackColor;
}

QDateTime Lundar1::Value() const
{
    return d->m_value;
}

std::int16_t Lundar1::Big() const
{
    return d->m_big;
}

const DayCells& Lundar1::dayCells() const
{
    return d->m_dayCells;
}

int Lundar1::selectedCell() const
{
    return d->m_selectedCell;
}

Lundar1::SpinMode Lundar1::spinMode() const
{
    return d->m_spinMode;
}

bool Lundar1::dayClickPending() const
{
    return d->m_dayClickPending;
}

const Layout& Lundar1::layout() const
{
    return d->m_layout;
}

int Lundar1::yearLabel() const
{
    return d->m_yearStrip->number();
}

int Lundar1::monthLabel() const
{
    return d->m_monthStrip->number();
}

// ---------------------------------------------------------------------------
// Properties. Every setter stores, tells the container the key, and repaints
// the areas that show the property. The container's notice comes with every
// call, as it marks the control for saving; the NOTIFY signals only with a
// change, as Qt bindings expect.

void Lundar1::setBottomBackColor(std::uint32_t color)
{
    const bool changed = assign(d->m_bottomBackColor, color);
    emit PropertyChanged(QStringLiteral("BottomBackColor"));
    if (changed)
        emit BottomBackColorChanged();
    d->DrawBottomBar();
}

void Lundar1::setDateBackColor(std::uint32_t color)
{
    const bool changed = assign(d->m_dateBackColor, color);
    emit PropertyChanged(QStringLiteral("DateBackColor"));
    if (changed)
        emit DateBackColorChanged();
    d->DrawDayGrid();
}

void Lundar1::setGridLinesColor(std::uint32_t color)
{
    const bool changed = assign(d->m_gridLinesColor, color);
    emit PropertyChanged(QStringLiteral("GridLinesColor"));
    if (changed)
        emit GridLinesColorChanged();
    d->DrawDayGrid();
}

void Lundar1::setSelectColor(std::uint32_t color)
{
    const bool changed = assign(d->m_selectColor, color);
    emit PropertyChanged(QStringLiteral("SelectColor"));
    if (changed)
        emit SelectColorChanged();
    d->DrawDayGrid();
}

void Lundar1::setShowVerticalGrid(bool show)
{
    const bool changed = assign(d->m_showVerticalGrid, show);
    emit PropertyChanged(QStringLiteral("ShowVerticalGrid"));
    if (changed)
        emit ShowVerticalGridChanged();
    d->DrawDayGrid();
}

void Lundar1::setShowHorizontalGrid(bool show)
{
    const bool changed = assign(d->m_showHorizontalGrid, show);
    emit PropertyChanged(QStringLiteral("ShowHorizontalGrid"));
    if (changed)
        emit ShowHorizontalGridChanged();
    d->DrawDayGrid();
}

void Lundar1::setTitleBackColor(std::uint32_t color)
{
    const bool changed = assign(d->m_titleBackColor, color);
    emit PropertyChanged(QStringLiteral("TitleBackColor"));
    if (changed)
        emit TitleBackColorChanged();
    for (SpinStrip* strip : {d->m_yearStrip, d->m_monthStrip}) {
        strip->setBackColor(color);
        strip->drawFaces();
    }
    d->DrawTitleBar();
}

void Lundar1::setWeekBackColor(std::uint32_t color)
{
    const bool changed = assign(d->m_weekBackColor, color);
    emit PropertyChanged(QStringLiteral("WeekBackColor"));
    if (changed)
        emit WeekBackColorChanged();
    d->DrawWeekHeader();
}

void Lundar1::setValue(const QDateTime& value)
{
    const Lundar1Private::ValueChange change(*d);
    d->m_value = value;
    emit PropertyChanged(QStringLiteral("Value"));

    // Selecting an entry runs the list's own handling when the selection
    // changes, which stores Value again as a plain date of the same day.
    // The entries are found by position, as their texts follow the language.
    const QDate date = value.date();
    if (date.year() >= kFirstListYear && date.year() <= kLastListYear) {
        d->m_yearList->setCurrentIndex(date.year() - kFirstListYear);
        d->m_yearStrip->setNumber(date.year());
    }
    if (date.isValid()) {
        d->m_monthList->setCurrentIndex(date.month() - 1);
        d->m_monthStrip->setNumber(date.month());
    }
    d->DrawTitleBar();
    d->DrawBottomBar();
    d->DrawDayGrid();
}

void Lundar1::setBig(std::int16_t big)
{
    const bool changed = assign(d->m_big, big);
    emit PropertyChanged(QStringLiteral("Big"));
    if (changed)
        emit BigChanged();
    d->DrawTitleBar();
    d->DrawWeekHeader();
    d->DrawBottomBar();
    d->DrawDayGrid();
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
    bag.writeColor(QStringLiteral("BottomBackColor"), d->m_bottomBackColor, kDefaultBottomBackColor);
    bag.writeColor(QStringLiteral("DateBackColor"), d->m_dateBackColor, kDefaultDateBackColor);
    bag.writeColor(QStringLiteral("GridLinesColor"), d->m_gridLinesColor, kDefaultGridLinesColor);
    bag.writeColor(QStringLiteral("SelectColor"), d->m_selectColor, kDefaultSelectColor);
    bag.writeBool(QStringLiteral("ShowVerticalGrid"), d->m_showVerticalGrid, kDefaultShowVerticalGrid);
    bag.writeBool(QStringLiteral("ShowHorizontalGrid"), d->m_showHorizontalGrid, kDefaultShowHorizontalGrid);
    bag.writeColor(QStringLiteral("TitleBackColor"), d->m_titleBackColor, kDefaultTitleBackColor);
    bag.writeColor(QStringLiteral("WeekBackColor"), d->m_weekBackColor, kDefaultWeekBackColor);
    // The default of Value is the day of saving: a control saved on the day it
    // shows comes back showing the day it is loaded.
    bag.writeDateTime(QStringLiteral("Value"), d->m_value, naiveDateTime(today()));
    bag.writeInt16(QStringLiteral("Big"), d->m_big, kDefaultBig);
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
    return runQuery(&lunar::GetChineseDate, theDate, d->m_value);
}

QString Lundar1::GetChineseYear(const QDateTime& theDate) const
{
    return runQuery(&lunar::GetChineseYear, theDate, d->m_value);
}

QString Lundar1::GetChineseMonth(const QDateTime& theDate) const
{
    return runQuery(&lunar::GetChineseMonth, theDate, d->m_value);
}

QString Lundar1::GetChineseDay(const QDateTime& theDate) const
{
    return runQuery(&lunar::GetChineseDay, theDate, d->m_value);
}

QString Lundar1::GetChineseAnimal(const QDateTime& theDate) const
{
    return runQuery(&lunar::GetChineseAnimal, theDate, d->m_value);
}

QString Lundar1::GetConstellation(const QDateTime& theDate) const
{
    return runQuery(&lunar::GetConstellation, theDate, d->m_value);
}

// ---------------------------------------------------------------------------
// Interaction

void Lundar1Private::storeValue(int year, int month, int day)
{
    // The grid, lists and buttons change the date without telling the
    // container; only the property setter does.
    // A Value the host left invalid still yields a real date here.
    month = std::clamp(month, 1, 12);
    day = std::clamp(day, 1, std::max(1, lunar::DaysInMonth(year, month)));
    m_value = naiveDateTime(QDate(year, month, day));
}

void Lundar1Private::selectYearEntry(int year)
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
    d->relayout();
    d->repaintAll();
}

void Lundar1Private::relayout()
{
    m_layout = Layout::forWidth(q->width());
    m_yearList->setGeometry(m_layout.yearStripX(), kStripTop, kStripWidth, kStripHeight);
    m_monthList->setGeometry(m_layout.monthStripX(), kStripTop, kStripWidth, kStripHeight);
    m_yearStrip->move(m_layout.yearStripX(), kStripTop);
    m_monthStrip->move(m_layout.monthStripX(), kStripTop);
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
    d->m_pressedButton = event->button();
    d->m_dayClickPending = false;
    const QPointF pos = event->position();
    const int cell = d->m_layout.cellAt(pos.x(), pos.y());
    if (cell < 0 || d->m_dayCells[std::size_t(cell)] == 0)
        return;
    const Lundar1Private::ValueChange change(*d);
    const QDate date = d->m_value.date();
    d->storeValue(date.year(), date.month(), d->m_dayCells[std::size_t(cell)]);
    d->DrawTitleBar();
    d->DrawDayGrid();
    d->m_dayClickPending = true;
}

void Lundar1::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() != d->m_pressedButton)
        return;
    d->m_pressedButton = Qt::NoButton;
    if (d->m_dayClickPending && rect().contains(event->position().toPoint())) {
        d->m_dayClickPending = false;
        emit Click();
    }
}

// The second press of a double-click continues the first click rather than
// picking again, so a double-click on a day is one pick and one Click.
void Lundar1::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
    if (!(event->buttons() & ~event->button()))
        d->m_pressedButton = event->button();
    d->m_dayClickPending = false;
}

void Lundar1Private::goTo(QDate date)
{
    date = std::clamp(date, QDate(kFirstListYear, 1, 1), QDate(kLastListYear, 12, 31));
    const ValueChange change(*this);
    storeValue(date.year(), date.month(), date.day());
    m_yearStrip->setNumber(date.year());
    m_monthStrip->setNumber(date.month());
    // The lists' own handlers store the same day again.
    selectYearEntry(date.year());
    m_monthList->setCurrentIndex(date.month() - 1);
    DrawTitleBar();
    DrawDayGrid();
    DrawBottomBar();
}

// The keys move the picked day as the mouse would pick it: by a day, a week,
// a month (the day kept where the month has it), or to the month's ends.
// Enter passes the pick on as Click, once per key press.
void Lundar1::keyPressEvent(QKeyEvent* event)
{
    const QDate date = d->m_value.date().isValid() ? d->m_value.date() : today();
    QDate target;
    switch (event->key()) {
    case Qt::Key_Left: target = date.addDays(-1); break;
    case Qt::Key_Right: target = date.addDays(1); break;
    case Qt::Key_Up: target = date.addDays(-7); break;
    case Qt::Key_Down: target = date.addDays(7); break;
    // With Shift a whole year, as the year list would step.
    case Qt::Key_PageUp: target = date.addMonths(event->modifiers() & Qt::ShiftModifier ? -12 : -1); break;
    case Qt::Key_PageDown: target = date.addMonths(event->modifiers() & Qt::ShiftModifier ? 12 : 1); break;
    case Qt::Key_Home: target = QDate(date.year(), date.month(), 1); break;
    case Qt::Key_End: target = QDate(date.year(), date.month(), date.daysInMonth()); break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        if (!event->isAutoRepeat())
            emit Click();
        return;
    default: QWidget::keyPressEvent(event); return;
    }
    event->accept();
    d->goTo(target);
    announcePickedDay(this);
}

void Lundar1::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    update();
}

void Lundar1::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
}

void Lundar1Private::onSpinPressed(SpinStrip* strip, SpinStrip::Button button)
{
    using Mode = Lundar1::SpinMode;
    const bool back = button == SpinStrip::Button::Back;
    if (strip == m_yearStrip)
        m_spinMode = back ? Mode::YearBack : Mode::YearForward;
    else
        m_spinMode = back ? Mode::MonthBack : Mode::MonthForward;
    // The first step comes with the first tick: a press shorter than the
    // interval changes nothing.
    m_repeatTimer->start();
}

void Lundar1Private::onSpinReleased(SpinStrip* strip)
{
    m_repeatTimer->stop();
    m_spinMode = Lundar1::SpinMode::None;
    strip->drawFaces();
}

void Lundar1Private::onRepeatTimer()
{
    using Mode = Lundar1::SpinMode;
    const ValueChange change(*this);
    const int day = m_value.date().day();
    if (m_spinMode == Mode::YearBack || m_spinMode == Mode::YearForward) {
        int year = m_yearStrip->number();
        if (m_spinMode == Mode::YearBack) {
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
    } else if (m_spinMode == Mode::MonthBack || m_spinMode == Mode::MonthForward) {
        int year = m_yearStrip->number();
        int month = m_monthStrip->number();
        const int startYear = year;
        if (m_spinMode == Mode::MonthBack) {
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

void Lundar1Private::onYearListChanged(int index)
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

void Lundar1Private::onMonthListChanged(int index)
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
