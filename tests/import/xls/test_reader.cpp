// The workbook reader over workbooks made by TestWorkbook: cell kinds, formats,
// date systems, code pages, shared strings, sheets, and refusals.

#include "TestWorkbook.h"
#include "import/xls/Workbook.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

// readable failure messages for text cells
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

using tarnby::Cell;
using tarnby::ReadError;
using tarnby::ReadResult;
using tarnby::xls::test::TestWorkbook;
using Kind = tarnby::Cell::Kind;
using NumberAs = TestWorkbook::NumberAs;
using TextAs = TestWorkbook::TextAs;

namespace {

ReadResult readStream(const TestWorkbook& book)
{
    const QByteArray bytes = book.stream();
    return tarnby::xls::readWorkbookStream(bytes.constData(), std::size_t(bytes.size()));
}

ReadResult readSaved(const TestWorkbook& book)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("book.xls"));
    QString error;
    if (!book.save(path, &error)) {
        ADD_FAILURE() << error.toStdString();
        return {};
    }
    return tarnby::xls::readWorkbook(path);
}

const double kMorning = TestWorkbook::serial(2013, 2, 18, 7, 56, 40); // 41323.33101...

struct CellCase {
    const char* name;
    std::function<void(TestWorkbook&)> build; // writes the cell under test at B3
    Kind kind;
    double number;
    QString text;
};

class CellKinds : public testing::TestWithParam<CellCase> {};

TEST_P(CellKinds, readsTheValueOfEachRecordKind)
{
    const CellCase& c = GetParam();
    TestWorkbook book;
    book.text(0, 0, QStringLiteral("before")).number(5, 5, 1);
    c.build(book);
    const ReadResult result = readStream(book);
    ASSERT_TRUE(result.ok()) << result.detail.toStdString();
    const Cell& cell = result.sheet.cell(2, 1);
    EXPECT_EQ(cell.kind, c.kind);
    if (c.kind == Kind::Text) {
        EXPECT_EQ(cell.text, c.text);
    } else {
        EXPECT_DOUBLE_EQ(cell.number, c.number);
    }
    EXPECT_EQ(result.sheet.cell(0, 0).text, QStringLiteral("before"));
}

