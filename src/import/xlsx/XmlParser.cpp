#include "XmlParser.h"

#include <libxml/parser.h>
#include <libxml/xmlerror.h>

#include <QLoggingCategory>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <mutex>

namespace tarnby::xlsx {

const char* attribute(const char** attributes, std::string_view name)
{
    for (const char** a = attributes; a && a[0]; a += 2)
        if (isName(a[0], name))
            return a[1];
    return nullptr;
}

const char* prefixedAttribute(const char** attributes, std::string_view local)
{
    for (const char** a = attributes; a && a[0]; a += 2) {
        const char* colon = std::strrchr(a[0], ':');
        if (colon && local == colon + 1 && std::strncmp(a[0], "xmlns", 5) != 0)
            return a[1];
    }
    return nullptr;
}

void XmlHandler::fail(const QString& why)
{
    if (parser_)
        parser_->fail(why);
}

void XmlHandler::wantText(bool on)
{
    if (parser_)
        parser_->wantText(on);
}

// libxml2 reports through this instead of printing on stderr; the first
// error of a part is the one its message names.
struct XmlErrors {
    static void report(void* self, xmlErrorPtr error)
    {
        auto* p = static_cast<XmlParser*>(self);
        if (!error || error->level < XML_ERR_ERROR || p->failed() || error->domain == XML_FROM_NAMESPACE)
            return;
        QString message = QString::fromUtf8(error->message ? error->message : "").trimmed();
        p->error_ = QStringLiteral("malformed XML at line %1: %2").arg(error->line).arg(message);
    }
};

namespace {

Q_LOGGING_CATEGORY(lcXml, "tarnby.xlsx.xml", QtInfoMsg)

// Some of libxml2's complaints (a broken encoding among them) bypass the
// parser's own error report and go to stderr; the user sees our message
// instead, and a developer can switch these on through QT_LOGGING_RULES.
void forwardLibxmlLog(void*, const char* format, ...)
{
    if (!lcXml().isDebugEnabled())
        return;
    char text[512];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    qCDebug(lcXml, "%s", text);
}

// Names are a few bytes long: counted in place, not by a library call.
std::size_t nameLength(const char* name)
{
    std::size_t n = 0;
    while (name[n])
        ++n;
    return n;
}

void initialiseLibxml()
{
    // once per process, before any thread parses: libxml2's own set-up is not
    // safe to race
    static std::once_flag once;
    std::call_once(once, [] { xmlInitParser(); });
}

} // namespace

void XmlParser::wantText(bool on)
{
    if (!context_)
        return;
    context_->sax->characters = on ? &XmlParser::onText : nullptr;
    context_->sax->cdataBlock = on ? &XmlParser::onText : nullptr;
}

XmlParser::XmlParser(XmlHandler& handler) : handler_(handler)
{
    handler_.parser_ = this;
    initialiseLibxml();
    // libxml2 keeps this per thread: set on the thread that parses
    xmlSetGenericErrorFunc(nullptr, &forwardLibxmlLog);
    xmlSAXHandler sax;
    std::memset(&sax, 0, sizeof sax);
    sax.initialized = XML_SAX2_MAGIC;
    sax.startElementNs = &XmlParser::onStart;
    sax.endElementNs = &XmlParser::onEnd;
    sax.characters = &XmlParser::onText;
    sax.cdataBlock = &XmlParser::onText;
    sax.internalSubset = &XmlParser::onDoctype;
    sax.entityDecl = &XmlParser::onEntity;
    sax.serror = &XmlErrors::report;
    // no resolver, no external subset: nothing outside the part is ever read
    context_ = xmlCreatePushParserCtxt(&sax, this, nullptr, 0, nullptr);
    if (!context_) {
        error_ = QStringLiteral("no memory for the XML parser");
        return;
    }
    // NOENT only makes "&amp;" in an attribute read as "&": with the document
    // type refused no other entity can exist. NONET keeps the network out.
    xmlCtxtUseOptions(context_, XML_PARSE_NONET | XML_PARSE_NOENT | XML_PARSE_NOERROR | XML_PARSE_NOWARNING);
    attributes_.reserve(16);
}

XmlParser::~XmlParser()
{
    handler_.parser_ = nullptr;
    if (context_)
        xmlFreeParserCtxt(context_);
}

bool XmlParser::feed(const char* data, std::size_t size, bool last)
{
    if (failed() || !context_)
        return false;
    constexpr std::size_t kPiece = std::size_t(1) << 30;
    do {
        const std::size_t n = std::min(size, kPiece);
        const bool final = last && n == size;
        const int status = xmlParseChunk(context_, data, int(n), final ? 1 : 0);
        if (failed())
            return false;
        if (status != 0 || !context_->wellFormed) {
            error_ = QStringLiteral("malformed XML at line %1").arg(xmlSAX2GetLineNumber(context_));
            return false;
        }
        data += n;
        size -= n;
    } while (size > 0);
    return !failed();
}

void XmlParser::fail(const QString& why)
{
    if (failed())
        return;
    error_ = why;
    if (context_)
        xmlStopParser(context_);
}

void XmlParser::onStart(void* self, const xmlChar* local, const xmlChar*, const xmlChar*, int, const xmlChar**,
                        int attributeCount, int, const xmlChar** attributes)
{
    auto* p = static_cast<XmlParser*>(self);
    // Each attribute comes as five pointers: local name, prefix, namespace,
    // value start and value end (not terminated). The handlers read them as
    // "prefix:local" and value, both terminated, as the package's names read;
    // the buffers only grow, so a sheet's cells allocate nothing here.
    const auto* a = reinterpret_cast<const char* const*>(attributes);
    std::size_t total = 0;
    for (int i = 0; i < attributeCount; ++i, a += 5)
        total += (a[1] ? nameLength(a[1]) + 1 : 0) + nameLength(a[0]) + 1 + std::size_t(a[4] - a[3]) + 1;
    if (p->attributeText_.size() < total)
        p->attributeText_.resize(std::max(total, 2 * p->attributeText_.size()));
    if (p->attributes_.size() < std::size_t(2 * attributeCount + 1))
        p->attributes_.resize(std::size_t(2 * attributeCount + 1));
    char* out = p->attributeText_.data();
    const char** list = p->attributes_.data();
    a = reinterpret_cast<const char* const*>(attributes);
    for (int i = 0; i < attributeCount; ++i, a += 5) {
        *list++ = out;
        if (a[1]) {
            for (const char* c = a[1]; *c;)
                *out++ = *c++;
            *out++ = ':';
        }
        for (const char* c = a[0]; *c;)
            *out++ = *c++;
        *out++ = 0;
        *list++ = out;
        const std::size_t length = std::size_t(a[4] - a[3]);
        std::memcpy(out, a[3], length);
        out += length;
        *out++ = 0;
    }
    *list = nullptr;
    const char* name = reinterpret_cast<const char*>(local);
    p->handler_.startElement(std::string_view(name, nameLength(name)), p->attributes_.data());
}

void XmlParser::onEnd(void* self, const xmlChar* local, const xmlChar*, const xmlChar*)
{
    const char* name = reinterpret_cast<const char*>(local);
    static_cast<XmlParser*>(self)->handler_.endElement(std::string_view(name, nameLength(name)));
}

void XmlParser::onText(void* self, const xmlChar* text, int length)
{
    static_cast<XmlParser*>(self)->handler_.characters(reinterpret_cast<const char*>(text), length);
}

void XmlParser::onDoctype(void* self, const xmlChar*, const xmlChar*, const xmlChar*)
{
    static_cast<XmlParser*>(self)->fail(QStringLiteral("a part declares a DTD"));
}

void XmlParser::onEntity(void* self, const xmlChar*, int, const xmlChar*, const xmlChar*, xmlChar*)
{
    static_cast<XmlParser*>(self)->fail(QStringLiteral("a part declares an entity"));
}

} // namespace tarnby::xlsx
