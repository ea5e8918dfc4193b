// The package walk: the root relationships name the workbook, the workbook and
// its relationships name the worksheets, the shared strings and the styles;
// every part is found through them, never by a fixed name.

#include "Package.h"
#include "SheetReader.h"
#include "SheetText.h"
#include "XmlParser.h"
#include "Xlsx.h"
#include "import/xls/Container.h"
#include "import/xls/NumberFormat.h"

#include <QFile>
#include <QHash>

#include <gsf/gsf-infile-msole.h>
#include <gsf/gsf-infile.h>
#include <gsf/gsf-input-memory.h>
#include <gsf/gsf-utils.h>

#include <charconv>
#include <cstring>
#include <memory>
#include <mutex>

namespace tarnby::xlsx {

namespace {

ReadResult failed(const Failure& f)
{
    ReadResult result;
    result.error = f.error;
    result.detail = f.detail;
    return result;
}

// Streams a part through an XML handler; a malformed part is Damaged.
std::optional<Failure> parsePart(const Package& package, const QString& name, XmlHandler& handler)
{
    XmlParser parser(handler);
    auto failure = package.read(name, [&parser](const Package::Pull& pull) { return parser.parse(pull); });
    if (failure && failure->detail.isEmpty())
        failure->detail = QStringLiteral("%1: %2").arg(name, parser.error());
    return failure;
}

bool endsWith(const QString& text, QLatin1String tail)
{
    return text.endsWith(tail, Qt::CaseInsensitive);
}

// --- relationships ---

struct Relationship {
    QString type;
    QString target; // resolved to a part name; empty for an external target
};

class RelationshipsHandler : public XmlHandler {
public:
    explicit RelationshipsHandler(QString source) : source_(std::move(source)) {}
    QHash<QString, Relationship> byId;
    std::vector<Relationship> inOrder;

    void startElement(std::string_view name, const Attributes& a) override
    {
        if (name != "Relationship")
            return;
        const auto id = a.value("Id");
        const auto type = a.value("Type");
        const auto target = a.value("Target");
        const auto mode = a.value("TargetMode");
        if (!type || !target)
            return;
        Relationship r;
        r.type = text(*type);
        if (!mode || *mode != "External")
            r.target = resolveTarget(source_, text(*target));
        if (id && !byId.contains(text(*id)))
            byId.insert(text(*id), r);
        inOrder.push_back(std::move(r));
    }
    void endElement(std::string_view) override {}

private:
    QString source_;
};

// --- the workbook ---

class WorkbookHandler : public XmlHandler {
public:
    bool isWorkbook = false;
    bool date1904 = false;
    QStringList sheetIds; // in workbook order
    QStringList sheetNames; // their tab names likewise

    void startElement(std::string_view name, const Attributes& a) override
    {
        if (!seenRoot_) {
            seenRoot_ = true;
            isWorkbook = name == "workbook";
        }
        if (name == "workbookPr") {
            if (const auto v = a.value("date1904"))
                date1904 = *v == "1" || *v == "true";
        } else if (name == "sheet") {
            const auto id = a.prefixed("id");
            sheetIds.append(id ? text(*id) : QString());
            const auto tab = a.value("name");
            sheetNames.append(tab ? text(*tab) : QString());
        }
    }
    void endElement(std::string_view) override {}

private:
    bool seenRoot_ = false;
};

// --- styles: which cell formats show a date ---

class StylesHandler : public XmlHandler {
public:
    std::vector<bool> dateStyles;

