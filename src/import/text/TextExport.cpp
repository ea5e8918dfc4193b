#include "TextExport.h"

#include "import/SerialDate.h"

#include <QFile>
#include <QStringDecoder>

#include <algorithm>

namespace tarnby::text {

namespace {

ReadResult failure(ReadError error, const QString& why)
{
    ReadResult result;
    result.error = error;
    result.detail = why;
    return result;
}

bool startsWith(const QByteArray& bytes, std::initializer_list<unsigned char> prefix)
{
    if (bytes.size() < qsizetype(prefix.size()))
        return false;
    qsizetype i = 0;
    for (unsigned char c : prefix)
        if (static_cast<unsigned char>(bytes[i++]) != c)
            return false;
    return true;
}

std::optional<QString> decodeWith(QStringDecoder& decoder, QByteArrayView bytes)
{
    QString text = decoder(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

// A date-time already in the import's own form, "yyyy-mm-dd HH:NN:SS", as days
// in the 1900 date system: the import would read the text to this very value,
// and a clock's log holds nothing else, so a hundred thousand texts need not
// be kept. Years from 1901 on, where that system counts plainly.
std::optional<double> decimalOf(QStringView s)
{
    return serial::fromDecimalText(std::u16string_view(s.utf16(), std::size_t(s.size())));
}

bool canonicalDateTime(QStringView s, double* days)
{
    if (s.size() != 19 || s[4] != u'-' || s[7] != u'-' || s[10] != u' ' || s[13] != u':' || s[16] != u':')
        return false;
    auto number = [&s](int at, int width, int* value) {
        *value = 0;
        for (int i = at; i < at + width; ++i) {
            if (s[i] < u'0' || s[i] > u'9')
                return false;
            *value = *value * 10 + (s[i].unicode() - u'0');
        }
        return true;
    };
    int year, month, day, hour, minute, second;
    if (!number(0, 4, &year) || !number(5, 2, &month) || !number(8, 2, &day) || !number(11, 2, &hour)
        || !number(14, 2, &minute) || !number(17, 2, &second))
        return false;
    if (year < 1901 || hour > 23 || minute > 59 || second > 59)
        return false;
    const auto date = serial::civilDay(year, month, day);
    if (!date)
        return false;
    *days = serial::serialOf(*date, hour * 3600 + minute * 60 + second);
    return true;
}

bool isLineEnd(char16_t c)
{
    return c == u'\n' || c == u'\r';
}

} // namespace

std::optional<QString> decode(const QByteArray& bytes, QString* why)
{
    auto fail = [why](const char* reason) -> std::optional<QString> {
        if (why)
            *why = QString::fromLatin1(reason);
        return std::nullopt;
    };
    std::optional<QString> text;
    const auto flags = QStringConverter::Flag::Stateless;
    if (startsWith(bytes, {0xEF, 0xBB, 0xBF})) {
        QStringDecoder d(QStringConverter::Utf8, flags);
        text = decodeWith(d, QByteArrayView(bytes).sliced(3));
        if (!text)
            return fail("invalid UTF-8 after a UTF-8 byte order mark");
    } else if (startsWith(bytes, {0xFF, 0xFE}) || startsWith(bytes, {0xFE, 0xFF})) {
        if (bytes.size() % 2 != 0)
            return fail("UTF-16 text of an odd number of bytes");
        QStringDecoder d(bytes[0] == '\xFF' ? QStringConverter::Utf16LE : QStringConverter::Utf16BE, flags);
        text = decodeWith(d, QByteArrayView(bytes).sliced(2));
        if (!text)
            return fail("invalid UTF-16");
    } else {
        QStringDecoder utf8(QStringConverter::Utf8, flags);
        text = decodeWith(utf8, bytes);
        if (!text) {
            QStringDecoder gbk("GBK", flags);
            if (!gbk.isValid())
                return fail("no GBK decoder");
            text = decodeWith(gbk, bytes);
            if (!text)
                return fail("neither UTF-8 nor GBK");
        }
    }
    // a NUL is no character of a text export: the file is binary or damaged
    if (text->contains(QChar(u'\0')))
        return fail("the text holds NUL characters");
    return text;
}

char16_t delimiterOf(QStringView text, Flavour flavour)
{
    qsizetype end = 0;
    while (end < text.size() && !isLineEnd(text[end].unicode()))
        ++end;
    const QStringView first = text.left(end);
    const bool tab = first.contains(u'\t');
    if (flavour == Flavour::Csv)
        return tab && !first.contains(u',') ? u'\t' : u',';
    return tab ? u'\t' : u',';
}

FieldSplitter::FieldSplitter(QStringView text, char16_t delimiter) : text_(text), delimiter_(delimiter) {}

bool FieldSplitter::next(std::vector<QStringView>* fields)
{
    fields->clear();
    const qsizetype n = text_.size();
    if (pos_ >= n || failed_)
        return false;
    const char16_t* s = text_.utf16();
    for (;;) {
        const qsizetype start = pos_;
        qsizetype i = pos_;
        while (i < n && (s[i] == u' ' || (s[i] == u'\t' && delimiter_ != u'\t')))
            ++i;
        if (i < n && s[i] == u'"') {
            ++i;
            for (;;) {
                while (i < n && s[i] != u'"')
                    ++i;
                if (i >= n) {
                    failed_ = true;
                    return false;
                }
                if (i + 1 < n && s[i + 1] == u'"') {
                    i += 2;
                    continue;
                }
                ++i; // the closing quote
                break;
            }
        }
        while (i < n && s[i] != delimiter_ && !isLineEnd(s[i]))
            ++i;
        fields->push_back(text_.mid(start, i - start));
        if (i < n && s[i] == delimiter_) {
            pos_ = i + 1;
            continue;
        }
        // the record ends at a line break (CR LF, LF or CR) or at the end of the text
        if (i < n && s[i] == u'\r') {
            ++i;
            if (i < n && s[i] == u'\n')
                ++i;
        } else if (i < n && s[i] == u'\n') {
            ++i;
        }
        pos_ = i;
        return true;
    }
}

QString FieldSplitter::value(QStringView field)
{
    const QStringView t = field.trimmed();
    if (!t.startsWith(u'"'))
        return t.toString();
    QString out;
    out.reserve(t.size());
    qsizetype i = 1;
    for (; i < t.size(); ++i) {
        if (t[i] == u'"') {
            if (i + 1 < t.size() && t[i + 1] == u'"') {
                out += u'"';
                ++i;
                continue;
            }
            ++i;
            break;
        }
        out += t[i];
    }
    out += t.mid(i);
    return out.trimmed();
}

ReadResult readTextBytes(const QByteArray& bytes, Flavour flavour, const CellRequest& request)
{
    if (!request.findsSheetsIn(1))
        return failure(ReadError::Damaged, QStringLiteral("a text export holds one sheet"));
    QString why;
    const auto text = decode(bytes, &why);
    if (!text)
        return failure(ReadError::Damaged, why);

    Sheet sheet;
    FieldSplitter splitter(*text, delimiterOf(*text, flavour));
    std::vector<QStringView> fields;
    const int lastRow = request.everyCell ? request.maxRows
                                          : std::max(request.numberColumn >= 0 ? request.numberRow : -1,
                                                     request.timeColumn >= 0 ? request.timeRow : -1)
                                                + request.maxRows;
    // room for every line at once: growing two columns of a hundred thousand
    // cells step by step costs more than reading them. The lines are counted
    // in the bytes, many times quicker than in the text; every LF is a 0x0A
    // byte in UTF-16 too, so the count is never short.
    sheet.reserveRows(int(std::min<qsizetype>(qsizetype(std::count(bytes.cbegin(), bytes.cend(), '\n')) + 1, lastRow)));
    // an export repeats each number row after row: one text serves them all
    QString lastField, lastValue;
    auto textField = [&](int row, int column, QStringView field) {
        if (field != lastField) {
            lastField = field.toString();
            lastValue = FieldSplitter::value(field);
        }
        if (lastValue.isEmpty())
            return;
        Cell cell;
        cell.kind = Cell::Kind::Text;
        cell.text = lastValue;
        sheet.set(row, column, std::move(cell));
    };
    auto timeField = [&](int row, int column, QStringView field) {
        Cell cell;
        std::optional<double> days;
        if (canonicalDateTime(field, &cell.number)) {
            cell.kind = Cell::Kind::DateTime;
        } else if ((days = decimalOf(field.trimmed()))) {
            // unquoted, as a clock writes it: no text made only to be dropped
            cell.kind = Cell::Kind::Number;
            cell.number = *days;
        } else if (cell.text = FieldSplitter::value(field); (days = decimalOf(cell.text))) {
            cell.kind = Cell::Kind::Number;
            cell.number = *days;
            cell.text.clear();
        } else if (!cell.text.isEmpty()) {
            cell.kind = Cell::Kind::Text;
        }
        if (cell.kind != Cell::Kind::Empty)
            sheet.set(row, column, std::move(cell));
    };
    for (int row = 0; row < lastRow && splitter.next(&fields); ++row) {
        if (request.everyCell) {
            const int columns = int(std::min<std::size_t>(fields.size(), kMaxColumns));
            for (int column = 0; column < columns; ++column) {
                if (column == request.timeColumn)
                    timeField(row, column, fields[std::size_t(column)]);
                else
                    textField(row, column, fields[std::size_t(column)]);
            }
            continue;
        }
        if (request.wants(row, request.numberColumn) && std::size_t(request.numberColumn) < fields.size())
            textField(row, request.numberColumn, fields[std::size_t(request.numberColumn)]);
        if (request.wants(row, request.timeColumn) && std::size_t(request.timeColumn) < fields.size())
            timeField(row, request.timeColumn, fields[std::size_t(request.timeColumn)]);
    }
    if (splitter.failed())
        return failure(ReadError::Damaged, QStringLiteral("a quote is never closed"));
    ReadResult result;
    result.add(std::move(sheet));
    return result;
}

ReadResult readTextExport(const QString& path, Flavour flavour, const CellRequest& request)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failure(ReadError::CannotOpen, QStringLiteral("the file cannot be opened for reading"));
    if (file.size() > kMaxTextFileSize)
        return failure(ReadError::Unsupported, QStringLiteral("the file is larger than any export"));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return failure(ReadError::CannotOpen, QStringLiteral("the file cannot be read to its end"));
    return readTextBytes(bytes, flavour, request);
}

} // namespace tarnby::text
