#pragma once
// The drop-down lists wear a picture (list image 14) while they have the focus
// and image 13 otherwise; this says which focus changes count.

#include <QEvent>
#include <optional>

class QComboBox;

namespace tarnby::ui {

// True when the event gives the drop-down the focus, false when it takes it
// away, nothing when the picture should stay as it is: opening the list moves
// the focus to the list's own pop-up, yet to the user the drop-down still has it.
std::optional<bool> dropDownFocusChange(const QComboBox* combo, const QEvent* event);

} // namespace tarnby::ui
