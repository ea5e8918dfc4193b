#include "Package.h"

#include <QFile>
#include <QUrl>

#include <zip.h>


namespace tarnby::xlsx {

namespace {

Failure damaged(const QString& why)
{
    return Failure{ReadError::Damaged, why};
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
