// Every format reads the same punch table as its .xls twin: each export is
// written as .xls, .xlsx, .csv and .dat, each folder read by the import, and
// the tables compared record by record.

#include "TestPackage.h"
#include "TestWorkbook.h"
#include "import/CellText.h"
#include "import/FolderImport.h"

#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using tarnby::ImportOutcome;
using tarnby::PunchTable;
using tarnby::ReadPosition;
using tarnby::xls::test::TestWorkbook;
using tarnby::xlsx::test::TestPackage;
using tarnby::xlsx::test::WorkbookOptions;
using tarnby::xlsx::test::XlsxSheet;

namespace {

struct Value {
    enum Type { Number, Text, DateTime, Error } type = Text;
    double number = 0;
    QString text;
};

Value num(double v) { return {Value::Number, v, {}}; }
Value txt(const QString& t) { return {Value::Text, 0, t}; }
Value at(int y, int mo, int d, int h, int mi, int s) { return {Value::DateTime, TestWorkbook::serial(y, mo, d, h, mi, s), {}}; }
Value err() { return {Value::Error, 0, {}}; }

struct Export {
    QString numberCell = QStringLiteral("A2");
    QString timeCell = QStringLiteral("B2");
    bool date1904 = false;
    QList<QPair<Value, Value>> rows; // number, time; record k at the start rows + k
};

int columnOf(const QString& cell) { return cell.at(0).unicode() - u'A'; }
int rowOf(const QString& cell) { return cell.at(1).unicode() - u'1'; }
QString columnName(int c) { return QString(QChar(u'A' + c)); }

// the cells of an export, (row, column) -> value, headers in row 0
QList<std::tuple<int, int, Value>> cellsOf(const Export& e)
{
    QList<std::tuple<int, int, Value>> cells;
    cells.append({0, columnOf(e.numberCell), txt(QStringLiteral("工号"))});
    if (columnOf(e.timeCell) != columnOf(e.numberCell))
        cells.append({0, columnOf(e.timeCell), txt(QStringLiteral("打卡时间"))});
    for (int k = 0; k < e.rows.size(); ++k) {
        cells.append({rowOf(e.numberCell) + k, columnOf(e.numberCell), e.rows[k].first});
        cells.append({rowOf(e.timeCell) + k, columnOf(e.timeCell), e.rows[k].second});
    }
    std::sort(cells.begin(), cells.end(), [](const auto& a, const auto& b) {
        return std::tie(std::get<0>(a), std::get<1>(a)) < std::tie(std::get<0>(b), std::get<1>(b));
    });
    return cells;
}

double stored(const Export& e, const Value& v)
{
    return v.type == Value::DateTime && e.date1904 ? v.number - 1462 : v.number;
}

void writeXls(const Export& e, const QString& path)
{
    TestWorkbook book;
    book.setDate1904(e.date1904);
    for (const auto& [row, column, v] : cellsOf(e)) {
        switch (v.type) {
        case Value::Number: book.number(row, column, v.number); break;
        case Value::Text: book.text(row, column, v.text); break;
        case Value::DateTime: book.number(row, column, stored(e, v), QStringLiteral("yyyy-mm-dd hh:mm:ss")); break;
        case Value::Error: book.error(row, column, 0x07); break;
        }
    }
    QString error;
    ASSERT_TRUE(book.save(path, &error)) << error.toStdString();
}

void writeXlsx(const Export& e, const QString& path)
{
    WorkbookOptions o;
    o.date1904 = e.date1904;
    o.customFormats = {QStringLiteral("yyyy\\-mm\\-dd\\ hh:mm:ss")};
    o.cellFormats = {0, 164};
    XlsxSheet sheet;
    int lastRow = -1;
    for (const auto& [row, column, v] : cellsOf(e)) {
        if (row != lastRow)
            sheet.row(row + 1);
        lastRow = row;
        const QString ref = columnName(column);
        switch (v.type) {
        case Value::Number: sheet.number(ref, v.number); break;
        case Value::DateTime: sheet.number(ref, stored(e, v), 1); break;
        case Value::Error: sheet.error(ref, QStringLiteral("#DIV/0!")); break;
        case Value::Text:
            // shared strings for the numbers, inline strings for the rest
            if (column == columnOf(e.numberCell)) {
                o.sharedStrings.append(QStringLiteral("<t>%1</t>").arg(v.text.toHtmlEscaped()));
                sheet.shared(ref, int(o.sharedStrings.size()) - 1);
            } else {
                sheet.inlineText(ref, v.text);
            }
            break;
        }
    }
    ASSERT_TRUE(TestPackage::workbook(sheet, o).save(path));
}

// .csv in UTF-8 with date-times as counts of days; .dat in GBK with date-times as texts
void writeText(const Export& e, const QString& path, bool dat)
{
    QList<QStringList> lines;
    for (const auto& [row, column, v] : cellsOf(e)) {
        while (lines.size() <= row)
            lines.append(QStringList());
        QStringList& fields = lines[row];
        while (fields.size() <= column)
            fields.append(QString());
        QString field;
        switch (v.type) {
        case Value::Number: field = *tarnby::cells::numberText(v.number); break;
        case Value::Text: field = v.text; break;
        case Value::DateTime:
            field = dat ? *tarnby::cells::dateTimeFromSerial(v.number) : QString::number(v.number, 'f', 12);
            break;
        case Value::Error: field = QStringLiteral("#DIV/0!"); break;
        }
        if (!dat && (field.contains(u',') || field.contains(u'"') || field.contains(u'，')))
            field = u'"' + field.replace(QStringLiteral("\""), QStringLiteral("\"\"")) + u'"';
        fields[column] = field;
    }
    QString text;
    for (const QStringList& fields : lines)
        text += fields.join(dat ? u'\t' : u',') + QStringLiteral("\r\n");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    if (dat) {
        QStringEncoder gbk("GBK");
        file.write(gbk(text));
    } else {
        file.write(text.toUtf8());
    }
}

struct TwinCase {
    const char* name;
    Export exported;
    int records;            // in the .xls twin's table
    bool readError = false; // the .xls twin stops with a read error
    bool textTwins = true;  // an error cell has no text twin
};

class FormatTwins : public testing::TestWithParam<TwinCase> {};

TEST_P(FormatTwins, ReadTheSameTableAsTheXlsTwin)
{
    const TwinCase& c = GetParam();
    const ReadPosition position{c.exported.numberCell, c.exported.timeCell};
    QTemporaryDir dir;
    QStringList formats = {QStringLiteral("xls"), QStringLiteral("xlsx"), QStringLiteral("xlsm")};
    if (c.textTwins)
        formats << QStringLiteral("csv") << QStringLiteral("dat");

    QList<tarnby::Punch> expected;
    for (const QString& format : formats) {
        SCOPED_TRACE(format.toStdString());
        const QString folder = dir.filePath(format);
        ASSERT_TRUE(QDir().mkpath(folder));
        const QString path = QDir(folder).filePath(QStringLiteral("export.") + format);
        if (format == QLatin1String("xls"))
            writeXls(c.exported, path);
        else if (format.startsWith(QLatin1String("xls")))
            writeXlsx(c.exported, path);
        else
            writeText(c.exported, path, format == QLatin1String("dat"));

        PunchTable table;
        const ImportOutcome out = tarnby::readFolder(folder, position, table);
        EXPECT_EQ(out.kind, c.readError ? ImportOutcome::Kind::ReadError : ImportOutcome::Kind::Read)
            << out.text.toStdString();
        if (format == QLatin1String("xls")) {
            expected = table.records();
            EXPECT_EQ(expected.size(), c.records);
        } else {
            EXPECT_EQ(table.records(), expected);
        }
    }
}

Export employees(int count, bool numbersAsNumbers)
{
    Export e;
    for (int n = 1; n <= count; ++n)
        for (int day = 1; day <= 3; ++day)
            for (int h : {8, 12, 13, 17}) {
                const Value number = numbersAsNumbers && n % 2 ? num(n) : txt(QStringLiteral("%1").arg(n, 4, 10, QChar(u'0')));
                e.rows.append({number, at(2026, 1, day + 4, h, (n * 7 + day) % 60, (n * 13 + h) % 60)});
            }
    return e;
}

Export shifted()
{
    Export e = employees(5, true);
    e.numberCell = QStringLiteral("C2");
    e.timeCell = QStringLiteral("A4");
    return e;
}

Export in1904()
{
    Export e = employees(4, false);
    e.date1904 = true;
    return e;
}

Export texts()
{
    Export e;
    e.rows = {{txt(QStringLiteral("S001")), txt(QStringLiteral("2013-2-20 8:01"))},
              {txt(QStringLiteral("S001")), txt(QStringLiteral("2013-2-20，8:01"))},
              {num(15), txt(QStringLiteral("2013/02/20 17:30:05"))},
              {num(15), num(41325.75)},
              {txt(QStringLiteral("s002")), txt(QStringLiteral("2013年2月21日"))}};
    return e;
}

Export stopsAtTheFirstEmptyNumber()
{
    Export e = employees(2, true);
    e.rows[3].first = txt(QString());
    return e;
}

Export errorInTheTimeColumn()
{
    Export e = employees(1, true);
    e.rows[2].second = err();
    return e;
}

INSTANTIATE_TEST_SUITE_P(
    Import, FormatTwins,
    testing::Values(TwinCase{"clockExport", employees(40, true), 480},
                    TwinCase{"startRowsDiffer", shifted(), 60},
                    TwinCase{"dateSystem1904", in1904(), 48},
                    TwinCase{"timeTexts", texts(), 5},
                    TwinCase{"emptyNumberEndsTheFile", stopsAtTheFirstEmptyNumber(), 3},
                    TwinCase{"errorCellIsAReadError", errorInTheTimeColumn(), 2, true, false}),
    [](const testing::TestParamInfo<TwinCase>& p) { return std::string(p.param.name); });

TEST(FormatFolder, ListsEveryFormatInOneNameOrder)
{
    QTemporaryDir dir;
    for (const char* name : {"b.CSV", "a.xlsx", "C.xls", "d.dat", "e.XLSM", ".hidden.csv", "f.txt", "g.xlsb"}) {
        QFile file(QDir(dir.path()).filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("sub.csv")));
    EXPECT_EQ(tarnby::listWorkbooks(dir.path()),
              QStringList({"a.xlsx", "b.CSV", "C.xls", "d.dat", "e.XLSM"}));
}

TEST(FormatFolder, AWorkbookIsReadByItsContentWhateverItsName)
{
    QTemporaryDir dir;
    const Export e = employees(2, true);
    writeXlsx(e, dir.filePath(QStringLiteral("1.xls")));
    writeXls(e, dir.filePath(QStringLiteral("2.xlsx")));
    PunchTable table;
    const ImportOutcome out = tarnby::readFolder(dir.path(), {e.numberCell, e.timeCell}, table);
    EXPECT_EQ(out.kind, ImportOutcome::Kind::Read) << out.text.toStdString();
    EXPECT_EQ(table.size(), 2 * 24);
}

} // namespace
