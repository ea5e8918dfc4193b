#pragma once
// A thin layer over libxml2's SAX parser for the package's parts: element
// names come without their namespace prefix (Strict documents and writers that
// prefix every element read alike), and a document type declaration stops the
// parse, so no entity is ever declared, let alone expanded, and nothing is
// ever fetched. libxml2 rather than expat or QXmlStreamReader: on a worksheet
// it parses in about two thirds of expat's time and a sixth of
// QXmlStreamReader's (the import benchmark measures all three).

#include <QString>
#include <cstddef>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

struct _xmlParserCtxt;

namespace tarnby::xlsx {

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

// An element's attributes as the parser holds them, valid during the call:
// local names, values as views into the parser's buffer, nothing copied (a
// sheet's every cell passes through here).
class Attributes {
public:
    // libxml2's layout: five pointers an attribute (local name, prefix,
    // namespace, value start, value end).
    Attributes(const unsigned char** raw, int count) : raw_(raw), count_(count) {}

    int size() const { return count_; }
    // The local name, NUL-terminated.
    const char* name(int i) const { return at(i, 0); }
    bool hasPrefix(int i) const { return at(i, 1) != nullptr; }
    std::string_view value(int i) const { return std::string_view(at(i, 3), std::size_t(at(i, 4) - at(i, 3))); }

    // The value of the unprefixed attribute of that name, if there is one.
    std::optional<std::string_view> value(std::string_view name) const
    {
        for (int i = 0; i < count_; ++i)
            if (!hasPrefix(i) && isName(this->name(i), name))
                return value(i);
        return std::nullopt;
    }
    // The value of a prefixed attribute by its local name ("id" finds r:id).
    std::optional<std::string_view> prefixed(std::string_view local) const
    {
        for (int i = 0; i < count_; ++i)
            if (hasPrefix(i) && isName(name(i), local))
                return value(i);
        return std::nullopt;
    }

private:
    const char* at(int i, int field) const { return reinterpret_cast<const char*>(raw_[5 * i + field]); }
    const unsigned char** raw_;
    int count_;
};

// A value as a QString.
inline QString text(std::string_view value)
{
    return QString::fromUtf8(value.data(), qsizetype(value.size()));
}

class XmlParser;

class XmlHandler {
public:
    virtual ~XmlHandler() = default;
    virtual void startElement(std::string_view name, const Attributes& attributes) = 0;
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

    // Where the document comes from: fills a buffer with the next bytes and
    // gives their count, 0 at the end, -1 when the bytes cannot be had.
    using Pull = std::function<long long(char* buffer, std::size_t capacity)>;
    // Parses the whole document, drawing its bytes as the parser needs them.
    // False when the document is malformed, declares a DTD, a handler called
    // fail() or the bytes gave out.
    bool parse(const Pull& pull);
    // The same over a document held in memory.
    bool parse(const char* data, std::size_t size);
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
    static int onRead(void* self, char* buffer, int length);
    friend struct XmlErrors;

    _xmlParserCtxt* context_ = nullptr;
    bool wantText_ = true;
    const Pull* pull_ = nullptr;
    // the pulled bytes not yet handed to the parser: it asks for a few
    // kilobytes at a time, the package inflates in larger pieces
    std::vector<char> pulled_;
    std::size_t pulledAt_ = 0;
    std::size_t pulledEnd_ = 0;
    bool pullFailed_ = false;
    XmlHandler& handler_;
    QString error_;

};

} // namespace tarnby::xlsx
