#include "TestPackage.h"

#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>

#include <zip.h>

namespace tarnby::xlsx::test {

namespace {

QString escaped(const QString& text)
{
    return text.toHtmlEscaped();
}

QString relType(const WorkbookOptions& o, const char* kind)
{
    return (o.strict ? QStringLiteral("http://purl.oclc.org/ooxml/officeDocument/relationships/")
                     : QStringLiteral("http://schemas.openxmlformats.org/officeDocument/2006/relationships/"))
           + QLatin1String(kind);
}

QString mainNamespace(const WorkbookOptions& o)
{
    return o.strict ? QStringLiteral("http://purl.oclc.org/ooxml/spreadsheetml/main")
                    : QStringLiteral("http://schemas.openxmlformats.org/spreadsheetml/2006/main");
}

QString relNamespace(const WorkbookOptions& o)
{
    return o.strict ? QStringLiteral("http://purl.oclc.org/ooxml/officeDocument/relationships")
                    : QStringLiteral("http://schemas.openxmlformats.org/officeDocument/2006/relationships");
}

// A SpreadsheetML document: the root element with its namespace, every element prefixed when asked.
QByteArray document(const WorkbookOptions& o, const QString& root, const QString& body)
{
    QString xml = QStringLiteral("<%1 xmlns%2=\"%3\" xmlns:r=\"%4\">%5</%1>")
                      .arg(root, o.prefix.isEmpty() ? QString() : u':' + o.prefix, mainNamespace(o), relNamespace(o), body);
    if (!o.prefix.isEmpty()) {
        static const QRegularExpression tag(QStringLiteral("<(/?)([A-Za-z][A-Za-z0-9]*)([ >/])"));
        xml.replace(tag, QStringLiteral("<\\1") + o.prefix + QStringLiteral(":\\2\\3"));
    }
    return QByteArrayLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n") + xml.toUtf8();
}

QByteArray relationships(const QList<QStringList>& rels)
{
    QString xml = QStringLiteral(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">");
    for (const QStringList& r : rels)
        xml += QStringLiteral("<Relationship Id=\"%1\" Type=\"%2\" Target=\"%3\"/>").arg(r[0], r[1], r[2].toHtmlEscaped());
    xml += QStringLiteral("</Relationships>");
    return xml.toUtf8();
}

} // namespace

XlsxSheet& XlsxSheet::row(int r)
{
    current_ = r;
    rows_.append(r > 0 ? QStringLiteral("<row r=\"%1\">").arg(r) : QStringLiteral("<row>"));
    return *this;
}

QString XlsxSheet::cell(const QString& ref, const QString& attributes, const QString& inner)
{
    QString r = ref;
    if (!r.isEmpty() && !r.back().isDigit() && current_ > 0)
        r += QString::number(current_);
    QString xml = QStringLiteral("<c");
    if (!r.isEmpty())
        xml += QStringLiteral(" r=\"%1\"").arg(r);
    xml += attributes + u'>' + inner + QStringLiteral("</c>");
    return xml;
}

XlsxSheet& XlsxSheet::number(const QString& ref, double value, int style)
{
    rows_.last() += cell(ref, style ? QStringLiteral(" s=\"%1\"").arg(style) : QString(),
                         QStringLiteral("<v>%1</v>").arg(QString::number(value, 'g', 17)));
    return *this;
}

XlsxSheet& XlsxSheet::shared(const QString& ref, int index, int style)
{
    rows_.last() += cell(ref, QStringLiteral(" t=\"s\"") + (style ? QStringLiteral(" s=\"%1\"").arg(style) : QString()),
                         QStringLiteral("<v>%1</v>").arg(index));
    return *this;
}

XlsxSheet& XlsxSheet::inlineText(const QString& ref, const QString& text)
{
    rows_.last() += cell(ref, QStringLiteral(" t=\"inlineStr\""), QStringLiteral("<is><t>%1</t></is>").arg(escaped(text)));
    return *this;
}

XlsxSheet& XlsxSheet::formulaText(const QString& ref, const QString& text)
{
    rows_.last() += cell(ref, QStringLiteral(" t=\"str\""), QStringLiteral("<f>A1&amp;\"\"</f><v>%1</v>").arg(escaped(text)));
    return *this;
}

XlsxSheet& XlsxSheet::boolean(const QString& ref, bool value)
{
    rows_.last() += cell(ref, QStringLiteral(" t=\"b\""), QStringLiteral("<v>%1</v>").arg(value ? 1 : 0));
    return *this;
}

XlsxSheet& XlsxSheet::error(const QString& ref, const QString& code)
{
    rows_.last() += cell(ref, QStringLiteral(" t=\"e\""), QStringLiteral("<v>%1</v>").arg(escaped(code)));
    return *this;
}

XlsxSheet& XlsxSheet::isoDate(const QString& ref, const QString& iso)
{
    rows_.last() += cell(ref, QStringLiteral(" t=\"d\""), QStringLiteral("<v>%1</v>").arg(iso));
    return *this;
}

XlsxSheet& XlsxSheet::raw(const QString& xml)
{
    rows_.last() += xml;
    return *this;
}

QByteArray XlsxSheet::xml() const
{
    QString out = QStringLiteral("<sheetData>");
    for (const QString& r : rows_)
        out += r + QStringLiteral("</row>");
    out += QStringLiteral("</sheetData>");
    return out.toUtf8();
}

QByteArray TestPackage::sheetDocument(const QByteArray& sheetData, const WorkbookOptions& options)
{
    return document(options, QStringLiteral("worksheet"), QString::fromUtf8(sheetData));
}

TestPackage TestPackage::workbook(const XlsxSheet& sheet, const WorkbookOptions& options)
{
    return workbookWithSheetXml(sheetDocument(sheet.xml(), options), options);
}

TestPackage TestPackage::workbookWithSheetXml(const QByteArray& sheetXml, const WorkbookOptions& o)
{
    TestPackage p;
    p.part(QStringLiteral("[Content_Types].xml"),
           QByteArrayLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Types "
                             "xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\"><Default "
                             "Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
                             "<Default Extension=\"xml\" ContentType=\"application/xml\"/></Types>"));
    p.part(QStringLiteral("_rels/.rels"),
           relationships({{QStringLiteral("rId1"), relType(o, "officeDocument"), QStringLiteral("xl/workbook.xml")}}));

