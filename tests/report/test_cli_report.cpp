// tarnby-cli report end to end on the sample month: the exit statuses, the
// silence on success, and the workbook as a spreadsheet program reads it back
// (LibreOffice Calc, headless) against what `analyse --all --extended` gives;
// and a generated month on shifts with departments, read back cell by cell.

#include "support/Cli.h"
#include "support/ProgramFolder.h"
#include "support/TestPaths.h"
#include "XlsxReadBack.h"
#include "base/TextFile.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace {

using testsupport::CliRun;
using testsupport::runCli;
using testsupport::sampleFolder;

// CSV as LibreOffice writes it: commas, quotes doubled, LF or CR LF.
QList<QStringList> parseCsv(const QString& text)
{
    QList<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text.at(i + 1) == u'"') {
                field += u'"';
                ++i;
            } else if (c == u'"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == u'"') {
            quoted = true;
        } else if (c == u',') {
            row.append(field);
            field.clear();
        } else if (c == u'\n' || c == u'\r') {
            if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
                ++i;
            row.append(field);
            field.clear();
            rows.append(row);
            row.clear();
        } else {
            field += c;
        }
    }
    if (!field.isEmpty() || !row.isEmpty()) {
        row.append(field);
        rows.append(row);
    }
    return rows;
}

// Overtime minutes as the report's hours: one decimal, half a tenth up.
QString hours(int minutes)
{
    const int tenths = (minutes * 10 + 30) / 60;
    return QStringLiteral("%1.%2").arg(tenths / 10).arg(tenths % 10);
}

QString stripDays(QString text)
{
    if (text.endsWith(QStringLiteral("天")))
        text.chop(1);
    return text;
}

class CliReport : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(home.valid() && out.isValid());
        ASSERT_TRUE(home.copyShipped("Init.ini"));
        // Fines in Arabic digits, a Chinese numeral and an amount nobody can read.
        ASSERT_TRUE(home.writeMonth("202611.ydj", {"0001##11月05日##张三##迟到较多##处罚50元",
                                                   "0001##11月12日##张三##屡次迟到##处罚 5 元",
                                                   "0002##11月06日##李四##屡次迟到##处罚一百二十元",
                                                   "0003##11月09日##王五##迟到##处罚若干元",
                                                   "0001##11月10日##张三##看病##病假1天"}));
    }

    QStringList period() const
    {
        return {"--home",  home.path(), "--folder", sampleFolder(), "--year", "2026", "--month", "11",
                "--style", "1",         "--rest",   "2026-11-07,2026-11-08,2026-11-14,2026-11-15"};
    }

    testsupport::ProgramFolder home;
    QTemporaryDir out;
};

