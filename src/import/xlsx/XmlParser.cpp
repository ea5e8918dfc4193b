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
    wantText_ = on;
    if (!context_)
        return;
    context_->sax->characters = on ? &XmlParser::onText : nullptr;
    context_->sax->cdataBlock = on ? &XmlParser::onText : nullptr;
}

XmlParser::XmlParser(XmlHandler& handler) : handler_(handler)
{
    handler_.parser_ = this;
    initialiseLibxml();
}

XmlParser::~XmlParser()
{
    handler_.parser_ = nullptr;
    if (context_)
        xmlFreeParserCtxt(context_);
}

int XmlParser::onRead(void* self, char* buffer, int length)
{
    auto* p = static_cast<XmlParser*>(self);
    if (p->pulledAt_ == p->pulledEnd_) {
        if (p->pulled_.empty())
            p->pulled_.resize(std::size_t(1) << 16);
        const long long n = (*p->pull_)(p->pulled_.data(), p->pulled_.size());
        if (n < 0) {
            p->pullFailed_ = true;
            return -1;
        }
        p->pulledAt_ = 0;
        p->pulledEnd_ = std::size_t(n);
        if (n == 0)
            return 0;
    }
    const std::size_t n = std::min(std::size_t(length), p->pulledEnd_ - p->pulledAt_);
    std::memcpy(buffer, p->pulled_.data() + p->pulledAt_, n);
    p->pulledAt_ += n;
    return int(n);
}

bool XmlParser::parse(const Pull& pull)
{
    if (failed() || context_)
        return false;
    // libxml2 keeps this per thread: set on the thread that parses
    xmlSetGenericErrorFunc(nullptr, &forwardLibxmlLog);
    xmlSAXHandler sax;
    std::memset(&sax, 0, sizeof sax);
    sax.initialized = XML_SAX2_MAGIC;
    sax.startElementNs = &XmlParser::onStart;
    sax.endElementNs = &XmlParser::onEnd;
    sax.characters = wantText_ ? &XmlParser::onText : nullptr;
    sax.cdataBlock = wantText_ ? &XmlParser::onText : nullptr;
    sax.internalSubset = &XmlParser::onDoctype;
    sax.entityDecl = &XmlParser::onEntity;
    sax.serror = &XmlErrors::report;
    // no resolver, no external subset: nothing outside the part is ever read
    pull_ = &pull;
    context_ = xmlCreateIOParserCtxt(&sax, this, &XmlParser::onRead, nullptr, this, XML_CHAR_ENCODING_NONE);
    if (!context_) {
        error_ = QStringLiteral("no memory for the XML parser");
        return false;
    }
    // NOENT only makes "&amp;" in an attribute read as "&": with the document
    // type refused no other entity can exist. NONET keeps the network out.
    xmlCtxtUseOptions(context_, XML_PARSE_NONET | XML_PARSE_NOENT | XML_PARSE_NOERROR | XML_PARSE_NOWARNING);
    const int status = xmlParseDocument(context_);
    const bool wellFormed = context_->wellFormed != 0;
    const long line = xmlSAX2GetLineNumber(context_);
    xmlFreeParserCtxt(context_);
    context_ = nullptr;
    pull_ = nullptr;
    if (failed())
        return false;
    if (pullFailed_) {
        error_ = QStringLiteral("the part could not be read to its end");
        return false;
    }
    if (status != 0 || !wellFormed) {
        error_ = QStringLiteral("malformed XML at line %1").arg(line);
        return false;
    }
    return true;
}

bool XmlParser::parse(const char* data, std::size_t size)
{
    std::size_t at = 0;
    return parse([&](char* buffer, std::size_t capacity) -> long long {
        const std::size_t n = std::min(capacity, size - at);
        if (n > 0)
            std::memcpy(buffer, data + at, n);
        at += n;
        return (long long)n;
    });
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
    static_cast<XmlParser*>(self)->handler_.startElement(reinterpret_cast<const char*>(local),
                                                         Attributes(attributes, attributeCount));
}

void XmlParser::onEnd(void* self, const xmlChar* local, const xmlChar*, const xmlChar*)
{
    static_cast<XmlParser*>(self)->handler_.endElement(reinterpret_cast<const char*>(local));
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
