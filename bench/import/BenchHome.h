#pragma once
// The program folder the import benchmarks read with: Init.ini with the read
// position, a two-employee roster and the time line, nothing else.

#include "base/TextFile.h"

#include <QDir>
#include <QString>

namespace bench {

inline bool writeImportHome(const QString& home, const QString& position)
{
    return tarnby::textfile::writeLines(QDir(home).filePath(QStringLiteral("Init.ini")),
                                        {QStringLiteral("[%1]").arg(position), QStringLiteral(";+"),
                                         QStringLiteral("0001,张三"), QStringLiteral("0002,李四"),
                                         QStringLiteral(";#"), QStringLiteral(";="),
                                         QStringLiteral("083012001400170020302230090017002130"),
                                         QStringLiteral(";*"), QStringLiteral(";;")})
        .ok();
}

} // namespace bench
