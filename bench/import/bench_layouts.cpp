// Times the folder read of a clock's monthly grid workbook of 96,000 punches
// against the read of the same punches one per row at the configured cells,
// both .xlsx, in one run: the grid is read once at the configured cells (the
// summary sheet holds no punch there), then whole, every sheet, and detected.
//
//   bench_layouts

#include "BenchHome.h"
#include "LayoutTwins.h"
#include "import/FolderImport.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kEmployees = 1000;
constexpr int kRuns = 7;

// 1,000 employees over 2024/12/16 ~ 01/15: three punches a day, four on the
// first three days: 96,000 punches.
layouttest::Punches month()
{
    layouttest::Punches days;
    const QDate first(2024, 12, 16);
    for (int e = 0; e < kEmployees; ++e) {
        for (int d = 0; d < 31; ++d) {
            QList<QTime> times{QTime(7, (e + d) % 60), QTime(12, (e * 7 + d) % 60), QTime(17, (e * 3 + d) % 60)};
            if (d < 3)
                times << QTime(21, d * 10);
            days.append({QStringLiteral("%1").arg(e + 1, 5, 10, QChar(u'0')), QStringLiteral("员工%1").arg(e + 1),
                         first.addDays(d), times});
        }
    }
    return days;
}

struct Timing {
    double milliseconds = 0;
    int records = 0;
    QList<tarnby::Punch> punches;
};

Timing timeRead(const QString& home, const QString& folder)
{
    std::vector<double> runs;
    Timing t;
    for (int run = 0; run < kRuns; ++run) {
        tarnby::PunchTable table;
        QElapsedTimer timer;
        timer.start();
        const tarnby::ImportOutcome out = tarnby::ReadFolderRecords(home, folder, table);
        runs.push_back(timer.nsecsElapsed() / 1e6);
        if (out.kind != tarnby::ImportOutcome::Kind::Read)
            std::fprintf(stderr, "read failed: %s\n", qPrintable(out.text));
        t.records = table.size();
        if (run == 0)
            t.punches = table.records();
    }
    std::sort(runs.begin(), runs.end());
    t.milliseconds = runs[runs.size() / 2];
    return t;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString grid = dir.filePath(QStringLiteral("grid")), rows = dir.filePath(QStringLiteral("rows"));
    if (!dir.isValid() || !QDir().mkpath(grid) || !QDir().mkpath(rows) || !bench::writeImportHome(dir.path(), QStringLiteral("A2B2"))) {
        std::fprintf(stderr, "cannot lay out %s\n", qPrintable(dir.path()));
        return 1;
    }
    std::printf("generating the grid and its one-row-per-punch twin ...\n");
    const layouttest::Punches days = month();
    layouttest::write(layouttest::grid(days, QDate(2024, 12, 16), QDate(2025, 1, 15)), layouttest::Format::Xlsx,
                      QDir(grid).filePath(QStringLiteral("grid.xlsx")));
    layouttest::write(layouttest::twin(days), layouttest::Format::Xlsx, QDir(rows).filePath(QStringLiteral("rows.xlsx")));

    const Timing configured = timeRead(dir.path(), rows);
    const Timing detected = timeRead(dir.path(), grid);
    const double ratio = detected.milliseconds / configured.milliseconds;
    std::printf("records:             grid %d, one per row %d, same punches: %s\n", detected.records, configured.records,
                detected.punches == configured.punches ? "yes" : "NO");
    std::printf("one per row (.xlsx): %.1f ms (median of %d, configured cells)\n", configured.milliseconds, kRuns);
    std::printf("monthly grid (.xlsx): %.1f ms (median of %d, configured try, whole read, detection)\n",
                detected.milliseconds, kRuns);
    std::printf("grid / one per row:  %.2fx (aim: at most 1.5x)\n", ratio);
    return detected.punches == configured.punches ? 0 : 1;
}
