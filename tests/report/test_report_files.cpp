// The report files: the workbook's layout read back cell by cell, the CSV's
// bytes, the PDF's pages and font, and the whole-or-nothing write.

#include "ReportTestSupport.h"
#include "XlsxReadBack.h"
#include "support/Unprivileged.h"

#include "report/ReportFile.h"
#include "report/ReportPayroll.h"
#include "report/ReportWriters.h"
#include "report/pdf/ReportPdf.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <csignal>
#include <functional>
#include <ostream>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace tarnby;
using namespace tarnby::report;
using testsupport::XlsxReadBack;

namespace {

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

// Days since 1899-12-30: the serial a date cell holds.
QString serial(const QDate& date)
{
    return QString::number(QDate(1899, 12, 30).daysTo(date));
}

class Workbook : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        dir = new QTemporaryDir;
        path = dir->filePath(QStringLiteral("月报.xlsx"));
        written = writeXlsx(testsupport::sampleReport(), path);
        book = new XlsxReadBack(path);
    }
    static void TearDownTestSuite()
    {
        delete book;
        delete dir;
    }
    static inline QTemporaryDir* dir = nullptr;
    static inline QString path;
    static inline Outcome written;
    static inline XlsxReadBack* book = nullptr;
};

TEST_F(Workbook, HasTheFourSheetsInOrderThenTheGrid)
{
    ASSERT_TRUE(written.ok()) << written.text.toStdString();
    ASSERT_TRUE(book->ok());
    QStringList names;
    for (const auto& s : book->sheets())
        names.append(s.name);
    EXPECT_EQ(names, QStringList({"汇总", "明细", "登记", "说明", "考勤表"}));
}

TEST_F(Workbook, HeaderRowsAreExactlyTheContract)
{
    const struct {
        const char* sheet;
        int row;
        QStringList headers;
    } tables[] = {
        {"汇总", 2, allSummaryHeaders()},
        {"考勤表", 2, {"员工", "部门", "1", "2", "3", "4", "5", "6", "7", "8"}},
        {"明细", 1, {"员工", "日期", "星期", "A上班", "A下班", "P上班", "P下班", "备注"}},
        {"登记", 1, {"员工", "序号", "日期", "登记事由", "处理方式"}},
    };
    EXPECT_EQ(summaryHeaders().size(), 15);
    EXPECT_EQ(summaryHeaders().last(), QStringLiteral("罚款(元)"));
    for (const auto& t : tables) {
        const auto* sheet = book->sheet(QString::fromUtf8(t.sheet));
        ASSERT_NE(sheet, nullptr) << t.sheet;
        for (qsizetype c = 0; c < t.headers.size(); ++c) {
            const QString ref = QChar(char16_t(u'A' + c)) + QString::number(t.row);
            EXPECT_EQ(sheet->cells.value(ref).value, t.headers.at(c)) << t.sheet << " " << ref.toStdString();
            EXPECT_EQ(sheet->cells.value(ref).type, QStringLiteral("s")) << t.sheet << " " << ref.toStdString();
        }
    }
}

struct CellCase {
    const char* sheet;
    const char* ref;
    const char* type;   // "s" or "n"
    QString value;
    const char* format; // a piece of the number format, or "" for any
    const char* color;  // the font colour, or "" for the default
};

