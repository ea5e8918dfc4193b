// The layouts clocks export: each, in every format, reads the punches of its
// one-row-per-punch twin, skips and reports its faulty rows, and tarnby-cli
// analyse --all says the same of both folders.

#include "ImportTestSupport.h"
#include "support/TestPaths.h"
#include "LayoutTwins.h"

#include "import/FolderImport.h"
#include "import/layout/ExportPreview.h"
#include "import/layout/CellReading.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using namespace layouttest;
using tarnby::ImportOutcome;
using tarnby::PunchTable;
using tarnby::SkipReason;

const QDate kToday(2026, 12, 9);
const tarnby::Clock kClock = [] { return QDateTime(kToday, QTime(9, 0)); };
const tarnby::ReadPosition kA2B2{QStringLiteral("A2"), QStringLiteral("B2")};

// Three employees numbered from `first`, every day but Sundays, two to `most` punches a day.
Punches month(int first, const QDate& from, const QDate& to, int most)
{
    Punches out;
    for (int e = 0; e < 3; ++e) {
        for (QDate d = from; d <= to; d = d.addDays(1)) {
            if (d.dayOfWeek() == 7)
                continue;
            QList<QTime> times;
            const int count = 2 + (d.day() + e) % (most - 1);
            for (int i = 0; i < count; ++i)
                times << QTime(7 + 3 * i, (d.day() * 7 + e * 13 + i * 5) % 60);
            out.append({QStringLiteral("0%1").arg(first + e), QStringLiteral("员工%1").arg(first + e), d, times});
        }
    }
    return out;
}

struct LayoutFile {
    QString name;
    QString layout; // the junk's name; the layout is "header" unless it is "grid" or "log"
    Punches days;
    Book book;
};

QList<LayoutFile> layoutFiles(Format format)
{
    const QDate oct16(2024, 10, 16), nov15(2024, 11, 15), dec16(2024, 12, 16), jan15(2025, 1, 15);
    const QDate feb1(2024, 2, 1), feb29(2024, 2, 29);
    QList<LayoutFile> files = {
        {"a-grid-october", "grid", month(101, oct16, nov15, 6), {}},
        {"b-grid-new-year", "grid", month(201, dec16, jan15, 6), {}},
        {"c-grid-1-31-february", "grid", month(301, feb1, feb29, 6), {}},
        {"d-grid-1-31-october", "grid", month(351, oct16, nov15, 6), {}},
        {"e-datetime", "datetime", month(401, oct16, nov15, 4), {}},
        {"f-date-and-time", "date-and-time", month(501, dec16, jan15, 4), {}},
        {"g-sign-in", "sign-in", month(601, oct16, nov15, 4), {}},
        {"h-run-together", "run-together", month(701, feb1, feb29, 6), {}},
    };
    files[0].book = grid(files[0].days, oct16, nov15);
    files[1].book = grid(files[1].days, dec16, jan15);
    files[2].book = grid(files[2].days, feb1, feb29, true);
    files[3].book = grid(files[3].days, oct16, nov15, true);
    const Shape shapes[] = {Shape::DateTime, Shape::DateAndTime, Shape::SignInColumns, Shape::RunTogether};
    for (int i = 0; i < 4; ++i)
        files[4 + i].book = headerTable(files[4 + i].days, shapes[i]);
    if (format == Format::Csv || format == Format::Dat)
        files.append({"i-log", "log", month(801, dec16, jan15, 4), log(month(801, dec16, jan15, 4))});
    return files;
}

// tarnby-cli analyse --all of the folder for the period
QByteArray analyse(const QString& home, const QString& folder, const QStringList& period)
{
    QProcess cli;
    cli.start(testsupport::cliPath(), QStringList{"analyse", "--home", home, "--folder", folder, "--all"} + period);
    EXPECT_TRUE(cli.waitForFinished(120000));
    EXPECT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
    return cli.readAllStandardOutput();
}

