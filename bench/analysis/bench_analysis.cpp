// Times `analyse --all` on a 96,000-punch export: the folder read with the
// picker, then the analysis of every picker entry for a mid-month period,
// in the clock's order and with the same records sorted by time across
// employees (every employee's punches then come in hundreds of runs), the
// latter also with every row explained; then all again with 400 registrations
// in the period. One run, so the figures compare.
// Then a month of 1,000 employees judged by shifts (a third on night shifts
// across midnight, every employee on the month's roster) beside the same
// punches judged without Schedules.json and rosters, in the same run.
//
//   bench_analysis [FOLDER]
// Without FOLDER an export shaped like the clock's is written once under the
// build folder: four monthly workbooks of 24,000 punches, 320 employees
// exported one after another, four punches a working day (a few missed),
// numbers as numbers for odd employees and as "0007" texts for even ones.

#include "analysis/Analysis.h"
#include "import/FolderImport.h"
#include "import/PunchTable.h"
#include "base/TextFile.h"
#include "settings/Registration.h"
#include "TestWorkbook.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <random>
#include <tuple>
#include <vector>

namespace {

constexpr int kEmployees = 320;
constexpr int kRowsPerWorkbook = 24000;
constexpr int kYear = 2026;

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

bool writeExport(const QString& folder)
{
    if (!QDir().mkpath(folder))
        return false;
    std::mt19937 rng(96000);
    struct Slot {
        int hour;
        int spread; // minutes after the hour
    };
    const Slot shifts[] = {{8, 30}, {12, 8}, {13, 50}, {17, 40}};
    for (int month = 1; month <= 4; ++month) {
        tarnby::xls::test::TestWorkbook book;
        book.text(0, 0, QStringLiteral("工号")).text(0, 1, QStringLiteral("打卡时间"));
        int row = 1;
        for (int number = 1; number <= kEmployees && row <= kRowsPerWorkbook; ++number) {
            for (QDate day(kYear, month, 1); day.month() == month && row <= kRowsPerWorkbook; day = day.addDays(1)) {
                if (day.dayOfWeek() > 5)
                    continue;
                for (const Slot& s : shifts) {
                    if (rng() % 100 < 3)
                        continue;
                    const int minute = int(rng() % unsigned(s.spread + 1));
                    const int second = int(rng() % 60u);
                    if (number % 2)
                        book.number(row, 0, number);
                    else
                        book.text(row, 0, QStringLiteral("%1").arg(number, 4, 10, QLatin1Char('0')));
                    book.number(row, 1,
                                tarnby::xls::test::TestWorkbook::serial(kYear, month, day.day(), s.hour + minute / 60,
                                                                       minute % 60, second),
                                QStringLiteral("yyyy-mm-dd hh:mm:ss"));
                    if (++row > kRowsPerWorkbook)
                        break;
                }
            }
        }
        QString error;
        if (!book.save(QDir(folder).filePath(QStringLiteral("export-%1-%2.xls").arg(kYear).arg(month, 2, 10, QLatin1Char('0'))),
                       &error)) {
            std::fprintf(stderr, "cannot write the export: %s\n", qPrintable(error));
            return false;
        }
    }
    return true;
}

bool writeHome(const QString& home, int employees = kEmployees)
{
    QStringList init{QStringLiteral("[A2B2] 数据读取位置"), QStringLiteral(";+ 员工编号,姓名")};
    for (int n = 1; n <= employees; ++n)
        init.append(QStringLiteral("%1,员工%2").arg(n, 4, 10, QLatin1Char('0')).arg(n));
    init += {QStringLiteral(";#"), QStringLiteral(";="), QStringLiteral("083012001400170020302230090017002130"),
             QStringLiteral(";*"), QStringLiteral(";;")};
    return tarnby::textfile::writeLines(QDir(home).filePath(QStringLiteral("Init.ini")), init).ok()
           && QDir(home).mkpath(QStringLiteral("SrDate"));
}

// 400 registrations spread over the period 16 January - 15 February: one for
// every employee in turn, a few for everybody.
bool writeRegistrations(const QString& home)
{
    std::mt19937 rng(400);
    const QStringList methods = {QStringLiteral("不计漏打1次"), QStringLiteral("不计迟到1次"),
                                 QStringLiteral("病假0.5天"), QStringLiteral("处罚5元")};
    QList<tarnby::Registration> january;
    QList<tarnby::Registration> february;
    for (int i = 0; i < 400; ++i) {
        tarnby::Registration r;
        r.number = i % 50 == 0 ? tarnby::kAllEmployeesNumber
                               : QStringLiteral("%1").arg(1 + int(rng() % kEmployees), 4, 10, QLatin1Char('0'));
        const bool first = i % 2 == 0;
        const int day = first ? 16 + int(rng() % 16) : 1 + int(rng() % 15);
        r.date = QStringLiteral("%1月%2日").arg(first ? 1 : 2, 2, 10, QLatin1Char('0')).arg(day, 2, 10, QLatin1Char('0'));
        r.name = QStringLiteral("员工");
        r.reason = QStringLiteral("登记%1").arg(i);
        r.method = methods.at(i % methods.size());
        (first ? january : february).append(r);
    }
    return tarnby::registrationfile::save(home, tarnby::MonthKey{kYear, 1}, january).ok()
           && tarnby::registrationfile::save(home, tarnby::MonthKey{kYear, 2}, february).ok();
}

// Processor seconds of this process: on a machine shared with other work the
// wall clock measures the others too.
double processorSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + t.tv_nsec / 1e9;
}

