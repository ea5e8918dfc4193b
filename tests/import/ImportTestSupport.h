#pragma once
// Program folders and workbook folders for the import tests.

#include "base/Punch.h"
#include "base/TextFile.h"
#include "support/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>

namespace importtest {

// Writes Init.ini with the read position and the roster lines ("0015,张三") into dir.
inline bool writeInit(const QString& dir, const QString& position, const QStringList& roster)
{
    return tarnby::textfile::writeLines(QDir(dir).filePath(QStringLiteral("Init.ini")),
                                        testsupport::initLines(position, roster))
        .ok();
}

inline bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// The punches as tarnby-cli import prints them.
inline QStringList texts(const QList<tarnby::Punch>& punches)
{
    QStringList out;
    for (const tarnby::Punch& p : punches)
        out.append(p.text());
    return out;
}

} // namespace importtest
