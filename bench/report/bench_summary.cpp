// Times the window's all-employee summary for 1,000 employees: one month of
// about 81,000 punches, from the click that starts it to the table and the
// chart painted, with 400 registrations and without. The reference in the same
// run is the core alone (buildReport on the calling thread), so the figures
// show what the dialog adds to the analysis.
//
//   QT_QPA_PLATFORM=offscreen bench_summary [RUNS]

#include "MonthOf1000.h"
#include "base/TextFile.h"
#include "import/FolderImport.h"
#include "import/PunchTable.h"
#include "report/ReportAnalysis.h"
#include "report/ui/SummaryDialog.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

using bench::kMonth;
using bench::kYear;

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// The month as the window holds it after a read.
tarnby::PunchTable monthOfPunches()
{
    tarnby::PunchTable table;
    bench::forEachPunch([&table](const bench::MonthPunch& p) {
        table.append({bench::number(p.employee), p.day.toString(QStringLiteral("yyyy-MM-dd")),
                      QStringLiteral("%1:%2:%3")
                          .arg(p.hour, 2, 10, QLatin1Char('0'))
                          .arg(p.minute, 2, 10, QLatin1Char('0'))
                          .arg(p.second, 2, 10, QLatin1Char('0'))});
    });
    return table;
}

struct Figures {
    double window = 0; // click to table and chart painted
    double core = 0;   // buildReport alone
    int employees = 0;
};

Figures measure(const QString& home, const tarnby::PunchTable& table, int runs)
{
    using namespace tarnby;
    const QList<PickerEntry> entries = FillAnalysisPicker(home, table).value();
    report::ReportSetting setting;
    setting.period.style = kMonthStartStyle;
    setting.period.start = MonthKey{kYear, kMonth};
    std::vector<double> window, core;
    Figures f;
    for (int r = 0; r < runs; ++r) {
        QElapsedTimer timer;
        timer.start();
        const report::ReportBuild build = report::buildReport(home, table, entries, setting);
        core.push_back(timer.nsecsElapsed() / 1e9);
        if (!build.ok())
            return {};

        ui::SummaryDialog dialog;
        dialog.show();
        QCoreApplication::processEvents();
        QEventLoop loop;
        QObject::connect(&dialog, &ui::SummaryDialog::buildEnded, &loop, &QEventLoop::quit);
        timer.restart();
        dialog.start(home, table, entries, setting);
        loop.exec();
        dialog.repaint();
        dialog.table->viewport()->repaint();
        QCoreApplication::processEvents();
        window.push_back(timer.nsecsElapsed() / 1e9);
        f.employees = int(dialog.report().employees.size());
    }
    f.window = median(window);
    f.core = median(core);
    return f;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const int runs = std::max(1, app.arguments().value(1, QStringLiteral("5")).toInt());
    QTemporaryDir withRegistrations, bare;
    if (!withRegistrations.isValid() || !bare.isValid() || !bench::writeHome(withRegistrations.path(), 400)
        || !bench::writeHome(bare.path(), 0)) {
        std::fprintf(stderr, "cannot lay out the program folder\n");
        return 1;
    }
    const tarnby::PunchTable table = monthOfPunches();
    const Figures plain = measure(bare.path(), table, runs);
    const Figures registered = measure(withRegistrations.path(), table, runs);
    if (plain.employees == 0 || registered.employees == 0) {
        std::fprintf(stderr, "the summary failed\n");
        return 1;
    }
    std::printf("punches:                 %d, employees %d, one month\n", table.size(), plain.employees);
    std::printf("summary, no registrations:  %.0f ms click to painted table (median of %d); core alone %.0f ms; "
                "window share %.0f%%\n",
                plain.window * 1e3, runs, plain.core * 1e3, 100.0 * (plain.window - plain.core) / plain.window);
    std::printf("summary, 400 registrations: %.0f ms click to painted table (median of %d); core alone %.0f ms; "
                "window share %.0f%%\n",
                registered.window * 1e3, runs, registered.core * 1e3,
                100.0 * (registered.window - registered.core) / registered.window);
    std::printf("target 500 ms: %s without registrations, %s with them\n", plain.window < 0.5 ? "met" : "missed",
                registered.window < 0.5 ? "met" : "missed");
    return 0;
}
