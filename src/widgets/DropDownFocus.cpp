#include "DropDownFocus.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFocusEvent>

namespace tarnby::ui {

std::optional<bool> dropDownFocusChange(const QComboBox* combo, const QEvent* event)
{
    if (event->type() == QEvent::FocusIn)
        return true;
    if (event->type() != QEvent::FocusOut)
        return std::nullopt;
    const auto reason = static_cast<const QFocusEvent*>(event)->reason();
    if (reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason || combo->view()->isVisible())
        return std::nullopt;
    return false;
}

} // namespace tarnby::ui