TEST_F(Workbook, CellsHaveTheirTypesFormatsAndColours)
{
    const CellCase cases[] = {
        // the summary: counts and days as numbers, 全勤 as text, the fines summed
        {"汇总", "A3", "s", "0001 张三", "", ""},
        {"汇总", "B3", "n", "0", "", ""},
        {"汇总", "E3", "n", "1", "", ""},
        {"汇总", "H3", "n", "0.5", "天", ""},
        {"汇总", "J3", "n", "0", "天", ""},
        {"汇总", "M3", "n", "1", "天", ""},
        {"汇总", "N3", "s", "无", "", ""},
        {"汇总", "O3", "n", "50", "", ""},
        {"汇总", "A4", "s", "0002 李四", "", ""},
        {"汇总", "N4", "s", "有", "", ""},
        {"汇总", "O4", "n", "120", "", ""}, // the unreadable fine adds nothing
        // the payroll columns: minutes, counts, and hours with one decimal
        {"汇总", "P3", "s", "生产部", "", ""},
        {"汇总", "Q3", "n", "35", "", ""},
        {"汇总", "R3", "n", "1", "", ""},
        {"汇总", "S3", "n", "12", "", ""},
        {"汇总", "T3", "n", "1.5", "0.0", ""},
        {"汇总", "U3", "n", "0.8", "0.0", ""},
        {"汇总", "V4", "n", "0", "0.0", ""},
        // the grid: a day's symbols under its date, faults red, the counts at the row's end
        {"考勤表", "A4", "s", "0001 张三", "", ""},
        {"考勤表", "D4", "s", "√", "", ""},
        {"考勤表", "I4", "s", "休加", "", ""},
        {"考勤表", "I5", "s", "休", "", ""},
        {"考勤表", "I3", "s", "六", "", ""},
        {"考勤表", "AG4", "n", "2", "", ""},  // √
        {"考勤表", "AN4", "n", "1", "", ""},  // 休
        {"考勤表", "AO5", "n", "0", "", ""},  // 加
        // the details: a date cell shown as mm月dd日, the texts with the window's colours
        {"明细", "A2", "s", "0001 张三", "", ""},
        {"明细", "B2", "n", serial(QDate(2026, 11, 2)), "月", ""},
        {"明细", "B4", "n", serial(QDate(2026, 11, 7)), "日", ""},
        {"明细", "C2", "s", "周一", "", ""},
        {"明细", "D2", "s", "08:35", "", "FFFF0000"},
        {"明细", "D3", "s", "08:20", "", ""},
        {"明细", "H2", "s", "*罚款50元", "", "FFFF0000"},
        {"明细", "C4", "s", "周六", "", "FFFF00FF"},
        {"明细", "G4", "s", "17:05", "", "FFC000C0"},
        {"明细", "A7", "s", "0002 李四", "", ""},
        // the registrations
        {"登记", "A2", "s", "0001 张三", "", ""},
        {"登记", "B3", "s", "02", "", ""},
        {"登记", "E2", "s", "处罚50元", "", ""},
        // the notes
        {"说明", "A1", "s", "结算期", "", ""},
        {"说明", "B1", "s", "2026年11月01日—2026年11月30日", "", ""},
        {"说明", "B2", "s", "月初制", "", ""},
        {"说明", "B4", "s", "11月07日", "", ""},
        {"说明", "B5", "s", "/data/kq", "", ""},
        {"说明", "B6", "s", "2026-12-01 09:30:00", "", ""},
        {"说明", "B7", "s", "2.0", "", ""},
    };
    for (const CellCase& c : cases) {
        const QString where = QStringLiteral("%1!%2").arg(QString::fromUtf8(c.sheet), QString::fromUtf8(c.ref));
        const auto* sheet = book->sheet(QString::fromUtf8(c.sheet));
        ASSERT_NE(sheet, nullptr);
        ASSERT_TRUE(sheet->cells.contains(QString::fromUtf8(c.ref))) << where.toStdString();
        const testsupport::XlsxCell cell = sheet->cells.value(QString::fromUtf8(c.ref));
        EXPECT_EQ(cell.type, QString::fromUtf8(c.type)) << where.toStdString();
        EXPECT_EQ(cell.value, c.value) << where.toStdString();
        const testsupport::XlsxStyle style = book->style(cell.style);
        if (*c.format) {
            EXPECT_TRUE(style.numberFormat.contains(QString::fromUtf8(c.format)))
                << where.toStdString() << " " << style.numberFormat.toStdString();
        }
        if (*c.color) {
            EXPECT_EQ(style.fontColor, QString::fromUtf8(c.color)) << where.toStdString();
        } else {
            EXPECT_TRUE(style.fontColor.isEmpty() || style.fontColor == QLatin1String("FF000000"))
                << where.toStdString() << " " << style.fontColor.toStdString();
        }
    }
}

TEST_F(Workbook, OneRowPerResultRowAndRegistration)
{
    EXPECT_EQ(book->sheet("汇总")->rows, 2 + 2);
    EXPECT_EQ(book->sheet("明细")->rows, 1 + 6);
    EXPECT_EQ(book->sheet("登记")->rows, 1 + 2);
    EXPECT_EQ(book->sheet("考勤表")->rows, 3 + 2 + 3); // a blank row, the legend, the signers
    // an empty remark is no cell, not an empty text
    EXPECT_FALSE(book->sheet("明细")->cells.contains("H3"));
}

TEST_F(Workbook, TheUnreadableFineIsNamedInTheNotes)
{
    bool named = false;
    for (const auto& [ref, cell] : book->sheet("说明")->cells.asKeyValueRange())
        named = named || cell.value == QStringLiteral("0002 李四 11月02日 罚款若干元");
    EXPECT_TRUE(named);
}

