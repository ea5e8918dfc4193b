#pragma once
// Where the program takes "now" from, so that tests can fix today: the window's
// pages, the month-end report's time of making and the command line's default
// date all ask a clock handed to them, never the system clock directly.

#include <QDateTime>
#include <functional>

namespace tarnby {

using Clock = std::function<QDateTime()>;

inline Clock systemClock()
{
    return [] { return QDateTime::currentDateTime(); };
}

} // namespace tarnby