struct AnalysisTimes {
    double all = 0;     // median seconds of the whole --all run
    double processor = 0; // median processor seconds of it
    double slowest = 0; // median seconds of the slowest entry
    qsizetype rows = 0;
};

// The --all run `runs` times over: the request gathered, every picker entry analysed.
bool timeAnalysis(const QString& home, const tarnby::PunchTable& table, const QList<tarnby::PickerEntry>& picker,
                  const tarnby::AnalysisSetting& setting, AnalysisTimes* times, int runs = 5)
{
    std::vector<double> analysisSeconds;
    std::vector<double> processor;
    std::vector<double> slowestEntrySeconds;
    for (int run = 0; run < runs; ++run) {
        const double processorStart = processorSeconds();
        QElapsedTimer timer;
        timer.start();
        auto request = tarnby::gatherRequest(home, table, setting);
        if (!request) {
            std::fprintf(stderr, "%s\n", qPrintable(request.error()));
            return false;
        }
        times->rows = 0;
        qint64 slowest = 0;
        for (const tarnby::PickerEntry& entry : picker) {
            const qint64 start = timer.nsecsElapsed();
            tarnby::AnalysisRequest one = request.value();
            one.employee = entry;
            const auto result = tarnby::AnalyseTimeMode1(one);
            if (!result) {
                std::fprintf(stderr, "%s\n", qPrintable(result.error()));
                return false;
            }
            times->rows += result->rows.size();
            slowest = std::max(slowest, timer.nsecsElapsed() - start);
        }
        analysisSeconds.push_back(timer.nsecsElapsed() / 1e9);
        processor.push_back(processorSeconds() - processorStart);
        slowestEntrySeconds.push_back(slowest / 1e9);
    }
    times->all = median(analysisSeconds);
    times->processor = median(processor);
    times->slowest = median(slowestEntrySeconds);
    return true;
}

// The records as an export sorted by time across employees lists them: one
// run per punch for most employees.
tarnby::PunchTable sortedByTime(const tarnby::PunchTable& table)
{
    QList<tarnby::Punch> records = table.records();
    std::stable_sort(records.begin(), records.end(), [](const tarnby::Punch& a, const tarnby::Punch& b) {
        return std::tie(a.dateText, a.timeText) < std::tie(b.dateText, b.timeText);
    });
    // Fresh texts, laid out in the new order as a read of such an export lays them out.
    auto fresh = [](const QString& text) { return QString(text.constData(), text.size()); };
    tarnby::PunchTable out;
    for (const tarnby::Punch& p : records)
        out.append({fresh(p.number), fresh(p.dateText), fresh(p.timeText)});
    return out;
}

// How many runs of consecutive records of one number the table holds.
qsizetype runsOf(const tarnby::PunchTable& table)
{
    qsizetype runs = 0;
    QString previous;
    for (const tarnby::Punch& p : table.records()) {
        if (runs == 0 || p.number != previous)
            ++runs;
        previous = p.number;
    }
    return runs;
}

constexpr int kShiftEmployees = 1000;
constexpr int kShiftMonth = 11;

bool nightWorker(int n)
{
    return n % 3 == 0;
}

// Whether employee n works on day d of the month: day staff Monday to Friday,
// night staff five nights on and two off, each group starting on another day.
bool worksOn(int n, const QDate& day)
{
    if (!nightWorker(n))
        return day.dayOfWeek() <= 5;
    return (day.day() + n) % 7 < 5;
}