class LayoutTwins : public testing::TestWithParam<Format> {};

TEST_P(LayoutTwins, ReadAsTheirOneRowPerPunchTwins)
{
    QTemporaryDir dir;
    const QString home = dir.filePath(QStringLiteral("home")), layouts = dir.filePath(QStringLiteral("layouts")),
                  twins = dir.filePath(QStringLiteral("twins"));
    for (const QString& path : {home, layouts, twins})
        ASSERT_TRUE(QDir().mkpath(path));
    ASSERT_TRUE(importtest::writeInit(home, QStringLiteral("A2B2"), {QStringLiteral("0101,张三"), QStringLiteral("0401,李四")}));
    const QList<LayoutFile> files = layoutFiles(GetParam());
    for (const LayoutFile& f : files) {
        write(f.book, GetParam(), QDir(layouts).filePath(f.name + extension(GetParam())));
        write(twin(f.days), Format::Xls, QDir(twins).filePath(f.name + QStringLiteral(".xls")));
    }

    PunchTable read, expected;
    const ImportOutcome out = tarnby::readFolder(layouts, kA2B2, read, {}, kClock);
    ASSERT_EQ(out.kind, ImportOutcome::Kind::Read) << out.text.toStdString();
    ASSERT_EQ(tarnby::readFolder(twins, kA2B2, expected, {}, kClock).kind, ImportOutcome::Kind::Read);
    EXPECT_EQ(importtest::texts(read.records()), importtest::texts(expected.records()));
    ASSERT_EQ(out.report.files.size(), files.size());
    for (int i = 0; i < files.size(); ++i) {
        const tarnby::FileReadReport& r = out.report.files[i];
        const QString layout = files[i].layout == u"grid" || files[i].layout == u"log" ? files[i].layout : QStringLiteral("header");
        EXPECT_EQ(tarnby::layoutKey(r.layout), layout) << files[i].name.toStdString();
        QList<SkipReason> reasons;
        for (const tarnby::SkippedRow& s : r.skipped)
            reasons << s.reason;
        EXPECT_EQ(reasons, junk(files[i].layout)) << files[i].name.toStdString();
    }

    const QList<QStringList> periods = {{"--year", "2024", "--month", "10"},
                                        {"--year", "2024", "--month", "12"},
                                        {"--year", "2024", "--month", "2", "--style", "1"}};
    for (const QStringList& period : periods)
        EXPECT_EQ(analyse(home, layouts, period), analyse(home, twins, period)) << period.join(u' ').toStdString();
}

INSTANTIATE_TEST_SUITE_P(Import, LayoutTwins, testing::Values(Format::Xls, Format::Xlsx, Format::Csv, Format::Dat),
                         [](const auto& p) { return extension(p.param).mid(1).toStdString(); });

// One small text export, read as the folder read reads it.
struct ReportRow {
    const char* name;
    const char* position;
    const char* csv;
    const char* layout;
    int records;
    int punchAboveStart;
    QList<SkipReason> skipped;
};

class ReadReport : public testing::TestWithParam<ReportRow> {};

TEST_P(ReadReport, TellsHowTheFileWasRead)
{
    const ReportRow& row = GetParam();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("export.csv"));
    ASSERT_TRUE(importtest::writeFile(path, row.csv));
    const QString position = QString::fromLatin1(row.position);
    const tarnby::ExportRead read = tarnby::readExportFile(path, {position.left(2), position.mid(2)}, kToday);
    EXPECT_EQ(tarnby::layoutKey(read.report.layout), QLatin1String(row.layout));
    EXPECT_EQ(read.report.records, row.records);
    EXPECT_EQ(read.report.punchAboveStart, row.punchAboveStart);
    QList<SkipReason> reasons;
    for (const tarnby::SkippedRow& s : read.report.skipped)
        reasons << s.reason;
    EXPECT_EQ(reasons, row.skipped);
}