INSTANTIATE_TEST_SUITE_P(
    Reader, CellKinds,
    testing::Values(
        CellCase{"numberRecord", [](TestWorkbook& b) { b.number(2, 1, 3.25, {}, NumberAs::Number); }, Kind::Number, 3.25, {}},
        CellCase{"rkInteger", [](TestWorkbook& b) { b.number(2, 1, -42); }, Kind::Number, -42, {}},
        CellCase{"rkHundredths", [](TestWorkbook& b) { b.number(2, 1, 12.34); }, Kind::Number, 12.34, {}},
        CellCase{"rkTruncatedDouble", [](TestWorkbook& b) { b.number(2, 1, 0.5); }, Kind::Number, 0.5, {}},
        CellCase{"numberNeedingFullPrecision", [](TestWorkbook& b) { b.number(2, 1, kMorning); }, Kind::Number, kMorning, {}},
        CellCase{"labelSstText", [](TestWorkbook& b) { b.text(2, 1, QStringLiteral("S001"), TextAs::LabelSst); }, Kind::Text, 0, QStringLiteral("S001")},
        CellCase{"labelSstChinese", [](TestWorkbook& b) { b.text(2, 1, QStringLiteral("张三"), TextAs::LabelSst); }, Kind::Text, 0, QStringLiteral("张三")},
        CellCase{"labelText", [](TestWorkbook& b) { b.text(2, 1, QStringLiteral("0015"), TextAs::Label); }, Kind::Text, 0, QStringLiteral("0015")},
        CellCase{"labelWideText", [](TestWorkbook& b) { b.text(2, 1, QStringLiteral("李四2013"), TextAs::Label); }, Kind::Text, 0, QStringLiteral("李四2013")},
        CellCase{"rstringText", [](TestWorkbook& b) { b.text(2, 1, QStringLiteral("粗体 bold"), TextAs::RString); }, Kind::Text, 0, QStringLiteral("粗体 bold")},
        CellCase{"emptyTextStaysText", [](TestWorkbook& b) { b.text(2, 1, QString(), TextAs::Label); }, Kind::Text, 0, QString()},
        CellCase{"blankIsEmpty", [](TestWorkbook& b) { b.blank(2, 1); }, Kind::Empty, 0, {}},
        CellCase{"blankReplacesEarlierCell", [](TestWorkbook& b) { b.number(2, 1, 7).blank(2, 1); }, Kind::Empty, 0, {}},
        CellCase{"laterRecordWins", [](TestWorkbook& b) { b.number(2, 1, 7).text(2, 1, QStringLiteral("x")); }, Kind::Text, 0, QStringLiteral("x")},
        CellCase{"booleanTrue", [](TestWorkbook& b) { b.boolean(2, 1, true); }, Kind::Boolean, 1, {}},
        CellCase{"booleanFalse", [](TestWorkbook& b) { b.boolean(2, 1, false); }, Kind::Boolean, 0, {}},
        CellCase{"errorDivZero", [](TestWorkbook& b) { b.error(2, 1, 0x07); }, Kind::Error, 0x07, {}},
        CellCase{"formulaNumber", [](TestWorkbook& b) { b.number(2, 1, 2.5, {}, NumberAs::Formula); }, Kind::Number, 2.5, {}},
        CellCase{"formulaDateTime", [](TestWorkbook& b) { b.number(2, 1, kMorning, QStringLiteral("yyyy-mm-dd hh:mm:ss"), NumberAs::Formula); }, Kind::DateTime, kMorning, {}},
        CellCase{"formulaTextFromString", [](TestWorkbook& b) { b.text(2, 1, QStringLiteral("合计"), TextAs::Formula); }, Kind::Text, 0, QStringLiteral("合计")},
        CellCase{"formulaEmptyText", [](TestWorkbook& b) { b.text(2, 1, QString(), TextAs::Formula); }, Kind::Text, 0, QString()},
        CellCase{"formulaBoolean", [](TestWorkbook& b) { b.boolean(2, 1, true, true); }, Kind::Boolean, 1, {}},
        CellCase{"formulaError", [](TestWorkbook& b) { b.error(2, 1, 0x2A, true); }, Kind::Error, 0x2A, {}},
        CellCase{"mulRkMiddleValue", [](TestWorkbook& b) { b.mulRk(2, 0, {1, 41323.5, 3}, QStringLiteral("0")); }, Kind::Number, 41323.5, {}},
        CellCase{"mulRkDates", [](TestWorkbook& b) { b.mulRk(2, 0, {41323, 41324}, QStringLiteral("yyyy-mm-dd")); }, Kind::DateTime, 41324, {}},
        CellCase{"mulBlankOverCells", [](TestWorkbook& b) { b.number(2, 1, 9).mulBlank(2, 0, 3); }, Kind::Empty, 0, {}}),
    [](const testing::TestParamInfo<CellCase>& testCase) { return std::string(testCase.param.name); });

struct FormatCase {
    const char* name;
    QString format; // empty: use builtinId
    int builtinId;
    Kind kind;
};

class DateFormats : public testing::TestWithParam<FormatCase> {};