TEST_F(CliReport, StatusesAndSilence)
{
    const QString existing = out.filePath("kept.xlsx");
    {
        QFile f(existing);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("old");
    }
    const struct {
        QStringList args;
        int status;
    } cases[] = {
        {period() + QStringList{"--output", out.filePath("a.xlsx")}, 0},
        {period() + QStringList{"--output", out.filePath("a.csv")}, 0},
        {period() + QStringList{"--output", out.filePath("a.PDF")}, 0},
        {period() + QStringList{"--output", out.filePath("a.xls")}, 2},
        {period() + QStringList{"--output", out.filePath("a")}, 2},
        {period(), 2},
        {period() + QStringList{"--output"}, 2},
        {period() + QStringList{"--output", out.filePath("b.csv"), "--all"}, 2},
        {period() + QStringList{"--output", out.filePath("nowhere/b.csv")}, 2},
        {period() + QStringList{"--output", out.filePath("b.csv"), "--rest", "2026-12-01"}, 2},
        {period() + QStringList{"--output", out.filePath("b.csv"), "--style", "3"}, 2},
        {period() + QStringList{"--output", out.filePath("b.csv"), "--checked-by", QString(21, u'李')}, 2},
        {period() + QStringList{"--output", out.filePath("b.csv"), "--prepared-by"}, 2},
        {{"--home", home.path(), "--folder", sampleFolder(), "--output", out.filePath("b.csv")}, 2},
        {{"--home", out.filePath("none"), "--folder", sampleFolder(), "--year", "2026", "--month", "11", "--output",
          out.filePath("b.csv")}, 2},
        {{"--home", home.path(), "--folder", out.filePath("none"), "--year", "2026", "--month", "11", "--output",
          out.filePath("b.csv")}, 2},
        {{"--home", home.path(), "--folder", QStringLiteral(TARNBY_SOURCE_DIR "/tests/data/import/cli-error-folder"),
          "--year", "2026", "--month", "11", "--output", out.filePath("b.csv")}, 1},
    };
    for (const auto& c : cases) {
        const CliRun run = runCli(QStringList{"report"} + c.args);
        const std::string what = c.args.join(u' ').toStdString();
        EXPECT_EQ(run.status, c.status) << what << "\n" << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty()) << what;
        if (c.status == 0)
            EXPECT_TRUE(run.err.isEmpty()) << what << "\n" << run.err.toStdString();
        else
            EXPECT_FALSE(run.err.isEmpty()) << what;
    }
    EXPECT_FALSE(QFile::exists(out.filePath("b.csv")));
    for (const char* made : {"a.xlsx", "a.csv", "a.PDF"})
        EXPECT_GT(QFileInfo(out.filePath(made)).size(), 100) << made;

    // a failed run keeps the file it would have replaced
    const QString lock = out.filePath(".~lock.kept.xlsx#");
    QFile(lock).open(QIODevice::WriteOnly);
    const CliRun locked = runCli(QStringList{"report"} + period() + QStringList{"--output", existing});
    EXPECT_EQ(locked.status, 2);
    EXPECT_TRUE(locked.err.contains(QStringLiteral("原有文件保持不变")));
    QFile f(existing);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("old"));
}

// The PDF painter is a module the program looks for beside itself: a copy of
// the program carries it along, and a .pdf without it is refused with a
// message while the other formats need no module at all.
TEST_F(CliReport, ThePdfModuleIsFoundBesideTheProgram)
{
    const QString module = QStringLiteral(TARNBY_PDF_MODULE_FILE);
    const struct {
        const char* name;
        const char* moduleBytes; // nullptr: the module as built; "": none
        const char* output;
        int status;
        const char* says;
    } cases[] = {
        {"a portable copy with the module", nullptr, "a.pdf", 0, ""},
        {"a copy without the module, asked for a .pdf", "", "a.pdf", 2, "找不到生成 PDF 的模块"},
        {"a copy without the module, asked for a .csv", "", "a.csv", 0, ""},
        {"a damaged module", "not a library", "a.pdf", 2, "无法载入生成 PDF 的模块"},
    };
    for (const auto& c : cases) {
        QTemporaryDir copy;
        const QString program = copy.filePath(QStringLiteral("tarnby-cli"));
        ASSERT_TRUE(QFile::copy(testsupport::cliPath(), program)) << c.name;
        if (!c.moduleBytes) {
            ASSERT_TRUE(QFile::copy(QDir(testsupport::builtProgramDir()).filePath(module), copy.filePath(module)));
        } else if (*c.moduleBytes) {
            QFile junk(copy.filePath(module));
            ASSERT_TRUE(junk.open(QIODevice::WriteOnly) && junk.write(c.moduleBytes) > 0);
        }
        const QString written = copy.filePath(QString::fromLatin1(c.output));
        const CliRun run = testsupport::runProgram(program, QStringList{"report"} + period() + QStringList{"--output", written});
        EXPECT_EQ(run.status, c.status) << c.name << "\n" << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(QString::fromUtf8(c.says))) << c.name << "\n" << run.err.toStdString();
        EXPECT_EQ(QFile::exists(written), c.status == 0) << c.name;
    }
}

