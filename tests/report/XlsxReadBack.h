#pragma once
// Reads a written workbook back at the level the spreadsheet program sees it:
// the sheets in order, each cell's type, value and style, the styles' number
// formats and font colours, the frozen panes and column widths.

#include <QByteArray>
#include <QHash>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QXmlStreamReader>
#include <zip.h>

namespace testsupport {

struct XlsxCell {
    QString type;  // "s" a text (shared or inline), "n" a number, "b", "e" ...
    QString value; // the string itself for strings, else the number text
    int style = 0;
};

struct XlsxSheet {
    QString name;
    QString path;                  // "xl/worksheets/sheet1.xml"
    QMap<QString, XlsxCell> cells; // by reference, "B3"
    QString frozenCell;            // topLeftCell of a frozen pane
    QList<double> columnWidths;    // the <col> widths in order
    bool hasDrawing = false;
    int rows = 0;                  // the highest row number with a cell
};

struct XlsxStyle {
    QString numberFormat; // the format code, "General" for the built-in 0
    QString fontColor;    // "FFFF0000" or empty
};

class XlsxReadBack {
public:
    explicit XlsxReadBack(const QString& path)
    {
        int error = 0;
        zip_t* zip = zip_open(path.toLocal8Bit().constData(), ZIP_RDONLY, &error);
        if (!zip)
            return;
        for (zip_int64_t i = 0; i < zip_get_num_entries(zip, 0); ++i) {
            const QString name = QString::fromUtf8(zip_get_name(zip, zip_uint64_t(i), 0));
            zip_stat_t st;
            zip_stat_index(zip, zip_uint64_t(i), 0, &st);
            zip_file_t* f = zip_fopen_index(zip, zip_uint64_t(i), 0);
            QByteArray bytes(qsizetype(st.size), '\0');
            if (f) {
                zip_fread(f, bytes.data(), st.size);
                zip_fclose(f);
            }
            parts_.insert(name, bytes);
        }
        zip_close(zip);
        ok_ = !parts_.isEmpty();
        readSharedStrings();
        readStyles();
        readSheets();
    }

    bool ok() const { return ok_; }
    bool hasPart(const QString& name) const { return parts_.contains(name); }
    QByteArray part(const QString& name) const { return parts_.value(name); }
    const QList<XlsxSheet>& sheets() const { return sheets_; }
    const XlsxSheet* sheet(const QString& name) const
    {
        for (const XlsxSheet& s : sheets_)
            if (s.name == name)
                return &s;
        return nullptr;
    }
    XlsxStyle style(int index) const { return styles_.value(index); }

private:
    void readSharedStrings()
    {
        QXmlStreamReader xml(parts_.value(QStringLiteral("xl/sharedStrings.xml")));
        QString current;
        bool inSi = false;
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isStartElement() && xml.name() == QLatin1String("si")) {
                inSi = true;
                current.clear();
            } else if (xml.isStartElement() && xml.name() == QLatin1String("t") && inSi) {
                current += xml.readElementText();
            } else if (xml.isEndElement() && xml.name() == QLatin1String("si")) {
                strings_.append(current);
                inSi = false;
            }
        }
    }

    void readStyles()
    {
        QHash<int, QString> formats = {{0, QStringLiteral("General")}};
        QList<QString> fontColors;
        QXmlStreamReader xml(parts_.value(QStringLiteral("xl/styles.xml")));
        bool inFonts = false;
        bool inCellXfs = false;
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isStartElement()) {
                const auto n = xml.name();
                const auto a = xml.attributes();
                if (n == QLatin1String("numFmt"))
                    formats.insert(a.value("numFmtId").toInt(), a.value("formatCode").toString());
                else if (n == QLatin1String("fonts"))
                    inFonts = true;
                else if (n == QLatin1String("font") && inFonts)
                    fontColors.append(QString());
                else if (n == QLatin1String("color") && inFonts && !fontColors.isEmpty())
                    fontColors.last() = a.value("rgb").toString();
                else if (n == QLatin1String("cellXfs"))
                    inCellXfs = true;
                else if (n == QLatin1String("xf") && inCellXfs)
                    styles_.append({formats.value(a.value("numFmtId").toInt(), QStringLiteral("#%1").arg(a.value("numFmtId"))),
                                    fontColors.value(a.value("fontId").toInt())});
            } else if (xml.isEndElement()) {
                if (xml.name() == QLatin1String("fonts"))
                    inFonts = false;
                else if (xml.name() == QLatin1String("cellXfs"))
                    inCellXfs = false;
            }
        }
    }

    void readSheets()
    {
        QHash<QString, QString> targets; // relationship id -> part
        QXmlStreamReader rels(parts_.value(QStringLiteral("xl/_rels/workbook.xml.rels")));
        while (!rels.atEnd()) {
            rels.readNext();
            if (rels.isStartElement() && rels.name() == QLatin1String("Relationship"))
                targets.insert(rels.attributes().value("Id").toString(),
                               QStringLiteral("xl/") + rels.attributes().value("Target").toString());
        }
        QXmlStreamReader book(parts_.value(QStringLiteral("xl/workbook.xml")));
        while (!book.atEnd()) {
            book.readNext();
            if (book.isStartElement() && book.name() == QLatin1String("sheet")) {
                XlsxSheet s;
                s.name = book.attributes().value("name").toString();
                s.path = targets.value(book.attributes().value("http://schemas.openxmlformats.org/officeDocument/2006/relationships", "id").toString());
                readSheet(s);
                sheets_.append(s);
            }
        }
    }

    void readSheet(XlsxSheet& s)
    {
        QXmlStreamReader xml(parts_.value(s.path));
        while (!xml.atEnd()) {
            xml.readNext();
            if (!xml.isStartElement())
                continue;
            const auto a = xml.attributes();
            if (xml.name() == QLatin1String("pane") && a.value("state") == QLatin1String("frozen")) {
                s.frozenCell = a.value("topLeftCell").toString();
            } else if (xml.name() == QLatin1String("col")) {
                s.columnWidths.append(a.value("width").toDouble());
            } else if (xml.name() == QLatin1String("drawing")) {
                s.hasDrawing = true;
            } else if (xml.name() == QLatin1String("c")) {
                XlsxCell cell;
                const QString ref = a.value("r").toString();
                cell.type = a.hasAttribute("t") ? a.value("t").toString() : QStringLiteral("n");
                cell.style = a.value("s").toInt();
                while (!(xml.isEndElement() && xml.name() == QLatin1String("c")) && !xml.atEnd()) {
                    xml.readNext();
                    if (xml.isStartElement() && (xml.name() == QLatin1String("v") || xml.name() == QLatin1String("t")))
                        cell.value += xml.readElementText();
                }
                if (cell.type == QLatin1String("s"))
                    cell.value = strings_.value(cell.value.toInt());
                else if (cell.type == QLatin1String("inlineStr"))
                    cell.type = QStringLiteral("s"); // a text cell either way
                s.cells.insert(ref, cell);
                qsizetype digits = 0;
                while (digits < ref.size() && !ref.at(digits).isDigit())
                    ++digits;
                s.rows = std::max(s.rows, ref.mid(digits).toInt());
            }
        }
    }

    bool ok_ = false;
    QHash<QString, QByteArray> parts_;
    QStringList strings_;
    QList<XlsxStyle> styles_;
    QList<XlsxSheet> sheets_;
};

} // namespace testsupport
