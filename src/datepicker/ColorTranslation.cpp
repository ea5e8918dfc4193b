#include "datepicker/ColorTranslation.h"

#include <array>
#include <optional>

namespace lundar {

namespace {

struct SystemColor {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// Index → palette colour for the system colour indexes 0–30; index 25 has
// never named a colour.
constexpr std::array<std::optional<SystemColor>, 31> kSystemColors = {{
    SystemColor{QPalette::Active, QPalette::Button},          // 0 scroll bar
    SystemColor{QPalette::Active, QPalette::Dark},            // 1 desktop
    SystemColor{QPalette::Active, QPalette::Highlight},       // 2 active caption
    SystemColor{QPalette::Inactive, QPalette::Mid},           // 3 inactive caption
    SystemColor{QPalette::Active, QPalette::Window},          // 4 menu
    SystemColor{QPalette::Active, QPalette::Base},            // 5 window
    SystemColor{QPalette::Active, QPalette::Shadow},          // 6 window frame
    SystemColor{QPalette::Active, QPalette::WindowText},      // 7 menu text
    SystemColor{QPalette::Active, QPalette::Text},            // 8 window text
    SystemColor{QPalette::Active, QPalette::HighlightedText}, // 9 caption text
    SystemColor{QPalette::Active, QPalette::Window},          // 10 active border
    SystemColor{QPalette::Inactive, QPalette::Window},        // 11 inactive border
    SystemColor{QPalette::Active, QPalette::Mid},             // 12 application workspace
    SystemColor{QPalette::Active, QPalette::Highlight},       // 13 highlight
    SystemColor{QPalette::Active, QPalette::HighlightedText}, // 14 highlighted text
    SystemColor{QPalette::Active, QPalette::Button},          // 15 button face
    SystemColor{QPalette::Active, QPalette::Dark},            // 16 button shadow
    SystemColor{QPalette::Disabled, QPalette::Text},          // 17 grey text
    SystemColor{QPalette::Active, QPalette::ButtonText},      // 18 button text
    SystemColor{QPalette::Inactive, QPalette::WindowText},    // 19 inactive caption text
    SystemColor{QPalette::Active, QPalette::Light},           // 20 button highlight
    SystemColor{QPalette::Active, QPalette::Shadow},          // 21 3-D dark shadow
    SystemColor{QPalette::Active, QPalette::Midlight},        // 22 3-D light
    SystemColor{QPalette::Active, QPalette::ToolTipText},     // 23 tooltip text
    SystemColor{QPalette::Active, QPalette::ToolTipBase},     // 24 tooltip background
    std::nullopt,                                              // 25
    SystemColor{QPalette::Active, QPalette::Link},            // 26 hot-tracked item
    SystemColor{QPalette::Active, QPalette::Highlight},       // 27 active caption gradient
    SystemColor{QPalette::Inactive, QPalette::Mid},           // 28 inactive caption gradient
    SystemColor{QPalette::Active, QPalette::Highlight},       // 29 menu highlight
    SystemColor{QPalette::Active, QPalette::Window},          // 30 menu bar
}};

} // namespace

QColor translateColor(std::uint32_t value, const QPalette& palette)
{
    const std::uint32_t layout = value >> 24;
    if (layout == 0x00 || layout == 0x02) // plain and palette-relative RGB
        return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
    if (layout == 0x80) {
        const std::uint32_t index = value & 0x00FFFFFFu;
        if (index < kSystemColors.size() && kSystemColors[index])
            return palette.color(kSystemColors[index]->group, kSystemColors[index]->role);
    }
    return QColor(Qt::black);
}

} // namespace lundar