// The month's punches: 08:00 12:00 13:30 17:30 by day, 20:00 and 08:00 of the
// next morning by night, each a few minutes either way.
tarnby::PunchTable shiftMonth()
{
    std::mt19937 rng(1000);
    tarnby::PunchTable table;
    auto punch = [&](int n, const QDate& day, int minute) {
        const QDate date = day.addDays(minute / 1440);
        minute %= 1440;
        table.append({QStringLiteral("%1").arg(n, 4, 10, QLatin1Char('0')), date.toString(Qt::ISODate),
                      QStringLiteral("%1:%2:%3")
                          .arg(minute / 60, 2, 10, QLatin1Char('0'))
                          .arg(minute % 60, 2, 10, QLatin1Char('0'))
                          .arg(int(rng() % 60u), 2, 10, QLatin1Char('0'))});
    };
    for (int n = 1; n <= kShiftEmployees; ++n) {
        for (QDate day(kYear, kShiftMonth, 1); day.month() == kShiftMonth; day = day.addDays(1)) {
            if (!worksOn(n, day))
                continue;
            const QList<int> times = nightWorker(n) ? QList<int>{1195, 1440 + 480} : QList<int>{475, 720, 810, 1050};
            for (int t : times)
                punch(n, day, t + int(rng() % 16u));
        }
    }
    return table;
}

