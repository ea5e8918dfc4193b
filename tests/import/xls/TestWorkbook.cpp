#include "TestWorkbook.h"

#include <QDate>
#include <QStringEncoder>

#include <gsf/gsf-outfile-msole.h>
#include <gsf/gsf-outfile.h>
#include <gsf/gsf-output-stdio.h>
#include <gsf/gsf-output.h>
#include <gsf/gsf-utils.h>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace tarnby::xls::test {

namespace {

constexpr std::uint16_t kBof = 0x0809, kEof = 0x000A, kCodePage = 0x0042, kDateMode = 0x0022,
                        kFilePass = 0x002F, kWindow1 = 0x003D, kFormat = 0x041E, kXf = 0x00E0,
                        kBoundSheet = 0x0085, kSst = 0x00FC, kContinue = 0x003C, kDimensions = 0x0200,
                        kNumber = 0x0203, kRk = 0x027E, kMulRk = 0x00BD, kLabelSst = 0x00FD,
                        kLabel = 0x0204, kRString = 0x00D6, kBlank = 0x0201, kMulBlank = 0x00BE,
                        kBoolErr = 0x0205, kFormula = 0x0006, kString = 0x0207;
constexpr int kStyleXfs = 16;        // Excel's 16 style XFs; XF 15 is the default cell XF
constexpr int kGeneralXf = 15;
constexpr int kFirstCustomFormat = 164;

class Bytes {
public:
    explicit Bytes(QByteArray& out) : out_(out) {}
    void u8(unsigned v) { out_.append(char(v & 0xFF)); }
    void u16(unsigned v) { u8(v); u8(v >> 8); }
    void u32(std::uint32_t v) { u16(v & 0xFFFF); u16(v >> 16); }
    void f64(double v)
    {
        std::uint64_t bits;
        std::memcpy(&bits, &v, 8);
        u32(std::uint32_t(bits));
        u32(std::uint32_t(bits >> 32));
    }
    void raw(const QByteArray& b) { out_.append(b); }

private:
    QByteArray& out_;
};

// A record: id, length, data.
void record(QByteArray& out, std::uint16_t id, const QByteArray& data)
{
    Bytes b(out);
    b.u16(id);
    b.u16(unsigned(data.size()));
    out.append(data);
}

bool fitsLatin1(const QString& s, qsizetype from = 0, qsizetype count = -1)
{
    const qsizetype end = count < 0 ? s.size() : from + count;
    for (qsizetype i = from; i < end; ++i)
        if (s.at(i).unicode() > 0xFF)
            return false;
    return true;
}

void chars(Bytes& b, const QString& s, qsizetype from, qsizetype count, bool wide)
{
    for (qsizetype i = from; i < from + count; ++i) {
        if (wide)
            b.u16(s.at(i).unicode());
        else
            b.u8(s.at(i).unicode());
    }
}

// BIFF8 string with a 16-bit (or 8-bit) length, a flag byte and its characters.
void unicodeString(QByteArray& out, const QString& s, bool shortLength)
{
    Bytes b(out);
    const bool wide = !fitsLatin1(s);
    if (shortLength)
        b.u8(unsigned(s.size()));
    else
        b.u16(unsigned(s.size()));
    b.u8(wide ? 1 : 0);
    chars(b, s, 0, s.size(), wide);
}

const char* encodingName(int codePage)
{
    switch (codePage) {
    case 936: return "GBK";
    case 950: return "Big5";
    case 932: return "Shift_JIS";
    case 1250: return "windows-1250";
    case 1251: return "windows-1251";
    case 1253: return "windows-1253";
    default: return "windows-1252";
    }
}

bool toRk(double v, std::uint32_t& rk)
{
    constexpr double kLimit = 536870912.0; // 2^29: RK integers have 30 bits with the sign
    if (v == std::floor(v) && v >= -kLimit && v < kLimit) {
        rk = (std::uint32_t(std::int32_t(v)) << 2) | 2;
        return true;
    }
    std::uint64_t bits;
    std::memcpy(&bits, &v, 8);
    if ((bits & 0x3FFFFFFFFULL) == 0) {
        rk = std::uint32_t(bits >> 32);
        return true;
    }
    const double hundred = v * 100;
    if (hundred == std::floor(hundred) && hundred >= -kLimit && hundred < kLimit && hundred / 100 == v) {
        rk = (std::uint32_t(std::int32_t(hundred)) << 2) | 3;
        return true;
    }
    return false;
}

} // namespace

