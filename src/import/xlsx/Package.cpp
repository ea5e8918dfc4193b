#include "Package.h"

#include <QFile>
#include <QUrl>

#include <libdeflate.h>
#include <zip.h>

#include <cstring>
#include <memory>


namespace tarnby::xlsx {

namespace {

Failure damaged(const QString& why)
{
    return Failure{ReadError::Damaged, why};
}

// Parts up to this size are inflated whole by libdeflate, which does it in a
// third of zlib's time and checks the CRC at a fraction of its cost (a
// worksheet is most of a workbook's reading); larger ones stream through
// libzip, so that memory stays flat.
constexpr std::uint64_t kWholePartSize = std::uint64_t(64) << 20;

struct DecompressorFree {
    void operator()(libdeflate_decompressor* d) const { libdeflate_free_decompressor(d); }
};

// The part's bytes, inflated whole and checked against the CRC the package
// records; nothing when the part is not one libdeflate reads (encrypted,
// compressed otherwise, too large), a failure when it is damaged.
struct WholePart {
    // not zeroed first: every byte is written by the read or the inflate
    std::unique_ptr<char[]> bytes;
    std::size_t size = 0;
    std::optional<Failure> failure;
    bool read = false;
};

WholePart inflateWhole(zip_t* zip, zip_uint64_t index, const zip_stat_t& stat, const QString& name)
{
    WholePart part;
    constexpr zip_uint64_t needed = ZIP_STAT_SIZE | ZIP_STAT_COMP_SIZE | ZIP_STAT_COMP_METHOD | ZIP_STAT_ENCRYPTION_METHOD
                                    | ZIP_STAT_CRC;
    if ((stat.valid & needed) != needed || stat.encryption_method != ZIP_EM_NONE || stat.size > kWholePartSize
        || (stat.comp_method != ZIP_CM_DEFLATE && stat.comp_method != ZIP_CM_STORE))
        return part;
    zip_file_t* file = zip_fopen_index(zip, index, ZIP_FL_COMPRESSED);
    if (!file)
        return part; // the streaming read names the reason
    part.read = true;
    const std::size_t rawSize = std::size_t(stat.comp_size);
    std::unique_ptr<char[]> raw(new char[rawSize]);
    const zip_int64_t got = rawSize == 0 ? 0 : zip_fread(file, raw.get(), rawSize);
    zip_fclose(file);
    if (got != zip_int64_t(rawSize)) {
        part.failure = damaged(QStringLiteral("part %1 is damaged: it ends early").arg(name));
        return part;
    }
    if (stat.comp_method == ZIP_CM_STORE) {
        if (stat.comp_size != stat.size) {
            part.failure = damaged(QStringLiteral("part %1 is damaged: its sizes disagree").arg(name));
            return part;
        }
        part.bytes = std::move(raw);
        part.size = rawSize;
    } else {
        thread_local const std::unique_ptr<libdeflate_decompressor, DecompressorFree> decompressor(
            libdeflate_alloc_decompressor());
        if (!decompressor) {
            part.failure = damaged(QStringLiteral("no memory to inflate part %1").arg(name));
            return part;
        }
        part.size = std::size_t(stat.size);
        part.bytes.reset(new char[part.size]);
        std::size_t inflated = 0;
        const libdeflate_result result = libdeflate_deflate_decompress(decompressor.get(), raw.get(), rawSize,
                                                                       part.bytes.get(), part.size, &inflated);
        if (result == LIBDEFLATE_INSUFFICIENT_SPACE) {
            part.failure = damaged(QStringLiteral("part %1 inflates beyond its declared size").arg(name));
            return part;
        }
        if (result != LIBDEFLATE_SUCCESS || inflated != part.size) {
            part.failure = damaged(QStringLiteral("part %1 is damaged: its compressed data is broken").arg(name));
            return part;
        }
    }
    if (libdeflate_crc32(0, part.bytes.get(), part.size) != stat.crc)
        part.failure = damaged(QStringLiteral("part %1 is damaged: CRC error").arg(name));
    return part;
}

} // namespace

Package::~Package()
{
    if (zip_)
        zip_discard(zip_);
}

std::optional<Failure> Package::opened(int zipError)
{
    if (zip_)
        return std::nullopt;
    switch (zipError) {
    case ZIP_ER_NOZIP:
        return Failure{ReadError::NotWorkbook, QStringLiteral("not a zip package")};
    case ZIP_ER_OPEN:
    case ZIP_ER_READ:
    case ZIP_ER_NOENT:
        return Failure{ReadError::CannotOpen, QStringLiteral("the file cannot be read")};
    default:
        break;
    }
    zip_error_t error;
    zip_error_init_with_code(&error, zipError);
    Failure failure = damaged(QStringLiteral("a damaged zip package: %1").arg(QString::fromUtf8(zip_error_strerror(&error))));
    zip_error_fini(&error);
    return failure;
}

std::optional<Failure> Package::openFile(const QString& path)
{
    int error = 0;
    zip_ = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &error);
    return opened(error);
}

