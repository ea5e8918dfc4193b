// The record layer: a bounds-checked walk over the BIFF5/BIFF8 records of the
// workbook globals and of the worksheets asked for, and the cells they hold.

#include "Workbook.h"

#include "CodePage.h"
#include "NumberFormat.h"
#include "import/SerialDate.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <optional>

namespace tarnby::xls {

namespace {

namespace rec {
constexpr std::uint16_t Bof = 0x0809;
constexpr std::uint16_t Bof2 = 0x0009; // BIFF2
constexpr std::uint16_t Bof3 = 0x0209; // BIFF3
constexpr std::uint16_t Bof4 = 0x0409; // BIFF4
constexpr std::uint16_t Eof = 0x000A;
constexpr std::uint16_t FilePass = 0x002F;
constexpr std::uint16_t CodePage = 0x0042;
constexpr std::uint16_t DateMode = 0x0022;
constexpr std::uint16_t Format = 0x041E;
constexpr std::uint16_t Xf = 0x00E0;
constexpr std::uint16_t BoundSheet = 0x0085;
constexpr std::uint16_t Sst = 0x00FC;
constexpr std::uint16_t Continue = 0x003C;
constexpr std::uint16_t Dimensions = 0x0200;
constexpr std::uint16_t Number = 0x0203;
constexpr std::uint16_t Rk = 0x027E;
constexpr std::uint16_t MulRk = 0x00BD;
constexpr std::uint16_t LabelSst = 0x00FD;
constexpr std::uint16_t Label = 0x0204;
constexpr std::uint16_t RString = 0x00D6;
constexpr std::uint16_t Blank = 0x0201;
constexpr std::uint16_t MulBlank = 0x00BE;
constexpr std::uint16_t BoolErr = 0x0205;
constexpr std::uint16_t Formula = 0x0006;
constexpr std::uint16_t String = 0x0207;
} // namespace rec

constexpr std::size_t kSmallestCellRecord = 10; // header, row, column, XF

inline std::uint16_t u16(const std::uint8_t* p) { return std::uint16_t(p[0] | (p[1] << 8)); }
inline std::uint32_t u32(const std::uint8_t* p)
{
    return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16)
           | (std::uint32_t(p[3]) << 24);
}
inline double f64(const std::uint8_t* p)
{
    const std::uint64_t bits = std::uint64_t(u32(p)) | (std::uint64_t(u32(p + 4)) << 32);
    double v;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}

double rkValue(std::uint32_t rk)
{
    double v;
    if (rk & 2) {
        v = double(std::int32_t(rk) >> 2);
    } else {
        const std::uint64_t bits = std::uint64_t(rk & 0xFFFFFFFCu) << 32;
        std::memcpy(&v, &bits, sizeof v);
    }
    return (rk & 1) ? v / 100 : v;
}

struct Record {
    std::uint16_t id = 0;
    const std::uint8_t* data = nullptr;
    std::uint32_t size = 0; // [0, 65535]
};

// Steps from record to record; a record that runs past the bytes ends the walk as damage.
class RecordCursor {
public:
    RecordCursor(const std::uint8_t* base, std::size_t size, std::size_t pos) : base_(base), size_(size), pos_(pos) {}

    bool next(Record& r)
    {
        if (!peek(r))
            return false;
        pos_ += 4 + r.size;
        return true;
    }
    bool peek(Record& r)
    {
        if (pos_ >= size_)
            return false;
        if (size_ - pos_ < 4) {
            damaged_ = true;
            return false;
        }
        const std::uint8_t* p = base_ + pos_;
        const std::uint16_t length = u16(p + 2);
        if (size_ - pos_ - 4 < length) {
            damaged_ = true;
            return false;
        }
        r = {u16(p), p + 4, length};
        return true;
    }
    bool damaged() const { return damaged_; }

private:
    const std::uint8_t* base_;
    std::size_t size_;
    std::size_t pos_;
    bool damaged_ = false;
};

// The bytes of a record and of the CONTINUE records after it, read as one run,
// except that characters split at a record boundary restart with a flag byte.
class Pieces {
public:
    Pieces() = default;
    Pieces(const std::uint8_t* data, std::size_t size) { add(data, size); }
    void add(const std::uint8_t* data, std::size_t size) { pieces_.push_back({data, size}); }

