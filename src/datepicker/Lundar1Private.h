#pragma once
// The inside of Lundar1: its properties, the state of the grid and the strips,
// the painting surface and the child widgets, with the routines that paint and
// step. Not installed: it may change with every release of liblundar.so.1.

#include "datepicker/Lundar1.h"
#include "datepicker/SpinStrip.h"

#include <QPixmap>

class QComboBox;
class QTimer;

namespace lundar {

// The head of weekday column [0, 6] (Sunday first) in the style that Big
// chooses, as the loaded translations write it.
QString weekdayName(int column, std::int16_t big);

class Lundar1Private {
public:
    explicit Lundar1Private(Lundar1* control);

    // Where "today" comes from; an empty function is the system clock.
    static std::function<QDate()>& todaySource();

    class ValueChange;

    // Initialisation: the size, the lists, the strips, the repeat timer, the
    // frame, and the strips' labels at today's year and month.
    void init();

    // Painting routines (Lundar1Paint.cpp): each paints its area onto the
    // surface from Value and the properties, then schedules the refresh.
    void DrawTitleBar();
    void DrawWeekHeader();
    void DrawDayGrid();
    void DrawBottomBar();
    void drawFrame();
    void repaintAll();

    // The list entries and the month strip in the loaded language.
    void retranslate();
    void relayout();
    void ensureSurface();
    bool valueHasLunarTexts() const;
    void storeValue(int year, int month, int day);
    void selectYearEntry(int year);
    // Shows `date` as a pick from the keyboard: Value, the strips and the lists
    // follow, within the years the lists offer.
    void goTo(QDate date);
    void onSpinPressed(SpinStrip* strip, SpinStrip::Button button);
    void onSpinReleased(SpinStrip* strip);
    void onRepeatTimer();
    void onYearListChanged(int index);
    void onMonthListChanged(int index);
    QColor color(std::uint32_t value) const;

    Lundar1* const q;

    std::uint32_t m_bottomBackColor = kDefaultBottomBackColor;
    std::uint32_t m_dateBackColor = kDefaultDateBackColor;
    std::uint32_t m_gridLinesColor = kDefaultGridLinesColor;
    std::uint32_t m_selectColor = kDefaultSelectColor;
    bool m_showVerticalGrid = kDefaultShowVerticalGrid;
    bool m_showHorizontalGrid = kDefaultShowHorizontalGrid;
    std::uint32_t m_titleBackColor = kDefaultTitleBackColor;
    std::uint32_t m_weekBackColor = kDefaultWeekBackColor;
    QDateTime m_value;
    std::int16_t m_big = kDefaultBig;

    Layout m_layout;
    QPixmap m_surface;
    QFont m_font;
    QFont m_digitFont;
    DayCells m_dayCells{};
    int m_selectedCell = -1;
    Lundar1::SpinMode m_spinMode = Lundar1::SpinMode::None;
    bool m_dayClickPending = false;
    // The button whose press began the click in progress.
    Qt::MouseButton m_pressedButton = Qt::NoButton;
    // Nesting of ValueChange scopes; only the outermost reports.
    int m_valueChangeDepth = 0;

    SpinStrip* m_yearStrip = nullptr;
    SpinStrip* m_monthStrip = nullptr;
    QComboBox* m_yearList = nullptr;
    QComboBox* m_monthList = nullptr;
    QTimer* m_repeatTimer = nullptr;
};

} // namespace lundar
