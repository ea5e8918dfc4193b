// tarnby-cli detect [--home DIR] [--format text|json] FILE...: how the folder
// read would read each file, from the same read report the window shows.

#include "Command.h"

#include "base/Clock.h"
#include "import/FolderImport.h"
#include "import/layout/ReadReport.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QCoreApplication>
#include <algorithm>

namespace tarnby::cli {
namespace {

const char* const kUsage = "detect [--home DIR] [--format text|json] FILE...";

QString roleKey(ColumnRole role)
{
    switch (role) {
    case ColumnRole::Number: return QStringLiteral("number");
    case ColumnRole::Name: return QStringLiteral("name");
    case ColumnRole::DateTime: return QStringLiteral("datetime");
    case ColumnRole::Date: return QStringLiteral("date");
    case ColumnRole::Time: return QStringLiteral("time");
    case ColumnRole::Day: break;
    }
    return QStringLiteral("day");
}

QString shapeKey(HeaderShape shape)
{
    switch (shape) {
    case HeaderShape::DateTime: return QStringLiteral("datetime");
    case HeaderShape::DateAndTime: return QStringLiteral("date-and-time");
    case HeaderShape::SeveralTimes: return QStringLiteral("several-times");
    case HeaderShape::None: break;
    }
    return {};
}

// Why the file took the read-error path, in words.
QString failureText(const FileReadReport& r)
{
    if (r.readError != ReadError::None)
        return readErrorText(r.readError);
    if (r.failedRow >= 0)
        return QCoreApplication::translate("tarnby-cli", "第%1行不是可以读取的打卡记录，请检查数据读取位置").arg(rowName(r.failedRow));
    return QCoreApplication::translate("tarnby-cli", "数据读取位置设定不正确");
}

QString isoDate(const QDate& date)
{
    return date.toString(QStringLiteral("yyyy-MM-dd"));
}

QString cellText(int row, int column)
{
    return column < 0 ? QCoreApplication::translate("tarnby-cli", "第%1行").arg(rowName(row))
                      : QCoreApplication::translate("tarnby-cli", "第%1行 %2列").arg(rowName(row)).arg(columnName(column));
}

QString asText(const FileReadReport& r)
{
    QString out = QCoreApplication::translate("tarnby-cli", "文件：%1\n").arg(r.path);
    if (r.failed && r.layout == ExportLayout::None && r.readError != ReadError::None)
        return out + QCoreApplication::translate("tarnby-cli", "读取错误：%1\n").arg(failureText(r));
    out += QCoreApplication::translate("tarnby-cli", "样式：%1（%2").arg(layoutKey(r.layout), layoutText(r.layout));
    if (r.shape != HeaderShape::None)
        out += QCoreApplication::translate("tarnby-cli", "：") + headerShapeText(r.shape);
    out += QCoreApplication::translate("tarnby-cli", "）\n");
    out += QCoreApplication::translate("tarnby-cli", "工作表：%1").arg(r.sheet + 1);
    if (!r.sheetName.isEmpty())
        out += QCoreApplication::translate("tarnby-cli", "「%1」").arg(r.sheetName);
    out += u'\n';
    if (r.periodFirst.isValid())
        out += QCoreApplication::translate("tarnby-cli", "考勤期间：%1 至 %2\n").arg(isoDate(r.periodFirst), isoDate(r.periodLast));
    if (r.headerRow >= 0)
        out += QCoreApplication::translate("tarnby-cli", "表头行：%1\n").arg(rowName(r.headerRow));
    out += QCoreApplication::translate("tarnby-cli", "起始行：%1\n").arg(rowName(r.firstRow));
    QStringList columns;
    const ColumnUse* firstDay = nullptr;
    const ColumnUse* lastDay = nullptr;
    for (const ColumnUse& use : r.columns) {
        // a grid's day columns in one range: a month of them would fill the screen
        if (use.role == ColumnRole::Day) {
            firstDay = firstDay ? firstDay : &use;
            lastDay = &use;
            continue;
        }
        QString text = columnName(use.column) + u'=' + roleText(use.role);
        if (!use.header.isEmpty() && use.header != roleText(use.role))
            text += QCoreApplication::translate("tarnby-cli", "「%1」").arg(use.header);
        columns << text;
    }
    if (firstDay)
        columns << QCoreApplication::translate("tarnby-cli", "%1–%2=日（%3列）").arg(columnName(firstDay->column), columnName(lastDay->column))
                       .arg(std::count_if(r.columns.begin(), r.columns.end(),
                                          [](const ColumnUse& use) { return use.role == ColumnRole::Day; }));
    out += QCoreApplication::translate("tarnby-cli", "列：%1\n").arg(columns.join(QCoreApplication::translate("tarnby-cli", "，")));
    out += QCoreApplication::translate("tarnby-cli", "记录：%1\n").arg(r.records);
    out += QCoreApplication::translate("tarnby-cli", "跳过：%1\n").arg(r.skipped.size());
    for (const SkippedRow& s : r.skipped) {
        out += QCoreApplication::translate("tarnby-cli", "  %1：%2").arg(cellText(s.row, s.column), skipReasonText(s.reason));
        if (!s.text.isEmpty())
            out += QCoreApplication::translate("tarnby-cli", "「%1」").arg(s.text);
        out += u'\n';
    }
    if (r.punchAboveStart >= 0)
        out += QCoreApplication::translate("tarnby-cli", "提示：第%1行像是一条打卡记录，但数据读取位置从第%2行读起，这一行没有读入。\n")
                   .arg(rowName(r.punchAboveStart))
                   .arg(rowName(r.firstRow));
    if (r.failed)
        out += QCoreApplication::translate("tarnby-cli", "读取错误：%1\n").arg(failureText(r));
    return out;
}

QJsonObject asJson(const FileReadReport& r)
{
    QJsonObject o;
    o.insert(QStringLiteral("file"), r.path);
    o.insert(QStringLiteral("read"), !r.failed);
    if (r.failed)
        o.insert(QStringLiteral("error"), failureText(r));
    if (r.failed && r.layout == ExportLayout::None && r.readError != ReadError::None)
        return o;
    o.insert(QStringLiteral("layout"), layoutKey(r.layout));
    if (r.shape != HeaderShape::None)
        o.insert(QStringLiteral("shape"), shapeKey(r.shape));
    o.insert(QStringLiteral("sheet"), r.sheet + 1);
    o.insert(QStringLiteral("sheetName"), r.sheetName);
    o.insert(QStringLiteral("headerRow"), r.headerRow >= 0 ? QJsonValue(rowName(r.headerRow)) : QJsonValue());
    o.insert(QStringLiteral("firstRow"), rowName(r.firstRow));
    if (r.periodFirst.isValid())
        o.insert(QStringLiteral("period"),
                 QJsonObject{{QStringLiteral("first"), isoDate(r.periodFirst)}, {QStringLiteral("last"), isoDate(r.periodLast)}});
    QJsonArray columns;
    for (const ColumnUse& use : r.columns) {
        QJsonObject c{{QStringLiteral("column"), columnName(use.column)},
                      {QStringLiteral("role"), roleKey(use.role)},
                      {QStringLiteral("header"), use.header}};
        if (use.date.isValid())
            c.insert(QStringLiteral("date"), isoDate(use.date));
        columns.append(c);
    }
    o.insert(QStringLiteral("columns"), columns);
    o.insert(QStringLiteral("records"), r.records);
    QJsonArray skipped;
    for (const SkippedRow& s : r.skipped)
        skipped.append(QJsonObject{{QStringLiteral("row"), rowName(s.row)},
                                   {QStringLiteral("column"), s.column >= 0 ? QJsonValue(columnName(s.column)) : QJsonValue()},
                                   {QStringLiteral("reason"), skipReasonKey(s.reason)},
                                   {QStringLiteral("text"), s.text}});
    o.insert(QStringLiteral("skipped"), skipped);
    if (r.punchAboveStart >= 0)
        o.insert(QStringLiteral("punchAboveStart"), rowName(r.punchAboveStart));
    return o;
}

int detect(QStringList args, const QString& exeDir)
{
    QString home;
    if (!takeHome(args, exeDir, &home))
        return kExitUsage;
    bool json = false;
    QStringList files;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args.at(i);
        if (arg == QLatin1String("--format")) {
            if (i + 1 >= args.size()) {
                printError(QCoreApplication::translate("tarnby-cli", "--format 后面缺少取值。"));
                return kExitUsage;
            }
            const QString value = args.at(++i);
            if (value != QLatin1String("text") && value != QLatin1String("json")) {
                printError(QCoreApplication::translate("tarnby-cli", "输出格式只能是 text 或 json：%1").arg(value));
                return kExitUsage;
            }
            json = value == QLatin1String("json");
        } else if (arg.startsWith(QLatin1String("--"))) {
            printError(QCoreApplication::translate("tarnby-cli", "未知的选项：%1").arg(arg));
            return kExitUsage;
        } else {
            files << arg;
        }
    }
    if (files.isEmpty()) {
        printError(QCoreApplication::translate("tarnby-cli", "缺少要识别的文件。"));
        return kExitUsage;
    }
    const auto position = config::LoadReadPosition(home);
    if (!position) {
        printError(position.error());
        return kExitUsage;
    }

    const QDate today = systemClock()().date();
    bool allRead = true;
    QString text;
    QJsonArray reports;
    for (const QString& file : std::as_const(files)) {
        ExportRead read = readExportFile(QFileInfo(file).absoluteFilePath(), *position, today);
        read.report.path = file;
        allRead = allRead && !read.report.failed;
        if (json)
            reports.append(asJson(read.report));
        else
            text += (text.isEmpty() ? QString() : QStringLiteral("\n")) + asText(read.report);
    }
    printOut(json ? QString::fromUtf8(QJsonDocument(reports).toJson(QJsonDocument::Indented)) : text);
    return allRead ? kExitOk : kExitReadError;
}

const CommandRegistration registration("detect", kUsage, detect);

} // namespace
} // namespace tarnby::cli