// A full disk fails the workbook inside libxlsxwriter, which also speaks on
// stderr itself: the command still says one line, and only that.
TEST_F(CliReport, AFullDiskIsOneMessage)
{
    QProcess p;
    p.setChildProcessModifier([] {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    });
    p.start(testsupport::cliPath(), QStringList{"report"} + period() + QStringList{"--output", out.filePath("full.xlsx")});
    ASSERT_TRUE(p.waitForFinished(120000));
    EXPECT_EQ(p.exitCode(), 2);
    const QString err = QString::fromUtf8(p.readAllStandardError());
    EXPECT_EQ(err.count(u'\n'), 1) << err.toStdString();
    EXPECT_TRUE(err.contains(QStringLiteral("原有文件保持不变"))) << err.toStdString();
}

// The spreadsheet program's reading of the workbook, employee by employee,
// against the result page's figures as tarnby-cli analyse gives them.
TEST_F(CliReport, CalcReadsTheSameFiguresAsTheResultPage)
{
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice.isEmpty())
        GTEST_SKIP() << "LibreOffice Calc is not installed (scripts/install-deps installs it): "
                        "nothing reads the workbook back";
    const QString book = out.filePath("report.xlsx");
    const CliRun report = runCli(QStringList{"report"} + period() + QStringList{"--output", book});
    ASSERT_EQ(report.status, 0) << report.err.toStdString();
    const CliRun analysed = runCli(QStringList{"analyse"} + period() + QStringList{"--all", "--extended"});
    ASSERT_EQ(analysed.status, 0);
    const QJsonArray employees = QJsonDocument::fromJson(analysed.out).array();
    ASSERT_FALSE(employees.isEmpty());

    // Every sheet to its own file (the last field -1), cells as shown.
    QProcess calc;
    calc.setWorkingDirectory(out.path());
    calc.start(soffice, {QStringLiteral("-env:UserInstallation=file://%1/profile").arg(out.path()), "--headless",
                         "--convert-to", "csv:Text - txt - csv (StarCalc):44,34,76,1,,0,false,true,true,false,false,-1",
                         "--outdir", out.filePath("csv"), book});
    ASSERT_TRUE(calc.waitForFinished(280000)) << "LibreOffice did not finish";
    auto sheet = [this](const char* name) {
        QFile f(out.filePath(QStringLiteral("csv/report-%1.csv").arg(QString::fromUtf8(name))));
        return f.open(QIODevice::ReadOnly) ? parseCsv(QString::fromUtf8(f.readAll())) : QList<QStringList>();
    };
    const QList<QStringList> summary = sheet("汇总");
    const QList<QStringList> details = sheet("明细");
    ASSERT_FALSE(summary.isEmpty()) << calc.readAllStandardError().toStdString() << QDir(out.filePath("csv")).entryList().join(u' ').toStdString();
    ASSERT_EQ(summary.size(), 2 + employees.size());
    EXPECT_TRUE(summary.at(0).value(0).contains(QStringLiteral("2026年11月01日")));

    const std::map<QString, QString> fines = {{"0001 张三", "55"}, {"0002 李四", "120"}};
    qsizetype detailRow = 1;
    for (qsizetype e = 0; e < employees.size(); ++e) {
        const QJsonObject expected = employees.at(e).toObject();
        const QString employee = expected.value("employee").toString();
        const QStringList& row = summary.at(2 + e);
        ASSERT_EQ(row.size(), 22) << employee.toStdString();
        EXPECT_EQ(row.at(0), employee);
        const QJsonArray stats = expected.value("stats").toArray();
        for (int s = 0; s < 12; ++s)
            EXPECT_EQ(stripDays(row.at(1 + s)), stripDays(stats.at(s).toString()))
                << employee.toStdString() << " statistic " << s;
        EXPECT_EQ(row.at(13), stats.at(12).toString()) << employee.toStdString();
        const auto fine = fines.find(employee);
        EXPECT_EQ(row.at(14), fine == fines.end() ? QStringLiteral("0") : fine->second) << employee.toStdString();
        const QJsonObject extra = expected.value("extra").toObject();
        const char* payroll[] = {"lateMinutes", "earlyCount", "earlyMinutes", "overtimeWorkday", "overtimeRestday",
                                 "overtimeHoliday"};
        for (int c = 0; c < 6; ++c) {
            const int value = extra.value(payroll[c]).toInt();
            EXPECT_EQ(row.at(16 + c), c < 3 ? QString::number(value) : hours(value)) << employee.toStdString() << c;
        }

        for (const QJsonValue& value : expected.value("rows").toArray()) {
            const QJsonArray cells = value.toObject().value("cells").toArray();
            ASSERT_LT(detailRow, details.size());
            const QStringList& line = details.at(detailRow++);
            EXPECT_EQ(line.value(0), employee);
            for (int c = 0; c < 7; ++c)
                EXPECT_EQ(line.value(1 + c), cells.at(c).toString()) << employee.toStdString() << " row " << detailRow;
        }
    }
    EXPECT_EQ(detailRow, details.size());
}

