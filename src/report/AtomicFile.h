#pragma once
// A file written whole or not at all: the content goes to a temporary file in
// the target's folder, and only a complete file is renamed over the target.
// Whatever goes wrong, a file that was there before stays as it was.

#include "base/Outcome.h"

#include <QString>
#include <functional>

namespace tarnby::report {

// Writes the content to `path` (a temporary file that already exists, empty);
// returns an empty text on success, else why it failed (see failureReason).
using ContentWriter = std::function<QString(const QString& path)>;

// Checks the target, lets `write` fill a temporary file beside it, and renames
// that over the target. The error names the file and why, in Chinese.
Outcome writeAtomically(const QString& target, const ContentWriter& write);

// The reason for a failed system call, as the messages say it.
QString failureReason(int error);

// Why the target cannot be replaced now (a folder that is not there, a folder of
// that name, a read-only file, a file another program holds open and locked),
// or an empty text.
QString targetRefusal(const QString& target);

} // namespace tarnby::report