    bool u8(std::uint8_t& v)
    {
        if (!ready())
            return false;
        v = pieces_[index_].data[pos_++];
        return true;
    }
    bool u16(std::uint16_t& v)
    {
        std::uint8_t a, b;
        if (!u8(a) || !u8(b))
            return false;
        v = std::uint16_t(a | (b << 8));
        return true;
    }
    bool u32(std::uint32_t& v)
    {
        std::uint16_t a, b;
        if (!u16(a) || !u16(b))
            return false;
        v = a | (std::uint32_t(b) << 16);
        return true;
    }
    bool skip(std::size_t n)
    {
        while (n > 0) {
            if (!ready())
                return false;
            const std::size_t step = std::min(n, pieces_[index_].size - pos_);
            pos_ += step;
            n -= step;
        }
        return true;
    }
    bool bytes(std::size_t n, QByteArray& out)
    {
        out.resize(qsizetype(n));
        for (std::size_t i = 0; i < n; ++i) {
            std::uint8_t b;
            if (!u8(b))
                return false;
            out[qsizetype(i)] = char(b);
        }
        return true;
    }
    // count characters, 8-bit (Latin-1) or 16-bit (UTF-16LE) as the flag says;
    // each later piece they continue into begins with its own flag byte
    bool chars(std::size_t count, bool wide, QString& out)
    {
        out = QString(qsizetype(count), Qt::Uninitialized);
        QChar* dst = out.data();
        while (count > 0) {
            if (pos_ == pieces_[index_].size) {
                if (index_ + 1 >= pieces_.size())
                    return false;
                ++index_;
                pos_ = 0;
                if (pieces_[index_].size == 0)
                    return false;
                wide = pieces_[index_].data[pos_++] & 1;
            }
            const std::uint8_t* src = pieces_[index_].data + pos_;
            const std::size_t available = (pieces_[index_].size - pos_) / (wide ? 2 : 1);
            if (available == 0)
                return false; // half a 16-bit character
            const std::size_t n = std::min(count, available);
            if (wide) {
                for (std::size_t i = 0; i < n; ++i)
                    dst[i] = QChar(::tarnby::xls::u16(src + 2 * i));
            } else {
                for (std::size_t i = 0; i < n; ++i)
                    dst[i] = QChar(src[i]);
            }
            dst += n;
            pos_ += n * (wide ? 2 : 1);
            count -= n;
        }
        return true;
    }
    bool atEnd()
    {
        while (index_ < pieces_.size() && pos_ == pieces_[index_].size && index_ + 1 < pieces_.size()) {
            ++index_;
            pos_ = 0;
        }
        return pos_ == pieces_[index_].size;
    }

private:
    struct Piece {
        const std::uint8_t* data;
        std::size_t size;
    };
    // moves past exhausted pieces; false when no byte is left
    bool ready()
    {
        while (pos_ == pieces_[index_].size) {
            if (index_ + 1 >= pieces_.size())
                return false;
            ++index_;
            pos_ = 0;
        }
        return true;
    }

    std::vector<Piece> pieces_;
    std::size_t index_ = 0;
    std::size_t pos_ = 0;
};

// A BIFF8 string: length (8 or 16 bits), flags, optional rich-text and phonetic
// counts, the characters, then the runs and phonetic data, which are skipped.
bool readUnicodeString(Pieces& in, bool byteLength, QString& out)
{
    std::uint16_t count = 0;
    std::uint8_t flags = 0;
    if (byteLength) {
        std::uint8_t c;
        if (!in.u8(c))
            return false;
        count = c;
    } else if (!in.u16(count)) {
        return false;
    }
    if (!in.u8(flags))
        return false;
    std::uint16_t runs = 0;
    std::uint32_t extra = 0;
    if ((flags & 0x08) && !in.u16(runs))
        return false;
    if ((flags & 0x04) && !in.u32(extra))
        return false;
    if (!in.chars(count, flags & 0x01, out))
        return false;
    return in.skip(std::size_t(runs) * 4) && in.skip(extra);
}

// A BIFF5 string: length (8 or 16 bits) and bytes in the workbook's code page.
bool readByteString(Pieces& in, bool byteLength, QByteArray& out)
{
    std::uint16_t count = 0;
    if (byteLength) {
        std::uint8_t c;
        if (!in.u8(c))
            return false;
        count = c;
    } else if (!in.u16(count)) {
        return false;
    }
    return in.bytes(count, out);
}

// Adds the CONTINUE records that follow the current one.
void gatherContinues(RecordCursor& cursor, Pieces& pieces)
{
    Record next;
    while (cursor.peek(next) && next.id == rec::Continue) {
        cursor.next(next);
        pieces.add(next.data, next.size);
    }
}

ReadResult failure(ReadError error, const char* detail)
{
    ReadResult result;
    result.error = error;
    result.detail = QString::fromLatin1(detail);
    return result;
}

class StreamReader {
public:
    StreamReader(const std::uint8_t* data, std::size_t size, const CellRequest& request)
        : data_(data), size_(size), request_(request)
    {
    }

