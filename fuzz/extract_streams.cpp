// extract_streams OUTDIR FILE...: writes the Workbook or Book stream of each
// compound document to OUTDIR, named after the file, for the fuzzer's seed corpus.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gsf/gsf-infile-msole.h>
#include <gsf/gsf-infile.h>
#include <gsf/gsf-input-memory.h>
#include <gsf/gsf-utils.h>

#include <cstdio>

namespace {

QByteArray workbookStream(const QByteArray& file)
{
    GsfInput* input = gsf_input_memory_new(reinterpret_cast<const guint8*>(file.constData()), file.size(), FALSE);
    GsfInfile* root = gsf_infile_msole_new(input, nullptr);
    QByteArray bytes;
    if (root) {
        for (int i = 0; i < gsf_infile_num_children(root); ++i) {
            const char* name = gsf_infile_name_by_index(root, i);
            if (!name || (g_ascii_strcasecmp(name, "Workbook") != 0 && g_ascii_strcasecmp(name, "Book") != 0))
                continue;
            GsfInput* child = gsf_infile_child_by_index(root, i);
            const gsf_off_t size = gsf_input_size(child);
            if (size > 0 && size <= file.size()) {
                bytes.resize(qsizetype(size));
                if (!gsf_input_read(child, std::size_t(size), reinterpret_cast<guint8*>(bytes.data())))
                    bytes.clear();
            }
            g_object_unref(child);
            break;
        }
        g_object_unref(root);
    }
    g_object_unref(input);
    return bytes;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: extract_streams OUTDIR FILE...\n");
        return 2;
    }
    gsf_init();
    const QDir out(QString::fromLocal8Bit(argv[1]));
    int written = 0;
    for (int i = 2; i < argc; ++i) {
        QFile file(QString::fromLocal8Bit(argv[i]));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QByteArray stream = workbookStream(file.readAll());
        if (stream.isEmpty())
            continue;
        const QFileInfo info(file.fileName());
        QFile seed(out.filePath(info.dir().dirName() + QLatin1Char('-') + info.fileName() + QStringLiteral(".biff")));
        if (seed.open(QIODevice::WriteOnly) && seed.write(stream) == stream.size())
            ++written;
    }
    std::printf("%d streams written\n", written);
    return 0;
}
