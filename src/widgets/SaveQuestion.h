#pragma once
// A save that met a file another program changed since the page loaded it
// (Outcome::Kind::Conflict) asks the user, through the message seam, whether
// to reload the page, overwrite the file or cancel.

#include "base/Outcome.h"
#include "widgets/MessageSeam.h"

#include <functional>

class QWidget;

namespace tarnby::ui {

inline constexpr LateText kConflictTitle{"SaveQuestion", QT_TRANSLATE_NOOP("SaveQuestion", "文件已被修改")};

// Runs `save`; on a conflict asks. Reload: `reload` shows the file as it is
// now, then a message lists what differed from what the page was saving.
// Overwrite: the save runs again over the file as it is now (the replaced
// version stays in the history). Cancel: nothing. The outcome is the save's;
// after a reload or a cancel it is a conflict without text, which shows
// nothing and is not ok.
Outcome saveAsking(QWidget* parent, const std::function<Outcome()>& save, const std::function<void()>& reload);

} // namespace tarnby::ui
