#pragma once
// The shared pictures of the tabs and action buttons, by their list-image
// numbers: 7 tab, 8 tab under the pointer, 9 tab of the page on show; 10 action
// button, 11 under the pointer, 12 pressed; 13 and 14 the drop-down list without
// and with the focus. They are drawn here rather than shipped as files.

#include <QPixmap>

namespace tarnby::ui {

inline constexpr int kTabNormal = 7;
inline constexpr int kTabHover = 8;
inline constexpr int kTabSelected = 9;
inline constexpr int kButtonNormal = 10;
inline constexpr int kButtonHover = 11;
inline constexpr int kButtonPressed = 12;
inline constexpr int kComboNormal = 13;
inline constexpr int kComboFocus = 14;

inline constexpr QSize kTabSize{64, 21};
inline constexpr QSize kButtonSize{54, 21};

// The picture with the given list-image number (7..14); a null pixmap otherwise.
// Drawn for a screen of that pixel ratio, so that it stays sharp when scaled.
QPixmap listImage(int number, qreal pixelRatio = 1.0);

} // namespace tarnby::ui
