// The container layer: libgsf opens the compound document and hands over the
// Workbook (BIFF8) or Book (BIFF5) stream as bytes.

#include "Container.h"
#include "Workbook.h"

#include <QFile>
#include <QLoggingCategory>

#include <gsf/gsf-infile-msole.h>
#include <gsf/gsf-infile.h>
#include <gsf/gsf-input-memory.h>
#include <gsf/gsf-input.h>
#include <gsf/gsf-utils.h>

#include <mutex>

namespace tarnby::xls {

namespace {

Q_LOGGING_CATEGORY(lcContainer, "tarnby.xls.container", QtInfoMsg)

// libgsf and GLib complain on stderr about broken documents; the user sees our
// own message instead, and a developer can switch these on through QT_LOGGING_RULES.
void forwardGlibLog(const gchar* domain, GLogLevelFlags, const gchar* message, gpointer)
{
    qCDebug(lcContainer, "%s: %s", domain ? domain : "glib", message ? message : "");
}

} // namespace

void initialiseGsf()
{
    static std::once_flag once;
    std::call_once(once, [] {
        const auto levels = GLogLevelFlags(G_LOG_LEVEL_MASK | G_LOG_FLAG_RECURSION);
        // some of libgsf's warnings carry no domain at all
        for (const char* domain : {"libgsf", "libgsf:msole", "GLib-GObject", "GLib", "GLib-GIO",
                                   static_cast<const char*>(nullptr)})
            g_log_set_handler(domain, levels, forwardGlibLog, nullptr);
        gsf_init();
    });
}

namespace {

template <typename T>
struct Unref {
    void operator()(T* p) const
    {
        if (p)
            g_object_unref(p);
    }
};
template <typename T>
using GPtr = std::unique_ptr<T, Unref<T>>;

ReadResult failure(ReadError error, const char* detail)
{
    ReadResult result;
    result.error = error;
    result.detail = QString::fromLatin1(detail);
    return result;
}

// A plain BIFF2-4 worksheet file is no compound document but begins with its BOF.
bool looksLikeOldBiff(const char* data, std::size_t size)
{
    if (size < 4)
        return false;
    const auto b0 = static_cast<unsigned char>(data[0]);
    const auto b1 = static_cast<unsigned char>(data[1]);
    return b0 == 0x09 && (b1 == 0x00 || b1 == 0x02 || b1 == 0x04);
}

// The stream's index in the compound document's directory, by its name in any case;
// -1 when there is none.
int workbookStreamIndex(GsfInfile* root)
{
    int book = -1;
    const int n = gsf_infile_num_children(root);
    for (int i = 0; i < n; ++i) {
        const char* name = gsf_infile_name_by_index(root, i);
        if (!name)
            continue;
        if (g_ascii_strcasecmp(name, "Workbook") == 0)
            return i;
        if (book < 0 && g_ascii_strcasecmp(name, "Book") == 0)
            book = i;
    }
    return book;
}

} // namespace

ReadResult readWorkbookBytes(const char* data, std::size_t size, const CellRequest& request)
{
    initialiseGsf();
    if (!data || size == 0)
        return failure(ReadError::NotWorkbook, "the file is empty");
    GPtr<GsfInput> input(gsf_input_memory_new(reinterpret_cast<const guint8*>(data), gsf_off_t(size), FALSE));
    if (!input)
        return failure(ReadError::NotWorkbook, "the file cannot be read as a compound document");
    GError* error = nullptr;
    GPtr<GsfInfile> root(gsf_infile_msole_new(input.get(), &error));
    if (error)
        g_error_free(error);
    if (!root) {
        if (looksLikeOldBiff(data, size))
            return failure(ReadError::Unsupported, "a BIFF2-4 workbook");
        return failure(ReadError::NotWorkbook, "not a compound document");
    }
    const int index = workbookStreamIndex(root.get());
    if (index < 0)
        return failure(ReadError::NotWorkbook, "the compound document holds no workbook stream");
    GPtr<GsfInput> stream(gsf_infile_child_by_index(root.get(), index));
    if (!stream)
        return failure(ReadError::Damaged, "the workbook stream cannot be opened");

    // a stream cannot hold more than the file around it
    const gsf_off_t length = gsf_input_size(stream.get());
    if (length < 0 || std::uint64_t(length) > size)
        return failure(ReadError::Damaged, "the workbook stream is longer than the file");
    // Read whole without a buffer of our own: libgsf hands over the file's own
    // bytes when the stream's sectors follow each other, as writers lay them
    // out, and gathers them into its buffer otherwise.
    const guint8* bytes = length > 0 ? gsf_input_read(stream.get(), std::size_t(length), nullptr) : nullptr;
    if (length > 0 && !bytes)
        return failure(ReadError::Damaged, "the workbook stream cannot be read to its end");
    return readWorkbookStream(reinterpret_cast<const char*>(bytes), std::size_t(length), request);
}

ReadResult readWorkbook(const QString& path, const CellRequest& request)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failure(ReadError::CannotOpen, "the file cannot be opened for reading");
    // the largest sheet an .xls can hold stays far below this; anything bigger is not read into memory
    constexpr qint64 kLargestFile = qint64(1) << 30;
    if (file.size() > kLargestFile)
        return failure(ReadError::Unsupported, "the file is larger than any workbook this reader reads");
    // read whole rather than mapped: a file cut short by another program while
    // mapped would bring the process down
    const QByteArray all = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return failure(ReadError::CannotOpen, "the file cannot be read to its end");
    return readWorkbookBytes(all.constData(), std::size_t(all.size()), request);
}

} // namespace tarnby::xls
