// The whole road: workbooks in a folder, Init.ini and the month files in a
// program folder, tarnby-cli analyse, and its output against golden files.
//
// Set TARNBY_UPDATE_GOLDEN=1 to rewrite the golden files from the program's
// output; check every changed row against the rules before committing them.

#include "TestWorkbook.h"
#include "support/Cli.h"
#include "support/ProgramFolder.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>
#include <tuple>
#include <vector>

using tarnby::xls::test::TestWorkbook;

namespace {

struct Punch {
    QString number;
    QDate date;
    QString time;
};

// One employee's punches: every weekday of the period with `normal` unless the
// day is listed in `special` (an empty list there means no punch at all);
// weekend days only when listed.
std::vector<Punch> punchesOf(const char* number, const QStringList& normal,
                             const std::map<QDate, QStringList>& special, const QDate& from, const QDate& to)
{
    std::vector<Punch> out;
    for (QDate d = from; d <= to; d = d.addDays(1)) {
        const auto it = special.find(d);
        QStringList times;
        if (it != special.end())
            times = it->second;
        else if (d.dayOfWeek() <= 5)
            times = normal;
        for (const QString& t : times)
            out.push_back({QString::fromUtf8(number), d, t});
    }
    return out;
}

class CliAnalyse : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(home.valid() && folder.isValid());
        writeProgramFolder();
        writeWorkbooks();
    }

    void writeProgramFolder()
    {
        ASSERT_TRUE(home.writeInit(testsupport::initLines("A2B2", {"0001,张三", "0002,李四", "0003,王五"})));
        write("201312.ydj",
              {"0001##12月10日##张三##早于结算期##病假1天",
               "0001##12月17日##张三##上午堵车##不计迟到1次",
               "0001##12月18日##张三##忘打卡##不计漏打1次",
               "0001##12月19日##张三##感冒##病假1天",
               "0001##12月20日##张三##下午办事##事假0.5天",
               "0001##12月26日##张三##迟到较多##处罚50元",
               "0001##12月27日##张三##下午外出##不计旷工0.5天",
               "0001##12月30日##张三##卡机故障##不计漏打2次",
               "0000##12月31日##全体员工##年终盘点##不计旷工1天",
               "0002##12月18日##李四##外出##不计迟到2次",
               "0002##12月24日##李四##上午外出##不计旷工0.5天",
               "0002##12月25日##李四##发烧##病假0.5天",
               "0002##12月26日##李四##发烧##病假1天",
               "0002##12月27日##李四##家事##事假0.5天",
               "0002##12月30日##李四##忘打卡##不计漏打1次"});
        write("201401.ydj",
              {"0001##01月02日##张三##下午开会##不计迟到1次",
               "0001##01月03日##张三##看病##病假0.5天",
               "0001##01月07日##张三##家事##事假1天",
               "0001##01月08日##张三##屡次迟到##处罚10元",
               "0001##01月08日##张三##忘打卡##不计漏打1次",
               "0001##01月15日##张三##迟到##处罚5元",
               "0001##01月20日##张三##结算期后##病假1天",
               "0002##01月02日##李四##迟到##处罚20元",
               "0002##01月06日##李四##家事##事假1天",
               "0002##01月08日##李四##停电##不计旷工1天"});
        write("201312.zra", dutyLines({{18, "0002"}, {23, "0001"}}));
        write("201401.zra", dutyLines({{6, "1"}, {7, "0002"}}));
    }

    static QStringList dutyLines(const std::map<int, const char*>& onDuty)
    {
        QStringList lines;
        for (int d = 1; d <= 31; ++d) {
            const auto it = onDuty.find(d);
            lines.append(QStringLiteral("%1%2").arg(d, 2, 10, QLatin1Char('0')).arg(it == onDuty.end() ? "0000" : it->second));
        }
        return lines;
    }

    void write(const char* month, const QStringList& lines) { ASSERT_TRUE(home.writeMonth(month, lines)); }

    void writeWorkbooks()
    {
        // from before the period to after it: those punches must be left out
        const QDate from(2013, 12, 12);
        const QDate to(2014, 1, 17);
        auto d = [](int y, int m, int day) { return QDate(y, m, day); };
        const QStringList four = {"08:20:10", "12:02:00", "13:50:00", "17:05:00"};
        const std::map<QDate, QStringList> first = {
            {d(2013, 12, 17), {"08:35:00", "12:02:00", "14:20:00", "17:05:00"}},
            {d(2013, 12, 18), {"08:20:00", "13:50:00", "17:05:00"}},
            {d(2013, 12, 19), {}},
            {d(2013, 12, 20), {"08:20:00", "12:02:00"}},
            {d(2013, 12, 21), four},
            {d(2013, 12, 23), {"08:05:00", "12:02:00", "13:50:00", "17:05:00"}},
            {d(2013, 12, 24), {"08:20:00", "12:02:00", "13:50:00", "21:00:00"}},
            {d(2013, 12, 25), {"08:20:00", "12:02:00", "13:50:00", "17:05:00", "22:40:00"}},
            {d(2013, 12, 26), {"09:15:00", "12:02:00", "13:50:00", "17:05:00"}},
            {d(2013, 12, 27), {"08:20:00", "12:02:00"}},
            {d(2013, 12, 30), {"12:02:00", "13:50:00"}},
            {d(2013, 12, 31), {}},
            {d(2014, 1, 2), {"08:20:00", "12:02:00", "14:08:00", "17:05:00"}},
            {d(2014, 1, 3), {}},
            {d(2014, 1, 6), {"07:55:00", "12:02:00", "13:50:00", "17:05:00"}},
            {d(2014, 1, 7), {}},
            {d(2014, 1, 8), {"08:42:00", "13:50:00", "17:05:00"}},
            {d(2014, 1, 10), {"10:30:00", "16:00:00"}},
            {d(2014, 1, 11), {"08:20:00", "12:02:00"}},
            {d(2014, 1, 15), {"08:33:59", "12:02:00", "13:50:00", "17:05:00"}},
        };
        const QStringList two = {"08:55:00", "17:10:00"};
        const std::map<QDate, QStringList> second = {
            {d(2013, 12, 17), {"09:08:00", "17:10:00"}},
            {d(2013, 12, 18), {"09:20:00", "17:10:00"}},
            {d(2013, 12, 19), {"08:55:00"}},
            {d(2013, 12, 20), {}},
            {d(2013, 12, 21), two},
            {d(2013, 12, 23), {"08:55:00", "17:10:00", "21:40:00"}},
            {d(2013, 12, 24), {"10:30:00", "16:30:00"}},
            {d(2013, 12, 25), {}},
            {d(2013, 12, 26), {}},
            {d(2013, 12, 27), {"17:10:00"}},
            {d(2013, 12, 30), {"08:55:00"}},
            {d(2013, 12, 31), {}},
            {d(2014, 1, 2), {"09:45:00", "17:10:00"}},
            {d(2014, 1, 6), {}},
            {d(2014, 1, 7), {"08:35:00", "17:10:00"}},
            {d(2014, 1, 8), {}},
            {d(2014, 1, 10), {"09:00:00", "16:59:00"}},
            {d(2014, 1, 11), {"08:55:00"}},
        };
        std::vector<Punch> a = punchesOf("0001", four, first, from, to);
        const std::vector<Punch> b = punchesOf("0002", two, second, from, to);
        a.insert(a.end(), b.begin(), b.end());
        const std::vector<Punch> c = punchesOf("3", four, {}, from, to);
        saveWorkbook("a.xls", a);
        saveWorkbook("B.XLS", c);
        written = a;
        written.insert(written.end(), c.begin(), c.end());
    }

    void saveWorkbook(const char* name, const std::vector<Punch>& punches)
    {
        TestWorkbook book;
        book.text(0, 0, QStringLiteral("工号")).text(0, 1, QStringLiteral("打卡时间"));
        int row = 1;
        for (const Punch& p : punches) {
            const QTime t = QTime::fromString(p.time, QStringLiteral("HH:mm:ss"));
            book.text(row, 0, p.number)
                .number(row, 1, TestWorkbook::serial(p.date.year(), p.date.month(), p.date.day(), t.hour(), t.minute(), t.second()),
                        QStringLiteral("yyyy-mm-dd hh:mm:ss"));
            ++row;
        }
        QString error;
        ASSERT_TRUE(book.save(QDir(folder.path()).filePath(name), &error)) << error.toStdString();
    }

    using Run = testsupport::CliRun;

    Run run(const QStringList& options)
    {
        return testsupport::runCli(QStringList{"analyse", "--home", home.path(), "--folder", folder.path()} + options);
    }

    // The period and rest days of both golden files.
    static QStringList period()
    {
        return {"--year", "2013", "--month", "12", "--rest",
                "2013-12-21,2013-12-22,2013-12-28,2013-12-29,2014-01-01,2014-01-04,2014-01-05,2014-01-11,2014-01-12"};
    }

    void compareWithGolden(const QByteArray& out, const char* name)
    {
        const QString path = QStringLiteral(TARNBY_ANALYSIS_DATA_DIR "/") + QString::fromUtf8(name);
        if (qEnvironmentVariableIsSet("TARNBY_UPDATE_GOLDEN")) {
            QFile f(path);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(out);
            return;
        }
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
        QJsonParseError error;
        const QJsonDocument got = QJsonDocument::fromJson(out, &error);
        ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
        const QJsonDocument expected = QJsonDocument::fromJson(f.readAll());
        ASSERT_TRUE(expected.isObject());
        const QJsonObject g = got.object();
        const QJsonObject e = expected.object();
        EXPECT_EQ(g.value("employee"), e.value("employee"));
        EXPECT_EQ(g.value("stats"), e.value("stats"));
        EXPECT_EQ(g.value("registrations"), e.value("registrations"));
        const QJsonArray gotRows = g.value("rows").toArray();
        const QJsonArray expectedRows = e.value("rows").toArray();
        ASSERT_EQ(gotRows.size(), expectedRows.size());
        for (qsizetype i = 0; i < gotRows.size(); ++i)
            EXPECT_EQ(gotRows.at(i), expectedRows.at(i)) << "row " << i << ": "
                                                          << QJsonDocument(gotRows.at(i).toObject()).toJson().toStdString();
    }

    testsupport::ProgramFolder home;
    QTemporaryDir folder;
    std::vector<Punch> written; // every punch of the workbooks
};