TestWorkbook::TestWorkbook(Biff biff) : biff_(biff), codePage_(biff == Biff::Biff8 ? 1200 : 1252)
{
    sheets_.push_back({QStringLiteral("Sheet1"), false, {}});
}

TestWorkbook& TestWorkbook::setCodePage(int codePage) { codePage_ = codePage; return *this; }
TestWorkbook& TestWorkbook::omitCodePage() { writeCodePage_ = false; return *this; }
TestWorkbook& TestWorkbook::setDate1904(bool on) { date1904_ = on; return *this; }
TestWorkbook& TestWorkbook::setFilePass(bool on) { filePass_ = on; return *this; }
TestWorkbook& TestWorkbook::setActiveSheet(int index) { activeSheet_ = index; return *this; }
TestWorkbook& TestWorkbook::setStreamOrder(std::vector<int> order) { streamOrder_ = std::move(order); return *this; }
TestWorkbook& TestWorkbook::setSstRecordLimit(int bytes) { sstLimit_ = std::clamp(bytes, 16, 8224); return *this; }
TestWorkbook& TestWorkbook::setSstDecorations(bool on) { sstDecorations_ = on; return *this; }
TestWorkbook& TestWorkbook::setSstSplitAtWidthChange(bool on) { sstSplitAtWidthChange_ = on; return *this; }
TestWorkbook& TestWorkbook::truncateStream(qsizetype bytes) { truncateAt_ = bytes; return *this; }
TestWorkbook& TestWorkbook::setStreamName(const QString& name) { streamName_ = name; return *this; }

int TestWorkbook::addSheet(const QString& name)
{
    sheets_.push_back({name, false, {}});
    current_ = int(sheets_.size()) - 1;
    return current_;
}

int TestWorkbook::addChartSheet(const QString& name, int position)
{
    if (position < 0 || position > int(sheets_.size()))
        position = int(sheets_.size());
    sheets_.insert(sheets_.begin() + position, {name, true, {}});
    if (current_ >= position)
        ++current_;
    return position;
}

TestWorkbook& TestWorkbook::sheet(int index)
{
    current_ = std::clamp(index, 0, int(sheets_.size()) - 1);
    return *this;
}

std::uint16_t TestWorkbook::xfForBuiltin(int formatId)
{
    for (std::size_t i = 0; i < xfFormats_.size(); ++i)
        if (xfFormats_[i] == formatId)
            return std::uint16_t(kStyleXfs + i);
    xfFormats_.push_back(formatId);
    return std::uint16_t(kStyleXfs + xfFormats_.size() - 1);
}

std::uint16_t TestWorkbook::xfFor(const QString& format)
{
    if (format.isEmpty())
        return kGeneralXf;
    auto it = std::find(formats_.begin(), formats_.end(), format);
    int id = kFirstCustomFormat + int(it - formats_.begin());
    if (it == formats_.end())
        formats_.push_back(format);
    return xfForBuiltin(id);
}

int TestWorkbook::internText(const QString& text)
{
    auto it = stringIndex_.constFind(text);
    if (it != stringIndex_.constEnd())
        return *it;
    strings_.push_back(text);
    stringIndex_.insert(text, int(strings_.size()) - 1);
    return int(strings_.size()) - 1;
}

void TestWorkbook::add(Item item)
{
    sheets_[current_].items.push_back(item);
}

bool TestWorkbook::place(int row, int column, int lastColumn)
{
    if (lastColumn < 0)
        lastColumn = column;
    if (row >= 0 && row <= 0xFFFF && column >= 0 && lastColumn >= column && lastColumn <= 0xFF)
        return true;
    if (invalid_.isEmpty())
        invalid_ = QStringLiteral("cell (%1, %2) lies outside an .xls sheet").arg(row).arg(column);
    return false;
}

