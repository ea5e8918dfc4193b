#pragma once
// What a day label of a month grid shows. The core lays grids out as data; the
// window only copies caption, state and colour onto its labels.

#include <QDate>
#include <QString>
#include <QtCore/qnamespace.h>

namespace tarnby {

// A colour as red, green, blue (0-255 each).
struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    friend constexpr bool operator==(const Rgb&, const Rgb&) = default;
};

// The grey of a day label that carries nothing (no duty, no rest day, no day).
inline constexpr Rgb kPlainDayColour{224, 224, 224};

struct DayCell {
    QString caption;            // the day number without leading zero, or empty
    bool enabled = false;       // only days the user may click
    Rgb colour = kPlainDayColour;
    QDate date;                 // the day the caption shows; invalid when it shows none
    friend bool operator==(const DayCell&, const DayCell&) = default;
};

// The mouse button of a click on a day label; only left and right do anything.
enum class ClickButton { Left, Right, Other };

// The pages' clicks as the grids take them.
constexpr ClickButton dayClickButton(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton: return ClickButton::Left;
    case Qt::RightButton: return ClickButton::Right;
    default: return ClickButton::Other;
    }
}

} // namespace tarnby
