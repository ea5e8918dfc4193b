// The reader over the shared workbook fixtures: the time-clock exports cell by
// cell against their expected punch tables, and every workbook from the wild.

#include "import/xls/Workbook.h"

#include <QDate>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

#include <gtest/gtest.h>

#include <cmath>

// readable failure messages for text cells
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

using tarnby::Cell;
using tarnby::ReadError;
using tarnby::ReadResult;
using Kind = tarnby::Cell::Kind;

namespace {

QString fixtures(const char* sub)
{
    return QDir(QStringLiteral(TARNBY_SHARED_DIR "/fixtures")).filePath(QString::fromLatin1(sub));
}

// "yyyy-mm-dd##HH:NN:SS" for days in the 1900 system, rounded to the second
QString dateAndTime(double serial)
{
    qint64 seconds = std::llround(serial * 86400.0);
    const qint64 days = seconds / 86400;
    seconds %= 86400;
    const QDate date = QDate(1899, 12, 30).addDays(days);
    return date.toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral("##")
           + QStringLiteral("%1:%2:%3")
                 .arg(seconds / 3600, 2, 10, QLatin1Char('0'))
                 .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
                 .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

QString numberText(const Cell& cell)
{
    if (cell.kind == Kind::Text)
        return cell.text;
    if (cell.number == std::floor(cell.number))
        return QString::number(qint64(cell.number));
    return QString::number(cell.number, 'g', 15);
}

class TimeClock : public testing::TestWithParam<const char*> {};

// Walks the workbooks as the import does and compares every number, and every
// date-time the reader gives as a value, with the expected punch table.
TEST_P(TimeClock, readsTheValuesBehindTheExpectedPunchTable)
{
    const QDir dir(fixtures("timeclock/") + QString::fromLatin1(GetParam()));
    if (!dir.exists())
        GTEST_SKIP() << "shared fixtures absent";
    QFile caseFile(dir.filePath(QStringLiteral("case.json")));
    QFile expectedFile(dir.filePath(QStringLiteral("expected.txt")));
    ASSERT_TRUE(caseFile.open(QIODevice::ReadOnly) && expectedFile.open(QIODevice::ReadOnly));
    const QJsonObject about = QJsonDocument::fromJson(caseFile.readAll()).object();
    const QStringList expected = QString::fromUtf8(expectedFile.readAll()).split(u'\n', Qt::SkipEmptyParts);
    const QString position = about.value(QStringLiteral("position")).toString();
    const int numberColumn = position.at(0).unicode() - 'A';
    const int numberRow = position.at(1).digitValue() - 1;
    const int timeColumn = position.at(2).unicode() - 'A';
    const int timeRow = position.at(3).digitValue() - 1;
    const QString errorBook = about.value(QStringLiteral("error_workbook")).toString();

    qsizetype record = 0;
    int dateTimes = 0;
    bool stopped = false;
    for (const QJsonValue& name : about.value(QStringLiteral("read_order")).toArray()) {
        if (stopped)
            break;
        // a text export's records (one clock-log line each) are the text reader's to check
        if (!name.toString().endsWith(QStringLiteral(".xls"), Qt::CaseInsensitive)) {
            QFile text(dir.filePath(QStringLiteral("data/") + name.toString()));
            ASSERT_TRUE(text.open(QIODevice::ReadOnly));
            record += text.readAll().trimmed().count('\n') + 1;
            continue;
        }
        const ReadResult result = tarnby::xls::readWorkbook(dir.filePath(QStringLiteral("data/") + name.toString()));
        if (name.toString() == errorBook && QString::fromLatin1(GetParam()) == QStringLiteral("encrypted")) {
            EXPECT_EQ(result.error, ReadError::Encrypted) << name.toString().toStdString();
            break;
        }
        ASSERT_TRUE(result.ok()) << name.toString().toStdString() << ": " << result.detail.toStdString();
        // a blank start row above a header table further down: the table's rows, blank ones passed
        const bool table = result.sheet.cell(numberRow, numberColumn).kind == Kind::Empty
                           && result.sheet.cell(0, numberColumn).text == QStringLiteral("工号");
        const int firstRow = table ? 1 : numberRow;
        for (int k = 0;; ++k) {
            const Cell& number = result.sheet.cell(firstRow + k, numberColumn);
            if (number.kind == Kind::Empty && table && firstRow + k < result.sheet.rowCount())
                continue;
            if (number.kind == Kind::Empty)
                break;
            const Cell& time = result.sheet.cell(table ? firstRow + k : timeRow + k, timeColumn);
            if (time.kind == Kind::Empty) {
                stopped = true; // the import's read error: a number without a time
                break;
            }
            ASSERT_LT(record, expected.size()) << name.toString().toStdString() << " row " << numberRow + k;
            const QStringList fields = expected.at(record).split(QStringLiteral("##"));
            EXPECT_EQ(numberText(number), fields.at(0)) << name.toString().toStdString() << " row " << numberRow + k;
            if (time.kind == Kind::DateTime || time.kind == Kind::Number) {
                EXPECT_EQ(dateAndTime(time.number), fields.at(1) + QStringLiteral("##") + fields.at(2))
                    << name.toString().toStdString() << " row " << timeRow + k;
                ++dateTimes;
            } else {
                EXPECT_EQ(time.kind, Kind::Text);
            }
            ++record;
        }
    }
    EXPECT_EQ(record, expected.size());
    if (QString::fromLatin1(GetParam()) != QStringLiteral("text-cells-a1b2")
        && QString::fromLatin1(GetParam()) != QStringLiteral("fullwidth-comma-a2b3")) {
        EXPECT_GT(dateTimes, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Fixtures, TimeClock,
                         testing::Values("basic-a2b2", "text-cells-a1b2", "fullwidth-comma-a2b3", "date-only-d2e2",
                                         "value-not-format", "folder-rules", "error-missing-time", "encrypted"),
                         [](const testing::TestParamInfo<const char*>& testCase) {
                             std::string name = testCase.param;
                             for (char& c : name)
                                 if (c == '-')
                                     c = '_';
                             return name;
                         });

TEST(Fixtures, valueNotFormatKeepsTheTimeBehindADateOnlyFormat)
{
    const QString path = fixtures("timeclock/value-not-format/data/c.xls");
    if (!QFile::exists(path))
        GTEST_SKIP() << "shared fixtures absent";
    const ReadResult result = tarnby::xls::readWorkbook(path);
    ASSERT_TRUE(result.ok());
    const Cell& cell = result.sheet.cell(1, 1);
    ASSERT_EQ(cell.kind, Kind::DateTime);
    EXPECT_NE(cell.number, std::floor(cell.number)) << "the time of day is kept";
}

TEST(Fixtures, biff5WorkbookDecodesGbkText)
{
    const QString path = fixtures("timeclock/fullwidth-comma-a2b3/data/k1.xls");
    if (!QFile::exists(path))
        GTEST_SKIP() << "shared fixtures absent";
    const ReadResult result = tarnby::xls::readWorkbook(path);
    ASSERT_TRUE(result.ok()) << result.detail.toStdString();
    bool fullWidthComma = false;
    for (int row = 0; row < result.sheet.rowCount(); ++row)
        fullWidthComma = fullWidthComma || result.sheet.cell(row, 1).text.contains(QChar(0xFF0C));
    EXPECT_TRUE(fullWidthComma);
}

// Every file a user might drop into the data folder: read or refused, never a crash.
TEST(Fixtures, everyWorkbookFromTheWildIsReadOrCleanlyRefused)
{
    const QString root = fixtures("xls-wild");
    if (!QDir(root).exists())
        GTEST_SKIP() << "shared fixtures absent";
    int files = 0, read = 0, encrypted = 0;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (path.endsWith(QStringLiteral("README.md")))
            continue;
        ++files;
        const ReadResult result = tarnby::xls::readWorkbook(path);
        if (path.contains(QStringLiteral("/encrypted/"))) {
            EXPECT_EQ(result.error, ReadError::Encrypted) << path.toStdString();
            ++encrypted;
            continue;
        }
        if (!result.ok()) {
            EXPECT_FALSE(result.detail.isEmpty()) << path.toStdString();
            EXPECT_EQ(result.sheet.rowCount(), 0) << path.toStdString();
            continue;
        }
        ++read;
        qsizetype characters = 0;
        for (int column = 0; column < result.sheet.columnCount(); ++column)
            for (int row = 0; row < result.sheet.rowCount(); ++row)
                characters += result.sheet.cell(row, column).text.size();
        EXPECT_GE(characters, 0);
    }
    EXPECT_GT(files, 50);
    EXPECT_GT(encrypted, 0);
    EXPECT_GT(read, files / 2) << "most wild workbooks are readable";
}

struct WildCase {
    const char* file;
    int row;
    int column;
    Kind kind;
    QString text; // for text cells
};

class Wild : public testing::TestWithParam<WildCase> {};

QString wildFile(const char* name)
{
    QDirIterator it(fixtures("xls-wild"), QStringList{QString::fromLatin1(name)}, QDir::Files,
                    QDirIterator::Subdirectories);
    return it.hasNext() ? it.next() : QString();
}

TEST_P(Wild, knownCells)
{
    const WildCase& c = GetParam();
    const QString path = wildFile(c.file);
    if (path.isEmpty())
        GTEST_SKIP() << "shared fixtures absent";
    const ReadResult result = tarnby::xls::readWorkbook(path);
    ASSERT_TRUE(result.ok()) << result.detail.toStdString();
    EXPECT_EQ(result.sheet.cell(c.row, c.column).kind, c.kind);
    if (c.kind == Kind::Text) {
        EXPECT_EQ(result.sheet.cell(c.row, c.column).text, c.text);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Fixtures, Wild,
    testing::Values(WildCase{"biff5-label-records.xls", 0, 0, Kind::Text, QStringLiteral("Table for Time Range: 21/01/2017")},
                    WildCase{"vietnamese-utf8.xls", 0, 0, Kind::Text, QStringLiteral("Mô tả")},
                    WildCase{"corrupted_error.xls", 0, 0, Kind::Text, QStringLiteral("ПРАЙС-ЛИСТ")},
                    WildCase{"whitespace-xls.xls", 0, 0, Kind::Text, QStringLiteral(" <-space, space-> ")},
                    WildCase{"color-date-xls.xls", 0, 0, Kind::Number, {}},
                    WildCase{"invalid_formula.xls", 0, 0, Kind::Error, {}},
                    WildCase{"dates-1904.xls", 0, 0, Kind::DateTime, {}}),
    [](const testing::TestParamInfo<WildCase>& testCase) {
        std::string name = testCase.param.file;
        name.resize(name.find('.'));
        for (char& c : name)
            if (c == '-' || c == '_')
                c = 'x';
        return name;
    });

TEST(Fixtures, the1904WorkbookGivesTheSameDatesAsThe1900One)
{
    const QString path1900 = wildFile("dates-1900.xls");
    const QString path1904 = wildFile("dates-1904.xls");
    if (path1900.isEmpty() || path1904.isEmpty())
        GTEST_SKIP() << "shared fixtures absent";
    const ReadResult a = tarnby::xls::readWorkbook(path1900);
    const ReadResult b = tarnby::xls::readWorkbook(path1904);
    ASSERT_TRUE(a.ok() && b.ok());
    ASSERT_EQ(a.sheet.columnCount(), b.sheet.columnCount());
    for (int column = 0; column < a.sheet.columnCount(); ++column) {
        EXPECT_EQ(b.sheet.cell(0, column).kind, Kind::DateTime);
        EXPECT_DOUBLE_EQ(a.sheet.cell(0, column).number, b.sheet.cell(0, column).number) << column;
    }
}

TEST(Fixtures, libgsfComplaintsStayOffTheTerminal)
{
    // libgsf warns about this broken allocation table on stderr unless we take its log
    const QString path = wildFile("xls2csv_ole_ole2_fread_327.xls");
    if (path.isEmpty())
        GTEST_SKIP() << "shared fixtures absent";
    testing::internal::CaptureStderr();
    const ReadResult result = tarnby::xls::readWorkbook(path);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), std::string());
    EXPECT_FALSE(result.ok());
}

TEST(Fixtures, theLargestBiff8SheetReadsToItsLastRow)
{
    const QString path = wildFile("65536-rows-xls.xls");
    if (path.isEmpty())
        GTEST_SKIP() << "shared fixtures absent";
    const ReadResult result = tarnby::xls::readWorkbook(path);
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result.sheet.rowCount(), 65536);
}

} // namespace