    void startElement(std::string_view name, const Attributes& a) override
    {
        if (name == "numFmt") {
            const auto id = a.value("numFmtId");
            const auto code = a.value("formatCode");
            int n = 0;
            if (id && code && toInt(*id, &n))
                custom_.insert(n, xls::isDateFormatText(text(*code)));
        } else if (name == "cellXfs") {
            inCellXfs_ = true;
        } else if (name == "xf" && inCellXfs_) {
            int id = 0;
            const auto v = a.value("numFmtId");
            if (!v || !toInt(*v, &id))
                id = 0;
            xfFormats_.push_back(id);
        }
    }
    void endElement(std::string_view name) override
    {
        if (name == "cellXfs")
            inCellXfs_ = false;
    }
    // numFmts may follow cellXfs in a careless writer's output: judge at the end
    void finish()
    {
        dateStyles.reserve(xfFormats_.size());
        for (int id : xfFormats_) {
            const auto it = custom_.constFind(id);
            dateStyles.push_back(it != custom_.cend() ? *it : xls::isBuiltinDateFormat(id));
        }
    }

private:
    static bool toInt(std::string_view digits, int* value)
    {
        const char* end = digits.data() + digits.size();
        const auto [ptr, ec] = std::from_chars(digits.data(), end, *value);
        return ec == std::errc() && ptr == end;
    }
    bool inCellXfs_ = false;
    std::vector<int> xfFormats_;
    QHash<int, bool> custom_;
};

// --- shared strings: rich text runs joined, phonetic runs dropped ---

class SharedStringsHandler : public XmlHandler {
public:
    std::vector<QString>* strings = nullptr;

