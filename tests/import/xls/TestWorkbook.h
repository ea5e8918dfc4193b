#pragma once
// Writes small .xls workbooks for tests: a BIFF8 or BIFF5 workbook stream with a
// globals substream and one or more worksheets, wrapped in a compound document.
//
//     TestWorkbook book;                                   // BIFF8, one sheet
//     book.text(1, 0, u"S001"_qs)                          // A2
//         .number(1, 1, 41325.33403, "yyyy-mm-dd hh:mm:ss") // B2, a date-time
//         .number(2, 0, 15);                               // A3, General
//     QString error;
//     ASSERT_TRUE(book.save(dir.filePath("a.xls"), &error)) << error.toStdString();
//
// Rows and columns count from 0, rows up to 65,535 and columns up to 255 (the
// size of an .xls sheet; a cell beyond makes save() fail). Cells go to the current sheet (`sheet(i)` selects
// it; sheet 0 exists from the start). A format text of "" is General; any other
// text is a number format, built-in ones ("m/d/yy", ...) included, written as a
// custom FORMAT record; `builtinFormat` uses a built-in format id without a record.
// 32,000 rows take a few milliseconds.

#include <QByteArray>
#include <QHash>
#include <QString>
#include <cstdint>
#include <vector>

namespace tarnby::xls::test {

class TestWorkbook {
public:
    enum class Biff { Biff5, Biff8 };
    // How a number cell is stored; Auto takes RK when the value fits, else NUMBER.
    enum class NumberAs { Auto, Number, Formula };
    // How a text cell is stored; Auto is LABELSST in BIFF8 and LABEL in BIFF5.
    enum class TextAs { Auto, LabelSst, Label, RString, Formula };

    explicit TestWorkbook(Biff biff = Biff::Biff8);

    // --- the workbook ---
    // BIFF5 text is written in this code page (936 GBK, 1252, ...); BIFF8 writes 1200.
    TestWorkbook& setCodePage(int codePage);
    // Leaves the CODEPAGE record out (readers then assume 1252).
    TestWorkbook& omitCodePage();
    TestWorkbook& setDate1904(bool on);
    // Adds a FILEPASS record (RC4) after the globals' BOF, as a password-protected book has.
    TestWorkbook& setFilePass(bool on);
    // The sheet the workbook opens on (WINDOW1); does not change the sheet order.
    TestWorkbook& setActiveSheet(int index);
    // Writes the worksheet substreams in this order of sheet indices (the BOUNDSHEET
    // records stay in sheet order and point at them).
    TestWorkbook& setStreamOrder(std::vector<int> order);
    // SST record size before a CONTINUE starts (at most 8224; small values force splits).
    TestWorkbook& setSstRecordLimit(int bytes);
    // Gives every shared string two rich-text runs and a phonetic block.
    TestWorkbook& setSstDecorations(bool on);
    // Ends the SST record wherever a string changes between 8-bit and 16-bit
    // characters, so each part of such a string sits in its own record and width.
    TestWorkbook& setSstSplitAtWidthChange(bool on);
    // Cuts the workbook stream to this many bytes (before wrapping it).
    TestWorkbook& truncateStream(qsizetype bytes);
    // The compound-document stream name; default "Workbook" (BIFF8) or "Book" (BIFF5).
    TestWorkbook& setStreamName(const QString& name);

    // --- sheets ---
    // Adds a worksheet after the others and makes it current; returns its index.
    int addSheet(const QString& name);
    // Adds a chart sheet (no cells) at this place in sheet order (-1: after the others);
    // the sheets from there on move one place up. Returns its index.
    int addChartSheet(const QString& name, int position = -1);
    TestWorkbook& sheet(int index);

    // --- cells of the current sheet ---
    TestWorkbook& number(int row, int column, double value, const QString& format = {}, NumberAs as = NumberAs::Auto);
    TestWorkbook& builtinFormat(int row, int column, double value, int formatId, NumberAs as = NumberAs::Number);
    TestWorkbook& text(int row, int column, const QString& value, TextAs as = TextAs::Auto);
    TestWorkbook& blank(int row, int column);
    // BOOLERR records, or FORMULA records with that cached result.
    TestWorkbook& boolean(int row, int column, bool value, bool asFormula = false);
    TestWorkbook& error(int row, int column, int code, bool asFormula = false); // 0x07 #DIV/0!, 0x2A #N/A, ...
    // One MULRK record: values at columns first, first+1, ... of the row.
    TestWorkbook& mulRk(int row, int firstColumn, const std::vector<double>& values, const QString& format = {});
    // One MULBLANK record over columns first..last.
    TestWorkbook& mulBlank(int row, int firstColumn, int lastColumn);

    // The workbook stream (what the compound document holds under its stream name).
    QByteArray stream() const;
    // Writes the compound document; false with a reason when it cannot.
    bool save(const QString& path, QString* error = nullptr) const;
    // Wraps any bytes as a compound document with one stream.
    static bool saveCompound(const QString& path, const QString& streamName, const QByteArray& bytes,
                             QString* error = nullptr);

    // Days in the 1900 date system for a date and time of day.
    static double serial(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);

private:
    enum class Kind : std::uint8_t { Number, Text, Blank, Boolean, Error, MulRk, MulBlank };
    struct Item {
        Kind kind;
        std::uint8_t as;   // NumberAs or TextAs
        std::uint16_t row;
        std::uint16_t column;
        std::uint16_t xf;
        std::uint16_t lastColumn; // MULRK, MULBLANK
        double number;     // value; bool or error code
        int string;        // index into strings_ (text) or into mulValues_ (MULRK first value)
    };
    struct SheetData {
        QString name;
        bool chart = false;
        std::vector<Item> items;
    };

    bool place(int row, int column, int lastColumn = -1);
    std::uint16_t xfFor(const QString& format);
    std::uint16_t xfForBuiltin(int formatId);
    int internText(const QString& text);
    void add(Item item);

    Biff biff_;
    int codePage_;
    bool writeCodePage_ = true;
    bool date1904_ = false;
    bool filePass_ = false;
    int activeSheet_ = 0;
    std::vector<int> streamOrder_;
    int sstLimit_ = 8224;
    bool sstDecorations_ = false;
    bool sstSplitAtWidthChange_ = false;
    qsizetype truncateAt_ = -1;
    QString streamName_;
    QString invalid_; // why the workbook cannot be written, when a cell lies outside a sheet

    std::vector<SheetData> sheets_;
    int current_ = 0;
    std::vector<QString> strings_;
    QHash<QString, int> stringIndex_;
    std::vector<double> mulValues_;
    std::vector<QString> formats_;      // custom formats, id 164 + index
    std::vector<int> xfFormats_;        // cell XFs after the 16 style XFs: their format id
};

} // namespace tarnby::xls::test