TEST_P(DateFormats, aNumberIsADateTimeExactlyWhenItsFormatShowsOne)
{
    const FormatCase& c = GetParam();
    for (TestWorkbook::Biff biff : {TestWorkbook::Biff::Biff8, TestWorkbook::Biff::Biff5}) {
        TestWorkbook book(biff);
        book.setCodePage(936);
        if (c.format.isEmpty())
            book.builtinFormat(1, 1, kMorning, c.builtinId);
        else
            book.number(1, 1, kMorning, c.format, NumberAs::Number);
        const ReadResult result = readStream(book);
        ASSERT_TRUE(result.ok()) << result.detail.toStdString();
        EXPECT_EQ(result.sheet.cell(1, 1).kind, c.kind) << (biff == TestWorkbook::Biff::Biff8 ? "BIFF8" : "BIFF5");
        // the value, never the display: a date-only format keeps the time of day
        EXPECT_DOUBLE_EQ(result.sheet.cell(1, 1).number, kMorning);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Reader, DateFormats,
    testing::Values(
        FormatCase{"general", {}, 0, Kind::Number},
        FormatCase{"builtinInteger", {}, 1, Kind::Number},
        FormatCase{"builtinPercent", {}, 10, Kind::Number},
        FormatCase{"builtinShortDate", {}, 14, Kind::DateTime},
        FormatCase{"builtinDateTime", {}, 22, Kind::DateTime},
        FormatCase{"builtinMinutesSeconds", {}, 45, Kind::DateTime},
        FormatCase{"builtinElapsedMinutes", {}, 47, Kind::DateTime},
        FormatCase{"builtinCjkDate", {}, 27, Kind::DateTime},
        FormatCase{"builtinCjkLast", {}, 58, Kind::DateTime},
        FormatCase{"builtinText", {}, 49, Kind::Number},
        FormatCase{"builtinScientific", {}, 48, Kind::Number},
        FormatCase{"customDateOnly", QStringLiteral("yyyy-mm-dd"), 0, Kind::DateTime},
        FormatCase{"customTimeOnly", QStringLiteral("hh:mm:ss"), 0, Kind::DateTime},
        FormatCase{"customSlashDateTime", QStringLiteral("yyyy/m/d h:mm"), 0, Kind::DateTime},
        FormatCase{"customChineseDate", QStringLiteral("yyyy\"年\"m\"月\"d\"日\""), 0, Kind::DateTime},
        FormatCase{"customChineseUnquoted", QStringLiteral("yyyy年m月d日"), 0, Kind::DateTime},
        FormatCase{"customElapsedHours", QStringLiteral("[h]:mm"), 0, Kind::DateTime},
        FormatCase{"customLocaleDate", QStringLiteral("[$-804]yyyy-mm-dd"), 0, Kind::DateTime},
        FormatCase{"customPaddedNumber", QStringLiteral("0000"), 0, Kind::Number},
        FormatCase{"customColourNumber", QStringLiteral("[Red]0.00;[Blue]-0.00"), 0, Kind::Number},
        FormatCase{"customQuotedLetters", QStringLiteral("0 \"days hours\""), 0, Kind::Number},
        FormatCase{"customEscapedLetter", QStringLiteral("0.0\\h"), 0, Kind::Number},
        FormatCase{"customPaddingUnderscore", QStringLiteral("#,##0_d;(#,##0)"), 0, Kind::Number},
        FormatCase{"customCondition", QStringLiteral("[>=100]0;0.00"), 0, Kind::Number},
        FormatCase{"customCurrencyLocale", QStringLiteral("[$USD-409]#,##0.00"), 0, Kind::Number},
        FormatCase{"customScientific", QStringLiteral("0.00E+00"), 0, Kind::Number}),
    [](const testing::TestParamInfo<FormatCase>& testCase) { return std::string(testCase.param.name); });

TEST(Reader, the1904DateSystemIsShiftedToThe1900System)
{
    TestWorkbook book;
    book.setDate1904(true).number(0, 0, 0, QStringLiteral("yyyy-mm-dd")).number(0, 1, 39861.5, QStringLiteral("yyyy-mm-dd hh:mm"))
        .number(0, 2, 5, QStringLiteral("0"));
    const ReadResult result = readStream(book);
    ASSERT_TRUE(result.ok());
    EXPECT_DOUBLE_EQ(result.sheet.cell(0, 0).number, 1462); // 1904-01-01
    EXPECT_DOUBLE_EQ(result.sheet.cell(0, 1).number, 39861.5 + 1462);
    EXPECT_DOUBLE_EQ(result.sheet.cell(0, 2).number, 5) << "plain numbers are not dates";
}

struct CodePageCase {
    const char* name;
    int codePage; // 0: no CODEPAGE record
    QString text;
};

class Biff5Text : public testing::TestWithParam<CodePageCase> {};

TEST_P(Biff5Text, decodesBytesByTheWorkbookCodePage)
{
    const CodePageCase& c = GetParam();
    TestWorkbook book(TestWorkbook::Biff::Biff5);
    if (c.codePage)
        book.setCodePage(c.codePage);
    else
        book.omitCodePage();
    book.text(1, 0, c.text).text(1, 1, c.text, TextAs::Formula).text(1, 2, c.text, TextAs::RString)
        .number(1, 3, kMorning, QStringLiteral("yyyy-mm-dd"));
    const ReadResult result = readSaved(book);
    ASSERT_TRUE(result.ok()) << result.detail.toStdString();
    for (int column = 0; column < 3; ++column)
        EXPECT_EQ(result.sheet.cell(1, column).text, c.text) << column;
    EXPECT_EQ(result.sheet.cell(1, 3).kind, Kind::DateTime);
}

INSTANTIATE_TEST_SUITE_P(
    Reader, Biff5Text,
    testing::Values(CodePageCase{"gbk", 936, QStringLiteral("考勤 张三，2013-2-20")},
                    CodePageCase{"windows1252", 1252, QStringLiteral("café €5")},
                    CodePageCase{"windows1251", 1251, QStringLiteral("Иванов")},
                    CodePageCase{"missingCodePageMeans1252", 0, QStringLiteral("Müller")}),
    [](const testing::TestParamInfo<CodePageCase>& testCase) { return std::string(testCase.param.name); });

TEST(Reader, gbkFormatTextIsDecodedBeforeItIsClassified)
{
    // 乨 is 0x81 0x64 in GBK: its trail byte reads as "d" when the bytes are taken as they are
    TestWorkbook book(TestWorkbook::Biff::Biff5);
    book.setCodePage(936).number(0, 0, 12, QStringLiteral("0乨"), NumberAs::Number);
    const ReadResult result = readStream(book);
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result.sheet.cell(0, 0).kind, Kind::Number);
}

