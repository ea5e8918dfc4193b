#include "import/layout/ReadReport.h"

#include "base/EmployeeNumber.h"
#include "import/PunchTable.h"

#include <QHash>
#include <QSet>
#include <QCoreApplication>

namespace tarnby {

QString layoutKey(ExportLayout layout)
{
    switch (layout) {
    case ExportLayout::Configured: return QStringLiteral("configured");
    case ExportLayout::Grid: return QStringLiteral("grid");
    case ExportLayout::Header: return QStringLiteral("header");
    case ExportLayout::Log: return QStringLiteral("log");
    case ExportLayout::None: break;
    }
    return QStringLiteral("none");
}

QString layoutText(ExportLayout layout)
{
    switch (layout) {
    case ExportLayout::Configured: return QCoreApplication::translate("ReadReport", "按数据读取位置读取，每行一条打卡");
    case ExportLayout::Grid: return QCoreApplication::translate("ReadReport", "考勤机月报表，每人每天的打卡时间在一格中");
    case ExportLayout::Header: return QCoreApplication::translate("ReadReport", "带表头的考勤表");
    case ExportLayout::Log: return QCoreApplication::translate("ReadReport", "考勤机原始记录，无表头");
    case ExportLayout::None: break;
    }
    return QCoreApplication::translate("ReadReport", "未识别出表格样式，按数据读取位置读取");
}

QString roleText(ColumnRole role)
{
    switch (role) {
    case ColumnRole::Number: return QCoreApplication::translate("ReadReport", "工号");
    case ColumnRole::Name: return QCoreApplication::translate("ReadReport", "姓名");
    case ColumnRole::DateTime: return QCoreApplication::translate("ReadReport", "日期时间");
    case ColumnRole::Date: return QCoreApplication::translate("ReadReport", "日期");
    case ColumnRole::Time: return QCoreApplication::translate("ReadReport", "时间");
    case ColumnRole::Day: break;
    }
    return QCoreApplication::translate("ReadReport", "日");
}

QString headerShapeText(HeaderShape shape)
{
    switch (shape) {
    case HeaderShape::DateTime: return QCoreApplication::translate("ReadReport", "日期时间在一列，每行一条打卡");
    case HeaderShape::DateAndTime: return QCoreApplication::translate("ReadReport", "日期列和时间列，每行一条打卡");
    case HeaderShape::SeveralTimes: return QCoreApplication::translate("ReadReport", "日期列和多个打卡时间，每行一人一天");
    case HeaderShape::None: break;
    }
    return {};
}

QString skipReasonKey(SkipReason reason)
{
    switch (reason) {
    case SkipReason::EmptyNumber: return QStringLiteral("empty-number");
    case SkipReason::DateTooEarly: return QStringLiteral("date-before-2000");
    case SkipReason::DateTooLate: return QStringLiteral("date-after-next-year");
    case SkipReason::UnreadableDate: return QStringLiteral("unreadable-date");
    case SkipReason::UnreadableTime: return QStringLiteral("unreadable-time");
    case SkipReason::NoTime: break;
    }
    return QStringLiteral("no-time");
}

QString skipReasonText(SkipReason reason)
{
    switch (reason) {
    case SkipReason::EmptyNumber: return QCoreApplication::translate("ReadReport", "工号为空");
    case SkipReason::DateTooEarly: return QCoreApplication::translate("ReadReport", "日期早于2000年");
    case SkipReason::DateTooLate: return QCoreApplication::translate("ReadReport", "日期晚于今天一年以上，考勤机时钟可能有误");
    case SkipReason::UnreadableDate: return QCoreApplication::translate("ReadReport", "日期无法识别");
    case SkipReason::UnreadableTime: return QCoreApplication::translate("ReadReport", "时间无法识别");
    case SkipReason::NoTime: break;
    }
    return QCoreApplication::translate("ReadReport", "没有打卡时间");
}

QString readErrorText(ReadError error)
{
    switch (error) {
    case ReadError::None: return {};
    case ReadError::CannotOpen: return QCoreApplication::translate("ReadReport", "文件无法打开");
    case ReadError::NotWorkbook: return QCoreApplication::translate("ReadReport", "不是可以读取的考勤文件");
    case ReadError::Encrypted: return QCoreApplication::translate("ReadReport", "文件设有打开密码");
    case ReadError::Damaged: return QCoreApplication::translate("ReadReport", "文件已损坏");
    case ReadError::Unsupported: break;
    }
    return QCoreApplication::translate("ReadReport", "文件的版本或大小无法读取");
}

QString columnName(int column)
{
    QString name;
    for (int c = column + 1; c > 0; c = (c - 1) / 26)
        name.prepend(QChar(u'A' + (c - 1) % 26));
    return name;
}

std::optional<ReadPosition> FileReadReport::suggestedPosition() const
{
    const bool onePunchPerRow = layout == ExportLayout::Log
                                || (layout == ExportLayout::Header && shape == HeaderShape::DateTime);
    if (!onePunchPerRow || sheet != 0 || firstRow > 8)
        return std::nullopt;
    int numberColumn = -1, timeColumn = -1;
    for (const ColumnUse& use : columns) {
        if (use.role == ColumnRole::Number)
            numberColumn = use.column;
        else if (use.role == ColumnRole::DateTime)
            timeColumn = use.column;
    }
    if (numberColumn < 0 || numberColumn > 25 || timeColumn < 0 || timeColumn > 25)
        return std::nullopt;
    const QString row = QString::number(firstRow + 1);
    return ReadPosition{columnName(numberColumn) + row, columnName(timeColumn) + row};
}

QList<UnregisteredNumber> unregisteredNumbers(const QList<RosterEntry>& roster, const PunchTable& table,
                                              const QList<FileReadReport>& files)
{
    // the picker looks a number up by the text before the first "##" of "number##name"
    QSet<QString> known;
    for (const RosterEntry& person : roster) {
        const qsizetype cut = person.number.indexOf(QLatin1String("##"));
        known.insert(pickerKey(cut < 0 ? QStringView(person.number) : QStringView(person.number).left(cut)));
    }

    QList<UnregisteredNumber> out;
    QHash<QString, qsizetype> at; // number -> its place in out, or -1 when the roster knows it
    QString previous;
    qsizetype previousAt = -1;
    for (int s = 0; s < PunchTable::kSegmentCount; ++s) {
        for (const Punch& punch : table.segment(s)) {
            if (punch.number != previous || previous.isNull()) {
                previous = punch.number;
                auto it = at.constFind(previous);
                if (it == at.cend()) {
                    qsizetype place = -1;
                    if (!known.contains(pickerKey(previous))) {
                        place = out.size();
                        out.append({previous, {}, 0});
                    }
                    it = at.insert(previous, place);
                }
                previousAt = *it;
            }
            if (previousAt >= 0)
                ++out[previousAt].records;
        }
    }
    for (const FileReadReport& file : files) {
        for (const NumberName& named : file.names) {
            const qsizetype place = at.value(named.number, -1);
            if (place >= 0 && out[place].name.isEmpty())
                out[place].name = named.name;
        }
    }
    return out;
}

} // namespace tarnby