    void startElement(std::string_view name, const Attributes& a) override
    {
        if (name == "sst") {
            // a hint only, and one a hostile file may inflate: capped
            if (const auto n = a.value("uniqueCount")) {
                unsigned long long count = 0;
                std::from_chars(n->data(), n->data() + n->size(), count);
                strings->reserve(std::size_t(std::min<unsigned long long>(count, 1 << 20)));
            }
        } else if (name == "si") {
            inItem_ = true;
            text_.clear();
        } else if (name == "rPh") {
            ++phonetic_;
        } else if (name == "t" && inItem_ && phonetic_ == 0) {
            capture_ = true;
        }
    }
    void endElement(std::string_view name) override
    {
        if (name == "si") {
            strings->push_back(unescapeText(QString::fromUtf8(text_)));
            inItem_ = false;
        } else if (name == "rPh") {
            --phonetic_;
        } else if (name == "t") {
            capture_ = false;
        }
    }
    void characters(const char* text, int length) override
    {
        if (capture_)
            text_.append(text, std::size_t(length));
    }

private:
    bool inItem_ = false;
    bool capture_ = false;
    int phonetic_ = 0;
    std::string text_;
};

// --- compound documents ---

// Which of the three packages a compound document's bytes hold.
ReadResult compoundFailure(const char* data, std::size_t size)
{
    if (isEncryptedPackage(data, size))
        return failed({ReadError::Encrypted, QStringLiteral("an encrypted package")});
    return failed({ReadError::NotWorkbook, QStringLiteral("a compound document, not a zip package")});
}

ReadResult readPackage(const Package& package, const CellRequest& request)
{
    // the workbook, named by the package's root relationships
    RelationshipsHandler root(QString{});
    if (!package.has(QStringLiteral("_rels/.rels")))
        return failed({ReadError::NotWorkbook, QStringLiteral("the package has no relationships")});
    if (auto f = parsePart(package, QStringLiteral("_rels/.rels"), root))
        return failed(*f);
    QString workbookPart;
    for (const Relationship& r : root.inOrder)
        if (endsWith(r.type, QLatin1String("/officeDocument")) && !r.target.isEmpty()) {
            workbookPart = r.target;
            break;
        }
    if (workbookPart.isEmpty())
        return failed({ReadError::NotWorkbook, QStringLiteral("the package names no workbook")});

    WorkbookHandler workbook;
    if (auto f = parsePart(package, workbookPart, workbook))
        return failed(*f);
    if (!workbook.isWorkbook)
        return failed({ReadError::NotWorkbook, QStringLiteral("the package's document is no workbook")});

    RelationshipsHandler links(workbookPart);
    if (auto f = parsePart(package, relationshipsOf(workbookPart), links))
        return failed(*f);

    // the worksheets in workbook order; chart and dialog sheets are passed over
    QStringList sheetParts, sheetNames;
    for (int i = 0; i < workbook.sheetIds.size(); ++i) {
        const auto it = links.byId.constFind(workbook.sheetIds.at(i));
        if (it != links.byId.cend() && endsWith(it->type, QLatin1String("/worksheet")) && !it->target.isEmpty()) {
            sheetParts.append(it->target);
            sheetNames.append(workbook.sheetNames.at(i));
        }
    }
    if (sheetParts.isEmpty())
        return failed({ReadError::Damaged, QStringLiteral("the workbook has no worksheet")});
    if (!request.findsSheetsIn(int(sheetParts.size())))
        return failed({ReadError::Damaged, QStringLiteral("the workbook has fewer worksheets than asked for")});

    SheetContext context;
    context.date1904 = workbook.date1904;
    for (const Relationship& r : links.inOrder) {
        if (r.target.isEmpty())
            continue;
        if (endsWith(r.type, QLatin1String("/styles")) && context.dateStyles.empty()) {
            StylesHandler styles;
            if (auto f = parsePart(package, r.target, styles))
                return failed(*f);
            styles.finish();
            context.dateStyles = std::move(styles.dateStyles);
        } else if (endsWith(r.type, QLatin1String("/sharedStrings")) && context.sharedStrings.empty()) {
            SharedStringsHandler strings;
            strings.strings = &context.sharedStrings;
            if (auto f = parsePart(package, r.target, strings))
                return failed(*f);
        }
    }

    ReadResult result;
    for (int i = 0; i < sheetParts.size(); ++i) {
        if (!request.readsSheet(i))
            continue;
        const QString& part = sheetParts.at(i);
        SheetReader sheet(context, request);
        auto failure = package.read(part, [&sheet](const Package::Pull& pull) { return sheet.parse(pull); });
        if (failure) {
            if (failure->detail.isEmpty())
                failure->detail = QStringLiteral("%1: %2").arg(part, sheet.error());
            return failed(*failure);
        }
        Sheet read = sheet.takeSheet();
        read.setName(sheetNames.at(i));
        result.add(std::move(read));
    }
    return result;
}

} // namespace

bool isCompoundDocument(const char* data, std::size_t size)
{
    static constexpr unsigned char kSignature[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
    return size >= 8 && std::memcmp(data, kSignature, 8) == 0;
}

bool isEncryptedPackage(const char* data, std::size_t size)
{
    if (!isCompoundDocument(data, size))
        return false;
    xls::initialiseGsf();
    GsfInput* input = gsf_input_memory_new(reinterpret_cast<const guint8*>(data), gsf_off_t(size), FALSE);
    if (!input)
        return false;
    GError* error = nullptr;
    GsfInfile* root = gsf_infile_msole_new(input, &error);
    if (error)
        g_error_free(error);
    bool encrypted = false;
    if (root) {
        const int n = gsf_infile_num_children(root);
        for (int i = 0; i < n && !encrypted; ++i) {
            const char* name = gsf_infile_name_by_index(root, i);
            encrypted = name
                        && (g_ascii_strcasecmp(name, "EncryptedPackage") == 0
                            || g_ascii_strcasecmp(name, "EncryptionInfo") == 0);
        }
        g_object_unref(root);
    }
    g_object_unref(input);
    return encrypted;
}

ReadResult readWorkbookBytes(const char* data, std::size_t size, const CellRequest& request)
{
    if (!data || size == 0)
        return failed({ReadError::NotWorkbook, QStringLiteral("the file is empty")});
    if (isCompoundDocument(data, size))
        return compoundFailure(data, size);
    Package package;
    if (auto f = package.openBytes(data, size))
        return failed(*f);
    return readPackage(package, request);
}

ReadResult readWorkbook(const QString& path, const CellRequest& request)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failed({ReadError::CannotOpen, QStringLiteral("the file cannot be opened for reading")});
    const QByteArray head = file.read(8);
    if (isCompoundDocument(head.constData(), std::size_t(head.size()))) {
        // an encrypted package is a compound document; the whole of it is needed to tell
        if (file.size() > qint64(Package::kMaxPartSize))
            return failed({ReadError::NotWorkbook, QStringLiteral("a compound document larger than 1 GiB")});
        file.seek(0);
        const QByteArray all = file.readAll();
        return compoundFailure(all.constData(), std::size_t(all.size()));
    }
    file.close();
    Package package;
    if (auto f = package.openFile(path))
        return failed(*f);
    return readPackage(package, request);
}

} // namespace tarnby::xlsx
