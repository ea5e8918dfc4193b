#pragma once
// Where the window takes "now" from, so that tests can fix today.

#include <QDateTime>
#include <functional>

namespace tarnby::ui {

using Clock = std::function<QDateTime()>;

inline Clock systemClock()
{
    return [] { return QDateTime::currentDateTime(); };
}

} // namespace tarnby::ui