std::optional<Failure> Package::openBytes(const char* data, std::size_t size)
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(data, size, 0, &error);
    if (!source) {
        zip_error_fini(&error);
        return damaged(QStringLiteral("no memory for the package"));
    }
    zip_ = zip_open_from_source(source, ZIP_RDONLY, &error);
    const int code = zip_error_code_zip(&error);
    zip_error_fini(&error);
    if (!zip_)
        zip_source_free(source);
    return opened(code);
}

long long Package::locate(const QString& name) const
{
    if (name.isEmpty())
        return -1;
    const zip_int64_t index = zip_name_locate(zip_, name.toUtf8().constData(), ZIP_FL_NOCASE);
    if (index >= 0)
        return index;
    // some writers store part names with Windows separators
    QString windows = name;
    windows.replace(u'/', u'\\');
    return zip_name_locate(zip_, windows.toUtf8().constData(), ZIP_FL_NOCASE);
}

bool Package::has(const QString& name) const
{
    return locate(name) >= 0;
}

std::optional<Failure> Package::read(const QString& name, const Reader& reader) const
{
    const zip_int64_t index = locate(name);
    if (index < 0)
        return damaged(QStringLiteral("the package has no part %1").arg(name));
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(zip_, zip_uint64_t(index), 0, &stat) != 0
        || (stat.valid & (ZIP_STAT_SIZE | ZIP_STAT_COMP_SIZE)) != (ZIP_STAT_SIZE | ZIP_STAT_COMP_SIZE))
        return damaged(QStringLiteral("the size of part %1 is unknown").arg(name));
    if (stat.size > kMaxPartSize)
        return damaged(QStringLiteral("part %1 is larger than 1 GiB").arg(name));
    if (stat.size > kMaxRatio * stat.comp_size)
        return damaged(QStringLiteral("part %1 inflates more than %2 times").arg(name).arg(kMaxRatio));

    if (WholePart whole = inflateWhole(zip_, zip_uint64_t(index), stat, name); whole.read) {
        if (whole.failure)
            return whole.failure;
        std::size_t at = 0;
        const Pull pull = [&](char* buffer, std::size_t capacity) -> long long {
            const std::size_t n = std::min(capacity, whole.size - at);
            if (n > 0)
                std::memcpy(buffer, whole.bytes.get() + at, n);
            at += n;
            return (long long)n;
        };
        if (!reader(pull))
            return damaged(QString());
        return std::nullopt;
    }

    zip_file_t* file = zip_fopen_index(zip_, zip_uint64_t(index), 0);
    if (!file) {
        const int code = zip_error_code_zip(zip_get_error(zip_));
        if (code == ZIP_ER_NOPASSWD || code == ZIP_ER_WRONGPASSWD || code == ZIP_ER_ENCRNOTSUPP)
            return Failure{ReadError::Encrypted, QStringLiteral("part %1 is encrypted").arg(name)};
        if (code == ZIP_ER_COMPNOTSUPP)
            return Failure{ReadError::Unsupported, QStringLiteral("part %1 is compressed in an unknown way").arg(name)};
        return damaged(QStringLiteral("part %1 cannot be opened").arg(name));
    }
    std::optional<Failure> failure;
    std::uint64_t total = 0;
    const Pull pull = [&](char* buffer, std::size_t capacity) -> long long {
        const zip_int64_t n = zip_fread(file, buffer, capacity);
        if (n < 0) {
            failure = damaged(QStringLiteral("part %1 is damaged: %2")
                                  .arg(name, QString::fromUtf8(zip_error_strerror(zip_file_get_error(file)))));
            return -1;
        }
        total += std::uint64_t(n);
        // the declared size is what the checks above judged; a part that
        // inflates beyond it is lying about itself
        if (total > stat.size) {
            failure = damaged(QStringLiteral("part %1 inflates beyond its declared size").arg(name));
            return -1;
        }
        return n;
    };
    if (!reader(pull) && !failure)
        failure = damaged(QString());
    zip_fclose(file);
    return failure;
}

QString relationshipsOf(const QString& part)
{
    const qsizetype slash = part.lastIndexOf(u'/');
    return part.left(slash + 1) + QLatin1String("_rels/") + part.mid(slash + 1) + QLatin1String(".rels");
}

QString resolveTarget(const QString& sourcePart, const QString& target)
{
    QString t = QUrl::fromPercentEncoding(target.toUtf8());
    t.replace(u'\\', u'/');
    QString joined;
    if (t.startsWith(u'/'))
        joined = t.mid(1);
    else
        joined = sourcePart.left(sourcePart.lastIndexOf(u'/') + 1) + t;
    QStringList out;
    for (const QString& piece : joined.split(u'/')) {
        if (piece.isEmpty() || piece == QLatin1String("."))
            continue;
        if (piece == QLatin1String("..")) {
            if (out.isEmpty())
                return {};
            out.removeLast();
            continue;
        }
        out.append(piece);
    }
    return out.join(u'/');
}

} // namespace tarnby::xlsx
