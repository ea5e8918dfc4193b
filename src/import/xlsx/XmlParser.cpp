#include "XmlParser.h"

#include <expat.h>

#include <algorithm>
#include <cstring>

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

void XmlParser::wantText(bool on)
{
    XML_SetCharacterDataHandler(parser_, on ? &XmlParser::onText : nullptr);
}

XmlParser::XmlParser(XmlHandler& handler) : parser_(XML_ParserCreate(nullptr)), handler_(handler)
{
    handler_.parser_ = this;
    if (!parser_) {
        error_ = QStringLiteral("no memory for the XML parser");
        return;
    }
    XML_SetUserData(parser_, this);
    XML_SetElementHandler(parser_, &XmlParser::onStart, &XmlParser::onEnd);
    XML_SetCharacterDataHandler(parser_, &XmlParser::onText);
    XML_SetStartDoctypeDeclHandler(parser_, &XmlParser::onDoctype);
    XML_SetEntityDeclHandler(parser_, &XmlParser::onEntity);
    // external entities are never loaded: no handler is set for them
}

XmlParser::~XmlParser()
{
    handler_.parser_ = nullptr;
    if (parser_)
        XML_ParserFree(parser_);
}

bool XmlParser::feed(const char* data, std::size_t size, bool last)
{
    if (failed())
        return false;
    constexpr std::size_t kPiece = std::size_t(1) << 30;
    do {
        const std::size_t n = std::min(size, kPiece);
        const bool final = last && n == size;
        if (XML_Parse(parser_, data, int(n), final) == XML_STATUS_ERROR) {
            if (!failed())
                error_ = QStringLiteral("malformed XML at line %1: %2")
                             .arg(XML_GetCurrentLineNumber(parser_))
                             .arg(QString::fromUtf8(XML_ErrorString(XML_GetErrorCode(parser_))));
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
    XML_StopParser(parser_, XML_FALSE);
}

void XmlParser::onStart(void* self, const char* name, const char** attributes)
{
    auto* p = static_cast<XmlParser*>(self);
    p->handler_.startElement(localName(name), attributes);
}

void XmlParser::onEnd(void* self, const char* name)
{
    auto* p = static_cast<XmlParser*>(self);
    p->handler_.endElement(localName(name));
}

void XmlParser::onText(void* self, const char* text, int length)
{
    static_cast<XmlParser*>(self)->handler_.characters(text, length);
}

void XmlParser::onDoctype(void* self, const char*, const char*, const char*, int)
{
    static_cast<XmlParser*>(self)->fail(QStringLiteral("a part declares a DTD"));
}

void XmlParser::onEntity(void* self, const char*, int, const char*, int, const char*, const char*, const char*,
                         const char*)
{
    static_cast<XmlParser*>(self)->fail(QStringLiteral("a part declares an entity"));
}

} // namespace tarnby::xlsx