    QString sheets;
    if (o.chartSheetFirst)
        sheets += QStringLiteral("<sheet name=\"图表\" sheetId=\"2\" r:id=\"rId9\"/>");
    QList<QStringList> rels;
    for (int i = 0; i < o.sheetsBefore.size(); ++i) {
        sheets += QStringLiteral("<sheet name=\"表%1\" sheetId=\"%2\" r:id=\"rIdB%1\"/>").arg(i).arg(10 + i);
        rels.append({QStringLiteral("rIdB%1").arg(i), relType(o, "worksheet"), QStringLiteral("worksheets/b%1.xml").arg(i)});
        p.part(QStringLiteral("xl/worksheets/b%1.xml").arg(i), sheetDocument(o.sheetsBefore[i], o));
    }
    sheets += QStringLiteral("<sheet name=\"考勤记录\" sheetId=\"1\" r:id=\"rId5\"/><sheet name=\"其他\" sheetId=\"3\" r:id=\"rId6\"/>");
    p.part(QStringLiteral("xl/workbook.xml"),
           document(o, QStringLiteral("workbook"),
                    (o.date1904 ? QStringLiteral("<workbookPr date1904=\"1\"/>") : QStringLiteral("<workbookPr/>"))
                        + QStringLiteral("<sheets>") + sheets + QStringLiteral("</sheets>")));

