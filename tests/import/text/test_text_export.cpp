// The text exports: the decoder, the RFC 4180 splitter with its delimiter rule,
// and the cells each field becomes.

#include "import/text/TextExport.h"

#include <QList>
#include <QStringEncoder>
#include <QStringList>

#include <gtest/gtest.h>

using tarnby::CellRequest;
using tarnby::text::FieldSplitter;
using tarnby::text::Flavour;
using tarnby::Cell;
using tarnby::ReadError;
using tarnby::ReadResult;
using Kind = Cell::Kind;

namespace {

QByteArray utf16(const QString& text, QStringConverter::Encoding encoding, const char* bom)
{
    QStringEncoder e(encoding);
    return QByteArray(bom) + QByteArray(e(text));
}

QByteArray gbk(const QString& text)
{
    QStringEncoder e("GBK");
    return e(text);
}

// --- the decoder ---

struct DecodeCase {
    const char* name;
    QByteArray bytes;
    bool ok;
    QString text;
};

class TextDecode : public testing::TestWithParam<DecodeCase> {};

TEST_P(TextDecode, ReadsEachEncodingOrRefuses)
{
    const DecodeCase& c = GetParam();
    const auto text = tarnby::text::decode(c.bytes);
    ASSERT_EQ(text.has_value(), c.ok);
    if (c.ok) {
        EXPECT_EQ(text->toStdString(), c.text.toStdString());
    }
}

const QString kSample = QStringLiteral("工号,时间\r\n0015,2026-01-05 08:01\r\n");

INSTANTIATE_TEST_SUITE_P(
    Text, TextDecode,
    testing::Values(
        DecodeCase{"utf8", kSample.toUtf8(), true, kSample},
        DecodeCase{"utf8Bom", "\xEF\xBB\xBF" + kSample.toUtf8(), true, kSample},
        DecodeCase{"utf16LeBom", utf16(kSample, QStringConverter::Utf16LE, "\xFF\xFE"), true, kSample},
        DecodeCase{"utf16BeBom", utf16(kSample, QStringConverter::Utf16BE, "\xFE\xFF"), true, kSample},
        DecodeCase{"gbk", gbk(kSample), true, kSample},
        DecodeCase{"asciiIsUtf8", QByteArray("1,2\n"), true, QStringLiteral("1,2\n")},
        DecodeCase{"nulByte", QByteArray("1,2\0\n", 5), false, {}},
        DecodeCase{"nulInUtf16", QByteArray("\xFF\xFE" "1\0\0\0", 6), false, {}},
        DecodeCase{"oddUtf16", QByteArray("\xFF\xFE" "1\0,", 5), false, {}},
        DecodeCase{"badUtf8AfterBom", QByteArray("\xEF\xBB\xBF" "1,\xC3\x28\n"), false, {}},
        DecodeCase{"neitherUtf8NorGbk", QByteArray("1,\x81\x20\n"), false, {}}),
    [](const testing::TestParamInfo<DecodeCase>& p) { return std::string(p.param.name); });

// --- the splitter and the delimiter rule ---

struct SplitCase {
    const char* name;
    QString text;
    Flavour flavour;
    QList<QStringList> records; // field values
};

class TextSplit : public testing::TestWithParam<SplitCase> {};

TEST_P(TextSplit, GivesTheRecordsAndFields)
{
    const SplitCase& c = GetParam();
    FieldSplitter splitter(c.text, tarnby::text::delimiterOf(c.text, c.flavour));
    std::vector<QStringView> fields;
    QList<QStringList> records;
    while (splitter.next(&fields)) {
        QStringList values;
        for (QStringView f : fields)
            values.append(FieldSplitter::value(f));
        records.append(values);
    }
    EXPECT_FALSE(splitter.failed());
    EXPECT_EQ(records, c.records);
}

INSTANTIATE_TEST_SUITE_P(
    Text, TextSplit,
    testing::Values(
        SplitCase{"csvCommas", QStringLiteral("a,b\n1,2"), Flavour::Csv, {{"a", "b"}, {"1", "2"}}},
        SplitCase{"csvTabsWhenFirstLineHasNoComma", QStringLiteral("a\tb\n1,5\t2"), Flavour::Csv,
                  {{"a", "b"}, {"1,5", "2"}}},
        SplitCase{"csvCommasWhenFirstLineHasBoth", QStringLiteral("a\tx,b\n1,2"), Flavour::Csv,
                  {{"a\tx", "b"}, {"1", "2"}}},
        SplitCase{"datTabs", QStringLiteral("a\tb,c\n1\t2"), Flavour::Dat, {{"a", "b,c"}, {"1", "2"}}},
        SplitCase{"datCommasWhenFirstLineHasNoTab", QStringLiteral("a,b\n1,2"), Flavour::Dat, {{"a", "b"}, {"1", "2"}}},
        SplitCase{"quotedDelimiterAndLineBreak", QStringLiteral("\"a,b\",\"c\r\nd\"\r\n1,2"), Flavour::Csv,
                  {{"a,b", "c\r\nd"}, {"1", "2"}}},
        SplitCase{"doubledQuotes", QStringLiteral("\"say \"\"hi\"\"\",x"), Flavour::Csv, {{"say \"hi\"", "x"}}},
        SplitCase{"blanksTrimmedAroundQuotes", QStringLiteral("  \" 0015 \" , 2026-01-05 08:01 \n"), Flavour::Csv,
                  {{"0015", "2026-01-05 08:01"}}},
        SplitCase{"textAfterClosingQuoteKept", QStringLiteral("\"ab\"cd,e"), Flavour::Csv, {{"abcd", "e"}}},
        SplitCase{"mixedLineEnds", QStringLiteral("1,a\r2,b\n3,c\r\n4,d"), Flavour::Csv,
                  {{"1", "a"}, {"2", "b"}, {"3", "c"}, {"4", "d"}}},
        SplitCase{"emptyLineIsAnEmptyRecord", QStringLiteral("1,a\n\n3,c\n"), Flavour::Csv,
                  {{"1", "a"}, {""}, {"3", "c"}}},
        SplitCase{"trailingDelimiterGivesAnEmptyField", QStringLiteral("1,"), Flavour::Csv, {{"1", ""}}}),
    [](const testing::TestParamInfo<SplitCase>& p) { return std::string(p.param.name); });

TEST(TextSplit, AnUnterminatedQuoteFails)
{
    const QString text = QStringLiteral("1,a\n\"2,b\n3,c\n");
    FieldSplitter splitter(text, u',');
    std::vector<QStringView> fields;
    EXPECT_TRUE(splitter.next(&fields));
    EXPECT_FALSE(splitter.next(&fields));
    EXPECT_TRUE(splitter.failed());
}

// --- cells ---

CellRequest request(int numberColumn, int numberRow, int timeColumn, int timeRow)
{
    CellRequest r;
    r.numberColumn = numberColumn;
    r.numberRow = numberRow;
    r.timeColumn = timeColumn;
    r.timeRow = timeRow;
    return r;
}

struct CellCase {
    const char* name;
    QByteArray field; // the time field of line 2
    Kind kind;
    double number;
    QString text;
};

class TextTimeCell : public testing::TestWithParam<CellCase> {};

TEST_P(TextTimeCell, IsANumberOfDaysWhenPlainDecimalElseText)
{
    const CellCase& c = GetParam();
    const ReadResult result =
        tarnby::text::readTextBytes("工号,时间\n0015," + c.field + "\n", Flavour::Csv, request(0, 1, 1, 1));
    ASSERT_TRUE(result.ok()) << result.detail.toStdString();
    EXPECT_EQ(result.sheet.cell(1, 0).kind, Kind::Text);
    EXPECT_EQ(result.sheet.cell(1, 0).text.toStdString(), "0015");
    const Cell& cell = result.sheet.cell(1, 1);
    EXPECT_EQ(cell.kind, c.kind);
    if (c.kind == Kind::Number || c.kind == Kind::DateTime) {
        EXPECT_NEAR(cell.number, c.number, 1e-9);
    } else {
        EXPECT_EQ(cell.text.toStdString(), c.text.toStdString());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Text, TextTimeCell,
    testing::Values(CellCase{"decimalDays", "41325.33403", Kind::Number, 41325.33403, {}},
                    CellCase{"wholeDays", " 41325 ", Kind::Number, 41325, {}},
                    CellCase{"quotedDecimal", "\"41325.5\"", Kind::Number, 41325.5, {}},
                    // the import's own form is taken as the date-time it reads as
                    CellCase{"canonicalDateTime", "2013-02-20 08:01:02", Kind::DateTime, 41325 + 28862 / 86400.0, {}},
                    CellCase{"canonicalButNoDay", "2013-02-30 08:01:02", Kind::Text, 0, QStringLiteral("2013-02-30 08:01:02")},
                    CellCase{"otherDateTimeText", "2013-2-20 8:01:02", Kind::Text, 0, QStringLiteral("2013-2-20 8:01:02")},
                    CellCase{"exponentIsText", "4.1E4", Kind::Text, 0, QStringLiteral("4.1E4")},
                    CellCase{"signedIsText", "-1.5", Kind::Text, 0, QStringLiteral("-1.5")},
                    CellCase{"fullWidthComma", "\"2013-2-20，8:01\"", Kind::Text, 0, QStringLiteral("2013-2-20，8:01")},
                    CellCase{"emptyIsEmpty", "  ", Kind::Empty, 0, {}}),
    [](const testing::TestParamInfo<CellCase>& p) { return std::string(p.param.name); });

TEST(TextCells, PositionAddressesFieldsAndLinesAndKeepsNoOther)
{
    const QByteArray bytes = "h1\th2\th3\n"
                             "x\t0001\t1\n"
                             "y\t0002\t2\n"
                             "z\t0003\t3\n";
    const ReadResult result = tarnby::text::readTextBytes(bytes, Flavour::Dat, request(1, 1, 2, 2));
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result.sheet.cell(1, 1).text.toStdString(), "0001");
    EXPECT_EQ(result.sheet.cell(3, 1).text.toStdString(), "0003");
    EXPECT_EQ(result.sheet.cell(0, 1).kind, Kind::Empty);
    EXPECT_EQ(result.sheet.cell(1, 2).kind, Kind::Empty);
    EXPECT_EQ(result.sheet.cell(2, 2).number, 2);
    EXPECT_EQ(result.sheet.cell(1, 0).kind, Kind::Empty);
}

TEST(TextCells, TheWholeSheetKeepsEveryFieldAndTheTimeFieldItsRule)
{
    CellRequest whole = CellRequest::wholeSheet(CellRequest::kEverySheet);
    whole.timeColumn = 1;
    const ReadResult result = tarnby::text::readTextBytes("0015,41325.5,x\n,2,\n", Flavour::Csv, whole);
    ASSERT_EQ(result.sheetCount(), 1);
    EXPECT_EQ(result.sheet.cell(0, 0).text.toStdString(), "0015");
    EXPECT_EQ(result.sheet.cell(0, 1).number, 41325.5);
    EXPECT_EQ(result.sheet.cell(0, 2).text.toStdString(), "x");
    EXPECT_EQ(result.sheet.cell(1, 0).kind, Kind::Empty);
    EXPECT_EQ(tarnby::text::readTextBytes("1,2\n", Flavour::Csv, CellRequest::wholeSheet(1)).error, ReadError::Damaged);
}

TEST(TextCells, BadInputIsAReadErrorOrAWellDefinedReading)
{
    EXPECT_EQ(tarnby::text::readTextBytes("1,\"2\n3,4\n", Flavour::Csv, request(0, 0, 1, 0)).error, ReadError::Damaged);
    EXPECT_EQ(tarnby::text::readTextBytes(QByteArray("1,2\n\0", 5), Flavour::Csv, request(0, 0, 1, 0)).error,
              ReadError::Damaged);
    // a 10 MB line is one record like any other
    QByteArray longLine = "7," + QByteArray(10 << 20, 'x') + "\n8,41325\n";
    const ReadResult result = tarnby::text::readTextBytes(longLine, Flavour::Csv, request(0, 0, 1, 0));
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result.sheet.cell(0, 1).text.size(), 10 << 20);
    EXPECT_EQ(result.sheet.cell(1, 0).text.toStdString(), "8");
}

} // namespace