INSTANTIATE_TEST_SUITE_P(Import, ReadReport, testing::Values(
    ReportRow{"headerlessLogFromRow2HintsAtRow1", "A2B2", "1,2024-10-16 08:00:00\n1,2024-10-16 17:00:00\n", "configured", 1, 0, {}},
    ReportRow{"headerUnderDefaultCellsA1B2", "A1B2", "工号,日期时间\n1,2024-10-16 08:00:00\n2,2024-10-16 08:05:00\n", "header", 2, -1, {}},
    ReportRow{"blankStartRowAboveAHeaderTable", "A2B2", "考勤表\n\n\n工号,打卡时间\n1,2024-10-16 08:00:00\n", "header", 1, -1, {}},
    ReportRow{"dateTextUnderTheTimeCellIsNoPunch", "A2B2", "工号,日期,签到,签退\n1,2024/10/16,08:01,17:30\n", "header", 2, -1, {}},
    ReportRow{"headerWithoutRowsGivesNothing", "A2B2", "工号,日期时间\n", "header", 0, -1, {}},
    ReportRow{"noLayoutReadsAsConfigured", "A2B2", "备注\n\n", "none", 0, -1, {}},
    ReportRow{"logTakesAYearAheadAndSkipsBeyond", "A5B5", "1,2027-12-09 08:00:00\n1,2027-12-10 08:00:00\n,2024-10-16 08:00:00\n",
              "log", 1, -1, {SkipReason::DateTooLate, SkipReason::EmptyNumber}}),
    [](const auto& p) { return std::string(p.param.name); });

// Every time a cell holds, "?" before a piece that is none.
class CellTimes : public testing::TestWithParam<std::pair<const char*, const char*>> {};

TEST_P(CellTimes, KeepsEveryTimeAndDropsOnlyUnreadablePieces)
{
    tarnby::Cell cell;
    cell.kind = tarnby::Cell::Kind::Text;
    cell.text = QString::fromUtf8(GetParam().first);
    QStringList found;
    for (const tarnby::layout::TimePiece& p : tarnby::layout::cellTimes(cell, {}))
        found << (p.time ? QStringLiteral("%1:%2:%3").arg(p.time->hour, 2, 10, QChar(u'0')).arg(p.time->minute, 2, 10, QChar(u'0')).arg(p.time->second, 2, 10, QChar(u'0'))
                         : u'?' + p.text);
    EXPECT_EQ(found.join(u' '), QString::fromUtf8(GetParam().second));
}

INSTANTIATE_TEST_SUITE_P(Import, CellTimes, testing::Values(
    std::pair{"08:0112:0313:58", "08:01:00 12:03:00 13:58:00"},
    std::pair{"8:01\n12:03  13:58\r\n", "08:01:00 12:03:00 13:58:00"},
    std::pair{"08:01,12:03；13:58、18:00", "08:01:00 12:03:00 13:58:00 18:00:00"},
    std::pair{"8:01:05 17：30", "08:01:05 17:30:00"},
    std::pair{"07:55 10:00 12:03 13:58 18:00 21:30", "07:55:00 10:00:00 12:03:00 13:58:00 18:00:00 21:30:00"},
    std::pair{"08:01 25:00 13:58", "08:01:00 ?25:00 13:58:00"},
    std::pair{"08:01(补) 17:00", "?08:01(补) 17:00:00"},
    std::pair{"08:0112", "?08:0112"}));

