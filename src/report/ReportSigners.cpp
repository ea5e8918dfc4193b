#include "report/ReportSigners.h"

#include "base/TextFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace tarnby::report::signers {
namespace {

const QString kPrepared = QStringLiteral("制表人");
const QString kChecked = QStringLiteral("审核人");
constexpr int kLongestName = 20;

} // namespace

QString filePath(const QString& programDir)
{
    return QDir(programDir).filePath(kSignersFileName);
}

Result<Signers> load(const QString& programDir)
{
    const QString path = filePath(programDir);
    if (!QFileInfo::exists(path))
        return Signers{};
    const Result<QStringList> lines = textfile::readUtf8Lines(path);
    if (!lines)
        return Result<Signers>::failure(lines.error());
    Signers names;
    for (qsizetype i = 0; i < lines->size(); ++i) {
        const QString& line = lines->at(i);
        if (line.trimmed().isEmpty())
            continue;
        const QString role = line.section(u'\t', 0, 0).trimmed();
        const QString name = line.section(u'\t', 1).trimmed();
        if (role == kPrepared && line.contains(u'\t'))
            names.preparedBy = name;
        else if (role == kChecked && line.contains(u'\t'))
            names.checkedBy = name;
        else
            return Result<Signers>::failure(QCoreApplication::translate("ReportSigners", "文件 %1 第%2行无法识别，应为“制表人”或“审核人”、制表符和姓名。")
                                                .arg(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()))
                                                .arg(i + 1));
    }
    return names;
}

Outcome save(const QString& programDir, const Signers& names)
{
    return textfile::writeUtf8Lines(filePath(programDir),
                                    {kPrepared + u'\t' + names.preparedBy, kChecked + u'\t' + names.checkedBy});
}

QString nameFault(const QString& name)
{
    for (const QChar c : name)
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            return QCoreApplication::translate("ReportSigners", "姓名不能包含换行或控制字符。");
    if (name.trimmed().size() > kLongestName)
        return QCoreApplication::translate("ReportSigners", "姓名最多 %1 个字。").arg(kLongestName);
    return {};
}

} // namespace tarnby::report::signers
