// Times the window's all-employee summary for 1,000 employees: one month of
// about 81,000 punches, from the click that starts it to the table and the
// chart painted, with 400 registrations and without. The reference in the same
// run is the core alone (buildReport on the calling thread), so the figures
// show what the dialog adds to the analysis.
//
//   QT_QPA_PLATFORM=offscreen bench_summary [RUNS]

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
#include <random>
#include <vector>

namespace {

constexpr int kEmployees = 1000;
constexpr int kYear = 2026;
constexpr int kMonth = 11;

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

QString number(int n)
{
    return QStringLiteral("%1").arg(n, 4, 10, QLatin1Char('0'));
}

// Four punches a working day, a few missed or late, as the clock exports them.
tarnby::PunchTable monthOfPunches()
{
    std::mt19937 rng(81000);
    struct Slot {
        int hour;
        int from;
        int spread;
    };
    const Slot shifts[] = {{8, 0, 40}, {12, 0, 8}, {13, 30, 35}, {17, 0, 50}};
    tarnby::PunchTable table;
    for (int n = 1; n <= kEmployees; ++n) {
        for (QDate day(kYear, kMonth, 1); day.month() == kMonth; day = day.addDays(1)) {
            if (day.dayOfWeek() > 5)
                continue;
            for (const Slot& s : shifts) {
                if (rng() % 100 < 4)
                    continue;
                const int minute = s.from + int(rng() % unsigned(s.spread + 1));
                table.append({number(n), day.toString(QStringLiteral("yyyy-MM-dd")),
                              QStringLiteral("%1:%2:%3")
                                  .arg(s.hour + minute / 60, 2, 10, QLatin1Char('0'))
                                  .arg(minute % 60, 2, 10, QLatin1Char('0'))
                                  .arg(int(rng() % 60u), 2, 10, QLatin1Char('0'))});
            }
        }
    }
    return table;
}

bool writeHome(const QString& home, int registrations)
{
    QStringList init{QStringLiteral("[A2B2] 数据读取位置"), QStringLiteral(";+ 员工编号,姓名")};
    for (int n = 1; n <= kEmployees; ++n)
        init.append(QStringLiteral("%1,员工%2").arg(number(n)).arg(n));
    init += {QStringLiteral(";#"), QStringLiteral(";="), QStringLiteral("083012001400170020302230090017002130"),
             QStringLiteral(";*"), QStringLiteral(";;")};
    if (!tarnby::textfile::writeLines(QDir(home).filePath(QStringLiteral("Init.ini")), init).ok()
        || !QDir(home).mkpath(QStringLiteral("SrDate")))
        return false;
    std::mt19937 rng(400);
    const QStringList handling = {QStringLiteral("病假1天"),   QStringLiteral("事假0.5天"), QStringLiteral("不计迟到1次"),
                                  QStringLiteral("不计漏打1次"), QStringLiteral("处罚50元"),  QStringLiteral("处罚一百元"),
                                  QStringLiteral("不计旷工1天")};
    QStringList lines;
    for (int i = 0; i < registrations; ++i) {
        const int n = 1 + int(rng() % kEmployees);
        const int day = 1 + int(rng() % 30u);
        lines.append(QStringLiteral("%1##%2月%3日##员工%4##事由%5##%6")
                         .arg(number(n))
                         .arg(kMonth, 2, 10, QLatin1Char('0'))
                         .arg(day, 2, 10, QLatin1Char('0'))
                         .arg(n)
                         .arg(i)
                         .arg(handling.at(int(rng() % unsigned(handling.size())))));
    }
    return tarnby::textfile::writeLines(QDir(home).filePath(QStringLiteral("SrDate/%1%2.ydj").arg(kYear).arg(kMonth)), lines)
        .ok();
}

struct Figures {
    double window = 0; // click to table and chart painted
    double core = 0;   // buildReport alone
    int employees = 0;
};

Figures measure(const QString& home, const tarnby::PunchTable& table, int runs)
{
    using namespace tarnby;
    const QStringList entries = FillAnalysisPicker(home, table).value();
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
    if (!withRegistrations.isValid() || !bare.isValid() || !writeHome(withRegistrations.path(), 400)
        || !writeHome(bare.path(), 0)) {
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