struct SstCase {
    const char* name;
    int limit;
    bool splitAtWidth;
    bool decorations;
    std::vector<QString> texts;
};

class SharedStrings : public testing::TestWithParam<SstCase> {};

TEST_P(SharedStrings, readBackAcrossContinueRecords)
{
    const SstCase& c = GetParam();
    TestWorkbook book;
    book.setSstRecordLimit(c.limit).setSstSplitAtWidthChange(c.splitAtWidth).setSstDecorations(c.decorations);
    for (std::size_t i = 0; i < c.texts.size(); ++i)
        book.text(int(i), 0, c.texts[i]).text(int(i), 1, c.texts[i]);
    const QByteArray stream = book.stream();
    if (c.limit < 8224) {
        ASSERT_TRUE(stream.contains(QByteArray("\x3C\x00", 2))) << "no CONTINUE written";
    }
    const ReadResult result = tarnby::xls::readWorkbookStream(stream.constData(), std::size_t(stream.size()));
    ASSERT_TRUE(result.ok()) << result.detail.toStdString();
    for (std::size_t i = 0; i < c.texts.size(); ++i) {
        EXPECT_EQ(result.sheet.cell(int(i), 0).text, c.texts[i]) << i;
        EXPECT_EQ(result.sheet.cell(int(i), 1).text, c.texts[i]) << i;
    }
}

std::vector<QString> manyTexts(int count, const QString& stem)
{
    std::vector<QString> texts;
    for (int i = 0; i < count; ++i)
        texts.push_back(stem + QString::number(i));
    return texts;
}

INSTANTIATE_TEST_SUITE_P(
    Reader, SharedStrings,
    testing::Values(
        SstCase{"oneRecord", 8224, false, false, manyTexts(20, QStringLiteral("E"))},
        SstCase{"manyRecords8Bit", 8224, false, false, manyTexts(3000, QStringLiteral("employee-"))},
        SstCase{"manyRecords16Bit", 8224, false, false, manyTexts(3000, QStringLiteral("员工编号"))},
        SstCase{"splitInsideLongString", 40, false, false, {QString(300, u'x'), QString(200, QChar(0x4E2D))}},
        SstCase{"eightBitThenSixteenBitHalves", 64, true, false,
                {QStringLiteral("abcdefghijklmnopqrstuvwxyz") + QStringLiteral("中文在后半段"), QStringLiteral("tail")}},
        SstCase{"sixteenBitThenEightBitHalves", 64, true, false,
                {QStringLiteral("中文在前半段") + QStringLiteral("then ascii follows here"), QStringLiteral("tail")}},
        SstCase{"alternatingWidths", 48, true, false,
                {QStringLiteral("a中b文c字d"), QStringLiteral("甲1乙2丙3"), QStringLiteral("plain")}},
        SstCase{"richRunsAndPhoneticSkipped", 8224, false, true, {QStringLiteral("富文本"), QStringLiteral("rich")}},
        SstCase{"richRunsSplitAcrossRecords", 20, false, true, manyTexts(40, QStringLiteral("r"))}),
    [](const testing::TestParamInfo<SstCase>& testCase) { return std::string(testCase.param.name); });

