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
    const char* name = reinterpret_cast<const char*>(local);
    static_cast<XmlParser*>(self)->handler_.startElement(std::string_view(name, nameLength(name)),
                                                         Attributes(attributes, attributeCount));
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