// A month on shifts: a day shift with grace and early leave, a night shift
// across midnight, week patterns, a holiday, departments, an employee judged
// by the time mode and one whose punches all lie before the period.
class ShiftMonth : public CliReport {
protected:
    void SetUp() override
    {
        CliReport::SetUp();
        ASSERT_TRUE(QDir(out.path()).mkpath("punches"));
        ASSERT_TRUE(tarnby::textfile::writeUtf8Lines(home.file("Schedules.json"), {R"({"version": 1, "shifts": [
 {"name": "白班", "times": ["08:00", "12:00", "13:30", "17:30"], "grace": 5, "earlyLeave": 30},
 {"name": "夜班", "times": ["20:00", "08:00"], "dayStart": "12:00", "earlyLeave": 30}],
 "employees": [
 {"number": "0001", "week": ["白班", "白班", "白班", "白班", "白班", "白班", "休"], "department": "生产部"},
 {"number": "0002", "week": ["夜班", "夜班", "夜班", "夜班", "夜班", "休", "休"], "department": "生产部"},
 {"number": "0003", "week": ["白班", "白班", "白班", "白班", "白班", "休", "休"], "department": "财务部"},
 {"number": "0005", "department": "财务部"}]})"}).ok());
        ASSERT_TRUE(tarnby::textfile::writeUtf8Lines(home.file("Holidays.txt"), {"2026-11-11 公司庆典"}).ok());
        QStringList lines{"工号,打卡时间"};
        auto punch = [&lines](int employee, const QDate& day, int minute) {
            lines.append(QStringLiteral("%1,%2 %3:%4:07")
                             .arg(employee, 4, 10, QLatin1Char('0'))
                             .arg(day.addDays(minute / 1440).toString(Qt::ISODate))
                             .arg(minute % 1440 / 60, 2, 10, QLatin1Char('0'))
                             .arg(minute % 60, 2, 10, QLatin1Char('0')));
        };
        for (int e = 1; e <= 5; ++e) {
            for (QDate day(2026, 11, 1); day.month() == 11; day = day.addDays(1)) {
                const int d = day.day();
                if ((d + e) % 17 == 0 || (e != 1 && day.dayOfWeek() == 7))
                    continue; // absent, or a Sunday off
                if (e == 2) { // nights: in about 20:00, out the next morning
                    punch(e, day, 20 * 60 - 10 + (d * 7) % 25);
                    punch(e, day, 1440 + 8 * 60 - 40 + (d * 13) % 150);
                    continue;
                }
                punch(e, day, 8 * 60 - 5 + (d * 7 + e * 3) % 15);
                if ((d * e) % 13 != 0)
                    punch(e, day, 12 * 60 + d % 3);
                punch(e, day, 13 * 60 + 28 + d % 4);
                punch(e, day, 17 * 60 + 10 + (d * 11 + e) % 200);
            }
        }
        punch(4, QDate(2026, 10, 20), 8 * 60); // 0004's only other punch lies before the period
        for (int d = 3; d <= 6; ++d)
            punch(6, QDate(2026, 10, d), 8 * 60); // 0006 has none in it at all
        ASSERT_TRUE(tarnby::textfile::writeUtf8Lines(out.filePath("punches/kq.csv"), lines).ok());
    }