TEST_F(Workbook, HeadersFrozenAndColumnsReadable)
{
    EXPECT_EQ(book->sheet("汇总")->frozenCell, QStringLiteral("B3"));
    EXPECT_EQ(book->sheet("明细")->frozenCell, QStringLiteral("B2"));
    EXPECT_EQ(book->sheet("登记")->frozenCell, QStringLiteral("B2"));
    EXPECT_EQ(book->sheet("考勤表")->frozenCell, QStringLiteral("C4"));
    for (const char* name : {"汇总", "明细", "登记", "说明"}) {
        const auto* sheet = book->sheet(QString::fromUtf8(name));
        ASSERT_FALSE(sheet->columnWidths.isEmpty()) << name;
        for (double w : sheet->columnWidths)
            EXPECT_GE(w, 6.0) << name;
    }
    // "上班迟到10分钟内" needs sixteen character cells
    EXPECT_GE(book->sheet("汇总")->columnWidths.value(3), 16.0);
}

TEST_F(Workbook, SummaryCarriesTheFaultsChart)
{
    EXPECT_TRUE(book->sheet("汇总")->hasDrawing);
    for (const char* other : {"明细", "登记", "说明", "考勤表"})
        EXPECT_FALSE(book->sheet(QString::fromUtf8(other))->hasDrawing) << other;
    const QByteArray chart = book->part("xl/charts/chart1.xml");
    ASSERT_FALSE(chart.isEmpty());
    EXPECT_TRUE(chart.contains("<c:barChart>"));
    EXPECT_EQ(chart.count("<c:ser>"), 7); // five lateness tiers, missed punches, absence
    EXPECT_TRUE(chart.contains("$A$3:$A$4"));
    EXPECT_TRUE(chart.contains("$J$3:$J$4")); // 旷工(天)
    EXPECT_TRUE(chart.contains("$G$3:$G$4")); // 漏打
}

TEST(Csv, IsTheSummaryWithBomAndCrLf)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("汇总.csv");
    ASSERT_TRUE(writeCsv(testsupport::sampleReport(), path).ok());
    const QByteArray bytes = readAll(path);
    ASSERT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
    const QString text = QString::fromUtf8(bytes.mid(3));
    EXPECT_TRUE(text.endsWith(QStringLiteral("\r\n")));
    EXPECT_EQ(text.count(u'\n'), text.count(QStringLiteral("\r\n")));
    const QStringList lines = text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines.at(0), allSummaryHeaders().join(u','));
    EXPECT_EQ(lines.at(1), QStringLiteral("0001 张三,0,0,0,1,0,0,0.5,0,0,0,0,1,无,50,生产部,35,1,12,1.5,0.8,0.0"));
    EXPECT_EQ(lines.at(2), QStringLiteral("0002 李四,0,0,0,0,0,0,0,0,0,0,0,0,有,120,,0,0,0,0.0,0.0,0.0"));
}

TEST(Pdf, SummaryAndGridThenACardPerEmployeeWithTheFontEmbedded)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("月报.pdf");
    const Outcome written = writePdf(testsupport::sampleReport(), path);
    ASSERT_TRUE(written.ok()) << written.text.toStdString();
    const QByteArray bytes = readAll(path);
    ASSERT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "), 4);
    EXPECT_TRUE(bytes.contains("/FontFile2")); // the TrueType glyphs travel with the file
    EXPECT_EQ(bytes.count("/MediaBox [0 0 842"), 2); // the summary and the grid, landscape
    EXPECT_EQ(bytes.count("/MediaBox [0 0 595"), 2); // a card each, portrait
}

