#pragma once
// Writes small .xlsx packages for tests through libzip: any parts, or a
// workbook around one worksheet's rows, with the knobs the reader must cope
// with (prefixed elements, Strict namespaces, the first sheet not named
// sheet1.xml, a chart sheet before it, the 1904 date system).
//
//     XlsxSheet sheet;
//     sheet.row(2).text("A", "0015").number("B", 41325.33403, 1); // style 1: a date
//     TestPackage package = TestPackage::workbook(sheet);
//     ASSERT_TRUE(package.save(path));

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

namespace tarnby::xlsx::test {

// One worksheet's sheetData, row by row, cell by cell, in the order given.
class XlsxSheet {
public:
    // Starts row r (1-based), or a row without a number when r is 0.
    XlsxSheet& row(int r);
    // Cells of the current row; ref is a column ("B") or a whole reference
    // ("B2"), or empty to leave the reference out.
    XlsxSheet& number(const QString& ref, double value, int style = 0);
    XlsxSheet& shared(const QString& ref, int index, int style = 0);
    XlsxSheet& inlineText(const QString& ref, const QString& text);
    XlsxSheet& formulaText(const QString& ref, const QString& text);
    XlsxSheet& boolean(const QString& ref, bool value);
    XlsxSheet& error(const QString& ref, const QString& code);
    XlsxSheet& isoDate(const QString& ref, const QString& iso);
    // Any XML for a cell.
    XlsxSheet& raw(const QString& xml);
    // The sheetData element.
    QByteArray xml() const;

private:
    QString cell(const QString& ref, const QString& attributes, const QString& inner);
    QStringList rows_;
    int current_ = 0;
};

struct WorkbookOptions {
    bool date1904 = false;
    bool strict = false;           // Strict OOXML namespaces and relationship types
    QString prefix;                // e.g. "x": every SpreadsheetML element written as x:name
    bool chartSheetFirst = false;  // a chart sheet precedes the worksheet
    QString sheetPart = QStringLiteral("xl/worksheets/data.xml"); // where the worksheet lives
    QStringList sharedStrings;     // <si> bodies (XML inside <si>)
    QStringList customFormats;     // formats 164, 165, ... (format codes)
    QList<int> cellFormats = {0};  // the cell formats' numFmtId, by style index
    QList<QByteArray> sheetsBefore; // sheetData (XlsxSheet::xml) of worksheets before the one given
};

class TestPackage {
public:
    // A workbook whose first worksheet holds the rows.
    static TestPackage workbook(const XlsxSheet& sheet, const WorkbookOptions& options = {});
    // The same with the worksheet XML given whole.
    static TestPackage workbookWithSheetXml(const QByteArray& sheetXml, const WorkbookOptions& options = {});

    TestPackage& part(const QString& name, const QByteArray& bytes);
    TestPackage& remove(const QString& name);
    QByteArray part(const QString& name) const;
    // Stored rather than deflated.
    TestPackage& store(bool on);

    bool save(const QString& path, QString* error = nullptr) const;
    QByteArray bytes() const;

    // A whole sheet document around sheetData (with the namespaces of the options).
    static QByteArray sheetDocument(const QByteArray& sheetData, const WorkbookOptions& options = {});

private:
    QList<QPair<QString, QByteArray>> parts_;
    bool store_ = false;
};

} // namespace tarnby::xlsx::test
