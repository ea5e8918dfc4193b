#pragma once
// The control's geometry and the month grid's arithmetic, apart from any
// painting: where each area lies for a given width, which day each of the 37
// cells shows, and which cell a point falls in. Rectangles follow the control's
// drawing convention: right and bottom are exclusive.

#include "lundar_export.h"

#include <QRect>
#include <QSharedDataPointer>
#include <QSize>

#include <array>

namespace lundar {

inline constexpr int kMinWidth = 290;
inline constexpr int kHeight = 235;
inline constexpr int kCellCount = 37;   // five full weeks and two days: enough for any month
inline constexpr int kGridTop = 46;
inline constexpr int kRowHeight = 28;
inline constexpr int kStripWidth = 64;
inline constexpr int kStripHeight = 20;
inline constexpr int kStripTop = 3;
// The text positions assume a song-style CJK font 12 pixels high: 6 pixels per
// digit, 12 per Chinese character.
inline constexpr int kDigitWidth = 6;
inline constexpr int kCharWidth = 12;

using DayCells = std::array<int, kCellCount>;

// a / 2 rounded to a whole number, halves to the even neighbour.
LUNDAR_EXPORT int halfToEven(int a);

// The width that a requested width snaps to: 290 at least, else 290 plus a
// whole number of 7-pixel steps, so that the seven columns stay equal.
LUNDAR_EXPORT int snapWidth(int requested);
LUNDAR_EXPORT QSize snapSize(QSize requested);

class LayoutData;

// The pixel layout for a control of width W (already snapped) and height 235.
// A value with its data behind a shared pointer, so that it can learn more
// without changing its size.
class LUNDAR_EXPORT Layout {
public:
    // The layout of the narrowest control, forWidth(290).
    Layout();
    Layout(const Layout& other);
    Layout(Layout&& other) noexcept;
    Layout& operator=(const Layout& other);
    Layout& operator=(Layout&& other) noexcept;
    ~Layout();

    static Layout forWidth(int width);

    int width() const;
    int cellWidth() const;  // ((W − 10) div 7) + 1
    QRect title() const;    // (2, 2, W − 2, 25)
    QRect week() const;     // (2, 26, W − 2, 45)
    QRect grid() const;     // (2, 46, W − 2, H − 22)
    QRect bottom() const;   // (2, 214, W − 2, H − 2)
    int yearStripX() const; // W − 138
    int monthStripX() const; // W − 70

    // Cell index [0, 36]: column = index mod 7 (0 is Sunday), row = index div 7.
    QRect cellRect(int index) const;
    // The cell under a point of the control, or -1 when the point is above the
    // grid, beside the seven columns or past cell 36.
    int cellAt(double x, double y) const;
    // Left edge of a text of textWidth pixels centred in cell column col.
    int centredX(int col, int textWidth) const;

private:
    QSharedDataPointer<LayoutData> d;
};

// The grid of Gregorian month m of year y: cell i holds its day of the month or
// 0; the first day sits in the column of its weekday. Defined for the years of
// the Gregorian calendar that std::chrono represents; all zero otherwise.
LUNDAR_EXPORT DayCells fillDayGrid(int year, int month);

// The two directions of the same mapping: cellOfDay(y, m, dayOfCell(y, m, i)) == i
// for every filled cell, and dayOfCell(y, m, cellOfDay(y, m, d)) == d for every day.
// dayOfCell answers 0 for an empty cell; cellOfDay answers -1 for a day the month lacks.
LUNDAR_EXPORT int dayOfCell(int year, int month, int cell);
LUNDAR_EXPORT int cellOfDay(int year, int month, int day);

// The smaller of day and the length of the month.
LUNDAR_EXPORT int clampedDay(int year, int month, int day);

} // namespace lundar
