#pragma once
// The language a user chose on page 4, kept in the program folder's
// Tarnby.ini (never in Init.ini, whose format is the time clock software's).

#include <QString>

namespace tarnby::ui {

// The stored code ("zh_CN", "zh_TW", "en"), empty when the user left it to the system.
QString storedLanguageChoice(const QString& programDir);
// False when the choice could not be written.
bool storeLanguageChoice(const QString& programDir, const QString& code);

} // namespace tarnby::ui
