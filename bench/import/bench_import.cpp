// Times the folder read and the picker on a 96,000-punch export against the
// same read done by python3-xlrd, and reports the memory the read needs.
//
//   bench_import [FOLDER]
// Without FOLDER the export is generated once under the build folder.

#include "import/FolderImport.h"
#include "BenchHome.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <malloc.h>
#include <sys/resource.h>
#include <vector>

namespace {

const QString kPosition = QStringLiteral("A2B2");

long peakRssKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

std::size_t heapInUse()
{
    return mallinfo2().uordblks;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

bool runScript(const QStringList& args, QString* out)
{
    QProcess p;
    p.start(QStringLiteral(TARNBY_PYTHON3), QStringList{QStringLiteral(TARNBY_XLRD_SCRIPT)} + args);
    if (!p.waitForFinished(-1) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        std::fprintf(stderr, "%s\n", p.readAllStandardError().constData());
        return false;
    }
    *out = QString::fromUtf8(p.readAllStandardOutput());
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QString folder = app.arguments().value(1);
    if (folder.isEmpty()) {
        folder = QStringLiteral(TARNBY_BENCH_DATA);
        if (tarnby::listWorkbooks(folder).isEmpty()) {
            std::printf("generating the export in %s ...\n", qPrintable(folder));
            QString ignored;
            if (!runScript({QStringLiteral("make"), folder}, &ignored))
                return 1;
        }
    }

    QTemporaryDir home;
    if (!home.isValid() || !bench::writeImportHome(home.path(), kPosition)) {
        std::fprintf(stderr, "cannot write Init.ini\n");
        return 1;
    }

    // The first run alone decides the peak: nothing before it has touched
    // workbook-sized memory.
    const long rssBefore = peakRssKiB();
    std::vector<double> seconds;
    std::size_t tableBytes = 0;
    long rssPeak = 0;
    tarnby::PunchTable table;
    QList<tarnby::PickerEntry> picker;
    for (int run = 0; run < 5; ++run) {
        table.clear();
        const std::size_t heapBefore = heapInUse();
        QElapsedTimer timer;
        timer.start();
        const tarnby::ImportOutcome out = tarnby::ReadFolderRecords(home.path(), folder, table);
        if (out.kind != tarnby::ImportOutcome::Kind::Read) {
            std::fprintf(stderr, "read failed: %s\n", qPrintable(out.text));
            return 1;
        }
        picker = tarnby::FillAnalysisPicker(home.path(), table).value();
        seconds.push_back(timer.nsecsElapsed() / 1e9);
        if (run == 0) {
            rssPeak = peakRssKiB();
            tableBytes = heapInUse() - heapBefore;
        }
    }
    const double ours = median(seconds);

    QStringList printed;
    for (const tarnby::Punch& punch : table.records())
        printed.append(punch.text());
    const QString joined = printed.join(u'\n');
    const QByteArray sha1 = QCryptographicHash::hash(joined.toUtf8(), QCryptographicHash::Sha1).toHex();

    QString reference;
    if (!runScript({QStringLiteral("read"), folder, kPosition}, &reference))
        return 1;
    const QStringList lines = reference.split(u'\n', Qt::SkipEmptyParts);
    const double xlrd = lines.value(0).toDouble();
    const bool same = lines.value(1).toInt() == table.size() && lines.value(2).toLatin1() == sha1;

    std::printf("folder:            %s (%lld workbooks)\n", qPrintable(folder),
                static_cast<long long>(tarnby::listWorkbooks(folder).size()));
    std::printf("records:           %d, picker entries: %lld\n", table.size(), static_cast<long long>(picker.size()));
    std::printf("tarnby import:     %.1f ms (median of 5, read + picker)\n", ours * 1e3);
    std::printf("python3-xlrd:      %.1f ms (median of 5, same cells, same rules)\n", xlrd * 1e3);
    std::printf("speed-up:          %.1fx\n", xlrd / ours);
    std::printf("same table:        %s\n", same ? "yes" : "NO");
    std::printf("table in memory:   %.1f MB (heap held by the punch table)\n", tableBytes / 1048576.0);
    std::printf("import peak:       %.1f MB (peak resident growth during the first read)\n",
                (rssPeak - rssBefore) / 1024.0);
    return same ? 0 : 1;
}