TestWorkbook& TestWorkbook::number(int row, int column, double value, const QString& format, NumberAs as)
{
    if (!place(row, column))
        return *this;
    add({Kind::Number, std::uint8_t(as), std::uint16_t(row), std::uint16_t(column), xfFor(format), 0, value, 0});
    return *this;
}

TestWorkbook& TestWorkbook::builtinFormat(int row, int column, double value, int formatId, NumberAs as)
{
    if (!place(row, column))
        return *this;
    add({Kind::Number, std::uint8_t(as), std::uint16_t(row), std::uint16_t(column),
         xfForBuiltin(formatId), 0, value, 0});
    return *this;
}

TestWorkbook& TestWorkbook::text(int row, int column, const QString& value, TextAs as)
{
    if (!place(row, column))
        return *this;
    add({Kind::Text, std::uint8_t(as), std::uint16_t(row), std::uint16_t(column), kGeneralXf, 0, 0,
         internText(value)});
    return *this;
}

TestWorkbook& TestWorkbook::blank(int row, int column)
{
    if (!place(row, column))
        return *this;
    add({Kind::Blank, 0, std::uint16_t(row), std::uint16_t(column), kGeneralXf, 0, 0, 0});
    return *this;
}

TestWorkbook& TestWorkbook::boolean(int row, int column, bool value, bool asFormula)
{
    if (!place(row, column))
        return *this;
    add({Kind::Boolean, std::uint8_t(asFormula), std::uint16_t(row), std::uint16_t(column), kGeneralXf, 0,
         value ? 1.0 : 0.0, 0});
    return *this;
}

TestWorkbook& TestWorkbook::error(int row, int column, int code, bool asFormula)
{
    if (!place(row, column))
        return *this;
    add({Kind::Error, std::uint8_t(asFormula), std::uint16_t(row), std::uint16_t(column), kGeneralXf, 0,
         double(code), 0});
    return *this;
}

TestWorkbook& TestWorkbook::mulRk(int row, int firstColumn, const std::vector<double>& values, const QString& format)
{
    if (values.empty() || !place(row, firstColumn, firstColumn + int(values.size()) - 1))
        return *this;
    const int first = int(mulValues_.size());
    mulValues_.insert(mulValues_.end(), values.begin(), values.end());
    add({Kind::MulRk, 0, std::uint16_t(row), std::uint16_t(firstColumn), xfFor(format),
         std::uint16_t(firstColumn + int(values.size()) - 1), 0, first});
    return *this;
}

TestWorkbook& TestWorkbook::mulBlank(int row, int firstColumn, int lastColumn)
{
    if (!place(row, firstColumn, lastColumn))
        return *this;
    add({Kind::MulBlank, 0, std::uint16_t(row), std::uint16_t(firstColumn), kGeneralXf,
         std::uint16_t(lastColumn), 0, 0});
    return *this;
}

double TestWorkbook::serial(int year, int month, int day, int hour, int minute, int second)
{
    // 1899-12-30 is day 0 for every date after the phantom 1900-02-29
    const qint64 days = QDate(1899, 12, 30).daysTo(QDate(year, month, day));
    return double(days) + (hour * 3600 + minute * 60 + second) / 86400.0;
}

