#include "FileError.h"

#include <QCoreApplication>
#include <utility>

namespace tarnby {

QString fileErrorReason(const QString& systemText)
{
    static const std::pair<const char*, const char*> kReasons[] = {
        {"Permission denied", QT_TRANSLATE_NOOP("FileError", "没有访问权限")},
        {"Operation not permitted", QT_TRANSLATE_NOOP("FileError", "不允许此操作")},
        {"No such file or directory", QT_TRANSLATE_NOOP("FileError", "文件或文件夹不存在")},
        {"No space left on device", QT_TRANSLATE_NOOP("FileError", "磁盘空间不足")},
        {"Disk quota exceeded", QT_TRANSLATE_NOOP("FileError", "超出磁盘配额")},
        {"Read-only file system", QT_TRANSLATE_NOOP("FileError", "磁盘为只读")},
        {"Is a directory", QT_TRANSLATE_NOOP("FileError", "这是一个文件夹")},
        {"Not a directory", QT_TRANSLATE_NOOP("FileError", "路径中有一项不是文件夹")},
        {"File exists", QT_TRANSLATE_NOOP("FileError", "文件已存在")},
        {"File name too long", QT_TRANSLATE_NOOP("FileError", "文件名太长")},
        {"Too many open files", QT_TRANSLATE_NOOP("FileError", "打开的文件太多")},
        {"Input/output error", QT_TRANSLATE_NOOP("FileError", "磁盘读写出错")},
        {"Device or resource busy", QT_TRANSLATE_NOOP("FileError", "文件正被占用")},
        {"Text file busy", QT_TRANSLATE_NOOP("FileError", "文件正被占用")},
        {"Stale file handle", QT_TRANSLATE_NOOP("FileError", "网络文件夹已断开")},
    };
    for (const auto& [system, reason] : kReasons) {
        if (systemText.compare(QLatin1String(system), Qt::CaseInsensitive) == 0)
            return QCoreApplication::translate("FileError", reason);
    }
    return systemText;
}

} // namespace tarnby
