#pragma once
// The worksheet part, parsed as it streams in: rows and cells are checked for
// order, and only the cells the import asks for are kept.

#include "Xlsx.h"
#include "XmlParser.h"

#include <string>

namespace tarnby::xlsx {

class SheetReader : private XmlHandler {
public:
    SheetReader(const SheetContext& context, const CellRequest& request);

    bool parse(const XmlParser::Pull& pull) { return parser_.parse(pull); }
    bool parse(const char* data, std::size_t size) { return parser_.parse(data, size); }
    const QString& error() const { return parser_.error(); }
    // The cells kept; call once the part has been parsed.
    Sheet takeSheet() { return std::move(sheet_); }

private:
    enum class Type : std::uint8_t { Number, Shared, String, Inline, Boolean, Error, Date };

    void startElement(std::string_view name, const Attributes& attributes) override;
    void endElement(std::string_view name) override;
    void characters(const char* text, int length) override;
    void startCell(const Attributes& attributes);
    void reserveFor(std::optional<std::string_view> dimension);
    void endCell();

    const SheetContext& context_;
    const CellRequest& request_;
    XmlParser parser_;
    Sheet sheet_;

    bool inSheetData_ = false;
    bool inRow_ = false;
    bool inCell_ = false;
    int row_ = -1;       // the current row
    int column_ = -1;    // the last cell's column in the current row
    // the cell being read, when the import wants it
    bool wanted_ = false;
    Type type_ = Type::Number;
    int style_ = 0;
    bool hasValue_ = false;
    int capture_ = 0;    // inside <v> (1) or an inline string's <t> (2)
    int phonetic_ = 0;   // depth inside <rPh>
    std::string value_;
};

} // namespace tarnby::xlsx
