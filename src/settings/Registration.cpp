#include "Registration.h"

#include "base/TextFile.h"

#include <QFileInfo>
#include <QCoreApplication>

namespace tarnby {

QString Registration::field(int k) const
{
    switch (k) {
    case 0: return number;
    case 1: return date;
    case 2: return name;
    case 3: return reason;
    case 4: return method;
    default: return {};
    }
}

QStringList Registration::fields() const
{
    return {number, date, name, reason, method};
}

QString Registration::appliedMethod() const
{
    const qsizetype end = method.indexOf(kFieldSeparator);
    return end < 0 ? method : method.left(end);
}

QString Registration::line() const
{
    return fields().join(kFieldSeparator);
}

Result<Registration> Registration::fromLine(const QString& line)
{
    const QStringList parts = line.split(kFieldSeparator);
    if (parts.size() < kFieldCount)
        return Result<Registration>::failure(QCoreApplication::translate("Registration", "应有 5 项，以“##”分隔，实有 %1 项").arg(parts.size()));
    Registration r;
    r.number = parts.at(0);
    r.date = parts.at(1);
    r.name = parts.at(2);
    r.reason = parts.at(3);
    r.method = parts.mid(4).join(kFieldSeparator);
    return r;
}

QString storableFieldError(const QString& what, const QString& text)
{
    if (text.contains(kFieldSeparator))
        return QCoreApplication::translate("Registration", "%1中不能含有“##”，它是登记文件的分隔符！").arg(what);
    if (text.contains(u'\r') || text.contains(u'\n'))
        return QCoreApplication::translate("Registration", "%1中不能含有换行！").arg(what);
    if (!textfile::fitsGbk(text))
        return QCoreApplication::translate("Registration", "%1中含有无法保存的字符，请删除后再试！").arg(what);
    return {};
}

namespace registrationfile {
namespace {

QString shownPath(const QString& path)
{
    return QFileInfo(path).absoluteFilePath();
}

// Every line of the file with its 1-based line number, empty lines left out.
Result<QList<std::pair<int, QString>>> numberedLines(const QString& path)
{
    using Lines = QList<std::pair<int, QString>>;
    if (!textfile::exists(path))
        return Lines{};
    auto read = textfile::readLines(path);
    if (!read)
        return Result<Lines>::failure(read.error());
    Lines lines;
    for (qsizetype i = 0; i < read->size(); ++i) {
        if (!read->at(i).isEmpty())
            lines.append({int(i + 1), read->at(i)});
    }
    return lines;
}

} // namespace

Result<QList<Registration>> load(const QString& programDir, MonthKey month)
{
    const QString path = monthfile::path(programDir, month, monthfile::Kind::Registrations);
    auto lines = numberedLines(path);
    if (!lines)
        return Result<QList<Registration>>::failure(lines.error());
    QList<Registration> out;
    for (const auto& [number, text] : lines.value()) {
        auto r = Registration::fromLine(text);
        if (!r)
            return Result<QList<Registration>>::failure(
                QCoreApplication::translate("Registration", "登记文件 %1 第 %2 行格式不正确（%3）。")
                    .arg(shownPath(path), QString::number(number), r.error()));
        out.append(r.value());
    }
    return out;
}

Outcome save(const QString& programDir, MonthKey month, const QList<Registration>& registrations)
{
    static const QStringList kFieldNames = {QCoreApplication::translate("Registration", "编号"), QCoreApplication::translate("Registration", "日期"), QCoreApplication::translate("Registration", "姓名"),
                                            QCoreApplication::translate("Registration", "登记事由"), QCoreApplication::translate("Registration", "处理方式")};
    if (Outcome folder = monthfile::checkFolder(programDir); !folder.ok())
        return folder;
    QStringList lines;
    for (const Registration& r : registrations) {
        for (int k = 0; k < Registration::kFieldCount; ++k) {
            // the method may carry the extra fields of a line read from the file
            const QString text = r.field(k);
            const QString error = k == 4 ? storableFieldError(kFieldNames.at(k), QString(text).remove(kFieldSeparator))
                                         : storableFieldError(kFieldNames.at(k), text);
            if (!error.isEmpty())
                return Outcome::error(error);
        }
        lines.append(r.line());
    }
    if (lines.isEmpty())
        lines.append(QString());
    const Outcome written =
        textfile::writeLines(monthfile::path(programDir, month, monthfile::Kind::Registrations), lines);
    if (!written.ok())
        return written;
    return Outcome::success(kRegistrationsSaved);
}

} // namespace registrationfile
} // namespace tarnby
