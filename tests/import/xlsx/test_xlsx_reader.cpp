// The .xlsx reader: each kind of cell against the value the .xls reader gives
// for it, the parts found through the relationships, and every kind of bad
// package refused as the read error it is.

#include "TestPackage.h"
#include "TestWorkbook.h"
#include "import/xlsx/Xlsx.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

using tarnby::CellRequest;
using tarnby::Cell;
using tarnby::ReadError;
using tarnby::ReadResult;
using tarnby::xlsx::SheetContext;
using tarnby::xlsx::test::TestPackage;
using tarnby::xlsx::test::WorkbookOptions;
using tarnby::xlsx::test::XlsxSheet;
using Kind = Cell::Kind;

namespace {

// Columns A and B from row 1 down.
CellRequest columnsAB()
{
    CellRequest r;
    r.numberColumn = 0;
    r.timeColumn = 1;
    return r;
}

ReadResult readPackage(const TestPackage& package, const CellRequest& request = columnsAB())
{
    const QByteArray bytes = package.bytes();
    return tarnby::xlsx::readWorkbookBytes(bytes.constData(), std::size_t(bytes.size()), request);
}

// --- one cell of column B in row 1, each way a workbook stores a value ---

struct CellCase {
    const char* name;
    QString cellXml;          // the c element
    bool date1904;
    Kind kind;
    double number;            // for numbers, date-times, booleans
    QString text;             // for texts
};

class XlsxCell : public testing::TestWithParam<CellCase> {};

TEST_P(XlsxCell, GivesTheValueOfTheXlsReader)
{
    const CellCase& c = GetParam();
    SheetContext context;
    context.sharedStrings = {QStringLiteral("工号"), QStringLiteral("0015"), QStringLiteral("a\rb")};
    context.dateStyles = {false, true, false, true};
    context.date1904 = c.date1904;
    const QByteArray xml = TestPackage::sheetDocument(("<sheetData><row r=\"1\">" + c.cellXml + "</row></sheetData>").toUtf8());
    const ReadResult result = tarnby::xlsx::readSheetXml(xml.constData(), std::size_t(xml.size()), context, columnsAB());
    ASSERT_TRUE(result.ok()) << result.detail.toStdString();
    const Cell& cell = result.sheet.cell(0, 1);
    EXPECT_EQ(cell.kind, c.kind);
    if (c.kind == Kind::Text) {
        EXPECT_EQ(cell.text.toStdString(), c.text.toStdString());
    } else if (c.kind != Kind::Empty && c.kind != Kind::Error) {
        EXPECT_NEAR(cell.number, c.number, 1e-9);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Xlsx, XlsxCell,
    testing::Values(
        CellCase{"generalNumber", "<c r=\"B1\"><v>15</v></c>", false, Kind::Number, 15, {}},
        CellCase{"generalNumberIn1904StaysDays", "<c r=\"B1\"><v>15.5</v></c>", true, Kind::Number, 15.5, {}},
        CellCase{"dateStyle", "<c r=\"B1\" s=\"1\"><v>41325.33403</v></c>", false, Kind::DateTime, 41325.33403, {}},
        CellCase{"dateStyleIn1904", "<c r=\"B1\" s=\"3\"><v>39863.5</v></c>", true, Kind::DateTime, 39863.5 + 1462, {}},
        CellCase{"styleBeyondTheTableIsGeneral", "<c r=\"B1\" s=\"40\"><v>2</v></c>", false, Kind::Number, 2, {}},
        CellCase{"sharedString", "<c r=\"B1\" t=\"s\"><v>1</v></c>", false, Kind::Text, 0, QStringLiteral("0015")},
        CellCase{"sharedStringEscapesDecoded", "<c r=\"B1\" t=\"s\"><v>2</v></c>", false, Kind::Text, 0, QStringLiteral("a\rb")},
        CellCase{"inlineRichTextWithoutPhonetic",
                 "<c r=\"B1\" t=\"inlineStr\"><is><r><t>2013-2-20</t></r><r><t xml:space=\"preserve\"> 8:01</t></r>"
                 "<rPh sb=\"0\" eb=\"1\"><t>ニ</t></rPh></is></c>",
                 false, Kind::Text, 0, QStringLiteral("2013-2-20 8:01")},
        CellCase{"formulaString", "<c r=\"B1\" t=\"str\"><f>A1</f><v>S_x005F_x0031_</v></c>", false, Kind::Text, 0,
                 QStringLiteral("S_x0031_")},
        CellCase{"booleanTrue", "<c r=\"B1\" t=\"b\"><v>1</v></c>", false, Kind::Boolean, 1, {}},
        CellCase{"errorValue", "<c r=\"B1\" t=\"e\"><v>#DIV/0!</v></c>", false, Kind::Error, 0, {}},
        CellCase{"isoDateTime", "<c r=\"B1\" t=\"d\"><v>2013-02-20T08:01:02.000Z</v></c>", false, Kind::DateTime,
                 41325 + (8 * 3600 + 62) / 86400.0, {}},
        CellCase{"isoDateIgnores1904", "<c r=\"B1\" t=\"d\"><v>1900-02-28</v></c>", true, Kind::DateTime, 59, {}},
        CellCase{"isoNonsenseIsText", "<c r=\"B1\" t=\"d\"><v>2013-02-30</v></c>", false, Kind::Text, 0,
                 QStringLiteral("2013-02-30")},
        CellCase{"styledBlank", "<c r=\"B1\" s=\"1\"/>", false, Kind::Empty, 0, {}},
        CellCase{"emptyStyleIsGeneral", "<c r=\"B1\" s=\"\"><v>3</v></c>", false, Kind::Number, 3, {}},
        CellCase{"sharedWithoutIndexIsEmpty", "<c r=\"B1\" t=\"s\"><v/></c>", false, Kind::Empty, 0, {}},
        CellCase{"entitiesAndCharacterReferencesDecoded",
                 "<c r=\"B1\" t=\"inlineStr\"><is><t>&lt;A&amp;B&gt; &#x5DE5;&#21495;</t></is></c>", false,
                 Kind::Text, 0, QStringLiteral("<A&B> 工号")},
        CellCase{"cdataIsText", "<c r=\"B1\" t=\"inlineStr\"><is><t><![CDATA[8:01 <早>]]></t></is></c>", false,
                 Kind::Text, 0, QStringLiteral("8:01 <早>")},
        CellCase{"referenceWithAnEscapedAttribute", "<c r=\"&#66;1\"><v>4</v></c>", false, Kind::Number, 4, {}},
        CellCase{"referenceLeftOut", "<c r=\"A1\"><v>1</v></c><c><v>7</v></c>", false, Kind::Number, 7, {}}),
    [](const testing::TestParamInfo<CellCase>& p) { return std::string(p.param.name); });

// --- worksheet XML that is refused ---

struct BadSheetCase {
    const char* name;
    QByteArray xml;
};

class XlsxBadSheet : public testing::TestWithParam<BadSheetCase> {};

TEST_P(XlsxBadSheet, IsDamaged)
{
    SheetContext context;
    context.sharedStrings = {QStringLiteral("x")};
    const QByteArray& xml = GetParam().xml;
    // refused quietly: the user reads the import's message, not the parser's
    testing::internal::CaptureStderr();
    const ReadResult result = tarnby::xlsx::readSheetXml(xml.constData(), std::size_t(xml.size()), context, columnsAB());
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(result.error, ReadError::Damaged);
    EXPECT_EQ(result.sheet.rowCount(), 0);
}

const QByteArray kBillionLaughs =
    "<?xml version=\"1.0\"?><!DOCTYPE lolz [<!ENTITY lol \"lol\"><!ENTITY lol1 \"&lol;&lol;&lol;&lol;&lol;&lol;\">"
    "<!ENTITY lol2 \"&lol1;&lol1;&lol1;&lol1;&lol1;&lol1;\">]><worksheet><sheetData><row r=\"1\"><c r=\"A1\" "
    "t=\"inlineStr\"><is><t>&lol2;</t></is></c></row></sheetData></worksheet>";

INSTANTIATE_TEST_SUITE_P(
    Xlsx, XlsxBadSheet,
    testing::Values(
        BadSheetCase{"entityDeclarations", kBillionLaughs},
        BadSheetCase{"brokenFourByteEncoding", QByteArray("<\0\0\0\0\0\x01\0\0\0\x01\0", 12)},
        BadSheetCase{"loneSurrogateInUtf16", QByteArray("\0<\0?\0x\xD8\0\0\0", 10)},
        BadSheetCase{"brokenUtf8", "<worksheet><sheetData><row r=\"1\"><c r=\"A1\" t=\"inlineStr\"><is><t>\xC3\x28"
                                   "</t></is></c></row></sheetData></worksheet>"},
        BadSheetCase{"externalDtd", "<?xml version=\"1.0\"?><!DOCTYPE w SYSTEM \"http://x/w.dtd\"><worksheet/>"},
        BadSheetCase{"rowsOutOfOrder", "<worksheet><sheetData><row r=\"3\"/><row r=\"2\"/></sheetData></worksheet>"},
        BadSheetCase{"repeatedRow", "<worksheet><sheetData><row r=\"3\"/><row r=\"3\"/></sheetData></worksheet>"},
        BadSheetCase{"cellsOutOfOrder",
                     "<worksheet><sheetData><row r=\"1\"><c r=\"C1\"/><c r=\"B1\"/></row></sheetData></worksheet>"},
        BadSheetCase{"cellInAnotherRow", "<worksheet><sheetData><row r=\"1\"><c r=\"A2\"/></row></sheetData></worksheet>"},
        BadSheetCase{"columnBeyondTheSheet",
                     "<worksheet><sheetData><row r=\"1\"><c r=\"XFE1\"/></row></sheetData></worksheet>"},
        BadSheetCase{"rowBeyondTheSheet", "<worksheet><sheetData><row r=\"1048577\"/></sheetData></worksheet>"},
        BadSheetCase{"sharedStringNotThere",
                     "<worksheet><sheetData><row r=\"1\"><c r=\"A1\" t=\"s\"><v>1</v></c></row></sheetData></worksheet>"},
        BadSheetCase{"numberThatIsNone",
                     "<worksheet><sheetData><row r=\"1\"><c r=\"B1\"><v>1,5</v></c></row></sheetData></worksheet>"},
        BadSheetCase{"truncated", "<worksheet><sheetData><row r=\"1\"><c r=\"A1\"><v>1</v></c></row>"},
        BadSheetCase{"notXml", "PK\x03\x04 this is no XML"}),
    [](const testing::TestParamInfo<BadSheetCase>& p) { return std::string(p.param.name); });

// --- whole packages ---

XlsxSheet punches()
{
    XlsxSheet s;
    s.row(1).shared(QStringLiteral("A"), 0).inlineText(QStringLiteral("B"), QStringLiteral("时间"));
    s.row(2).shared(QStringLiteral("A"), 1).number(QStringLiteral("B"), 41325.33403, 1).number(QStringLiteral("C"), 99);
    return s;
}

WorkbookOptions punchOptions()
{
    WorkbookOptions o;
    o.sharedStrings = {QStringLiteral("<t>工号</t>"), QStringLiteral("<r><t>00</t></r><r><t>15</t></r>")};
    o.customFormats = {QStringLiteral("yyyy\\-mm\\-dd\\ hh:mm:ss")};
    o.cellFormats = {0, 164};
    return o;
}

struct PackageCase {
    const char* name;
    std::function<TestPackage()> make;
};

class XlsxPackage : public testing::TestWithParam<PackageCase> {};

TEST_P(XlsxPackage, FindsTheFirstWorksheetThroughTheRelationships)
{
    const ReadResult result = readPackage(GetParam().make());
    ASSERT_TRUE(result.ok()) << result.detail.toStdString();
    EXPECT_EQ(result.sheet.cell(1, 0).text.toStdString(), "0015");
    EXPECT_EQ(result.sheet.cell(1, 1).kind, Kind::DateTime);
    EXPECT_NEAR(result.sheet.cell(1, 1).number, 41325.33403, 1e-9);
    // column C is not asked for
    EXPECT_EQ(result.sheet.cell(1, 2).kind, Kind::Empty);
}

INSTANTIATE_TEST_SUITE_P(
    Xlsx, XlsxPackage,
    testing::Values(
        PackageCase{"transitional", [] { return TestPackage::workbook(punches(), punchOptions()); }},
        PackageCase{"strictNamespaces",
                    [] {
                        auto o = punchOptions();
                        o.strict = true;
                        return TestPackage::workbook(punches(), o);
                    }},
        PackageCase{"prefixedElements",
                    [] {
                        auto o = punchOptions();
                        o.prefix = QStringLiteral("x");
                        return TestPackage::workbook(punches(), o);
                    }},
        PackageCase{"chartSheetFirst",
                    [] {
                        auto o = punchOptions();
                        o.chartSheetFirst = true;
                        return TestPackage::workbook(punches(), o);
                    }},
        PackageCase{"windowsSeparatorsInPartNames",
                    [] {
                        TestPackage p = TestPackage::workbook(punches(), punchOptions());
                        const QByteArray sheet = p.part(QStringLiteral("xl/worksheets/data.xml"));
                        return p.remove(QStringLiteral("xl/worksheets/data.xml"))
                            .part(QStringLiteral("xl\\worksheets\\data.xml"), sheet);
                    }},
        PackageCase{"storedParts", [] { return TestPackage::workbook(punches(), punchOptions()).store(true); }},
        PackageCase{"escapedCharactersInAPartName",
                    [] {
                        auto o = punchOptions();
                        o.sheetPart = QStringLiteral("xl/worksheets/in&out.xml");
                        return TestPackage::workbook(punches(), o);
                    }},
        PackageCase{"builtinDateFormat",
                    [] {
                        auto o = punchOptions();
                        o.cellFormats = {0, 22};
                        return TestPackage::workbook(punches(), o);
                    }}),
    [](const testing::TestParamInfo<PackageCase>& p) { return std::string(p.param.name); });

struct BadPackageCase {
    const char* name;
    std::function<QByteArray()> make;
    ReadError error;
};

class XlsxBadPackage : public testing::TestWithParam<BadPackageCase> {};

TEST_P(XlsxBadPackage, IsARefusal)
{
    const QByteArray bytes = GetParam().make();
    const ReadResult result =
        tarnby::xlsx::readWorkbookBytes(bytes.constData(), std::size_t(bytes.size()), columnsAB());
    EXPECT_EQ(result.error, GetParam().error) << result.detail.toStdString();
    EXPECT_EQ(result.sheet.rowCount(), 0);
}

QByteArray good()
{
    return TestPackage::workbook(punches(), punchOptions()).bytes();
}

// A compound document holding one stream, written by the .xls test writer's container.
QByteArray compound(const QString& stream)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("c.xlsx"));
    if (!tarnby::xls::test::TestWorkbook::saveCompound(path, stream, QByteArray(5000, '\x11')))
        return {};
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

INSTANTIATE_TEST_SUITE_P(
    Xlsx, XlsxBadPackage,
    testing::Values(
        BadPackageCase{"empty", [] { return QByteArray(); }, ReadError::NotWorkbook},
        BadPackageCase{"notAZip", [] { return QByteArray("工号,时间\n"); }, ReadError::NotWorkbook},
        BadPackageCase{"truncatedZip", [] { return good().left(good().size() - 30); }, ReadError::NotWorkbook},
        BadPackageCase{"zipCutInHalf", [] { return good().left(good().size() / 2); }, ReadError::NotWorkbook},
        BadPackageCase{"flippedDeflateBytes",
                       [] {
                           QByteArray b = TestPackage::workbook(punches(), punchOptions()).bytes();
                           // the worksheet's deflated bytes follow its name in the local header
                           const qsizetype at = b.indexOf("xl/worksheets/data.xml") + 22;
                           for (qsizetype i = at + 8; i < at + 40; ++i)
                               b[i] = char(b[i] ^ 0x5A);
                           return b;
                       },
                       ReadError::Damaged},
        BadPackageCase{"storedPartWithAlteredBytes",
                       [] {
                           // still well-formed XML, but not what the package's CRC says
                           QByteArray b = TestPackage::workbook(punches(), punchOptions()).store(true).bytes();
                           b[b.indexOf("<v>99</v>") + 4] = '8';
                           return b;
                       },
                       ReadError::Damaged},
        BadPackageCase{"noRootRelationships",
                       [] { return TestPackage::workbook(punches(), punchOptions()).remove(QStringLiteral("_rels/.rels")).bytes(); },
                       ReadError::NotWorkbook},
        BadPackageCase{"noWorkbookRelationships",
                       [] {
                           return TestPackage::workbook(punches(), punchOptions())
                               .remove(QStringLiteral("xl/_rels/workbook.xml.rels"))
                               .bytes();
                       },
                       ReadError::Damaged},
        BadPackageCase{"noWorksheetPart",
                       [] {
                           return TestPackage::workbook(punches(), punchOptions())
                               .remove(QStringLiteral("xl/worksheets/data.xml"))
                               .bytes();
                       },
                       ReadError::Damaged},
        BadPackageCase{"noSharedStringsPart",
                       [] {
                           return TestPackage::workbook(punches(), punchOptions())
                               .remove(QStringLiteral("xl/sharedStrings.xml"))
                               .bytes();
                       },
                       ReadError::Damaged},
        BadPackageCase{"workbookWithoutSheets",
                       [] {
                           return TestPackage::workbook(punches(), punchOptions())
                               .part(QStringLiteral("xl/workbook.xml"), "<workbook><sheets/></workbook>")
                               .bytes();
                       },
                       ReadError::Damaged},
        BadPackageCase{"documentIsNoWorkbook",
                       [] {
                           return TestPackage::workbook(punches(), punchOptions())
                               .part(QStringLiteral("xl/workbook.xml"), "<document/>")
                               .bytes();
                       },
                       ReadError::NotWorkbook},
        BadPackageCase{"entityBombInSharedStrings",
                       [] {
                           return TestPackage::workbook(punches(), punchOptions())
                               .part(QStringLiteral("xl/sharedStrings.xml"), kBillionLaughs)
                               .bytes();
                       },
                       ReadError::Damaged},
        BadPackageCase{"partInflatingTooFar",
                       [] {
                           // blanks deflate to about a thousandth: one more run of them tips the ratio
                           QByteArray sheet = TestPackage::sheetDocument(punches().xml());
                           sheet.insert(sheet.indexOf("<sheetData>"), QByteArray(16 << 20, ' '));
                           return TestPackage::workbookWithSheetXml(sheet, punchOptions()).bytes();
                       },
                       ReadError::Damaged},
        BadPackageCase{"partDeclaredOverOneGiB",
                       [] {
                           QByteArray b = TestPackage::workbook(punches(), punchOptions()).bytes();
                           // the uncompressed size in the local header and in the central directory
                           const QByteArray name = "xl/worksheets/data.xml";
                           const qsizetype local = b.indexOf(name) - 30;
                           const qsizetype central = b.indexOf(name, local + 31) - 46;
                           for (const qsizetype at : {local + 22, central + 24}) {
                               b[at] = 0;
                               b[at + 1] = 0;
                               b[at + 2] = 0;
                               b[at + 3] = 0x50;
                           }
                           return b;
                       },
                       ReadError::Damaged},
        BadPackageCase{"encryptedPackage", [] { return compound(QStringLiteral("EncryptedPackage")); },
                       ReadError::Encrypted},
        BadPackageCase{"otherCompoundDocument", [] { return compound(QStringLiteral("WordDocument")); },
                       ReadError::NotWorkbook}),
    [](const testing::TestParamInfo<BadPackageCase>& p) { return std::string(p.param.name); });

TEST(XlsxRequest, KeepsOnlyTheAskedRowsAndColumns)
{
    XlsxSheet s;
    for (int r = 1; r <= 50; ++r)
        s.row(r).number(QStringLiteral("A"), r).number(QStringLiteral("B"), r).number(QStringLiteral("C"), r);
    CellRequest request;
    request.numberColumn = 2;
    request.numberRow = 4;
    request.timeColumn = 0;
    request.timeRow = 9;
    request.maxRows = 10;
    const ReadResult result = readPackage(TestPackage::workbook(s), request);
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result.sheet.columnCount(), 3);
    EXPECT_EQ(result.sheet.cell(4, 2).number, 5);
    EXPECT_EQ(result.sheet.cell(13, 2).number, 14);
    EXPECT_EQ(result.sheet.cell(14, 2).kind, Kind::Empty);
    EXPECT_EQ(result.sheet.cell(3, 2).kind, Kind::Empty);
    EXPECT_EQ(result.sheet.cell(9, 0).number, 10);
    EXPECT_EQ(result.sheet.cell(18, 0).number, 19);
    EXPECT_EQ(result.sheet.cell(19, 0).kind, Kind::Empty);
    EXPECT_EQ(result.sheet.cell(10, 1).kind, Kind::Empty);
}

TEST(XlsxFile, ReadsFromDiskAndNamesAMissingFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.xlsx"));
    ASSERT_TRUE(TestPackage::workbook(punches(), punchOptions()).save(path));
    const ReadResult result = tarnby::xlsx::readWorkbook(path, columnsAB());
    ASSERT_TRUE(result.ok()) << result.detail.toStdString();
    EXPECT_EQ(result.sheet.cell(1, 0).text.toStdString(), "0015");
    EXPECT_EQ(tarnby::xlsx::readWorkbook(dir.filePath(QStringLiteral("none.xlsx")), columnsAB()).error,
              ReadError::CannotOpen);
}

} // namespace