// The first byte of each CONTINUE record of the shared strings: the width flag
// of the characters that carry on there.
std::vector<int> continueFlags(const QByteArray& stream)
{
    std::vector<int> flags;
    for (qsizetype at = 0; at + 4 <= stream.size();) {
        const int id = quint8(stream[at]) | (quint8(stream[at + 1]) << 8);
        const int length = quint8(stream[at + 2]) | (quint8(stream[at + 3]) << 8);
        if (id == 0x003C && length > 0)
            flags.push_back(quint8(stream[at + 4]));
        at += 4 + length;
    }
    return flags;
}

TEST(Reader, aStringSplitBetweenWidthsChangesWidthAtTheContinue)
{
    struct Split {
        QString text;
        std::vector<int> flags;
    };
    for (const Split& split : {Split{QStringLiteral("abcdefgh中文"), {1}}, Split{QStringLiteral("中文abcdefgh"), {0}},
                               Split{QStringLiteral("ab中cd"), {1, 0}}}) {
        TestWorkbook book;
        book.setSstSplitAtWidthChange(true).text(0, 0, split.text);
        const QByteArray stream = book.stream();
        EXPECT_EQ(continueFlags(stream), split.flags);
        const ReadResult result = tarnby::xls::readWorkbookStream(stream.constData(), std::size_t(stream.size()));
        ASSERT_TRUE(result.ok());
        EXPECT_EQ(result.sheet.cell(0, 0).text, split.text);
    }
}

TEST(Reader, readsTheFirstSheetBySheetOrderWhateverIsActiveOrWrittenFirst)
{
    TestWorkbook book;
    book.text(0, 0, QStringLiteral("first"));
    const int chart = book.addChartSheet(QStringLiteral("Chart"));
    book.addSheet(QStringLiteral("Decoy"));
    book.text(0, 0, QStringLiteral("decoy"));
    book.setActiveSheet(2).setStreamOrder({2, chart, 0});
    ReadResult result = readStream(book);
    ASSERT_TRUE(result.ok()) << result.detail.toStdString();
    EXPECT_EQ(result.sheet.cell(0, 0).text, QStringLiteral("first"));
}

TEST(Reader, skipsChartSheetsBeforeTheFirstWorksheet)
{
    TestWorkbook book;
    book.text(0, 0, QStringLiteral("data"));
    ASSERT_EQ(book.addChartSheet(QStringLiteral("Chart1"), 0), 0);
    const ReadResult result = readStream(book);
    ASSERT_TRUE(result.ok()) << result.detail.toStdString();
    EXPECT_EQ(result.sheet.cell(0, 0).text, QStringLiteral("data"));
}

struct RequestCase {
    const char* name;
    tarnby::CellRequest request;
    ReadError error;
    int sheets;
    double a1, c1; // of the first sheet read; 0 for an empty cell
};

class Requests : public testing::TestWithParam<RequestCase> {};

TEST_P(Requests, giveTheWorksheetsAndCellsAskedFor)
{
    // two worksheets with a chart sheet between them
    TestWorkbook book;
    book.number(0, 0, 1).number(0, 1, 2).number(0, 2, 3);
    book.addChartSheet(QStringLiteral("Chart"));
    book.addSheet(QStringLiteral("Second"));
    book.number(0, 0, 10).number(0, 2, 30);
    const RequestCase& c = GetParam();
    const QByteArray stream = book.stream();
    const ReadResult result = tarnby::xls::readWorkbookStream(stream.constData(), std::size_t(stream.size()), c.request);
    EXPECT_EQ(result.error, c.error) << result.detail.toStdString();
    EXPECT_EQ(result.sheetCount(), c.sheets);
    EXPECT_EQ(result.sheet.cell(0, 0).number, c.a1);
    EXPECT_EQ(result.sheet.cell(0, 2).number, c.c1);
}

