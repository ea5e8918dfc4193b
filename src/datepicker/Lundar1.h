#pragma once
// Lundar1: the lunar-calendar date picker. A title bar with the lunar date and
// the year and month spin strips, a weekday header, a month grid with the day
// numbers and their lunar days or festivals, and a bottom bar with the month's
// two solar terms. The control paints onto a surface of its own, area by area,
// so that each property repaints only what depends on it; the calendar
// arithmetic lives in the lunar module and in MonthGrid.

// Installed headers sit side by side, so they name each other without a folder.
#include "MonthGrid.h"
#include "PropertyBag.h"
#include "lundar_export.h"

#include <QDateTime>
#include <QFont>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>

namespace lundar {

class Lundar1Private;

// Property defaults, colours in the 0x00BBGGRR layout.
inline constexpr std::uint32_t kDefaultBottomBackColor = 0xC0C0C0; // silver
inline constexpr std::uint32_t kDefaultDateBackColor = 0xE0E0E0;   // light grey
inline constexpr std::uint32_t kDefaultGridLinesColor = 0x800000;  // navy
inline constexpr std::uint32_t kDefaultSelectColor = 0xFFC0C0;     // light blue
inline constexpr bool kDefaultShowVerticalGrid = true;
inline constexpr bool kDefaultShowHorizontalGrid = true;
inline constexpr std::uint32_t kDefaultTitleBackColor = 0xC0C0C0;  // silver
inline constexpr std::uint32_t kDefaultWeekBackColor = 0xFFFFC0;   // light cyan
inline constexpr std::int16_t kDefaultBig = 0;

// The years the year list offers and the spin buttons stay within.
inline constexpr int kFirstListYear = 1901;
inline constexpr int kLastListYear = 2100;

// Every state of the control lives in Lundar1Private, so that liblundar.so.1
// can change inside without breaking the programs built against it.
class LUNDAR_EXPORT Lundar1 : public QWidget {
    Q_OBJECT
    Q_PROPERTY(quint32 BottomBackColor READ BottomBackColor WRITE setBottomBackColor NOTIFY BottomBackColorChanged)
    Q_PROPERTY(quint32 DateBackColor READ DateBackColor WRITE setDateBackColor NOTIFY DateBackColorChanged)
    Q_PROPERTY(quint32 GridLinesColor READ GridLinesColor WRITE setGridLinesColor NOTIFY GridLinesColorChanged)
    Q_PROPERTY(quint32 SelectColor READ SelectColor WRITE setSelectColor NOTIFY SelectColorChanged)
    Q_PROPERTY(bool ShowVerticalGrid READ ShowVerticalGrid WRITE setShowVerticalGrid NOTIFY ShowVerticalGridChanged)
    Q_PROPERTY(bool ShowHorizontalGrid READ ShowHorizontalGrid WRITE setShowHorizontalGrid NOTIFY ShowHorizontalGridChanged)
    Q_PROPERTY(quint32 TitleBackColor READ TitleBackColor WRITE setTitleBackColor NOTIFY TitleBackColorChanged)
    Q_PROPERTY(quint32 WeekBackColor READ WeekBackColor WRITE setWeekBackColor NOTIFY WeekBackColorChanged)
    Q_PROPERTY(QDateTime Value READ Value WRITE setValue NOTIFY ValueChanged)
    Q_PROPERTY(qint16 Big READ Big WRITE setBig NOTIFY BigChanged)

public:
    // Which spin button is held down, if any.
    enum class SpinMode { None, YearBack, YearForward, MonthBack, MonthForward };
    Q_ENUM(SpinMode)

    // A new instance: initialised, then every property at its default and
    // Value at today's date.
    explicit Lundar1(QWidget* parent = nullptr);
    ~Lundar1() override;

    // Where "today" comes from; tests pin it. An empty function restores the
    // system clock.
    static void setTodayFunction(std::function<QDate()> today);
    static QDate today();

