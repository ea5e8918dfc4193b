#pragma once
// Who prepared the report (制表人) and who checked it (审核人), as the summary
// window remembers them between runs: ReportSigners.txt in the program folder,
// UTF-8 like every file this program added, one line a role, the role, a TAB
// and the name. Init.ini keeps its own format untouched, so the names live
// apart from it.

#include "base/Outcome.h"

#include <QString>

namespace tarnby::report {

inline const QString kSignersFileName = QStringLiteral("ReportSigners.txt");

struct Signers {
    QString preparedBy; // 制表人
    QString checkedBy;  // 审核人
    bool operator==(const Signers&) const = default;
};

namespace signers {

// programDir/ReportSigners.txt
QString filePath(const QString& programDir);

// Nobody when the file is missing; a file that is not UTF-8 or holds a line
// that names no role is an error naming the file and the line.
Result<Signers> load(const QString& programDir);

// Writes both names atomically; on failure the old file stays as it was.
Outcome save(const QString& programDir, const Signers& names);

// What is wrong with a name typed for a role, or nothing: a name is one line
// of at most 20 characters.
QString nameFault(const QString& name);

} // namespace signers
} // namespace tarnby::report
