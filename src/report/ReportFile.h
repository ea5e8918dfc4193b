#pragma once
// A report file written whole or not at all: the content goes into a new file
// beside the target (QSaveFile), which replaces the target only once it is
// complete. Whatever goes wrong, a file that was there before stays as it was,
// and the failure reads the same for every format.

#include "base/Outcome.h"

#include <QString>
#include <functional>

class QIODevice;

namespace tarnby::report {

// Writes the whole content into `out`. Returns an empty text, or why it could
// not when the device does not know (a library or a painter failed); a device
// that failed to write is found by the caller.
using ContentWriter = std::function<QString(QIODevice& out)>;

// Checks the target, lets `write` fill the new file and puts it in the
// target's place. The error names the file and why, in Chinese.
Outcome saveReportFile(const QString& target, const ContentWriter& write);

// The reason for a failed system call (an errno value), as the messages say it.
QString failureReason(int error);

} // namespace tarnby::report