    ReadResult read()
    {
        if (std::optional<ReadResult> bad = readGlobals())
            return *bad;
        if (sheetOffsets_.empty())
            return failure(ReadError::Damaged, "the workbook has no worksheet");
        if (!request_.findsSheetsIn(int(sheetOffsets_.size())))
            return failure(ReadError::Damaged, "the workbook has fewer worksheets than asked for");
        ReadResult result;
        for (std::size_t i = 0; i < sheetOffsets_.size(); ++i) {
            if (!request_.readsSheet(int(i)))
                continue;
            if (std::optional<ReadResult> bad = readSheet(sheetOffsets_[i]))
                return *bad;
            sheet_.setName(sheetNames_[i]);
            result.add(std::move(sheet_));
            sheet_ = Sheet();
        }
        return result;
    }

private:
    std::optional<ReadResult> readGlobals()
    {
        RecordCursor cursor(data_, size_, 0);
        Record r;
        if (!cursor.next(r))
            return failure(ReadError::Damaged, "the workbook stream holds no record");
        if (r.id == rec::Bof2 || r.id == rec::Bof3 || r.id == rec::Bof4)
            return failure(ReadError::Unsupported, "a BIFF2-4 workbook");
        if (r.id != rec::Bof || r.size < 4)
            return failure(ReadError::Damaged, "the workbook stream does not begin with BOF");
        switch (u16(r.data)) {
        case 0x0600: biff8_ = true; break;
        case 0x0500: biff8_ = false; break;
        default: return failure(ReadError::Unsupported, "a BIFF version other than 5 and 8");
        }

        std::map<int, QByteArray> formats5; // BIFF5 format texts, decoded once the code page is known
        std::vector<QByteArray> nameBytes;  // the worksheets' names likewise
        bool ended = false;
        while (!ended && cursor.next(r)) {
            switch (r.id) {
            case rec::FilePass:
                return failure(ReadError::Encrypted, "the workbook needs a password (FILEPASS)");
            case rec::CodePage:
                if (r.size >= 2)
                    codePage_ = u16(r.data);
                break;
            case rec::DateMode:
                if (r.size >= 2)
                    date1904_ = u16(r.data) != 0;
                break;
            case rec::Format: {
                if (r.size < 2)
                    return failure(ReadError::Damaged, "a FORMAT record is too short");
                const int id = u16(r.data);
                Pieces in(r.data + 2, r.size - 2);
                if (biff8_) {
                    QString text;
                    if (!readUnicodeString(in, false, text))
                        return failure(ReadError::Damaged, "a FORMAT record is too short");
                    formatIsDate_[id] = isDateFormatText(text);
                } else {
                    QByteArray bytes;
                    if (!readByteString(in, true, bytes))
                        return failure(ReadError::Damaged, "a FORMAT record is too short");
                    formats5[id] = bytes;
                }
                break;
            }
            case rec::Xf:
                if (r.size < 4)
                    return failure(ReadError::Damaged, "an XF record is too short");
                xfFormats_.push_back(u16(r.data + 2));
                break;
            case rec::BoundSheet:
                if (r.size < 6)
                    return failure(ReadError::Damaged, "a BOUNDSHEET record is too short");
                // the high byte of the options is the sheet type: 0 worksheet, 1 macro, 2 chart, 6 module
                if (r.data[5] == 0) {
                    sheetOffsets_.push_back(u32(r.data));
                    nameBytes.emplace_back(reinterpret_cast<const char*>(r.data + 6), qsizetype(r.size - 6));
                }
                break;
            case rec::Sst:
                if (biff8_ && !readSst(cursor, r))
                    return failure(ReadError::Damaged, "the shared strings run past their records");
                break;
            case rec::Eof:
                ended = true;
                break;
            default:
                break;
            }
        }
        if (!ended)
            return failure(ReadError::Damaged, "the workbook globals end early");

        CodePageDecoder decoder(codePage_);
        for (const QByteArray& bytes : nameBytes)
            sheetNames_.push_back(sheetName(bytes, decoder));
        for (const auto& [id, bytes] : formats5)
            formatIsDate_[id] = isDateFormatText(decoder.decode(bytes));
        xfIsDate_.resize(xfFormats_.size());
        for (std::size_t i = 0; i < xfFormats_.size(); ++i) {
            auto it = formatIsDate_.find(xfFormats_[i]);
            xfIsDate_[i] = it != formatIsDate_.end() ? it->second : isBuiltinDateFormat(xfFormats_[i]);
        }
        return std::nullopt;
    }