TEST_F(CliAnalyse, TimeModeOneAcrossTheYearEndMatchesItsGoldenFile)
{
    const Run r = run(period() + QStringList{"--employee", "0001 张三"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    compareWithGolden(r.out, "mode1-midmonth-yearend.json");
}

TEST_F(CliAnalyse, TimeModeTwoAcrossTheYearEndMatchesItsGoldenFile)
{
    const Run r = run(period() + QStringList{"--mode", "2", "--employee", "0002 李四"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    compareWithGolden(r.out, "mode2-midmonth-yearend.json");
}

TEST_F(CliAnalyse, AllAnalysesEveryPickerEntryInOrder)
{
    const Run r = run(period() + QStringList{"--all"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QJsonArray all = QJsonDocument::fromJson(r.out).array();
    ASSERT_EQ(all.size(), 3);
    EXPECT_EQ(all.at(0).toObject().value("employee").toString(), QStringLiteral("0001 张三"));
    EXPECT_EQ(all.at(1).toObject().value("employee").toString(), QStringLiteral("0002 李四"));
    // the clock wrote "3"; the picker shows the roster's 0003, and the scan finds its punches
    const QJsonObject third = all.at(2).toObject();
    EXPECT_EQ(third.value("employee").toString(), QStringLiteral("0003 王五"));
    EXPECT_EQ(third.value("rows").toArray().size(), 31);
    EXPECT_EQ(third.value("stats").toArray().at(12).toString(), QStringLiteral("有"));
}

TEST_F(CliAnalyse, ABareNumberWorksLikeItsPickerEntry)
{
    const Run entry = run(period() + QStringList{"--employee", "0001 张三"});
    const Run bare = run(period() + QStringList{"--employee", "0001"});
    ASSERT_EQ(bare.status, 0) << bare.err.toStdString();
    const QJsonObject a = QJsonDocument::fromJson(entry.out).object();
    const QJsonObject b = QJsonDocument::fromJson(bare.out).object();
    EXPECT_EQ(b.value("employee").toString(), QStringLiteral("0001 张三"));
    EXPECT_EQ(a.value("rows"), b.value("rows"));
    EXPECT_EQ(a.value("stats"), b.value("stats"));
    EXPECT_EQ(a.value("registrations"), b.value("registrations"));
}

TEST_F(CliAnalyse, CsvHoldsRowsStatisticsAndRegistrations)
{
    const Run r = run(period() + QStringList{"--employee", "0001 张三", "--format", "csv"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QStringList sections = QString::fromUtf8(r.out).split(QStringLiteral("\r\n\r\n"));
    ASSERT_EQ(sections.size(), 3);
    const QStringList rows = sections.at(0).split(QStringLiteral("\r\n"));
    ASSERT_EQ(rows.size(), 32);
    EXPECT_EQ(rows.at(0), QStringLiteral("员工,日期,星期,A上班,A下班,P上班,P下班,备注,颜色"));
    EXPECT_EQ(rows.at(11), QStringLiteral("0001 张三,12月26日,周四,09:15,12:02,13:50,17:05,*/迟到/罚款50元,2=#ff0000 6=#ff0000"));
    const QStringList stats = sections.at(1).split(QStringLiteral("\r\n"));
    ASSERT_EQ(stats.size(), 2);
    EXPECT_TRUE(stats.at(1).startsWith(QStringLiteral("0001 张三,"))) << stats.at(1).toStdString();
    const QStringList registrations = sections.at(2).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    EXPECT_EQ(registrations.size(), 1 + 14);
}

TEST_F(CliAnalyse, SetUpErrorsEndWithStatusTwo)
{
    struct Case {
        const char* name;
        QStringList options;
        const char* message;
    };
    const std::vector<Case> cases = {
        {"a rest day outside the period", {"--year", "2013", "--month", "12", "--rest", "2013-12-15", "--all"}, "不在"},
        {"a rest day that is no date", {"--year", "2013", "--month", "12", "--rest", "2013-02-30", "--all"}, "休息日"},
        {"a month beyond 12", {"--year", "2013", "--month", "13", "--all"}, "月份"},
        {"a time mode 3", {"--year", "2013", "--month", "12", "--mode", "3", "--all"}, "时间模式"},
        {"neither an employee nor --all", {"--year", "2013", "--month", "12"}, "--all"},
        {"the picker placeholder", {"--year", "2013", "--month", "12", "--employee", "====请选择===="}, "员工"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Run r = run(c.options);
        EXPECT_EQ(r.status, 2);
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.message))) << r.err.toStdString();
    }
}

TEST_F(CliAnalyse, AMissingFolderOrConfigurationEndsWithStatusTwo)
{
    EXPECT_EQ(testsupport::runCli({"analyse", "--home", home.path(), "--folder", home.file("nowhere"), "--year", "2013",
                                   "--month", "12", "--all"})
                  .status,
              2);

    ASSERT_TRUE(QFile::remove(home.file("Init.ini")));
    const Run r = run(period() + QStringList{"--all"});
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.err.contains(QStringLiteral("Init.ini"))) << r.err.toStdString();
}

// The runs --explain is tried on: both golden scenarios and everybody.
const std::vector<QStringList> kExplainedRuns = {
    {"--employee", "0001 张三"},
    {"--mode", "2", "--employee", "0002 李四"},
    {"--all"},
};

// One employee's object, or the array of all, as an array.
QJsonArray employeesIn(const QByteArray& out)
{
    const QJsonDocument doc = QJsonDocument::fromJson(out);
    return doc.isArray() ? doc.array() : QJsonArray{doc.object()};
}

// --explain over the golden scenarios: each row's punches are exactly the
// employee's records of that date, each shown time has one punch behind it,
// each remark a rule.
TEST_F(CliAnalyse, ExplainAccountsForEveryRow)
{
    for (const QStringList& options : kExplainedRuns) {
        SCOPED_TRACE(options.join(u' ').toStdString());
        const Run explained = run(period() + options + QStringList{"--explain"});
        ASSERT_EQ(explained.status, 0) << explained.err.toStdString();
        QJsonParseError error;
        QJsonDocument::fromJson(explained.out, &error);
        ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
        for (const QJsonValue& value : employeesIn(explained.out)) {
            const QJsonObject object = value.toObject();
            const int number = object.value("employee").toString().section(u' ', 0, 0).toInt();
            for (const QJsonValue& row : object.value("rows").toArray()) {
                const QJsonArray cells = row.toObject().value("cells").toArray();
                SCOPED_TRACE(cells.at(0).toString().toStdString());
                const QJsonObject explain = row.toObject().value("explain").toObject();
                QStringList records;
                for (const Punch& p : written) {
                    if (p.number.toInt() == number && p.date.toString(QStringLiteral("MM月dd日")) == cells.at(0).toString())
                        records.append(p.time);
                }
                QStringList explainedTimes;
                std::map<int, QStringList> bySlot;
                for (const QJsonValue& punch : explain.value("punches").toArray()) {
                    const QJsonObject p = punch.toObject();
                    explainedTimes.append(p.value("time").toString());
                    EXPECT_FALSE(p.value("why").toString().isEmpty());
                    if (p.value("slot").toInt() >= 0)
                        bySlot[p.value("slot").toInt()].append(p.value("time").toString().left(5));
                }
                EXPECT_EQ(explainedTimes, records);
                for (int slot = 0; slot < 4; ++slot) {
                    const QString shown = cells.at(2 + slot).toString();
                    EXPECT_EQ(bySlot[slot], shown == QStringLiteral("—:—") ? QStringList{} : QStringList{shown}) << slot;
                }
                if (!cells.at(6).toString().isEmpty()) {
                    EXPECT_FALSE(explain.value("rules").toArray().isEmpty()) << cells.at(6).toString().toStdString();
                }
            }
        }
    }
}

// Without its explanations, the output is what it is without --explain.
TEST_F(CliAnalyse, ExplainChangesNothingElse)
{
    for (const QStringList& options : kExplainedRuns) {
        SCOPED_TRACE(options.join(u' ').toStdString());
        QJsonArray stripped;
        for (const QJsonValue& value : employeesIn(run(period() + options + QStringList{"--explain"}).out)) {
            QJsonObject object = value.toObject();
            QJsonArray rows;
            for (const QJsonValue& row : object.value("rows").toArray()) {
                QJsonObject plain = row.toObject();
                plain.remove("explain");
                rows.append(plain);
            }
            object.insert("rows", rows);
            stripped.append(object);
        }
        EXPECT_EQ(stripped, employeesIn(run(period() + options).out));
    }
}

// The rows, statistics and explanations are data: a user's language changes
// the messages only.
TEST_F(CliAnalyse, OutputIsTheSameInEveryLanguage)
{
    const QStringList args = period() + QStringList{"--all", "--explain"};
    const QByteArray source = run(args).out;
    ASSERT_FALSE(source.isEmpty());
    for (const char* lang : {"en", "zh_TW"}) {
        qputenv("TARNBY_LANG", lang);
        EXPECT_EQ(run(args).out, source) << lang;
    }
    qunsetenv("TARNBY_LANG");
}

TEST_F(CliAnalyse, ExplainIsJsonOnly)
{
    const Run r = run(period() + QStringList{"--all", "--format", "csv", "--explain"});
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_TRUE(r.err.contains(QStringLiteral("--explain"))) << r.err.toStdString();
}

} // namespace

// Shifts: the golden days judged through the built-in shifts (a roster and a
// week pattern instead of --rest and --mode) give the golden files; the
// figures come after the existing keys and columns; a bad file refuses the run.
class CliShifts : public CliAnalyse {
protected:
    void writeShifts()
    {
        const QList<QDate> rest = {{2013, 12, 21}, {2013, 12, 22}, {2013, 12, 28}, {2013, 12, 29}, {2014, 1, 1},
                                   {2014, 1, 4},   {2014, 1, 5},   {2014, 1, 11},  {2014, 1, 12}};
        for (const auto& [file, year, month] : {std::tuple{"SrDate/201312.shift", 2013, 12}, {"SrDate/201401.shift", 2014, 1}}) {
            QString first = QStringLiteral("0001");
            QString second = QStringLiteral("0002");
            for (int d = 1; d <= 31; ++d) {
                const bool resting = rest.contains(QDate(year, month, d));
                first += resting ? QStringLiteral("\t休") : QStringLiteral("\t模式一");
                second += resting ? QStringLiteral("\t休") : QStringLiteral("\t");
            }
            // Written as another program would: the runs read what is on disk.
            ASSERT_TRUE(testsupport::writeBytes(home.file(file), (first + "\r\n" + second + "\r\n").toUtf8()));
        }
        writeSchedules(R"({"version": 1, "employees": [{"number": "2", "week": ["模式二","模式二","模式二","模式二","模式二","模式二","模式二"]}]})");
    }
    void writeSchedules(const QByteArray& json)
    {
        QFile f(home.file("Schedules.json"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(json);
    }
    const QStringList december = {"--year", "2013", "--month", "12"};
};

TEST_F(CliShifts, GoldenCasesThroughTheBuiltInShifts)
{
    writeShifts();
    const Run first = run(december + QStringList{"--employee", "0001 张三"});
    ASSERT_EQ(first.status, 0) << first.err.toStdString();
    compareWithGolden(first.out, "mode1-midmonth-yearend.json");
    const Run second = run(december + QStringList{"--employee", "0002 李四"});
    ASSERT_EQ(second.status, 0) << second.err.toStdString();
    compareWithGolden(second.out, "mode2-midmonth-yearend.json");
}

TEST_F(CliShifts, ExtendedAddsTheFiguresAfterTheExistingKeysAndColumns)
{
    const Run json = run(period() + QStringList{"--employee", "0001 张三", "--extended"});
    ASSERT_EQ(json.status, 0) << json.err.toStdString();
    const QStringList lines = QString::fromUtf8(json.out).split(u'\n');
    EXPECT_EQ(lines.at(12), QStringLiteral(R"(   {"cells": ["12月26日","周四","09:15","12:02","13:50","17:05","*/迟到/罚款50元"], )"
                                          R"("colors": {"2": "#ff0000", "6": "#ff0000"}, "shift": "模式一", "rest": false, )"
                                          R"("lateMinutes": 45, "earlyCount": 0, "earlyMinutes": 0, "overtimeMinutes": 0},)"));
    EXPECT_TRUE(lines.at(34).startsWith(QStringLiteral(R"( "stats": [)")));
    EXPECT_TRUE(lines.at(35).startsWith(QStringLiteral(R"( "extra": {"earlyCount": 0, "earlyMinutes": 0, "lateMinutes": )")));
    EXPECT_TRUE(lines.at(36).startsWith(QStringLiteral(R"( "registrations": )")));

    const Run csv = run(period() + QStringList{"--employee", "0001 张三", "--extended", "--format", "csv"});
    const QStringList sections = QString::fromUtf8(csv.out).split(QStringLiteral("\r\n\r\n"));
    ASSERT_EQ(sections.size(), 3);
    EXPECT_TRUE(sections.at(0).startsWith(
        QStringLiteral("员工,日期,星期,A上班,A下班,P上班,P下班,备注,颜色,班次,休息日,迟到(分钟),早退(次),早退(分钟),加班(分钟)\r\n")));
    EXPECT_TRUE(sections.at(0).contains(
        QStringLiteral("0001 张三,12月26日,周四,09:15,12:02,13:50,17:05,*/迟到/罚款50元,2=#ff0000 6=#ff0000,模式一,否,45,0,0,0\r\n")));
    EXPECT_TRUE(sections.at(1).contains(QStringLiteral(",全勤,早退(次),早退(分钟),迟到(分钟),加班平日(分钟),加班休息日(分钟),加班节假日(分钟)\r\n")));
}

TEST_F(CliShifts, ABadFileRefusesTheRunNamingTheFileAndTheFault)
{
    struct Case {
        const char* file;
        QByteArray bytes;
        const char* message;
    };
    const std::vector<Case> cases = {
        {"Schedules.json", R"({"shifts": [{"name": "夜班", "times": ["20:00"]}]})", "Schedules.json 有误：第1个班次“夜班”：times 应有 2 个"},
        {"SrDate/201401.shift", "0001\t白班\r\n", "201401.shift 第1行：员工 0001 第1天的“白班”不是已有的班次"},
        {"Holidays.txt", "2014-01-01\r\n", "Holidays.txt 第1行无法识别"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        QFile::remove(home.file("Holidays.txt"));
        writeShifts();
        QFile f(home.file(c.file));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(c.bytes);
        f.close();
        for (const QStringList& command : {QStringList{"analyse", "--all"}, QStringList{"report", "--output", home.file("r.csv")}}) {
            const testsupport::CliRun p =
                testsupport::runCli(command + QStringList{"--home", home.path(), "--folder", folder.path()} + december);
            const QString& err = p.err;
            EXPECT_EQ(p.status, 2) << command.first().toStdString();
            EXPECT_TRUE(err.contains(QString::fromUtf8(c.message)) && err.contains(QStringLiteral("考勤未分析"))) << err.toStdString();
        }
    }
}
