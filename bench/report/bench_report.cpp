// Times the month-end report of 1,000 employees: one month of about 81,000
// punches and 400 registrations, the whole `tarnby-cli report` process for the
// .xlsx (and the .csv and .pdf), against python3-xlsxwriter writing the same
// cells, formats, chart and attendance grid from ready results. The import
// alone and `analyse --all` are timed too, so the analysis share shows, and the
// same month with departments and week patterns in Schedules.json, grouped.
//
//   bench_report [RUNS]

#include "import/FolderImport.h"
#include "import/PunchTable.h"
#include "report/ReportAnalysis.h"
#include "report/ReportGrid.h"
#include "report/ReportPayroll.h"
#include "report/ReportWriters.h"
#include "base/TextFile.h"
#include "TestWorkbook.h"
#include "MonthOf1000.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

using bench::kEmployees;
using bench::kMonth;
using bench::kYear;
constexpr int kRegistrations = 400;
constexpr int kRowsPerWorkbook = 60000;

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// The month as the clock exports it, in workbooks of at most kRowsPerWorkbook rows.
bool writeExport(const QString& folder, int* punches)
{
    if (!QDir().mkpath(folder))
        return false;
    std::vector<tarnby::xls::test::TestWorkbook> books;
    int row = kRowsPerWorkbook + 1;
    *punches = 0;
    bench::forEachPunch([&](const bench::MonthPunch& p) {
        if (row > kRowsPerWorkbook) {
            books.emplace_back();
            books.back().text(0, 0, QStringLiteral("工号")).text(0, 1, QStringLiteral("打卡时间"));
            row = 1;
        }
        books.back().text(row, 0, bench::number(p.employee));
        books.back().number(row, 1,
                            tarnby::xls::test::TestWorkbook::serial(kYear, kMonth, p.day.day(), p.hour, p.minute,
                                                                   p.second),
                            QStringLiteral("yyyy-mm-dd hh:mm:ss"));
        ++row;
        ++*punches;
    });
    for (size_t i = 0; i < books.size(); ++i) {
        QString error;
        if (!books[i].save(QDir(folder).filePath(QStringLiteral("kq-%1.xls").arg(i + 1)), &error)) {
            std::fprintf(stderr, "cannot write the export: %s\n", qPrintable(error));
            return false;
        }
    }
    return true;
}

// The cells the report holds, as ready results for the reference writer.
QByteArray readyResults(const tarnby::report::Report& report)
{
    using namespace tarnby;
    using namespace tarnby::report;
    QJsonObject root;
    root.insert("title", report.title());
    root.insert("summaryHeaders", QJsonArray::fromStringList(allSummaryHeaders()));
    root.insert("detailHeaders", QJsonArray::fromStringList(detailHeaders()));
    root.insert("registrationHeaders", QJsonArray::fromStringList(registrationHeaders()));
    QJsonArray summary, details, registrations, notes, grid, days;
    for (const GridDay& day : report.periodDays)
        days.append(QJsonArray{dayNumberText(day.date), weekdayText(day.date), day.offDay});
    for (const EmployeeReport& e : report.employees) {
        QJsonArray row{e.employee};
        for (double v : e.values)
            row.append(v);
        row.append(fullAttendanceText(e.fullAttendance));
        row.append(yuanValue(e.fineTotal));
        row.append(e.department);
        for (double v : payrollFigures(e.extra).values())
            row.append(v);
        summary.append(row);
        const GridRow marks = gridRow(e, report.periodDays);
        QJsonArray cells, faults, counts;
        for (const std::optional<DayMarks>& m : marks.days) {
            cells.append(m ? marksText(*m) : QString());
            faults.append(m && isFault(*m));
        }
        for (int c : marks.counts)
            counts.append(c);
        grid.append(QJsonArray{e.employee, cells, faults, counts});
        for (qsizetype i = 0; i < e.rows.size(); ++i) {
            QJsonArray cells{e.employee, e.rowDates.at(i).toString(Qt::ISODate)};
            QJsonArray colors{QJsonValue()};
            for (int c = 1; c < kResultColumns; ++c) {
                cells.append(e.rows.at(i).cells[size_t(c)]);
                const CellColor& color = e.rows.at(i).colors[size_t(c)];
                colors.append(color ? QJsonValue(int(*color)) : QJsonValue());
            }
            details.append(QJsonArray{cells, colors});
        }
        for (const EmployeeRegistrationRow& r : e.registrations)
            registrations.append(QJsonArray{e.employee, r.serial, r.date, r.reason, r.method});
    }
    for (const auto& [label, value] : reportNotes(report))
        notes.append(QJsonArray{label, value});
    root.insert("summary", summary);
    root.insert("details", details);
    root.insert("registrations", registrations);
    root.insert("notes", notes);
    root.insert("grid", grid);
    root.insert("days", days);
    root.insert("gridTitle", gridTitle(report));
    root.insert("legend", gridLegend());
    root.insert("signers", signersText(report));
    return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

// Schedules.json giving the employees ten departments, a hundred each.
bool writeDepartments(const QString& home)
{
    QStringList employees;
    for (int n = 1; n <= kEmployees; ++n)
        employees.append(QStringLiteral("{\"number\": \"%1\", \"department\": \"部门%2\"}")
                             .arg(bench::number(n))
                             .arg((n - 1) / 100 + 1));
    QFile file(QDir(home).filePath(QStringLiteral("Schedules.json")));
    return file.open(QIODevice::WriteOnly)
           && file.write(QStringLiteral("{\"version\": 1, \"shifts\": [], \"employees\": [\n%1]}")
                             .arg(employees.join(QStringLiteral(",\n")))
                             .toUtf8())
                  > 0;
}

QString loadAverage()
{
    QFile f(QStringLiteral("/proc/loadavg"));
    return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()).section(u' ', 0, 2) : QStringLiteral("?");
}

