#pragma once
// A thin layer over expat for the package's parts: element names come without
// their namespace prefix (Strict documents and writers that prefix every
// element read alike), and a document type declaration stops the parse, so no
// entity is ever declared, let alone expanded.

#include <QString>
#include <cstddef>
#include <string_view>

struct XML_ParserStruct;

namespace tarnby::xlsx {

// The local part of a possibly prefixed name ("x:c" gives "c"), in one pass:
// a sheet's every element comes through here twice.
inline std::string_view localName(const char* name)
{
    const char* local = name;
    const char* p = name;
    for (; *p; ++p)
        if (*p == ':')
            local = p + 1;
    return std::string_view(local, std::size_t(p - local));
}

// Whether a NUL-terminated name is `expected`, without measuring it first.
inline bool isName(const char* name, std::string_view expected)
{
    for (char c : expected)
        if (*name++ != c)
            return false;
    return *name == 0;
}

// An attribute's value by its unprefixed name; nullptr when absent.
const char* attribute(const char** attributes, std::string_view name);
// An attribute's value by its local name when it carries a prefix (r:id); nullptr when absent.
const char* prefixedAttribute(const char** attributes, std::string_view local);

class XmlParser;

class XmlHandler {
public:
    virtual ~XmlHandler() = default;
    virtual void startElement(std::string_view name, const char** attributes) = 0;
    virtual void endElement(std::string_view name) = 0;
    virtual void characters(const char*, int) {}

protected:
    // Stops the parse: the part is damaged.
    void fail(const QString& why);
    // Whether characters() is called; a handler that needs the text of few
    // elements spares the parser the calls for all others.
    void wantText(bool on);

private:
    friend class XmlParser;
    XmlParser* parser_ = nullptr;
};

class XmlParser {
public:
    explicit XmlParser(XmlHandler& handler);
    ~XmlParser();
    XmlParser(const XmlParser&) = delete;
    XmlParser& operator=(const XmlParser&) = delete;

    // Parses the next piece; `last` for the final one. False once the document
    // is malformed, declares a DTD, or a handler called fail().
    bool feed(const char* data, std::size_t size, bool last);
    // For handlers: stops the parse with a reason.
    void fail(const QString& why);
    void wantText(bool on);
    bool failed() const { return !error_.isEmpty(); }
    const QString& error() const { return error_; }

private:
    static void onStart(void* self, const char* name, const char** attributes);
    static void onEnd(void* self, const char* name);
    static void onText(void* self, const char* text, int length);
    static void onDoctype(void* self, const char*, const char*, const char*, int);
    static void onEntity(void* self, const char*, int, const char*, int, const char*, const char*, const char*,
                         const char*);

    XML_ParserStruct* parser_;
    XmlHandler& handler_;
    QString error_;
};

} // namespace tarnby::xlsx