TEST(FolderReadReport, NamesTheNumbersTheRosterLacks)
{
    QTemporaryDir dir;
    const QString home = dir.filePath(QStringLiteral("home")), data = dir.filePath(QStringLiteral("data"));
    ASSERT_TRUE(QDir().mkpath(home) && QDir().mkpath(data));
    ASSERT_TRUE(importtest::writeInit(home, QStringLiteral("A2B2"), {QStringLiteral("102,张三")}));
    const Punches days = month(101, QDate(2024, 10, 16), QDate(2024, 10, 19), 3);
    write(grid(days, QDate(2024, 10, 16), QDate(2024, 11, 15)), Format::Xls, QDir(data).filePath(QStringLiteral("a.xls")));
    PunchTable table;
    const ImportOutcome out = tarnby::ReadFolderRecords(home, data, table, {}, kClock);
    ASSERT_EQ(out.kind, ImportOutcome::Kind::Read);
    QStringList unregistered;
    for (const tarnby::UnregisteredNumber& u : out.report.unregistered)
        unregistered << QStringLiteral("%1 %2 %3").arg(u.number, u.name).arg(u.records);
    // 0102 is the roster's 102; the others punched 2, 3, 2 and 3 times on the four days
    EXPECT_EQ(unregistered, (QStringList{"0101 员工101 10", "0103 员工103 10"}));
}

TEST(ExportPreview, ShowsTheFirstRowsOfTheWorksheetRead)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("grid.xls"));
    Punches days = month(101, QDate(2024, 10, 16), QDate(2024, 10, 31), 3);
    days[1].times = {QTime(7, 24)};
    write(grid(days, QDate(2024, 10, 16), QDate(2024, 11, 15)), Format::Xls, path);
    const tarnby::ExportPreview preview = tarnby::previewExport(path, kA2B2, kToday, 7);
    EXPECT_EQ(preview.read.report.layout, tarnby::ExportLayout::Grid);
    EXPECT_EQ(preview.sheet.name(), QStringLiteral("刷卡记录"));
    EXPECT_EQ(preview.sheet.rowCount(), 7);
    EXPECT_EQ(tarnby::previewText(preview.sheet.cell(2, 2)), QStringLiteral("2024-10-16 ~ 2024-11-15（总公司）"));
    EXPECT_EQ(tarnby::previewText(preview.sheet.cell(6, 1)), QStringLiteral("07:24:00")) << "a lone time keeps its cell";
}

TEST(DetectCommand, SaysHowEachFileIsReadAndFailsForAnUnreadableOne)
{
    QTemporaryDir dir;
    ASSERT_TRUE(importtest::writeInit(dir.path(), QStringLiteral("A2B2"), {}));
    const Punches days = month(101, QDate(2024, 12, 16), QDate(2024, 12, 31), 4);
    write(grid(days, QDate(2024, 12, 16), QDate(2025, 1, 15)), Format::Xls, dir.filePath(QStringLiteral("grid.xls")));
    ASSERT_TRUE(importtest::writeFile(dir.filePath(QStringLiteral("bad.xls")), "no workbook"));
    QProcess cli;
    cli.start(testsupport::cliPath(), {"detect", "--home", dir.path(), "--format", "json", dir.filePath("grid.xls"),
                                           dir.filePath("bad.xls")});
    ASSERT_TRUE(cli.waitForFinished(60000));
    EXPECT_EQ(cli.exitCode(), 1);
    const QJsonArray files = QJsonDocument::fromJson(cli.readAllStandardOutput()).array();
    ASSERT_EQ(files.size(), 2);
    const QJsonObject grid = files[0].toObject();
    EXPECT_EQ(grid[u"layout"].toString(), QStringLiteral("grid"));
    EXPECT_EQ(grid[u"sheet"].toInt(), 3);
    EXPECT_EQ(grid[u"sheetName"].toString(), QStringLiteral("刷卡记录"));
    EXPECT_EQ(grid[u"headerRow"].toInt(), 4);
    EXPECT_EQ(grid[u"period"][u"last"].toString(), QStringLiteral("2025-01-15"));
    int punches = 0;
    for (const DayPunches& d : days)
        punches += int(d.times.size());
    EXPECT_EQ(grid[u"records"].toInt(), punches);
    EXPECT_EQ(grid[u"skipped"].toArray().size(), 2);
    EXPECT_FALSE(files[1].toObject()[u"read"].toBool());
    EXPECT_FALSE(files[1].toObject()[u"error"].toString().isEmpty());
}

} // namespace