// Schedules.json with a day and a night shift and each employee's week, and
// the month's roster naming every day of every employee.
bool writeShifts(const QString& home)
{
    const QByteArray schedules = R"({"version": 1, "shifts": [
      {"name": "白班", "times": ["08:00","12:00","13:30","17:30"], "overtime": ["19:30","21:30"], "grace": 5},
      {"name": "夜班", "times": ["20:00","08:00"], "overtime": ["10:00"], "dayStart": "12:00", "grace": 5, "earlyLeave": 30}],
      "employees": [)";
    QStringList employees;
    QStringList roster;
    for (int n = 1; n <= kShiftEmployees; ++n) {
        const QString shift = nightWorker(n) ? QStringLiteral("夜班") : QStringLiteral("白班");
        employees.append(QStringLiteral(R"({"number": "%1", "week": ["%2","%2","%2","%2","%2","休","休"], "department": "车间%3"})")
                             .arg(n, 4, 10, QLatin1Char('0'))
                             .arg(shift)
                             .arg(n % 5));
        QStringList fields{QStringLiteral("%1").arg(n, 4, 10, QLatin1Char('0'))};
        for (QDate day(kYear, kShiftMonth, 1); day.month() == kShiftMonth; day = day.addDays(1))
            fields.append(worksOn(n, day) ? shift : QStringLiteral("休"));
        roster.append(fields.join(u'\t'));
    }
    QFile file(QDir(home).filePath(QStringLiteral("Schedules.json")));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(schedules + employees.join(QStringLiteral(",\n")).toUtf8() + "]}");
    file.close();
    return tarnby::textfile::writeUtf8Lines(
               QDir(home).filePath(QStringLiteral("SrDate/%1%2.shift").arg(kYear).arg(kShiftMonth, 2, 10, QLatin1Char('0'))),
               roster)
        .ok();
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QString folder = app.arguments().value(1);
    if (folder.isEmpty()) {
        folder = QStringLiteral(TARNBY_BENCH_DATA);
        if (tarnby::listWorkbooks(folder).isEmpty()) {
            std::printf("writing the export to %s ...\n", qPrintable(folder));
            if (!writeExport(folder))
                return 1;
        }
    }
    QTemporaryDir home;
    if (!home.isValid() || !writeHome(home.path())) {
        std::fprintf(stderr, "cannot lay out the program folder\n");
        return 1;
    }

    tarnby::PunchTable table;
    QList<tarnby::PickerEntry> picker;
    std::vector<double> importSeconds;
    for (int run = 0; run < 5; ++run) {
        table.clear();
        QElapsedTimer timer;
        timer.start();
        const tarnby::ImportOutcome out = tarnby::ReadFolderRecords(home.path(), folder, table);
        if (out.kind != tarnby::ImportOutcome::Kind::Read) {
            std::fprintf(stderr, "read failed: %s\n", qPrintable(out.text));
            return 1;
        }
        picker = tarnby::FillAnalysisPicker(home.path(), table).value();
        importSeconds.push_back(timer.nsecsElapsed() / 1e9);
    }

    // Mid-month style from January: 16 January to 15 February.
    tarnby::AnalysisSetting setting;
    setting.period.style = tarnby::kMidMonthStyle;
    setting.period.start = tarnby::MonthKey{kYear, 1};
    const tarnby::PunchTable interleaved = sortedByTime(table);
    tarnby::AnalysisSetting explaining = setting;
    explaining.explain = true;
    AnalysisTimes plain;
    AnalysisTimes sorted;
    AnalysisTimes explained;
    AnalysisTimes registered;
    AnalysisTimes sortedRegistered;
    if (!timeAnalysis(home.path(), table, picker, setting, &plain)
        || !timeAnalysis(home.path(), interleaved, picker, setting, &sorted)
        || !timeAnalysis(home.path(), interleaved, picker, explaining, &explained) || !writeRegistrations(home.path())
        || !timeAnalysis(home.path(), table, picker, setting, &registered)
        || !timeAnalysis(home.path(), interleaved, picker, setting, &sortedRegistered))
        return 1;
    if (sorted.rows != plain.rows || explained.rows != plain.rows) {
        std::fprintf(stderr, "the orders give %lld, %lld and %lld rows\n", static_cast<long long>(plain.rows),
                     static_cast<long long>(sorted.rows), static_cast<long long>(explained.rows));
        return 1;
    }

    std::printf("folder:              %s (%lld workbooks)\n", qPrintable(folder),
                static_cast<long long>(tarnby::listWorkbooks(folder).size()));
    std::printf("records:             %d, picker entries: %lld\n", table.size(), static_cast<long long>(picker.size()));
    std::printf("import:              %.1f ms (median of 5, read + picker)\n", median(importSeconds) * 1e3);
    std::printf("analysis, all:       %.1f ms, processor %.1f ms (median of 5, gathering the request included; %lld "
                "entries, %lld rows, period %d-01-16 to %d-02-15; %lld runs of one number)\n",
                plain.all * 1e3, plain.processor * 1e3, static_cast<long long>(picker.size()), static_cast<long long>(plain.rows), kYear, kYear,
                static_cast<long long>(runsOf(table)));
    std::printf("analysis, slowest:   %.3f ms (median of 5, the slowest single entry)\n", plain.slowest * 1e3);
    std::printf("sorted by time:      %.1f ms (median of 5, the same records sorted by time across employees: %lld runs; "
                "%.2f× the clock's order)\n",
                sorted.all * 1e3, static_cast<long long>(runsOf(interleaved)), sorted.all / plain.all);
    std::printf("  with --explain:    %.1f ms (median of 5, every row explained; %.2f× without)\n", explained.all * 1e3,
                explained.all / sorted.all);
    std::printf("with registrations:  %.1f ms (median of 5, 400 registrations in the period; %.2f× the run without)\n",
                registered.all * 1e3, registered.all / plain.all);
    std::printf("  sorted by time:    %.1f ms (median of 5; %.2f× the clock's order)\n", sortedRegistered.all * 1e3,
                sortedRegistered.all / registered.all);

    // The same month without and with shifts, each in a program folder of its own.
    QTemporaryDir plainHome;
    QTemporaryDir shiftHome;
    if (!writeHome(plainHome.path(), kShiftEmployees) || !writeHome(shiftHome.path(), kShiftEmployees)
        || !writeShifts(shiftHome.path())) {
        std::fprintf(stderr, "cannot lay out the shift folders\n");
        return 1;
    }
    const tarnby::PunchTable month = shiftMonth();
    const QStringList staff = tarnby::FillAnalysisPicker(plainHome.path(), month).value();
    tarnby::AnalysisSetting monthSetting;
    monthSetting.period.style = tarnby::kMonthStartStyle;
    monthSetting.period.start = tarnby::MonthKey{kYear, kShiftMonth};
    // One run of each in turn, so that both meet the machine's load alike.
    std::vector<double> plainWall, plainProcessor, shiftWall, shiftProcessor;
    AnalysisTimes withoutShifts;
    AnalysisTimes withShifts;
    for (int run = 0; run < 9; ++run) {
        if (!timeAnalysis(plainHome.path(), month, staff, monthSetting, &withoutShifts, 1)
            || !timeAnalysis(shiftHome.path(), month, staff, monthSetting, &withShifts, 1))
            return 1;
        plainWall.push_back(withoutShifts.all);
        plainProcessor.push_back(withoutShifts.processor);
        shiftWall.push_back(withShifts.all);
        shiftProcessor.push_back(withShifts.processor);
    }
    withoutShifts.all = median(plainWall);
    withoutShifts.processor = median(plainProcessor);
    withShifts.all = median(shiftWall);
    withShifts.processor = median(shiftProcessor);
    std::printf("1,000 on shifts:     %.1f ms, processor %.1f ms (median of 9, taken in turn with the next line, %d punches of %d-%02d, a third on night "
                "shifts, every day rostered; %lld rows)\n",
                withShifts.all * 1e3, withShifts.processor * 1e3, month.size(), kYear, kShiftMonth,
                static_cast<long long>(withShifts.rows));
    std::printf("  without shifts:    %.1f ms, processor %.1f ms (median of 9, the same punches by the time mode; "
                "shifts %.2f× this, processor %.2f×)\n",
                withoutShifts.all * 1e3, withoutShifts.processor * 1e3, withShifts.all / withoutShifts.all,
                withShifts.processor / withoutShifts.processor);
    return 0;
}
