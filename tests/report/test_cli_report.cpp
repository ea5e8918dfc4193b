// tarnby-cli report end to end on the sample month: the exit statuses, the
// silence on success, and the workbook as a spreadsheet program reads it back
// (LibreOffice Calc, headless) against what `analyse --all` gives.

#include "support/Cli.h"
#include "support/ProgramFolder.h"
#include "support/TestPaths.h"

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
    const CliRun analysed = runCli(QStringList{"analyse"} + period() + QStringList{"--all"});
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
        ASSERT_EQ(row.size(), 15) << employee.toStdString();
        EXPECT_EQ(row.at(0), employee);
        const QJsonArray stats = expected.value("stats").toArray();
        for (int s = 0; s < 12; ++s)
            EXPECT_EQ(stripDays(row.at(1 + s)), stripDays(stats.at(s).toString()))
                << employee.toStdString() << " statistic " << s;
        EXPECT_EQ(row.at(13), stats.at(12).toString()) << employee.toStdString();
        const auto fine = fines.find(employee);
        EXPECT_EQ(row.at(14), fine == fines.end() ? QStringLiteral("0") : fine->second) << employee.toStdString();

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

} // namespace