using tarnby::CellRequest;

INSTANTIATE_TEST_SUITE_P(
    Reader, Requests,
    testing::Values(
        RequestCase{"columnsAAndBOfTheFirstSheet", CellRequest{0, false, 0, 0, 1, 0}, ReadError::None, 1, 1, 0},
        RequestCase{"everyCellOfTheSecondWorksheet", CellRequest::wholeSheet(1), ReadError::None, 1, 10, 30},
        RequestCase{"everyWorksheetButNoChart", CellRequest::wholeSheet(CellRequest::kEverySheet), ReadError::None,
                    2, 1, 3},
        RequestCase{"aSheetPastTheLastIsDamaged", CellRequest::wholeSheet(2), ReadError::Damaged, 0, 0, 0}),
    [](const testing::TestParamInfo<RequestCase>& p) { return std::string(p.param.name); });

TEST(Reader, aWorkbookWithoutWorksheetIsDamaged)
{
    TestWorkbook book;
    book.text(0, 0, QStringLiteral("chart data"));
    book.addChartSheet(QStringLiteral("Chart1"), 0);
    // the only worksheet's BOUNDSHEET becomes a chart's (its type byte is the sixth of the record)
    QByteArray stream = book.stream();
    const qsizetype second = stream.indexOf(QByteArray("\x85\x00", 2), stream.indexOf(QByteArray("\x85\x00", 2)) + 1);
    ASSERT_GT(second, 0);
    stream[second + 4 + 5] = 2;
    EXPECT_EQ(tarnby::xls::readWorkbookStream(stream.constData(), std::size_t(stream.size())).error, ReadError::Damaged);
}

TEST(Reader, refusesAPasswordProtectedWorkbook)
{
    TestWorkbook book;
    book.setFilePass(true).number(0, 0, 1);
    EXPECT_EQ(readStream(book).error, ReadError::Encrypted);
    EXPECT_EQ(readSaved(book).error, ReadError::Encrypted);
}

TEST(Reader, everyCutOfTheStreamIsDamagedNeverACrash)
{
    for (TestWorkbook::Biff biff : {TestWorkbook::Biff::Biff8, TestWorkbook::Biff::Biff5}) {
        TestWorkbook book(biff);
        book.setSstRecordLimit(40)
            .text(0, 0, QStringLiteral("员工 employee number"))
            .number(0, 1, kMorning, QStringLiteral("yyyy-mm-dd hh:mm:ss"))
            .mulRk(1, 0, {1, 2, 3})
            .text(2, 0, QStringLiteral("公式"), TextAs::Formula)
            .boolean(3, 0, true);
        const QByteArray whole = book.stream();
        ASSERT_TRUE(tarnby::xls::readWorkbookStream(whole.constData(), std::size_t(whole.size())).ok());
        for (qsizetype cut = 0; cut < whole.size(); ++cut) {
            const QByteArray part = whole.left(cut);
            const ReadResult result = tarnby::xls::readWorkbookStream(part.constData(), std::size_t(cut));
            EXPECT_EQ(result.error, ReadError::Damaged) << "cut at " << cut;
            EXPECT_EQ(result.sheet.rowCount(), 0) << "nothing half read at cut " << cut;
        }
    }
}

TEST(Reader, aTruncatedFileIsDamaged)
{
    TestWorkbook book;
    for (int row = 0; row < 2000; ++row)
        book.number(row, 0, row).text(row, 1, QStringLiteral("t%1").arg(row));
    book.truncateStream(book.stream().size() - 30);
    EXPECT_EQ(readSaved(book).error, ReadError::Damaged);
}

struct RefusalCase {
    const char* name;
    std::function<QByteArray()> fileBytes; // the whole file
    ReadError error;
};

