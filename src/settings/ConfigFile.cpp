#include "ConfigFile.h"

#include "base/StoredFile.h"
#include "base/TextFile.h"

#include <QDir>
#include <QCoreApplication>
#include <optional>

namespace tarnby::config {
namespace {

const QString kFileName = QStringLiteral("Init.ini");

bool isMarker(const QString& line, const char* marker)
{
    return line.startsWith(QLatin1String(marker, 2));
}

// Where the marker lines stand. Indices count from the first line (0, the
// position line); markers are only looked for after it and up to the end line.
struct Layout {
    QStringList lines; // up to and including the end line
    qsizetype rosterStart = -1; // ";+"
    qsizetype rosterEnd = -1;   // ";#"
    qsizetype timeStart = -1;   // ";="
    qsizetype timeEnd = -1;     // ";*"
};

QString fileError(const QString& what)
{
    return QCoreApplication::translate("ConfigFile", "配置文件 Init.ini %1").arg(what);
}

Result<Layout> readLayout(const QString& programDir)
{
    auto read = textfile::readLines(filePath(programDir));
    if (!read)
        return Result<Layout>::failure(read.error());
    Layout layout;
    const QStringList& all = read.value();
    if (all.isEmpty())
        return Result<Layout>::failure(fileError(QCoreApplication::translate("ConfigFile", "是空文件。")));
    layout.lines.append(all.first());
    bool ended = false;
    for (qsizetype i = 1; i < all.size(); ++i) {
        const QString& line = all.at(i);
        layout.lines.append(line);
        if (isMarker(line, ";;")) {
            ended = true;
            break;
        }
        // The first of each marker counts: a reader stops at its closing marker.
        if (isMarker(line, ";+") && layout.rosterStart < 0)
            layout.rosterStart = i;
        else if (isMarker(line, ";#") && layout.rosterEnd < 0 && layout.rosterStart >= 0)
            layout.rosterEnd = i;
        else if (isMarker(line, ";=") && layout.timeStart < 0)
            layout.timeStart = i;
        else if (isMarker(line, ";*") && layout.timeEnd < 0 && layout.timeStart >= 0)
            layout.timeEnd = i;
    }
    auto missing = [](const char* marker, const QString& what) {
        return Result<Layout>::failure(
            fileError(QCoreApplication::translate("ConfigFile", "缺少“%1”行（%2）。").arg(QLatin1String(marker), what)));
    };
    if (!ended)
        return missing(";;", QCoreApplication::translate("ConfigFile", "结束行"));
    if (layout.rosterStart < 0)
        return missing(";+", QCoreApplication::translate("ConfigFile", "员工编号段的开始"));
    if (layout.rosterEnd < 0)
        return missing(";#", QCoreApplication::translate("ConfigFile", "员工编号段的结束"));
    if (layout.timeStart < 0)
        return missing(";=", QCoreApplication::translate("ConfigFile", "时间段的开始"));
    if (layout.timeEnd < 0)
        return missing(";*", QCoreApplication::translate("ConfigFile", "时间段的结束"));
    const bool nested = (layout.timeStart > layout.rosterStart && layout.timeStart < layout.rosterEnd)
                        || (layout.rosterStart > layout.timeStart && layout.rosterStart < layout.timeEnd);
    if (nested)
        return Result<Layout>::failure(fileError(QCoreApplication::translate("ConfigFile", "的员工编号段与时间段相互嵌套。")));
    if (layout.timeEnd == layout.timeStart + 1)
        return Result<Layout>::failure(fileError(QCoreApplication::translate("ConfigFile", "的时间段中没有时间行。")));
    return layout;
}

Result<RosterEntry> parseRosterLine(const QString& line, qsizetype lineIndex)
{
    QString normal = line;
    normal.replace(QCoreApplication::translate("ConfigFile", "，"), QStringLiteral(","));
    if (!normal.contains(u','))
        return Result<RosterEntry>::failure(
            fileError(QCoreApplication::translate("ConfigFile", "第%1行的员工记录缺少逗号：%2").arg(lineIndex + 1).arg(line)));
    const QStringList pieces = normal.split(u',');
    return RosterEntry{pieces.at(0).toUpper(), pieces.at(1)};
}

Result<QList<RosterEntry>> rosterOf(const Layout& layout)
{
    QList<RosterEntry> roster;
    for (qsizetype i = layout.rosterStart + 1; i < layout.rosterEnd; ++i) {
        auto entry = parseRosterLine(layout.lines.at(i), i);
        if (!entry)
            return Result<QList<RosterEntry>>::failure(entry.error());
        roster.append(entry.value());
    }
    return roster;
}

Result<TimeFields> fieldsOf(const QString& timeLine)
{
    if (timeLine.size() < 36)
        return Result<TimeFields>::failure(
            fileError(QCoreApplication::translate("ConfigFile", "的时间行不足36个字符：%1").arg(timeLine)));
    TimeFields fields;
    for (int k = 0; k < 18; ++k)
        fields[k] = timeLine.mid(2 * k, 2);
    return fields;
}

Result<ReadPosition> positionOf(const QString& firstLine)
{
    if (firstLine.size() < 5)
        return Result<ReadPosition>::failure(
            fileError(QCoreApplication::translate("ConfigFile", "的第一行（数据读取位置）不足5个字符：%1").arg(firstLine)));
    return ReadPosition{firstLine.mid(1, 2).toUpper(), firstLine.mid(3, 2).toUpper()};
}

} // namespace

QString filePath(const QString& programDir)
{
    return QDir(programDir).filePath(kFileName);
}

Result<QList<RosterEntry>> readRoster(const QString& programDir)
{
    auto layout = readLayout(programDir);
    if (!layout)
        return Result<QList<RosterEntry>>::failure(layout.error());
    return rosterOf(layout.value());
}

Result<QList<PickerEntry>> LoadRosterList(const QString& programDir)
{
    auto roster = readRoster(programDir);
    if (!roster)
        return Result<QList<PickerEntry>>::failure(roster.error());
    QList<PickerEntry> list;
    for (const RosterEntry& e : roster.value())
        list.append({e.number, e.name});
    return list;
}

Result<TimeFields> LoadWorkTimes(const QString& programDir)
{
    auto layout = readLayout(programDir);
    if (!layout)
        return Result<TimeFields>::failure(layout.error());
    return fieldsOf(layout->lines.at(layout->timeEnd - 1));
}

Result<ReadPosition> LoadReadPosition(const QString& programDir)
{
    // The position line alone is needed, but a file without its markers is
    // reported here too rather than half-used.
    auto layout = readLayout(programDir);
    if (!layout)
        return Result<ReadPosition>::failure(layout.error());
    return positionOf(layout->lines.first());
}

ConfigSection timesSection(TimeMode mode)
{
    return mode == TimeMode::NineToFive ? ConfigSection::TimeMode2 : ConfigSection::TimeMode1;
}

Outcome SaveSettings(const QString& programDir, ConfigSection section, const SettingsPageData& page)
{
    // The page's other sections come from the file as it is now; the save is
    // still checked against the file the page loaded.
    const storedfile::SaveScope saving;
    auto read = readLayout(programDir);
    if (!read)
        return read.outcome();
    const Layout& layout = read.value();
    QStringList out;
    QString done;
    switch (section) {
    case ConfigSection::Roster: {
        // The lines as they are must be sound before they are replaced.
        if (auto roster = rosterOf(layout); !roster)
            return roster.outcome();
        out = layout.lines.mid(0, layout.rosterStart + 1);
        for (const PickerEntry& entry : page.rosterList)
            out.append(entry.number + u',' + entry.name.value_or(QString()));
        out += layout.lines.mid(layout.rosterEnd);
        done = QCoreApplication::translate("ConfigFile", "员工编号保存成功！");
        break;
    }
    case ConfigSection::TimeMode1:
    case ConfigSection::TimeMode2: {
        const bool mode1 = section == ConfigSection::TimeMode1;
        const QString oldLine = layout.lines.at(layout.timeStart + 1);
        if (auto old = fieldsOf(oldLine); !old)
            return old.outcome();
        QString fields;
        const int first = mode1 ? 0 : 12;
        const int count = mode1 ? 12 : 6;
        for (int k = first; k < first + count; ++k)
            fields += page.timeFields[k];
        const QString line = mode1 ? fields + oldLine.mid(24, 12) : oldLine.left(24) + fields;
        out = layout.lines.mid(0, layout.timeStart + 1);
        out.append(line);
        out += layout.lines.mid(layout.timeEnd);
        done = mode1 ? QCoreApplication::translate("ConfigFile", "时间模式[1]保存成功！") : QCoreApplication::translate("ConfigFile", "时间模式[2]保存成功！");
        break;
    }
    case ConfigSection::ReadPosition: {
        const QString first = layout.lines.first();
        if (auto old = positionOf(first); !old)
            return old.outcome();
        out = layout.lines;
        out[0] = first.left(1) + page.numberCell + page.timeCell + first.mid(5);
        done = QCoreApplication::translate("ConfigFile", "数据读取位置保存成功！");
        break;
    }
    }
    for (const QString& line : out) {
        if (!textfile::fitsGbk(line))
            return Outcome::error(QCoreApplication::translate("ConfigFile", "“%1”中有无法保存的字符。").arg(line));
    }
    if (Outcome written = textfile::writeLines(filePath(programDir), out); !written.ok())
        return written;
    return Outcome::success(done);
}

} // namespace tarnby::config