    // A worksheet's tab name from the rest of its BOUNDSHEET record; empty
    // when the bytes hold none (the name only labels the sheet for the user).
    QString sheetName(const QByteArray& raw, CodePageDecoder& decoder) const
    {
        Pieces in(reinterpret_cast<const std::uint8_t*>(raw.constData()), std::size_t(raw.size()));
        QString name;
        if (biff8_)
            return readUnicodeString(in, true, name) ? name : QString();
        QByteArray bytes;
        return readByteString(in, true, bytes) ? decoder.decode(bytes) : QString();
    }

    bool readSst(RecordCursor& cursor, const Record& r)
    {
        Pieces in(r.data, r.size);
        gatherContinues(cursor, in);
        std::uint32_t total = 0, unique = 0;
        if (!in.u32(total) || !in.u32(unique))
            return false;
        // each string takes at least 3 bytes, so a bogus count cannot make us reserve much
        sst_.reserve(std::min<std::size_t>(unique, size_ / 3));
        for (std::uint32_t i = 0; i < unique && !in.atEnd(); ++i) {
            QString text;
            if (!readUnicodeString(in, false, text))
                return false;
            sst_.push_back(std::move(text));
        }
        return true;
    }

    std::optional<ReadResult> readSheet(std::uint32_t offset)
    {
        if (offset >= size_)
            return failure(ReadError::Damaged, "a worksheet lies outside the stream");
        RecordCursor cursor(data_, size_, offset);
        Record r;
        if (!cursor.next(r) || r.id != rec::Bof)
            return failure(ReadError::Damaged, "a worksheet does not begin with BOF");

        CodePageDecoder decoder(codePage_);
        int depth = 1; // embedded charts bring their own BOF and EOF
        bool stringPending = false;
        int pendingRow = 0, pendingColumn = 0;
        const char* damage = nullptr;
        while (!damage && cursor.next(r)) {
            const std::uint8_t* d = r.data;
            if (r.id == rec::Bof) {
                ++depth;
                continue;
            }
            if (r.id == rec::Eof) {
                if (--depth == 0)
                    break;
                continue;
            }
            if (depth != 1)
                continue;
            switch (r.id) {
            case rec::Dimensions:
                reserve(r);
                break;
            case rec::Number:
                if (r.size < 14)
                    damage = "a NUMBER record is too short";
                else
                    setNumber(u16(d), u16(d + 2), u16(d + 4), f64(d + 6));
                break;
            case rec::Rk:
                if (r.size < 10)
                    damage = "an RK record is too short";
                else
                    setNumber(u16(d), u16(d + 2), u16(d + 4), rkValue(u32(d + 6)));
                break;
            case rec::MulRk: {
                if (r.size < 12 || (r.size - 6) % 6 != 0) {
                    damage = "a MULRK record has a broken length";
                    break;
                }
                const int row = u16(d);
                const int first = u16(d + 2);
                const std::size_t count = (r.size - 6) / 6;
                for (std::size_t i = 0; i < count; ++i) {
                    const std::uint8_t* e = d + 4 + 6 * i;
                    setNumber(row, first + int(i), u16(e), rkValue(u32(e + 2)));
                }
                break;
            }
            case rec::LabelSst: {
                if (r.size < 10) {
                    damage = "a LABELSST record is too short";
                    break;
                }
                const std::uint32_t index = u32(d + 6);
                if (index >= sst_.size()) {
                    damage = "a LABELSST record names a missing shared string";
                    break;
                }
                setText(u16(d), u16(d + 2), sst_[index]);
                break;
            }
            case rec::Label:
            case rec::RString: {
                if (r.size < 6) {
                    damage = "a LABEL record is too short";
                    break;
                }
                Pieces in(d + 6, r.size - 6);
                QString text;
                if (!readText(in, decoder, text)) {
                    damage = "a LABEL record is too short";
                    break;
                }
                setText(u16(d), u16(d + 2), std::move(text));
                break;
            }
            case rec::Blank:
                if (r.size < 6)
                    damage = "a BLANK record is too short";
                else
                    sheet_.set(u16(d), u16(d + 2), Cell{});
                break;
            case rec::MulBlank: {
                if (r.size < 8 || r.size % 2 != 0) {
                    damage = "a MULBLANK record has a broken length";
                    break;
                }
                const int row = u16(d);
                const int first = u16(d + 2);
                const int count = int(r.size - 6) / 2;
                for (int i = 0; i < count; ++i)
                    sheet_.set(row, first + i, Cell{});
                break;
            }
            case rec::BoolErr:
                if (r.size < 8)
                    damage = "a BOOLERR record is too short";
                else
                    setBoolErr(u16(d), u16(d + 2), d[6], d[7] != 0);
                break;
            case rec::Formula: {
                if (r.size < 14) {
                    damage = "a FORMULA record is too short";
                    break;
                }
                const int row = u16(d);
                const int column = u16(d + 2);
                stringPending = false;
                if (u16(d + 12) != 0xFFFF) {
                    setNumber(row, column, u16(d + 4), f64(d + 6));
                    break;
                }
                // not a number: the first byte of the result says what it is
                switch (d[6]) {
                case 0: // text, in the STRING record that follows
                    stringPending = true;
                    pendingRow = row;
                    pendingColumn = column;
                    break;
                case 1:
                    setBoolErr(row, column, d[8], false);
                    break;
                case 2:
                    setBoolErr(row, column, d[8], true);
                    break;
                case 3:
                    setText(row, column, QString());
                    break;
                default:
                    break;
                }
                break;
            }
            case rec::String: {
                if (!stringPending)
                    break;
                stringPending = false;
                Pieces in(d, r.size);
                gatherContinues(cursor, in);
                QString text;
                if (!readText(in, decoder, text)) {
                    damage = "a STRING record is too short";
                    break;
                }
                setText(pendingRow, pendingColumn, std::move(text));
                break;
            }
            default:
                break;
            }
        }
        if (damage)
            return failure(ReadError::Damaged, damage);
        if (depth != 0)
            return failure(ReadError::Damaged, "a worksheet ends early");
        return std::nullopt;
    }