    std::uint32_t BottomBackColor() const;
    std::uint32_t DateBackColor() const;
    std::uint32_t GridLinesColor() const;
    std::uint32_t SelectColor() const;
    bool ShowVerticalGrid() const;
    bool ShowHorizontalGrid() const;
    std::uint32_t TitleBackColor() const;
    std::uint32_t WeekBackColor() const;
    QDateTime Value() const;
    std::int16_t Big() const;

    void setBottomBackColor(std::uint32_t color);
    void setDateBackColor(std::uint32_t color);
    void setGridLinesColor(std::uint32_t color);
    void setSelectColor(std::uint32_t color);
    void setShowVerticalGrid(bool show);
    void setShowHorizontalGrid(bool show);
    void setTitleBackColor(std::uint32_t color);
    void setWeekBackColor(std::uint32_t color);
    void setValue(const QDateTime& value);
    void setBig(std::int16_t big);

    // Persistence through the container's property bag.
    void InitProperties();
    void ReadProperties(const PropertyBag& bag);
    void WriteProperties(PropertyBag& bag) const;
    // The same for hosts that bind late and hand the bag over as a map.
    Q_INVOKABLE void ReadPropertyMap(const QVariantMap& bag);
    Q_INVOKABLE QVariantMap WritePropertyMap() const;

    // Lunar texts of theDate. A date before 1901-01-01 or after 2100-12-31
    // 00:00 answers for Value instead; an empty text is the error result, given
    // when Value itself cannot be answered for.
    Q_INVOKABLE QString GetChineseDate(const QDateTime& theDate) const;
    Q_INVOKABLE QString GetChineseYear(const QDateTime& theDate) const;
    Q_INVOKABLE QString GetChineseMonth(const QDateTime& theDate) const;
    Q_INVOKABLE QString GetChineseDay(const QDateTime& theDate) const;
    Q_INVOKABLE QString GetChineseAnimal(const QDateTime& theDate) const;
    Q_INVOKABLE QString GetConstellation(const QDateTime& theDate) const;

    // State of the grid and the strips, for hosts that inspect the control.
    const DayCells& dayCells() const;
    int selectedCell() const;
    SpinMode spinMode() const;
    bool dayClickPending() const;
    const Layout& layout() const;
    int yearLabel() const;
    int monthLabel() const;

    // The layout centres texts by 12 pixels per Chinese character and 6 per
    // digit, the widths of a 9-point song-style font at 96 dpi. Chinese texts
    // are set in WenQuanYi Micro Hei at 12 pixels (12-pixel characters); the
    // numbers of the grid and the strips in the same family at 11 pixels, whose
    // digits are 6 pixels wide (at 12 pixels they would be 7). Other CJK fonts
    // stand in when it is missing.
    static QFont textFont();
    static QFont digitFont();

    // The bottom bar's texts for a month: each solar term of the month as
    // name + "：" + day + "日", in day order (two for every month of the list).
    static QStringList solarTermTexts(int year, int month);

    // Repaints the whole surface in the order a resize does. Public for the
    // benchmark.
    void repaintAll();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // A day was picked with the mouse (any button) and that click completed
    // on the control, or with Enter. Once per pick: a double-click on a day
    // raises it once.
    void Click();
    // The container's notice that a property changed and the control needs
    // saving, carrying the property-bag key.
    void PropertyChanged(const QString& key);

    void BottomBackColorChanged();
    void DateBackColorChanged();
    void GridLinesColorChanged();
    void SelectColorChanged();
    void ShowVerticalGridChanged();
    void ShowHorizontalGridChanged();
    void TitleBackColorChanged();
    void WeekBackColorChanged();
    // Value changed, by the setter, a picked day, a list or a spin button:
    // once per change, after the control shows the new date, never when a
    // setter stores the date it already had.
    void ValueChanged(const QDateTime& value);
    void BigChanged();

protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    std::unique_ptr<Lundar1Private> const d;
};

} // namespace lundar
