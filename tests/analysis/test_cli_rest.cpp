// tarnby-cli analyse with --rest-auto and --rest-saved: each gives exactly the
// result of naming the same days with --rest, and a bad Holidays.txt or .rest
// file stops the run naming the file and the line.

#include "TestWorkbook.h"
#include "support/Cli.h"
#include "support/ProgramFolder.h"
#include "support/TestPaths.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <vector>

using tarnby::xls::test::TestWorkbook;

namespace {

class CliRest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(home.valid() && folder.isValid());
        ASSERT_TRUE(home.writeInit(testsupport::initLines("A2B2", {"0001,张三"})));
        ASSERT_TRUE(home.copyShipped("Holidays.txt"));

        // Worked on every weekday outside the holidays, and on the make-up
        // days 2025-09-28, 2025-10-11, 2026-02-14 and 2026-02-28.
        TestWorkbook book;
        book.text(0, 0, QStringLiteral("工号")).text(0, 1, QStringLiteral("打卡时间"));
        int row = 1;
        const QList<QDate> holidays = {QDate(2025, 10, 1), QDate(2025, 10, 2), QDate(2025, 10, 3),
                                       QDate(2025, 10, 6), QDate(2025, 10, 7), QDate(2025, 10, 8),
                                       QDate(2026, 2, 16), QDate(2026, 2, 17), QDate(2026, 2, 18),
                                       QDate(2026, 2, 19), QDate(2026, 2, 20), QDate(2026, 2, 23)};
        const QList<QDate> makeUp = {QDate(2025, 9, 28), QDate(2025, 10, 11), QDate(2026, 2, 14), QDate(2026, 2, 28)};
        for (QDate d(2025, 9, 1); d <= QDate(2026, 2, 28); d = d.addDays(1)) {
            const bool worked = (d.dayOfWeek() <= 5 && !holidays.contains(d)) || makeUp.contains(d);
            if (!worked)
                continue;
            for (const int hour : {8, 12, 14, 17}) {
                book.text(row, 0, QStringLiteral("0001"))
                    .number(row, 1, TestWorkbook::serial(d.year(), d.month(), d.day(), hour, hour == 8 ? 20 : 5, 0),
                            QStringLiteral("yyyy-mm-dd hh:mm:ss"));
                ++row;
            }
        }
        QString error;
        ASSERT_TRUE(book.save(folder.filePath("kq.xls"), &error)) << error.toStdString();
    }

    void write(const QString& relative, const QByteArray& bytes)
    {
        ASSERT_TRUE(testsupport::writeBytes(home.file(relative), bytes));
    }

    using Run = testsupport::CliRun;

    Run run(const QStringList& options)
    {
        return testsupport::runCli(
            QStringList{"analyse", "--home", home.path(), "--folder", folder.path(), "--employee", "0001"} + options);
    }

    testsupport::ProgramFolder home;
    QTemporaryDir folder;
};

TEST_F(CliRest, EachRestOptionEqualsNamingItsDaysWithRest)
{
    struct Row {
        const char* name;
        QStringList period;
        QStringList options;
        const char* sameDays;
    };
    const std::vector<Row> rows = {
        {"auto, mid-month across the National Day week",
         {"--year", "2025", "--month", "9"},
         {"--rest-auto"},
         "2025-09-20,2025-09-21,2025-09-27,2025-10-01,2025-10-02,2025-10-03,2025-10-04,2025-10-05,2025-10-06,"
         "2025-10-07,2025-10-08,2025-10-12"},
        {"auto, month-start Spring Festival with two make-up Saturdays",
         {"--year", "2026", "--month", "2", "--style", "1"},
         {"--rest-auto"},
         "2026-02-01,2026-02-07,2026-02-08,2026-02-15,2026-02-16,2026-02-17,2026-02-18,2026-02-19,2026-02-20,"
         "2026-02-21,2026-02-22,2026-02-23"},
        {"saved, only the period's days of both months",
         {"--year", "2025", "--month", "9"},
         {"--rest-saved"},
         "2025-09-20,2025-09-21,2025-10-01"},
        {"the union of all three",
         {"--year", "2025", "--month", "9"},
         {"--rest", "2025-09-17,2025-10-01", "--rest-saved", "--rest-auto"},
         "2025-09-17,2025-09-20,2025-09-21,2025-09-27,2025-10-01,2025-10-02,2025-10-03,2025-10-04,2025-10-05,"
         "2025-10-06,2025-10-07,2025-10-08,2025-10-12"},
    };
    write("SrDate/202509.rest", "2025-09-06\r\n2025-09-20\r\n2025-09-21\r\n");
    write("SrDate/202510.rest", "2025-10-01\n2025-10-20\n");
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const Run none = run(row.period);
        ASSERT_EQ(none.status, 0) << none.err.toStdString();
        const Run options = run(row.period + row.options);
        const Run named = run(row.period + QStringList{"--rest", QString::fromUtf8(row.sameDays)});
        ASSERT_EQ(options.status, 0) << options.err.toStdString();
        ASSERT_EQ(named.status, 0) << named.err.toStdString();
        EXPECT_EQ(options.out, named.out);
        EXPECT_NE(options.out, none.out);
    }
}

TEST_F(CliRest, ABadFileStopsTheRunNamingFileAndLine)
{
    struct Row {
        const char* name;
        const char* file;
        QByteArray bytes; // empty: the file is removed
        QStringList options;
        QStringList message;
    };
    const std::vector<Row> rows = {
        {"a holiday line without a name", "Holidays.txt", "# x\r\n2025-10-01 国庆节\r\n2025-10-02\r\n", {"--rest-auto"},
         {"Holidays.txt", "第3行"}},
        {"no holiday file", "Holidays.txt", {}, {"--rest-auto"}, {"Holidays.txt"}},
        {"a day of another month in a .rest file", "SrDate/202510.rest", "2025-10-01\r\n2025-11-01\r\n",
         {"--rest-saved"}, {"202510.rest", "第2行"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const QString path = home.file(QString::fromUtf8(row.file));
        QFile::remove(path);
        if (!row.bytes.isEmpty())
            write(QString::fromUtf8(row.file), row.bytes);
        const Run r = run(QStringList{"--year", "2025", "--month", "9"} + row.options);
        EXPECT_EQ(r.status, 2);
        EXPECT_TRUE(r.out.isEmpty());
        for (const QString& part : row.message)
            EXPECT_TRUE(r.err.contains(part)) << r.err.toStdString();
        // a bad file the command was not asked to read does not matter
        EXPECT_EQ(run({"--year", "2025", "--month", "9"}).status, 0);
    }
}

TEST_F(CliRest, TheBuildLaysTheScheduleBesideTheProgram)
{
    QFile beside(QFileInfo(testsupport::cliPath()).dir().filePath("Holidays.txt"));
    QFile shipped(testsupport::distPath("Holidays.txt"));
    ASSERT_TRUE(beside.open(QIODevice::ReadOnly));
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    EXPECT_EQ(beside.readAll(), shipped.readAll());
}

} // namespace