    QStringList month() const
    {
        return {"--home", home.path(), "--folder", out.filePath("punches"), "--year", "2026", "--month", "11",
                "--style", "1", "--rest-auto"};
    }
};

// Every employee's row of 汇总 and of 考勤表 against analyse --all --extended,
// and every subtotal against the rows above it.
TEST_F(ShiftMonth, TheReportEqualsAnalyseExtendedAndTheSubtotalsTheSums)
{
    const QString path = out.filePath("shifts.xlsx");
    const CliRun report = runCli(QStringList{"report"} + month()
                              + QStringList{"--by-department", "--prepared-by", "王会计", "--output", path});
    ASSERT_EQ(report.status, 0) << report.err.toStdString();
    const CliRun analysed = runCli(QStringList{"analyse"} + month() + QStringList{"--all", "--extended"});
    ASSERT_EQ(analysed.status, 0) << analysed.err.toStdString();
    const QJsonArray employees = QJsonDocument::fromJson(analysed.out).array();
    // The picker holds 0004 twice, from Init.ini and from its punches: analyse
    // gives each entry, the report each distinct one once.
    ASSERT_EQ(employees.size(), 7);
    const testsupport::XlsxReadBack book(path);
    const testsupport::XlsxSheet* summary = book.sheet("汇总");
    const testsupport::XlsxSheet* grid = book.sheet("考勤表");
    ASSERT_TRUE(summary && grid);
    auto cell = [](const testsupport::XlsxSheet* sheet, int column, int row) {
        const QString name = column < 26 ? QString(QChar(u'A' + column))
                                         : QString(QChar(u'A' + column / 26 - 1)) + QChar(u'A' + column % 26);
        return sheet->cells.value(name + QString::number(row)).value;
    };
    auto rowOf = [&cell](const testsupport::XlsxSheet* sheet, const QString& employee) {
        for (int r = 1; r <= sheet->rows; ++r)
            if (cell(sheet, 0, r) == employee)
                return r;
        return 0;
    };
    int earlyLeaves = 0;
    int holidayWork = 0;
    for (const QJsonValue& value : employees) {
        const QJsonObject e = value.toObject();
        const QString name = e.value("employee").toString();
        const int r = rowOf(summary, name);
        ASSERT_GT(r, 2) << name.toStdString();
        const QJsonArray stats = e.value("stats").toArray();
        const QJsonArray rows = e.value("rows").toArray();
        if (rows.isEmpty()) {
            EXPECT_EQ(cell(summary, 1, r), QStringLiteral("本期无打卡记录")) << name.toStdString();
            EXPECT_EQ(cell(summary, 13, r), QStringLiteral("无"));
            continue;
        }
        for (int s = 0; s < 12; ++s)
            EXPECT_EQ(cell(summary, 1 + s, r), stripDays(stats.at(s).toString())) << name.toStdString() << " " << s;
        EXPECT_EQ(cell(summary, 13, r), stats.at(12).toString()) << name.toStdString();
        const QJsonObject extra = e.value("extra").toObject();
        const int minutes[] = {extra.value("lateMinutes").toInt(), extra.value("earlyCount").toInt(),
                               extra.value("earlyMinutes").toInt()};
        for (int c = 0; c < 3; ++c)
            EXPECT_EQ(cell(summary, 16 + c, r), QString::number(minutes[c])) << name.toStdString() << " " << c;
        const char* overtime[] = {"overtimeWorkday", "overtimeRestday", "overtimeHoliday"};
        for (int c = 0; c < 3; ++c)
            EXPECT_DOUBLE_EQ(cell(summary, 19 + c, r).toDouble(), hours(extra.value(overtime[c]).toInt()).toDouble())
                << name.toStdString() << " " << overtime[c];
        earlyLeaves += minutes[1];
        holidayWork += extra.value("overtimeHoliday").toInt();

        // The grid: a day's symbols beside what the row says, the counts at its end.
        const int g = rowOf(grid, name);
        ASSERT_GT(g, 3) << name.toStdString();
        const int days = int(rows.size());
        const int firstDay = 2; // 员工, 部门
        int rest = 0;
        for (int d = 0; d < days; ++d) {
            const QJsonObject row = rows.at(d).toObject();
            const QString remark = row.value("cells").toArray().at(6).toString();
            const QString symbols = cell(grid, firstDay + d, g);
            EXPECT_EQ(symbols.contains(u'休'), row.value("rest").toBool()) << name.toStdString() << " day " << d;
            EXPECT_EQ(symbols.contains(u'迟'), remark.contains(QStringLiteral("迟到"))) << name.toStdString() << d;
            EXPECT_EQ(symbols.contains(u'退'), remark.contains(QStringLiteral("早退"))) << name.toStdString() << d;
            EXPECT_EQ(symbols.contains(u'旷'), remark.contains(QStringLiteral("旷工"))) << name.toStdString() << d;
            rest += row.value("rest").toBool() ? 1 : 0;
        }
        EXPECT_EQ(cell(grid, firstDay + days + 7, g), QString::number(rest)) << name.toStdString();
    }
    EXPECT_GT(earlyLeaves, 0); // the month exercises what it is meant to
    EXPECT_GT(holidayWork, 0);

    // Each subtotal and the total: the sums of the employees above them.
    std::vector<double> since(21, 0.0), all(21, 0.0);
    int subtotals = 0;
    for (int r = 3; r <= summary->rows; ++r) {
        const QString label = cell(summary, 0, r);
        const bool total = label.startsWith(QStringLiteral("合计"));
        if (total || label.contains(QStringLiteral("小计"))) {
            for (int c = 1; c < 22; ++c) {
                if (c == 13 || c == 15)
                    continue; // 全勤 counts employees; 部门 is a name
                EXPECT_NEAR(cell(summary, c, r).toDouble(), total ? all[c - 1] : since[c - 1], 1e-9)
                    << label.toStdString() << " column " << c;
            }
            subtotals += total ? 0 : 1;
            std::fill(since.begin(), since.end(), 0.0);
            continue;
        }
        for (int c = 1; c < 22; ++c) {
            since[c - 1] += cell(summary, c, r).toDouble();
            all[c - 1] += cell(summary, c, r).toDouble();
        }
    }
    EXPECT_EQ(subtotals, 3); // 生产部, 财务部, 未分部门
    EXPECT_TRUE(book.part(grid->path).contains("王会计"));

    // LibreOffice Calc shows the grid with the same symbols and counts.
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice.isEmpty())
        GTEST_SKIP() << "LibreOffice is not installed";
    QProcess calc;
    calc.start(soffice, {QStringLiteral("-env:UserInstallation=file://%1/profile").arg(out.path()), "--headless",
                         "--convert-to", "csv:Text - txt - csv (StarCalc):44,34,76,1,,0,false,true,true,false,false,-1",
                         "--outdir", out.filePath("csv"), path});
    ASSERT_TRUE(calc.waitForFinished(280000)) << "LibreOffice did not finish";
    QFile shownFile(out.filePath(QStringLiteral("csv/shifts-考勤表.csv")));
    ASSERT_TRUE(shownFile.open(QIODevice::ReadOnly)) << calc.readAllStandardError().toStdString();
    const QList<QStringList> shown = parseCsv(QString::fromUtf8(shownFile.readAll()));
    for (int r = 2; r <= grid->rows; ++r)
        for (int c = 0; c < 2 + 30 + 10; ++c)
            EXPECT_EQ(shown.value(r - 1).value(c), cell(grid, c, r)) << "row " << r << " column " << c;
}

} // namespace