QByteArray compound(const QString& streamName, const QByteArray& bytes)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("c.xls"));
    if (!TestWorkbook::saveCompound(path, streamName, bytes))
        return {};
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray smallStream(TestWorkbook::Biff biff = TestWorkbook::Biff::Biff8)
{
    TestWorkbook book(biff);
    book.number(0, 0, 1);
    return book.stream();
}

class Refusals : public testing::TestWithParam<RefusalCase> {};

TEST_P(Refusals, areReportedByKind)
{
    const RefusalCase& c = GetParam();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("x.xls"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(c.fileBytes());
    file.close();
    const ReadResult result = tarnby::xls::readWorkbook(path);
    EXPECT_EQ(result.error, c.error) << result.detail.toStdString();
    EXPECT_FALSE(result.detail.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Reader, Refusals,
    testing::Values(
        RefusalCase{"emptyFile", [] { return QByteArray(); }, ReadError::NotWorkbook},
        RefusalCase{"textFile", [] { return QByteArray("工号,时间\r\n1,2013-02-18 08:00\r\n"); }, ReadError::NotWorkbook},
        RefusalCase{"garbage", [] { QByteArray b(5000, '\0'); for (int i = 0; i < b.size(); ++i) b[i] = char(i * 131 + 7); return b; }, ReadError::NotWorkbook},
        RefusalCase{"compoundHeaderOnly", [] { return compound(QStringLiteral("Workbook"), smallStream()).left(512); }, ReadError::NotWorkbook},
        RefusalCase{"noWorkbookStream", [] { return compound(QStringLiteral("WordDocument"), smallStream()); }, ReadError::NotWorkbook},
        RefusalCase{"biff4Worksheet", [] { return QByteArray::fromHex("0904060000041000000009000000"); }, ReadError::Unsupported},
        RefusalCase{"biff4InCompoundDocument", [] { return compound(QStringLiteral("Book"), QByteArray::fromHex("0904060000041000000009000000")); }, ReadError::Unsupported},
        RefusalCase{"unknownBiffVersion", [] { QByteArray s = smallStream(); s[4] = 0x00; s[5] = 0x07; return compound(QStringLiteral("Workbook"), s); }, ReadError::Unsupported},
        RefusalCase{"emptyWorkbookStream", [] { return compound(QStringLiteral("Workbook"), QByteArray()); }, ReadError::Damaged},
        RefusalCase{"streamNotBeginningWithBof", [] { return compound(QStringLiteral("Workbook"), QByteArray(600, 'x')); }, ReadError::Damaged},
        RefusalCase{"sheetOffsetOutsideStream", [] {
            QByteArray s = smallStream();
            const qsizetype at = s.indexOf(QByteArray("\x85\x00", 2));
            s[at + 4 + 3] = char(0x7F);
            return compound(QStringLiteral("Workbook"), s);
        }, ReadError::Damaged},
        RefusalCase{"sharedStringIndexOutOfRange", [] {
            TestWorkbook book;
            book.text(0, 0, QStringLiteral("only"));
            QByteArray s = book.stream();
            const qsizetype at = s.indexOf(QByteArray("\xFD\x00\x0A\x00", 4));
            s[at + 4 + 6] = 5;
            return compound(QStringLiteral("Workbook"), s);
        }, ReadError::Damaged}),
    [](const testing::TestParamInfo<RefusalCase>& testCase) { return std::string(testCase.param.name); });

// A compound document whose Workbook stream starts at a sector past the end of the file.
QByteArray withBrokenStreamStart(int rows)
{
    TestWorkbook book;
    for (int row = 0; row < rows; ++row)
        book.number(row, 0, row);
    QByteArray file = compound(QStringLiteral("Workbook"), book.stream());
    // the directory entry: the name in UTF-16, then the first sector at byte 116
    const QByteArray name("W\0o\0r\0k\0b\0o\0o\0k\0", 16);
    const qsizetype entry = file.indexOf(name);
    if (entry < 0)
        return {};
    for (int k = 0; k < 4; ++k)
        file[entry + 116 + k] = char(k == 3 ? 0x00 : 0x7F);
    return file;
}

TEST(Reader, anUnreadableWorkbookStreamIsDamagedAndLibgsfStaysQuiet)
{
    for (int rows : {3, 2000}) { // in the small-block stream and in big blocks
        const QByteArray file = withBrokenStreamStart(rows);
        ASSERT_FALSE(file.isEmpty());
        testing::internal::CaptureStderr();
        const ReadResult result = tarnby::xls::readWorkbookBytes(file.constData(), std::size_t(file.size()));
        EXPECT_EQ(testing::internal::GetCapturedStderr(), std::string()) << rows;
        EXPECT_EQ(result.error, ReadError::Damaged) << rows << ": " << result.detail.toStdString();
    }
}

TEST(Reader, aMissingFileCannotBeOpened)
{
    QTemporaryDir dir;
    EXPECT_EQ(tarnby::xls::readWorkbook(dir.filePath(QStringLiteral("none.xls"))).error, ReadError::CannotOpen);
    EXPECT_EQ(tarnby::xls::readWorkbook(dir.path()).error, ReadError::CannotOpen);
}

TEST(Reader, findsTheStreamNameInAnyCaseAndBiff5Book)
{
    TestWorkbook book8;
    book8.text(0, 0, QStringLiteral("upper")).setStreamName(QStringLiteral("WORKBOOK"));
    EXPECT_EQ(readSaved(book8).sheet.cell(0, 0).text, QStringLiteral("upper"));
    TestWorkbook book5(TestWorkbook::Biff::Biff5);
    book5.setCodePage(936).text(0, 0, QStringLiteral("五"));
    EXPECT_EQ(readSaved(book5).sheet.cell(0, 0).text, QStringLiteral("五"));
}

TEST(Reader, neverChangesTheFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("keep.xls"));
    TestWorkbook book;
    book.number(0, 0, 1).text(0, 1, QStringLiteral("x"));
    ASSERT_TRUE(book.save(path));
    QFile before(path);
    ASSERT_TRUE(before.open(QIODevice::ReadOnly));
    const QByteArray bytes = before.readAll();
    before.close();
    const QDateTime modified = QFileInfo(path).lastModified();
    ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::ReadOwner));
    ASSERT_TRUE(tarnby::xls::readWorkbook(path).ok());
    QFile after(path);
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), bytes);
    EXPECT_EQ(QFileInfo(path).lastModified(), modified);
}