// Grouped by department, with an employee without punches, the signers and
// more employees than one printed page of the grid holds.
TEST(GroupedWorkbook, SignersAndTheGridPagedByForty)
{
    Report report = testsupport::sampleReport();
    AnalysisResult nothing;
    nothing.ran = true;
    nothing.stats = {"0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "无"};
    report.employees.append(employeeReport(QStringLiteral("0003 王五"), nothing, {}));
    for (int n = 4; n <= 84; ++n)
        report.employees.append(report.employees.at(1));
    report.byDepartment = true;
    report.preparedBy = QStringLiteral("王会计");
    report.checkedBy = QStringLiteral("李&经理");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("grouped.xlsx"));
    ASSERT_TRUE(writeXlsx(report, path).ok());
    const XlsxReadBack book(path);
    const auto* summary = book.sheet("汇总");
    ASSERT_NE(summary, nullptr);
    const std::pair<const char*, const char*> cells[] = {
        {"A3", "0001 张三"}, {"A4", "生产部 小计（1人）"}, {"P4", "生产部"}, {"A5", "0002 李四"},
        {"B6", "本期无打卡记录"}, {"N6", "无"}, {"A88", "未分部门 小计（83人）"}, {"A89", "合计（84人）"},
    };
    for (const auto& [ref, value] : cells)
        EXPECT_EQ(summary->cells.value(ref).value, QString::fromUtf8(value)) << ref;
    EXPECT_FALSE(summary->cells.contains("C6")); // no zeros for nobody's month
    EXPECT_EQ(summary->cells.value("O89").value, QStringLiteral("9890")); // 50 + 82 × 120
    EXPECT_EQ(summary->cells.value("N89").value, QStringLiteral("82"));   // employees with 全勤
    EXPECT_FALSE(summary->hasDrawing); // a subtotal's bar would dwarf every employee's
    EXPECT_EQ(book.sheet("考勤表")->cells.value("C6").value, QStringLiteral("本期无打卡记录"));
    const QByteArray grid = book.part(book.sheet("考勤表")->path);
    EXPECT_TRUE(grid.contains("<brk id=\"43\"")) << grid.right(800).toStdString();
    EXPECT_TRUE(grid.contains("<brk id=\"83\""));
    EXPECT_EQ(grid.count("<brk "), 2);
    EXPECT_TRUE(grid.contains("李&amp;&amp;经理")); // "&" would start a footer code
    EXPECT_TRUE(book.part(summary->path).contains("王会计"));
}

TEST(ReportFormat, FollowsTheExtension)
{
    const std::pair<const char*, std::optional<ReportFormat>> cases[] = {
        {"a.xlsx", ReportFormat::Xlsx}, {"a.XLSX", ReportFormat::Xlsx}, {"/x/b.csv", ReportFormat::Csv},
        {"c.Pdf", ReportFormat::Pdf},   {"d.xls", std::nullopt},        {"e", std::nullopt},
        {"f.xlsx.txt", std::nullopt},
    };
    for (const auto& [name, format] : cases)
        EXPECT_EQ(formatOfPath(QString::fromUtf8(name)), format) << name;
    QTemporaryDir dir;
    const Outcome refused = writeReport(testsupport::sampleReport(), dir.filePath("report.txt"));
    EXPECT_FALSE(refused.ok());
    EXPECT_TRUE(entries(dir.path()).isEmpty());
}

// ---- whole or nothing -------------------------------------------------------

// Runs `check` in a child process; true when it returned true there.
bool inChild(const std::function<bool()>& check)
{
    const pid_t child = ::fork();
    if (child < 0)
        return false;
    if (child == 0)
        ::_exit(check() ? 0 : 1);
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

using Writer = Outcome (*)(const Report&, const QString&);

struct WriterCase {
    const char* name;
    Writer write;
};

void PrintTo(const WriterCase& c, std::ostream* os)
{
    *os << c.name;
}

const WriterCase kWriters[] = {{"report.xlsx", writeXlsx}, {"report.csv", writeCsv}, {"report.pdf", writePdf}};

class WholeOrNothing : public ::testing::TestWithParam<WriterCase> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        target = dir.filePath(QString::fromUtf8(GetParam().name));
        writeFile(target, "the old report");
    }
    // The old file is there, unchanged, alone.
    bool untouched() const
    {
        return readAll(target) == "the old report" && entries(dir.path()) == QStringList{QFileInfo(target).fileName()};
    }
    Outcome write() const { return GetParam().write(testsupport::sampleReport(), target); }

    QTemporaryDir dir;
    QString target;
};

