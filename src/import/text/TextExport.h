#pragma once
// Text exports: the clock's tab-separated .dat log and the clerk's .csv.
// One decoder (UTF-8 with or without BOM, UTF-16 with a BOM, otherwise GBK) and
// one RFC 4180 field splitter; the result is the same cells a workbook gives,
// a record being a row and a field a column.

#include "import/CellRequest.h"
#include "import/ReadResult.h"

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <optional>
#include <vector>

namespace tarnby::text {

enum class Flavour {
    Csv, // commas; tabs when the first line holds a tab and no comma
    Dat, // tabs; commas when the first line holds no tab
};

// The file's text, or nullopt with the reason when its bytes are no text in
// the encoding they claim or fall back to (invalid sequences, NUL characters).
std::optional<QString> decode(const QByteArray& bytes, QString* why = nullptr);

// The field delimiter by the first line of the text.
char16_t delimiterOf(QStringView text, Flavour flavour);

// Splits text into records of fields as RFC 4180 describes: a field may be
// quoted, a quote inside doubled; a quoted field may hold delimiters and line
// breaks. Records end at CR LF, LF or CR alike. Blanks before an opening quote
// are passed over and text after a closing quote is kept, so a hand-edited
// file reads as it looks.
class FieldSplitter {
public:
    FieldSplitter(QStringView text, char16_t delimiter);

    // The next record's fields as they stand in the text (quotes and blanks
    // included); false at the end of the text, or when a quote is never closed
    // (then error() is set).
    bool next(std::vector<QStringView>* fields);
    bool failed() const { return failed_; }

    // A field's value: unquoted, doubled quotes made single, blanks around trimmed.
    static QString value(QStringView field);

private:
    QStringView text_;
    qsizetype pos_ = 0;
    char16_t delimiter_;
    bool failed_ = false;
};

// The cells of a text export the request asks for: the time field as days
// when it is a date-time in the import's own form or a plain decimal number,
// else as text; every other field as text (an empty field is an empty cell).
ReadResult readTextExport(const QString& path, Flavour flavour, const CellRequest& request);
ReadResult readTextBytes(const QByteArray& bytes, Flavour flavour, const CellRequest& request);

// The largest text export read; a file beyond is no export of a time clock.
inline constexpr qint64 kMaxTextFileSize = qint64(256) << 20;

} // namespace tarnby::text
