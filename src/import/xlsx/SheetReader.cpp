#include "SheetReader.h"

#include "SheetText.h"
#include "import/CellName.h"
#include "import/SerialDate.h"

#include <charconv>
#include <algorithm>

namespace tarnby::xlsx {

namespace {


bool parseDouble(const std::string& text, double* value)
{
    const char* begin = text.data();
    const char* end = begin + text.size();
    while (begin < end && (*begin == ' ' || *begin == '\t' || *begin == '\n' || *begin == '\r'))
        ++begin;
    while (end > begin && (end[-1] == ' ' || end[-1] == '\t' || end[-1] == '\n' || end[-1] == '\r'))
        --end;
    if (begin < end && *begin == '+')
        ++begin;
    const auto [ptr, ec] = std::from_chars(begin, end, *value);
    return ec == std::errc() && ptr == end && begin != end;
}

} // namespace

SheetReader::SheetReader(const SheetContext& context, const CellRequest& request)
    : context_(context), request_(request), parser_(*this)
{
    wantText(false);
}

void SheetReader::startElement(std::string_view name, const Attributes& attributes)
{
    if (inCell_) {
        if (!wanted_)
            return;
        if (isElement(name, "rPh")) {
            ++phonetic_;
        } else if (phonetic_ == 0) {
            if (isElement(name, "v")) {
                capture_ = 1;
                hasValue_ = true;
                value_.clear();
                wantText(true);
            } else if (isElement(name, "t") && type_ == Type::Inline) {
                capture_ = 2;
                hasValue_ = true;
                wantText(true);
            }
        }
        return;
    }
    if (!inSheetData_) {
        if (isElement(name, "sheetData"))
            inSheetData_ = true;
        else if (isElement(name, "dimension"))
            reserveFor(attributes.value("ref"));
        return;
    }
    if (isElement(name, "row")) {
        if (inRow_)
            return fail(QStringLiteral("a row inside a row"));
        int row = row_ + 1;
        if (const auto r = attributes.value("r")) {
            const auto n = parseRowNumber(*r);
            if (!n)
                return fail(QStringLiteral("a row number that is none: %1").arg(text(*r)));
            row = *n;
        }
        if (row <= row_)
            return fail(QStringLiteral("row %1 comes after row %2").arg(row + 1).arg(row_ + 1));
        if (row >= kMaxRows)
            return fail(QStringLiteral("more rows than a sheet holds"));
        row_ = row;
        column_ = -1;
        inRow_ = true;
    } else if (isElement(name, "c")) {
        if (!inRow_)
            return fail(QStringLiteral("a cell outside a row"));
        startCell(attributes);
    }
}

void SheetReader::reserveFor(std::optional<std::string_view> dimension)
{
    // "A1:C32168": room for the rows the sheet says it has, no more than the
    // import keeps; the hint only spares growing the columns step by step
    if (!dimension)
        return;
    const auto colon = dimension->find(':');
    const auto last = parseCellReference(colon == std::string_view::npos ? *dimension : dimension->substr(colon + 1));
    if (last)
        sheet_.reserveRows(std::min(last->row + 1, request_.maxRows));
}

void SheetReader::startCell(const Attributes& attributes)
{
    inCell_ = true;
    int column = column_ + 1;
    std::optional<std::string_view> type;
    std::optional<std::string_view> style;
    for (int i = 0; i < attributes.size(); ++i) {
        const char* key = attributes.name(i);
        if (attributes.hasPrefix(i) || key[0] == 0 || key[1] != 0)
            continue;
        const std::string_view value = attributes.value(i);
        if (key[0] == 'r') {
            const auto ref = parseCellReference(value);
            if (!ref)
                return fail(QStringLiteral("a cell reference that is none: %1").arg(text(value)));
            if (ref->row != row_)
                return fail(QStringLiteral("cell %1 stands in row %2").arg(text(value)).arg(row_ + 1));
            column = ref->column;
        } else if (key[0] == 't') {
            type = value;
        } else if (key[0] == 's') {
            style = value;
        }
    }
    if (column <= column_)
        return fail(QStringLiteral("cells out of order in row %1").arg(row_ + 1));
    if (column >= kMaxColumns)
        return fail(QStringLiteral("more columns than a sheet holds"));
    column_ = column;
    wanted_ = request_.wants(row_, column);
    if (!wanted_)
        return;

    hasValue_ = false;
    capture_ = 0;
    phonetic_ = 0;
    value_.clear();
    style_ = 0;
    if (style && !style->empty()) { // an empty s is the default format, as a spreadsheet takes it
        const char* end = style->data() + style->size();
        const auto [ptr, ec] = std::from_chars(style->data(), end, style_);
        if (ec != std::errc() || ptr != end || style_ < 0)
            return fail(QStringLiteral("a cell format that is none: %1").arg(text(*style)));
    }
    // compared in place, as element names are: a library compare per cell
    // shows in the import's time
    const std::string_view t = type ? *type : std::string_view("n");
    if (isElement(t, "n"))
        type_ = Type::Number;
    else if (isElement(t, "s"))
        type_ = Type::Shared;
    else if (isElement(t, "str"))
        type_ = Type::String;
    else if (isElement(t, "inlineStr"))
        type_ = Type::Inline;
    else if (isElement(t, "b"))
        type_ = Type::Boolean;
    else if (isElement(t, "e"))
        type_ = Type::Error;
    else if (isElement(t, "d"))
        type_ = Type::Date;
    else
        return fail(QStringLiteral("a cell of unknown type %1").arg(text(t)));
}

void SheetReader::endElement(std::string_view name)
{
    if (inCell_) {
        if (isElement(name, "c")) {
            inCell_ = false;
            if (wanted_)
                endCell();
        } else if (wanted_) {
            if (isElement(name, "rPh"))
                --phonetic_;
            else if ((isElement(name, "v") && capture_ == 1) || (isElement(name, "t") && capture_ == 2)) {
                capture_ = 0;
                wantText(false);
            }
        }
        return;
    }
    if (isElement(name, "row"))
        inRow_ = false;
    else if (isElement(name, "sheetData"))
        inSheetData_ = false;
}

void SheetReader::characters(const char* text, int length)
{
    if (capture_ != 0 && phonetic_ == 0)
        value_.append(text, std::size_t(length));
}

void SheetReader::endCell()
{
    Cell cell;
    if (!hasValue_) {
        // a formatted blank; an inline string with no text is an empty text
        if (type_ == Type::Inline) {
            cell.kind = Cell::Kind::Text;
            sheet_.set(row_, column_, std::move(cell));
        }
        return;
    }
    switch (type_) {
    case Type::Number: {
        if (value_.empty())
            return;
        if (!parseDouble(value_, &cell.number))
            return fail(QStringLiteral("a number cell holds %1").arg(QString::fromStdString(value_)));
        const bool date = style_ < int(context_.dateStyles.size()) && context_.dateStyles[std::size_t(style_)];
        cell.kind = date ? Cell::Kind::DateTime : Cell::Kind::Number;
        if (date && context_.date1904)
            cell.number = serial::from1904(cell.number);
        break;
    }
    case Type::Shared: {
        if (value_.empty())
            return; // <v/>: no string, an empty cell
        double index = -1;
        if (!parseDouble(value_, &index) || index < 0 || index >= double(context_.sharedStrings.size())
            || index != double(qint64(index)))
            return fail(QStringLiteral("a shared string that is not there: %1").arg(QString::fromStdString(value_)));
        cell.kind = Cell::Kind::Text;
        cell.text = context_.sharedStrings[std::size_t(index)];
        break;
    }
    case Type::String:
    case Type::Inline:
        cell.kind = Cell::Kind::Text;
        cell.text = unescapeText(QString::fromUtf8(value_));
        break;
    case Type::Boolean:
        cell.kind = Cell::Kind::Boolean;
        if (value_ == "1" || value_ == "true")
            cell.number = 1;
        else if (value_ == "0" || value_ == "false")
            cell.number = 0;
        else
            return fail(QStringLiteral("a boolean cell holds %1").arg(QString::fromStdString(value_)));
        break;
    case Type::Error:
        cell.kind = Cell::Kind::Error;
        break;
    case Type::Date:
        if (const auto serial = parseIsoDate(value_)) {
            cell.kind = Cell::Kind::DateTime;
            cell.number = *serial;
        } else {
            // not an ISO date the reader knows: the import reads its text as a workbook text
            cell.kind = Cell::Kind::Text;
            cell.text = QString::fromUtf8(value_);
        }
        break;
    }
    sheet_.set(row_, column_, std::move(cell));
}

ReadResult readSheetXml(const char* data, std::size_t size, const SheetContext& context,
                             const CellRequest& request)
{
    SheetReader reader(context, request);
    ReadResult result;
    if (!reader.parse(data, size)) {
        result.error = ReadError::Damaged;
        result.detail = reader.error();
        return result;
    }
    result.add(reader.takeSheet());
    return result;
}

} // namespace tarnby::xlsx