    // the worksheet named second in the relationships, and a decoy at sheet1.xml
    const QString target = u'/' + o.sheetPart;
    rels += {{QStringLiteral("rId6"), relType(o, "worksheet"), QStringLiteral("worksheets/sheet1.xml")},
             {QStringLiteral("rId5"), relType(o, "worksheet"), target},
             {QStringLiteral("rId9"), relType(o, "chartsheet"), QStringLiteral("chartsheets/sheet1.xml")},
             {QStringLiteral("rId7"), relType(o, "styles"), QStringLiteral("styles.xml")},
             {QStringLiteral("rId8"), relType(o, "sharedStrings"), QStringLiteral("sharedStrings.xml")}};
    p.part(QStringLiteral("xl/_rels/workbook.xml.rels"), relationships(rels));
    p.part(o.sheetPart, sheetXml);
    p.part(QStringLiteral("xl/worksheets/sheet1.xml"),
           sheetDocument(XlsxSheet().row(1).inlineText(QStringLiteral("A"), QStringLiteral("decoy")).xml(), o));
    if (o.chartSheetFirst)
        p.part(QStringLiteral("xl/chartsheets/sheet1.xml"), document(o, QStringLiteral("chartsheet"), QString()));

    QString formats;
    for (int i = 0; i < o.customFormats.size(); ++i)
        formats += QStringLiteral("<numFmt numFmtId=\"%1\" formatCode=\"%2\"/>").arg(164 + i).arg(escaped(o.customFormats[i]));
    QString xfs;
    for (int id : o.cellFormats)
        xfs += QStringLiteral("<xf numFmtId=\"%1\" fontId=\"0\" applyNumberFormat=\"1\"/>").arg(id);
    p.part(QStringLiteral("xl/styles.xml"),
           document(o, QStringLiteral("styleSheet"),
                    QStringLiteral("<numFmts>%1</numFmts><cellStyleXfs><xf numFmtId=\"14\"/></cellStyleXfs><cellXfs>%2</cellXfs>")
                        .arg(formats, xfs)));
    QString strings;
    for (const QString& si : o.sharedStrings)
        strings += QStringLiteral("<si>") + si + QStringLiteral("</si>");
    p.part(QStringLiteral("xl/sharedStrings.xml"), document(o, QStringLiteral("sst"), strings));
    return p;
}

TestPackage& TestPackage::part(const QString& name, const QByteArray& bytes)
{
    for (auto& p : parts_)
        if (p.first == name) {
            p.second = bytes;
            return *this;
        }
    parts_.append({name, bytes});
    return *this;
}

TestPackage& TestPackage::remove(const QString& name)
{
    parts_.removeIf([&name](const auto& p) { return p.first == name; });
    return *this;
}

QByteArray TestPackage::part(const QString& name) const
{
    for (const auto& p : parts_)
        if (p.first == name)
            return p.second;
    return {};
}

TestPackage& TestPackage::store(bool on)
{
    store_ = on;
    return *this;
}

QByteArray TestPackage::bytes() const
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* buffer = zip_source_buffer_create(nullptr, 0, 0, &error);
    zip_t* z = zip_open_from_source(buffer, ZIP_TRUNCATE, &error);
    zip_source_keep(buffer);
    for (const auto& p : parts_) {
        zip_source_t* s = zip_source_buffer(z, p.second.constData(), zip_uint64_t(p.second.size()), 0);
        const zip_int64_t index = zip_file_add(z, p.first.toUtf8().constData(), s, ZIP_FL_ENC_UTF_8);
        zip_set_file_compression(z, zip_uint64_t(index), store_ ? ZIP_CM_STORE : ZIP_CM_DEFLATE, 0);
    }
    zip_close(z);
    QByteArray out;
    zip_stat_t st;
    if (zip_source_stat(buffer, &st) == 0 && zip_source_open(buffer) == 0) {
        out.resize(qsizetype(st.size));
        zip_source_read(buffer, out.data(), st.size);
        zip_source_close(buffer);
    }
    zip_source_free(buffer);
    zip_error_fini(&error);
    return out;
}

bool TestPackage::save(const QString& path, QString* error) const
{
    const QByteArray data = bytes();
    QFile file(path);
    if (data.isEmpty() || !file.open(QIODevice::WriteOnly) || file.write(data) != data.size()) {
        if (error)
            *error = QStringLiteral("cannot write %1").arg(path);
        return false;
    }
    return true;
}

} // namespace tarnby::xlsx::test
