#pragma once
// The control's colours stay 32-bit values in the 0x00BBGGRR layout that its
// properties publish; this turns one into a colour to paint with. A value with
// the top bit set names a system colour by its index in the low byte and is
// taken from the widget's palette, so the control follows the desktop theme.

#include "lundar_export.h"

#include <QColor>
#include <QPalette>

#include <cstdint>

namespace lundar {

inline constexpr std::uint32_t kSystemColorFlag = 0x80000000u;

// Layout helpers for tests and hosts: 0x00BBGGRR from channels and back.
constexpr std::uint32_t bgr(int red, int green, int blue)
{
    return static_cast<std::uint32_t>(red & 0xFF) | (static_cast<std::uint32_t>(green & 0xFF) << 8)
        | (static_cast<std::uint32_t>(blue & 0xFF) << 16);
}

// The colour to paint for value. Values that name nothing (an unknown system
// colour index, an unknown layout in the top byte) paint black, as a failed
// translation leaves the colour at zero.
LUNDAR_EXPORT QColor translateColor(std::uint32_t value, const QPalette& palette);

} // namespace lundar