TEST_P(WholeOrNothing, ReplacesOnlyWithACompleteFileAndKeepsThePermissions)
{
    ASSERT_EQ(::chmod(QFile::encodeName(target).constData(), 0640), 0);
    const Outcome written = write();
    ASSERT_TRUE(written.ok()) << written.text.toStdString();
    EXPECT_NE(readAll(target), QByteArray("the old report"));
    EXPECT_EQ(entries(dir.path()), QStringList{QFileInfo(target).fileName()});
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(target).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST_P(WholeOrNothing, AFullDiskLeavesTheOldFile)
{
    // The file-size limit fails the write part way, as a full disk does.
    const bool refused = inChild([this] {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{200, 200};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const Outcome o = write();
        return !o.ok() && o.text.contains(QStringLiteral("原有文件保持不变")) && o.text.contains(target);
    });
    EXPECT_TRUE(refused);
    EXPECT_TRUE(untouched());
}

TEST_P(WholeOrNothing, AReadOnlyFolderLeavesTheOldFile)
{
    ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0555), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(target).constData(), 0666), 0);
    const bool refused = testsupport::asUnprivilegedUser([this] {
        const Outcome o = write();
        return !o.ok() && o.text.contains(QStringLiteral("无法在文件夹中新建文件"));
    });
    ::chmod(QFile::encodeName(dir.path()).constData(), 0755);
    EXPECT_TRUE(refused);
    EXPECT_TRUE(untouched());
}

TEST_P(WholeOrNothing, AFileAnotherProgramHoldsIsLeftAlone)
{
    // An office suite's lock file beside the report
    const QString lock = dir.filePath(QStringLiteral(".~lock.%1#").arg(QFileInfo(target).fileName()));
    writeFile(lock, "someone,host");
    Outcome o = write();
    EXPECT_FALSE(o.ok());
    EXPECT_TRUE(o.text.contains(QStringLiteral("正被其他程序打开")));
    QFile::remove(lock);
    EXPECT_TRUE(untouched());

    // a whole-file lock
    const int fd = ::open(QFile::encodeName(target).constData(), O_RDONLY);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::flock(fd, LOCK_EX), 0);
    o = write();
    ::close(fd);
    EXPECT_FALSE(o.ok());
    EXPECT_TRUE(o.text.contains(QStringLiteral("正被其他程序打开")));
    EXPECT_TRUE(untouched());
}

TEST_P(WholeOrNothing, AReadOnlyFileIsNotReplaced)
{
    ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0777), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(target).constData(), 0444), 0);
    const bool refused = testsupport::asUnprivilegedUser([this] {
        const Outcome o = write();
        return !o.ok() && o.text.contains(QStringLiteral("只读"));
    });
    ::chmod(QFile::encodeName(dir.path()).constData(), 0755);
    EXPECT_TRUE(refused);
    EXPECT_TRUE(untouched());
}

INSTANTIATE_TEST_SUITE_P(Writers, WholeOrNothing, ::testing::ValuesIn(kWriters),
                         [](const auto& testCase) { return std::string(QFileInfo(testCase.param.name).suffix().toStdString()); });

TEST(AtomicWrite, RefusesWhatCannotBeATarget)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkdir("taken.xlsx");
    const struct {
        QString target;
        const char* reason;
    } cases[] = {
        {dir.filePath("taken.xlsx"), "同名的文件夹"},
        {dir.filePath("missing/report.xlsx"), "不存在"},
    };
    for (const auto& c : cases) {
        bool called = false;
        const Outcome o = saveReportFile(c.target, [&called](QIODevice&) {
            called = true;
            return QString();
        });
        EXPECT_FALSE(o.ok()) << c.target.toStdString();
        EXPECT_TRUE(o.text.contains(QString::fromUtf8(c.reason))) << o.text.toStdString();
        EXPECT_FALSE(called);
    }
    EXPECT_EQ(entries(dir.path()), QStringList{"taken.xlsx"});
}

TEST(AtomicWrite, ALinkKeepsPointingAtTheNewReport)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkdir("store");
    const QString real = dir.filePath("store/report.csv");
    writeFile(real, "old");
    const QString link = dir.filePath("report.csv");
    ASSERT_TRUE(QFile::link(real, link));
    ASSERT_TRUE(saveReportFile(link, [](QIODevice& out) {
                    out.write("new");
                    return QString();
                }).ok());
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(readAll(real), QByteArray("new"));
    EXPECT_EQ(entries(dir.filePath("store")), QStringList{"report.csv"});
}

TEST(AtomicWrite, AWriterThatFailsLeavesNothingBehind)
{
    QTemporaryDir dir;
    const QString target = dir.filePath("report.csv");
    writeFile(target, "old");
    const Outcome o = saveReportFile(target, [](QIODevice& out) {
        out.write("half a rep");
        return failureReason(ENOSPC);
    });
    EXPECT_FALSE(o.ok());
    EXPECT_TRUE(o.text.contains(QStringLiteral("磁盘空间不足")));
    EXPECT_EQ(readAll(target), QByteArray("old"));
    EXPECT_EQ(entries(dir.path()), QStringList{"report.csv"});
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