    bool readText(Pieces& in, CodePageDecoder& decoder, QString& out)
    {
        if (biff8_)
            return readUnicodeString(in, false, out);
        QByteArray bytes;
        if (!readByteString(in, false, bytes))
            return false;
        out = decoder.decode(bytes);
        return true;
    }

    void reserve(const Record& r)
    {
        std::uint32_t rows = 0, columns = 0;
        if (biff8_ && r.size >= 12) {
            rows = u32(r.data + 4);
            columns = u16(r.data + 10) - std::min(u16(r.data + 8), u16(r.data + 10));
        } else if (!biff8_ && r.size >= 8) {
            rows = u16(r.data + 2);
            columns = u16(r.data + 6) - std::min(u16(r.data + 4), u16(r.data + 6));
        }
        rows = std::min<std::uint32_t>(rows, 0x10000);
        // only as much room as the stream could fill: every cell record takes 10 bytes
        if (std::uint64_t(rows) * std::max<std::uint32_t>(columns, 1) * kSmallestCellRecord <= size_)
            sheet_.reserveRows(int(rows));
    }

    void setNumber(int row, int column, int xf, double value)
    {
        if (!request_.wants(row, column))
            return;
        Cell cell;
        cell.number = value;
        if (std::size_t(xf) < xfIsDate_.size() && xfIsDate_[std::size_t(xf)]) {
            cell.kind = Cell::Kind::DateTime;
            if (date1904_)
                cell.number = serial::from1904(cell.number);
        } else {
            cell.kind = Cell::Kind::Number;
        }
        sheet_.set(row, column, std::move(cell));
    }

    void setText(int row, int column, QString text)
    {
        if (!request_.wants(row, column))
            return;
        Cell cell;
        cell.kind = Cell::Kind::Text;
        cell.text = std::move(text);
        sheet_.set(row, column, std::move(cell));
    }

    void setBoolErr(int row, int column, std::uint8_t value, bool isError)
    {
        if (!request_.wants(row, column))
            return;
        Cell cell;
        cell.kind = isError ? Cell::Kind::Error : Cell::Kind::Boolean;
        cell.number = isError ? value : (value ? 1 : 0);
        sheet_.set(row, column, std::move(cell));
    }

    const std::uint8_t* data_;
    std::size_t size_;
    const CellRequest& request_;
    bool biff8_ = true;
    int codePage_ = 1252;
    bool date1904_ = false;
    std::vector<std::uint16_t> xfFormats_;
    std::map<int, bool> formatIsDate_;
    std::vector<bool> xfIsDate_;
    std::vector<QString> sst_;
    std::vector<std::uint32_t> sheetOffsets_; // the worksheets', in workbook order
    std::vector<QString> sheetNames_;         // their tab names
    Sheet sheet_;
};

} // namespace

ReadResult readWorkbookStream(const char* data, std::size_t size, const CellRequest& request)
{
    if (!data)
        size = 0;
    return StreamReader(reinterpret_cast<const std::uint8_t*>(data), size, request).read();
}

} // namespace tarnby::xls
