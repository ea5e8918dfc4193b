#pragma once
// Program folders and workbook folders for the import tests.

#include "base/Punch.h"
#include "base/TextFile.h"

#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>

namespace importtest {

// Writes Init.ini with the position line "[<position>]..." and the roster lines
// ("0015,张三") into dir.
inline bool writeInit(const QString& dir, const QString& position, const QStringList& roster)
{
    QStringList lines{QStringLiteral("[%1] 数据读取位置").arg(position), QStringLiteral(";+ 员工编号,姓名")};
    lines += roster;
    lines += {QStringLiteral(";# 员工编号结束"), QStringLiteral(";= 时间"),
              QStringLiteral("083012001400170020302230090017002130"), QStringLiteral(";* 时间结束"),
              QStringLiteral(";; 文件结束")};
    return tarnby::textfile::writeLines(QDir(dir).filePath(QStringLiteral("Init.ini")), lines).ok();
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