double runProcess(const QString& program, const QStringList& args, QByteArray* out = nullptr)
{
    QProcess p;
    QElapsedTimer timer;
    timer.start();
    p.start(program, args);
    if (!p.waitForFinished(600000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        std::fprintf(stderr, "%s failed: %s\n", qPrintable(program), p.readAllStandardError().constData());
        return -1;
    }
    const double seconds = timer.nsecsElapsed() / 1e9;
    if (out)
        *out = p.readAllStandardOutput();
    return seconds;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int runs = std::max(1, app.arguments().value(1, QStringLiteral("5")).toInt());
    const QString folder = QStringLiteral(TARNBY_BENCH_DATA);
    int punches = 0;
    if (tarnby::listWorkbooks(folder).isEmpty()) {
        std::printf("writing the export to %s ...\n", qPrintable(folder));
        if (!writeExport(folder, &punches))
            return 1;
    }
    QTemporaryDir home;
    QTemporaryDir bare; // the same program folder without registrations
    QTemporaryDir grouped; // with registrations and ten departments
    QTemporaryDir out;
    if (!home.isValid() || !bare.isValid() || !grouped.isValid() || !out.isValid()
        || !bench::writeHome(home.path(), kRegistrations) || !bench::writeHome(bare.path(), 0)
        || !bench::writeHome(grouped.path(), kRegistrations) || !writeDepartments(grouped.path())) {
        std::fprintf(stderr, "cannot lay out the program folder\n");
        return 1;
    }

    const QStringList period = {QStringLiteral("--home"), home.path(), QStringLiteral("--folder"), folder,
                                QStringLiteral("--year"), QString::number(kYear), QStringLiteral("--month"),
                                QString::number(kMonth), QStringLiteral("--style"), QStringLiteral("1")};
    const QString cli = QStringLiteral(TARNBY_CLI);
    auto timeCli = [&](const QStringList& args) {
        std::vector<double> seconds;
        for (int r = 0; r < runs; ++r) {
            const double s = runProcess(cli, args);
            if (s < 0)
                return -1.0;
            seconds.push_back(s);
        }
        return median(seconds);
    };
    const QString xlsx = QDir(out.path()).filePath(QStringLiteral("report.xlsx"));
    const double importOnly = timeCli(QStringList{QStringLiteral("import"), QStringLiteral("--home"), home.path(), folder});
    const double analyse = timeCli(QStringList{QStringLiteral("analyse")} + period + QStringList{QStringLiteral("--all")});
    const double report = timeCli(QStringList{QStringLiteral("report")} + period + QStringList{QStringLiteral("--output"), xlsx});
    const double csv = timeCli(QStringList{QStringLiteral("report")} + period
                               + QStringList{QStringLiteral("--output"), QDir(out.path()).filePath(QStringLiteral("report.csv"))});
    const double pdf = timeCli(QStringList{QStringLiteral("report")} + period
                               + QStringList{QStringLiteral("--output"), QDir(out.path()).filePath(QStringLiteral("report.pdf"))});
    QStringList barePeriod = period;
    barePeriod[1] = bare.path();
    const double reportBare = timeCli(QStringList{QStringLiteral("report")} + barePeriod + QStringList{QStringLiteral("--output"), xlsx});
    QStringList groupedPeriod = period;
    groupedPeriod[1] = grouped.path();
    const QStringList byDepartment = {QStringLiteral("--by-department"), QStringLiteral("--prepared-by"),
                                      QStringLiteral("王会计"), QStringLiteral("--checked-by"), QStringLiteral("李经理")};
    const double xlsxGrouped = timeCli(QStringList{QStringLiteral("report")} + groupedPeriod + byDepartment
                                       + QStringList{QStringLiteral("--output"), xlsx});
    const double pdfGrouped = timeCli(QStringList{QStringLiteral("report")} + groupedPeriod + byDepartment
                                      + QStringList{QStringLiteral("--output"),
                                                    QDir(out.path()).filePath(QStringLiteral("grouped.pdf"))});
    if (importOnly < 0 || analyse < 0 || report < 0 || csv < 0 || pdf < 0 || reportBare < 0 || xlsxGrouped < 0
        || pdfGrouped < 0)
        return 1;

    // The ready results for the reference, built in this process as the command builds them.
    tarnby::PunchTable table;
    if (tarnby::ReadFolderRecords(home.path(), folder, table).kind != tarnby::ImportOutcome::Kind::Read)
        return 1;
    tarnby::report::ReportSetting setting;
    setting.period.style = tarnby::kMonthStartStyle;
    setting.period.start = tarnby::MonthKey{kYear, kMonth};
    setting.dataFolder = folder;
    QElapsedTimer inProcess;
    inProcess.start();
    const tarnby::report::ReportBuild build =
        tarnby::report::buildReport(home.path(), table, tarnby::FillAnalysisPicker(home.path(), table).value(), setting);
    const double buildSeconds = inProcess.nsecsElapsed() / 1e9;
    if (!build.ok())
        return 1;
    qsizetype detailRows = 0;
    int registrationRows = 0;
    for (const auto& e : build.report.employees) {
        detailRows += e.rows.size();
        registrationRows += int(e.registrations.size());
    }
    std::vector<double> writerSeconds;
    for (int r = 0; r < runs; ++r) {
        QElapsedTimer timer;
        timer.start();
        if (!tarnby::report::writeXlsx(build.report, QDir(out.path()).filePath(QStringLiteral("in-process.xlsx"))).ok())
            return 1;
        writerSeconds.push_back(timer.nsecsElapsed() / 1e9);
    }
    const double writer = median(writerSeconds);
    const QString ready = QDir(out.path()).filePath(QStringLiteral("ready.json"));
    {
        QFile f(ready);
        if (!f.open(QIODevice::WriteOnly) || f.write(readyResults(build.report)) < 0)
            return 1;
    }
    QByteArray reference;
    if (runProcess(QStringLiteral(TARNBY_PYTHON3),
                   {QStringLiteral(TARNBY_XLSXWRITER_SCRIPT), ready, QDir(out.path()).filePath(QStringLiteral("python.xlsx")),
                    QString::number(runs)},
                   &reference)
        < 0)
        return 1;
    const double python = reference.trimmed().toDouble();

    std::printf("export:                 %s (%lld workbooks%s)\n", qPrintable(folder),
                static_cast<long long>(tarnby::listWorkbooks(folder).size()),
                punches ? qPrintable(QStringLiteral(", %1 punches written").arg(punches)) : "");
    std::printf("records:                %d; employees %lld; registrations %d (%d listed in the report)\n", table.size(),
                static_cast<long long>(build.report.employees.size()), kRegistrations, registrationRows);
    std::printf("cells:                  汇总 %lld rows, 明细 %lld rows, 登记 %d rows\n",
                static_cast<long long>(build.report.employees.size()), static_cast<long long>(detailRows),
                registrationRows);
    std::printf("tarnby-cli import:      %.0f ms (median of %d, whole process)\n", importOnly * 1e3, runs);
    std::printf("tarnby-cli analyse:     %.0f ms (median of %d, --all, whole process)\n", analyse * 1e3, runs);
    std::printf("tarnby-cli report xlsx: %.0f ms (median of %d, whole process)\n", report * 1e3, runs);
    std::printf("tarnby-cli report csv:  %.0f ms\n", csv * 1e3);
    std::printf("tarnby-cli report pdf:  %.0f ms (median of %d, whole process; summary, grid, a card per employee)\n",
                pdf * 1e3, runs);
    std::printf("by department:          xlsx %.0f ms, pdf %.0f ms (ten departments in Schedules.json, --by-department, "
                "signers; median of %d)\n",
                xlsxGrouped * 1e3, pdfGrouped * 1e3, runs);
    std::printf("analysis in process:    %.0f ms (buildReport: every employee, gathering included)\n", buildSeconds * 1e3);
    std::printf("python3-xlsxwriter:     %.0f ms (median of %d, writing the same cells from ready results)\n",
                python * 1e3, runs);
    std::printf("tarnby-cli report xlsx: %.0f ms without registrations (median of %d, whole process)\n", reportBare * 1e3,
                runs);
    std::printf("xlsx writer in process: %.0f ms (median of %d, writeXlsx from the built report)\n", writer * 1e3, runs);
    std::printf("goals:                  xlsx %s 1 s, pdf %s 3 s; load average %s\n", report < 1.0 ? "under" : "OVER",
                pdf < 3.0 ? "under" : "OVER", qPrintable(loadAverage()));
    std::printf("speed-up, whole report: %.2fx (python3-xlsxwriter / whole tarnby-cli report, 400 registrations)\n",
                python / report);
    std::printf("speed-up, no regs:      %.2fx (python3-xlsxwriter / whole tarnby-cli report, no registrations)\n",
                python / reportBare);
    std::printf("speed-up, writer:       %.1fx (python3-xlsxwriter / writeXlsx, same cells)\n", python / writer);
    std::printf("analysis share:         %.0f%% of the report process (buildReport / report)\n",
                100.0 * buildSeconds / report);
    return 0;
}