QByteArray TestWorkbook::stream() const
{
    const bool b8 = biff_ == Biff::Biff8;
    QStringEncoder encoder(encodingName(codePage_));
    auto bytes5 = [&](const QString& s) { return QByteArray(encoder.encode(s)); };

    auto bof = [&](std::uint16_t type) {
        QByteArray d;
        Bytes b(d);
        b.u16(b8 ? 0x0600 : 0x0500);
        b.u16(type);
        b.u16(0x0DBB);
        b.u16(b8 ? 0x07CC : 0x07C9);
        if (b8) {
            b.u32(0x000100C1);
            b.u32(0x00000406);
        }
        return d;
    };
    // BIFF5 text cells: a 16-bit byte count and the bytes in the code page
    auto string5 = [&](QByteArray& d, const QString& s) {
        const QByteArray enc = bytes5(s);
        Bytes b(d);
        b.u16(unsigned(enc.size()));
        d.append(enc);
    };

    QByteArray out;
    out.reserve(64 * 1024);
    record(out, kBof, bof(0x0005));
    if (filePass_) {
        QByteArray d;
        Bytes b(d);
        b.u16(1); // RC4
        b.u16(1);
        b.u16(1);
        for (int i = 0; i < 48; ++i)
            b.u8(0x5A ^ i);
        record(out, kFilePass, d);
    }
    if (writeCodePage_) {
        QByteArray d;
        Bytes(d).u16(unsigned(b8 ? 1200 : codePage_));
        record(out, kCodePage, d);
    }
    {
        QByteArray d;
        Bytes b(d);
        b.u16(0x0168);
        b.u16(0x001E);
        b.u16(0x3A5C);
        b.u16(0x2328);
        b.u16(0x0038);
        b.u16(unsigned(activeSheet_));
        b.u16(0);
        b.u16(1);
        b.u16(0x0258);
        record(out, kWindow1, d);
    }
    {
        QByteArray d;
        Bytes(d).u16(date1904_ ? 1 : 0);
        record(out, kDateMode, d);
    }
    for (std::size_t i = 0; i < formats_.size(); ++i) {
        QByteArray d;
        Bytes(d).u16(unsigned(kFirstCustomFormat + i));
        if (b8) {
            unicodeString(d, formats_[i], false);
        } else {
            const QByteArray enc = bytes5(formats_[i]);
            Bytes(d).u8(unsigned(enc.size()));
            d.append(enc);
        }
        record(out, kFormat, d);
    }
    auto xf = [&](int formatId, bool style) {
        QByteArray d;
        Bytes b(d);
        b.u16(0);
        b.u16(unsigned(formatId));
        b.u16(style ? 0xFFF5 : 0x0001);
        b.u16(0x0020);
        b.u16(0);
        b.u16(0);
        b.u16(0);
        b.u16(0x20C0);
        if (b8) {
            b.u32(0);
            b.u16(0x20C0);
        }
        record(out, kXf, d);
    };
    for (int i = 0; i < kStyleXfs; ++i)
        xf(0, i != kGeneralXf);
    for (int id : xfFormats_)
        xf(id, false);

    std::vector<qsizetype> boundSheetAt(sheets_.size());
    for (std::size_t i = 0; i < sheets_.size(); ++i) {
        QByteArray d;
        Bytes b(d);
        b.u32(0); // patched once the sheet's place is known
        b.u8(0);
        b.u8(sheets_[i].chart ? 2 : 0);
        if (b8) {
            unicodeString(d, sheets_[i].name, true);
        } else {
            const QByteArray enc = bytes5(sheets_[i].name);
            Bytes(d).u8(unsigned(enc.size()));
            d.append(enc);
        }
        boundSheetAt[i] = out.size() + 4;
        record(out, kBoundSheet, d);
    }

    if (b8 && !strings_.empty()) {
        std::vector<QByteArray> parts(1);
        auto room = [&] { return qsizetype(sstLimit_) - parts.back().size(); };
        auto next = [&] { parts.emplace_back(); };
        {
            std::size_t total = 0;
            for (const SheetData& s : sheets_)
                for (const Item& it : s.items)
                    if (it.kind == Kind::Text && (TextAs(it.as) == TextAs::Auto || TextAs(it.as) == TextAs::LabelSst))
                        ++total;
            Bytes b(parts.back());
            b.u32(std::uint32_t(total));
            b.u32(std::uint32_t(strings_.size()));
        }
        // two rich-text runs (first character, font) and six bytes of phonetic data
        const QByteArray decoration = QByteArray::fromHex("00000100" "03000200" "010002000300");
        for (const QString& s : strings_) {
            const int header = 3 + (sstDecorations_ ? 6 : 0);
            if (room() < header + 2)
                next();
            // the first part's width goes in the header; later parts carry their own flag byte
            qsizetype flagAt = 0;
            {
                Bytes b(parts.back());
                b.u16(unsigned(s.size()));
                flagAt = parts.back().size();
                b.u8(sstDecorations_ ? 0x0C : 0);
                if (sstDecorations_) {
                    b.u16(2);
                    b.u32(6);
                }
            }
            qsizetype pos = 0;
            for (bool firstPart = true;; firstPart = false) {
                if (!firstPart) {
                    next();
                    flagAt = 0;
                    parts.back().append('\0');
                }
                const qsizetype left = s.size() - pos;
                const qsizetype cap = room();
                qsizetype narrow = 0;
                while (narrow < std::min(left, cap) && s.at(pos + narrow).unicode() <= 0xFF)
                    ++narrow;
                qsizetype count = narrow;
                bool wide = false;
                if (narrow != std::min(left, cap) && !(sstSplitAtWidthChange_ && narrow > 0)) {
                    wide = true;
                    count = std::min(left, cap / 2);
                    if (sstSplitAtWidthChange_) {
                        qsizetype run = 0;
                        while (run < count && s.at(pos + run).unicode() > 0xFF)
                            ++run;
                        count = run;
                    }
                    parts.back()[flagAt] = char(parts.back()[flagAt] | 1);
                }
                Bytes b(parts.back());
                chars(b, s, pos, count, wide);
                pos += count;
                if (pos >= s.size())
                    break;
            }
            if (sstDecorations_) {
                for (char c : decoration) {
                    if (room() < 1)
                        next();
                    parts.back().append(c);
                }
            }
        }
        record(out, kSst, parts.front());
        for (std::size_t i = 1; i < parts.size(); ++i)
            record(out, kContinue, parts[i]);
    }
    record(out, kEof, {});

    std::vector<int> order = streamOrder_;
    if (order.size() != sheets_.size()) {
        order.resize(sheets_.size());
        for (std::size_t i = 0; i < order.size(); ++i)
            order[i] = int(i);
    }

    for (int index : order) {
        const SheetData& sheet = sheets_[std::size_t(index)];
        const std::uint32_t at = std::uint32_t(out.size());
        for (int k = 0; k < 4; ++k)
            out[boundSheetAt[std::size_t(index)] + k] = char((at >> (8 * k)) & 0xFF);
        record(out, kBof, bof(sheet.chart ? 0x0020 : 0x0010));
        {
            int rMin = 0, rMax = 0, cMin = 0, cMax = 0;
            if (!sheet.items.empty()) {
                rMin = cMin = 0xFFFF;
                for (const Item& it : sheet.items) {
                    rMin = std::min<int>(rMin, it.row);
                    rMax = std::max<int>(rMax, it.row + 1);
                    cMin = std::min<int>(cMin, it.column);
                    cMax = std::max<int>(cMax, std::max(it.column, it.lastColumn) + 1);
                }
            }
            QByteArray d;
            Bytes b(d);
            if (b8) {
                b.u32(std::uint32_t(rMin));
                b.u32(std::uint32_t(rMax));
            } else {
                b.u16(unsigned(rMin));
                b.u16(unsigned(rMax));
            }
            b.u16(unsigned(cMin));
            b.u16(unsigned(cMax));
            b.u16(0);
            record(out, kDimensions, d);
        }
        QByteArray d;
        for (const Item& it : sheet.items) {
            d.clear();
            Bytes b(d);
            b.u16(it.row);
            b.u16(it.column);
            auto formula = [&](std::uint64_t result) {
                b.u16(it.xf);
                b.u32(std::uint32_t(result));
                b.u32(std::uint32_t(result >> 32));
                b.u16(0);
                b.u32(0);
                b.u16(3);
                b.u8(0x1E); // an integer constant
                b.u16(1);
                record(out, kFormula, d);
            };
            switch (it.kind) {
            case Kind::Number: {
                std::uint32_t rk = 0;
                if (NumberAs(it.as) == NumberAs::Formula) {
                    std::uint64_t bits;
                    std::memcpy(&bits, &it.number, 8);
                    formula(bits);
                } else if (NumberAs(it.as) == NumberAs::Auto && toRk(it.number, rk)) {
                    b.u16(it.xf);
                    b.u32(rk);
                    record(out, kRk, d);
                } else {
                    b.u16(it.xf);
                    b.f64(it.number);
                    record(out, kNumber, d);
                }
                break;
            }
            case Kind::Text: {
                const QString& s = strings_[std::size_t(it.string)];
                TextAs as = TextAs(it.as);
                if (as == TextAs::Auto)
                    as = b8 ? TextAs::LabelSst : TextAs::Label;
                if (as == TextAs::LabelSst) {
                    b.u16(it.xf);
                    b.u32(std::uint32_t(it.string));
                    record(out, kLabelSst, d);
                } else if (as == TextAs::Formula) {
                    formula(0xFFFF000000000000ULL);
                    d.clear();
                    if (b8)
                        unicodeString(d, s, false);
                    else
                        string5(d, s);
                    record(out, kString, d);
                } else {
                    b.u16(it.xf);
                    if (b8)
                        unicodeString(d, s, false);
                    else
                        string5(d, s);
                    if (as == TextAs::RString) {
                        if (b8) {
                            b.u16(1);
                            b.u16(0);
                            b.u16(1);
                        } else {
                            b.u8(1);
                            b.u8(0);
                            b.u8(1);
                        }
                    }
                    record(out, as == TextAs::RString ? kRString : kLabel, d);
                }
                break;
            }
            case Kind::Blank:
                b.u16(it.xf);
                record(out, kBlank, d);
                break;
            case Kind::Boolean:
            case Kind::Error: {
                const unsigned value = unsigned(it.number);
                const bool isError = it.kind == Kind::Error;
                if (it.as) {
                    formula(0xFFFF000000000000ULL | (std::uint64_t(value) << 16) | (isError ? 2 : 1));
                } else {
                    b.u16(it.xf);
                    b.u8(value);
                    b.u8(isError ? 1 : 0);
                    record(out, kBoolErr, d);
                }
                break;
            }
            case Kind::MulRk:
                for (int c = it.column; c <= it.lastColumn; ++c) {
                    std::uint32_t rk = 0;
                    const double v = mulValues_[std::size_t(it.string + (c - it.column))];
                    if (!toRk(v, rk)) {
                        std::uint64_t bits;
                        std::memcpy(&bits, &v, 8);
                        rk = std::uint32_t(bits >> 32);
                    }
                    b.u16(it.xf);
                    b.u32(rk);
                }
                b.u16(it.lastColumn);
                record(out, kMulRk, d);
                break;
            case Kind::MulBlank:
                for (int c = it.column; c <= it.lastColumn; ++c)
                    b.u16(it.xf);
                b.u16(it.lastColumn);
                record(out, kMulBlank, d);
                break;
            }
        }
        record(out, kEof, {});
    }
    if (truncateAt_ >= 0 && truncateAt_ < out.size())
        out.truncate(truncateAt_);
    return out;
}