TEST(Reader, theWriterRefusesCellsOutsideAnXlsSheet)
{
    QTemporaryDir dir;
    for (auto place : {std::pair{65536, 0}, std::pair{0, 256}, std::pair{-1, 0}}) {
        TestWorkbook book;
        book.number(place.first, place.second, 1);
        QString error;
        EXPECT_FALSE(book.save(dir.filePath(QStringLiteral("big.xls")), &error));
        EXPECT_FALSE(error.isEmpty());
    }
}

TEST(Reader, readsA32000RowExportWholly)
{
    TestWorkbook book;
    for (int row = 1; row <= 32000; ++row) {
        book.number(row, 0, row % 97)
            .number(row, 1, TestWorkbook::serial(2013, 2, 1) + row / 86400.0 * 37, QStringLiteral("yyyy-mm-dd hh:mm:ss"));
    }
    const ReadResult result = readSaved(book);
    ASSERT_TRUE(result.ok()) << result.detail.toStdString();
    EXPECT_EQ(result.sheet.rowCount(), 32001);
    EXPECT_EQ(result.sheet.columnCount(), 2);
    for (int row : {1, 2, 16000, 31999, 32000}) {
        EXPECT_EQ(result.sheet.cell(row, 0).number, row % 97);
        EXPECT_EQ(result.sheet.cell(row, 1).kind, Kind::DateTime);
        EXPECT_DOUBLE_EQ(result.sheet.cell(row, 1).number, TestWorkbook::serial(2013, 2, 1) + row / 86400.0 * 37);
    }
    EXPECT_EQ(result.sheet.cell(0, 0).kind, Kind::Empty);
    EXPECT_EQ(result.sheet.cell(32001, 0).kind, Kind::Empty);
}

} // namespace
