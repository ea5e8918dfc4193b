#pragma once
// Qt passes on the operating system's reason for a failed file operation as
// the C library words it, in English without a locale ("Permission denied").
// Messages give the common reasons in the user's language.

#include <QString>

namespace tarnby {

// The reason in the user's language; a reason not known here as it came.
QString fileErrorReason(const QString& systemText);

} // namespace tarnby