bool TestWorkbook::save(const QString& path, QString* error) const
{
    if (!invalid_.isEmpty()) {
        if (error)
            *error = invalid_;
        return false;
    }
    QString name = streamName_;
    if (name.isEmpty())
        name = biff_ == Biff::Biff8 ? QStringLiteral("Workbook") : QStringLiteral("Book");
    return saveCompound(path, name, stream(), error);
}

bool TestWorkbook::saveCompound(const QString& path, const QString& streamName, const QByteArray& bytes,
                                QString* error)
{
    GError* err = nullptr;
    GsfOutput* sink = gsf_output_stdio_new(path.toLocal8Bit().constData(), &err);
    if (!sink) {
        if (error)
            *error = QString::fromUtf8(err ? err->message : "cannot create the file");
        if (err)
            g_error_free(err);
        return false;
    }
    GsfOutfile* ole = gsf_outfile_msole_new(sink);
    GsfOutput* child = gsf_outfile_new_child(ole, streamName.toUtf8().constData(), FALSE);
    bool ok = child && gsf_output_write(child, std::size_t(bytes.size()),
                                        reinterpret_cast<const guint8*>(bytes.constData()));
    if (child) {
        ok = gsf_output_close(child) && ok;
        g_object_unref(child);
    }
    ok = gsf_output_close(GSF_OUTPUT(ole)) && ok;
    g_object_unref(ole);
    // the compound document closes its sink itself
    if (!gsf_output_is_closed(sink))
        ok = gsf_output_close(sink) && ok;
    g_object_unref(sink);
    if (!ok && error)
        *error = QStringLiteral("cannot write the compound document");
    return ok;
}

} // namespace tarnby::xls::test
