#pragma once
// A thin layer over libxml2's SAX parser for the package's parts: element
// names come without their namespace prefix (Strict documents and writers that
// prefix every element read alike), and a document type declaration stops the
// parse, so no entity is ever declared, let alone expanded, and nothing is
// ever fetched. libxml2 rather than expat or QXmlStreamReader: on a worksheet
// it parses in 0.6 of expat's time and a fifth of QXmlStreamReader's (the
// import benchmark measures all three).

#include <QString>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

struct _xmlParserCtxt;
struct _xmlSAXHandler;

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

// Whether an element name is `expected`: a length test and a few byte tests
// in place, where a library compare would be called for every element of a
// sheet.
inline bool isElement(std::string_view name, std::string_view expected)
{
    if (name.size() != expected.size())
        return false;
    for (std::size_t i = 0; i < expected.size(); ++i)
        if (name[i] != expected[i])
            return false;
    return true;
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
    static void onStart(void* self, const unsigned char* local, const unsigned char* prefix,
                        const unsigned char* uri, int namespaceCount, const unsigned char** namespaces,
                        int attributeCount, int defaultedCount, const unsigned char** attributes);
    static void onEnd(void* self, const unsigned char* local, const unsigned char* prefix,
                      const unsigned char* uri);
    static void onText(void* self, const unsigned char* text, int length);
    static void onDoctype(void* self, const unsigned char*, const unsigned char*, const unsigned char*);
    static void onEntity(void* self, const unsigned char*, int, const unsigned char*, const unsigned char*,
                         unsigned char*);
    friend struct XmlErrors;

    _xmlParserCtxt* context_ = nullptr;
    XmlHandler& handler_;
    QString error_;
    // an element's attributes as NUL-terminated name and value pairs, kept
    // between elements so that a sheet's cells allocate nothing
    std::string attributeText_;
    std::vector<const char*> attributes_;
};

} // namespace tarnby::xlsx
