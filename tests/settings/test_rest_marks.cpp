// The saved rest-day marks, SrDate/yyyymm.rest: what is read, what is written,
// and that a failure never costs a saved mark.

#include "support/ProgramFolder.h"
#include "support/Unprivileged.h"
#include "settings/RestMarks.h"

#include <QFile>
#include <gtest/gtest.h>
#include <vector>

using namespace tarnby;

namespace {

QDate day(int y, int m, int d)
{
    return QDate(y, m, d);
}

constexpr MonthKey kSeptember{2025, 9};
constexpr MonthKey kOctober{2025, 10};

} // namespace

TEST(RestMarks, AMonthFileIsReadLeniently)
{
    struct Row {
        const char* name;
        QByteArray bytes;
        QList<QDate> marks;
    };
    const std::vector<Row> rows = {
        {"as written", "2025-09-06\r\n2025-09-20\r\n", {day(2025, 9, 6), day(2025, 9, 20)}},
        {"LF and no final end", "2025-09-06\n2025-09-20", {day(2025, 9, 6), day(2025, 9, 20)}},
        {"BOM", "\xEF\xBB\xBF" "2025-09-06\r\n", {day(2025, 9, 6)}},
        {"duplicates count once", "2025-09-20\r\n2025-09-06\r\n2025-09-20\r\n", {day(2025, 9, 6), day(2025, 9, 20)}},
        {"out of order", "2025-09-30\r\n2025-09-01\r\n", {day(2025, 9, 1), day(2025, 9, 30)}},
        {"blank lines and blanks", "\r\n  2025-09-06\t\r\n\r\n", {day(2025, 9, 6)}},
        {"empty file", "", {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        testsupport::ProgramFolder folder;
        folder.write(QStringLiteral("202509.rest"), row.bytes);
        const auto read = restmarks::readMonth(folder.path(), kSeptember);
        ASSERT_TRUE(read.ok()) << read.error().toStdString();
        EXPECT_EQ(read.value(), row.marks);
    }
}

TEST(RestMarks, ALineThatIsNoDateOfTheMonthMakesTheFileAnError)
{
    struct Row {
        const char* name;
        QByteArray bytes;
        const char* line;
    };
    const std::vector<Row> rows = {
        {"a day of the next month", "2025-09-06\r\n2025-10-01\r\n", "第2行"},
        {"the same month of another year", "2024-09-06\r\n", "第1行"},
        {"a day the month does not have", "2025-09-06\r\n\r\n2025-09-31\r\n", "第3行"},
        {"no leading zeros", "2025-9-6\r\n", "第1行"},
        {"a text after the date", "2025-09-06 休息\r\n", "第1行"},
        {"a compact date", "20250906\r\n", "第1行"},
        {"a word", "周六\r\n", "第1行"},
        {"GBK text", "2025-09-06\r\n" "\xd0\xdd\xcf\xa2" "\r\n", "第2行"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        testsupport::ProgramFolder folder;
        folder.write(QStringLiteral("202509.rest"), row.bytes);
        const auto read = restmarks::readMonth(folder.path(), kSeptember);
        ASSERT_FALSE(read.ok());
        EXPECT_TRUE(read.error().contains(folder.srDate(QStringLiteral("202509.rest")))) << read.error().toStdString();
        EXPECT_TRUE(read.error().contains(QString::fromUtf8(row.line))) << read.error().toStdString();
        // the period containing the month is not read either, and saving it would
        // overwrite the user's text: refused, file as it was
        const SettlementPeriod period{kMidMonthStyle, kSeptember};
        EXPECT_FALSE(restmarks::readPeriod(folder.path(), period).ok());
        const Outcome saved = restmarks::savePeriod(folder.path(), period, {day(2025, 9, 20), day(2025, 10, 1)});
        EXPECT_FALSE(saved.ok());
        EXPECT_EQ(saved.title(), QStringLiteral("错误"));
        EXPECT_FALSE(restmarks::saveMark(folder.path(), day(2025, 9, 20), true).ok());
        EXPECT_EQ(folder.read(QStringLiteral("202509.rest")), row.bytes);
        EXPECT_FALSE(folder.exists(QStringLiteral("202510.rest")));
    }
}

TEST(RestMarks, NoFileAndNoFolderMeanNoMarks)
{
    testsupport::ProgramFolder folder;
    auto read = restmarks::readMonth(folder.path(), kSeptember);
    ASSERT_TRUE(read.ok());
    EXPECT_TRUE(read.value().isEmpty());
    folder.removeSrDate();
    read = restmarks::readPeriod(folder.path(), SettlementPeriod{kMidMonthStyle, kSeptember});
    ASSERT_TRUE(read.ok());
    EXPECT_TRUE(read.value().isEmpty());
    // saving into the missing folder does not create one somewhere
    const Outcome out = restmarks::saveMark(folder.path(), day(2025, 9, 20), true);
    EXPECT_FALSE(out.ok());
    EXPECT_TRUE(out.text.contains(QStringLiteral("SrDate"))) << out.text.toStdString();
}

TEST(RestMarks, WritingSortsKeepsEachOnceAndAnEmptyMonthHasNoFile)
{
    testsupport::ProgramFolder folder;
    ASSERT_TRUE(restmarks::writeMonth(folder.path(), kSeptember,
                                      {day(2025, 9, 20), day(2025, 9, 6), day(2025, 9, 20), day(2025, 10, 1)})
                    .ok());
    EXPECT_EQ(folder.read(QStringLiteral("202509.rest")), QByteArray("2025-09-06\r\n2025-09-20\r\n"));
    EXPECT_FALSE(folder.exists(QStringLiteral("202510.rest")));

    ASSERT_TRUE(restmarks::saveMark(folder.path(), day(2025, 9, 13), true).ok());
    EXPECT_EQ(folder.read(QStringLiteral("202509.rest")), QByteArray("2025-09-06\r\n2025-09-13\r\n2025-09-20\r\n"));
    ASSERT_TRUE(restmarks::saveMark(folder.path(), day(2025, 9, 6), false).ok());
    ASSERT_TRUE(restmarks::saveMark(folder.path(), day(2025, 9, 13), false).ok());
    ASSERT_TRUE(restmarks::saveMark(folder.path(), day(2025, 9, 20), false).ok());
    EXPECT_FALSE(folder.exists(QStringLiteral("202509.rest")));
    EXPECT_TRUE(restmarks::writeMonth(folder.path(), kSeptember, {}).ok());
}

TEST(RestMarks, SavingAPeriodKeepsTheMarksOfTheOtherPeriods)
{
    testsupport::ProgramFolder folder;
    // marked before: the first half of September (an earlier mid-month period)
    // and the second half of October (a later one)
    folder.write(QStringLiteral("202509.rest"), "2025-09-06\r\n2025-09-20\r\n");
    folder.write(QStringLiteral("202510.rest"), "2025-10-04\r\n2025-10-25\r\n");
    const SettlementPeriod period{kMidMonthStyle, kSeptember}; // 09-16 ... 10-15
    auto read = restmarks::readPeriod(folder.path(), period);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.value(), (QList<QDate>{day(2025, 9, 20), day(2025, 10, 4)}));

    ASSERT_TRUE(restmarks::savePeriod(folder.path(), period,
                                      {day(2025, 9, 27), day(2025, 10, 1), day(2025, 10, 30), day(2025, 9, 1)})
                    .ok());
    // 10-30 and 09-01 lie outside the period and are not taken
    EXPECT_EQ(folder.read(QStringLiteral("202509.rest")), QByteArray("2025-09-06\r\n2025-09-27\r\n"));
    EXPECT_EQ(folder.read(QStringLiteral("202510.rest")), QByteArray("2025-10-01\r\n2025-10-25\r\n"));
    read = restmarks::readPeriod(folder.path(), period);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.value(), (QList<QDate>{day(2025, 9, 27), day(2025, 10, 1)}));

    // the month-start period of September sees both September marks
    read = restmarks::readPeriod(folder.path(), SettlementPeriod{kMonthStartStyle, kSeptember});
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.value(), (QList<QDate>{day(2025, 9, 6), day(2025, 9, 27)}));

    // clearing the period leaves the other halves
    ASSERT_TRUE(restmarks::savePeriod(folder.path(), period, {}).ok());
    EXPECT_EQ(folder.read(QStringLiteral("202509.rest")), QByteArray("2025-09-06\r\n"));
    EXPECT_EQ(folder.read(QStringLiteral("202510.rest")), QByteArray("2025-10-25\r\n"));
}

TEST(RestMarks, AReadOnlySrDateIsAnErrorNamingTheFileAndNothingIsLost)
{
    testsupport::ProgramFolder folder;
    const QByteArray september("2025-09-06\r\n2025-09-20\r\n");
    folder.write(QStringLiteral("202509.rest"), september);
    const SettlementPeriod period{kMidMonthStyle, kSeptember};
    // readable by everyone (the check may run as another user), writable by none
    const auto readable = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther;
    QFile::setPermissions(folder.path(), readable | QFile::WriteOwner);
    QFile::setPermissions(folder.srDate(QStringLiteral("202509.rest")), QFile::ReadOwner | QFile::ReadOther);
    QFile::setPermissions(folder.srDate(), readable);
    Outcome click;
    Outcome period1;
    Outcome clear;
    const bool failed = testsupport::asUnprivilegedUser([&] {
        click = restmarks::saveMark(folder.path(), day(2025, 9, 27), true);
        period1 = restmarks::savePeriod(folder.path(), period, {day(2025, 9, 27), day(2025, 10, 1)});
        clear = restmarks::savePeriod(folder.path(), SettlementPeriod{kMonthStartStyle, kSeptember}, {});
        // the files were read; it is the save that fails
        const auto names = [](const Outcome& o, const char* what, const char* file) {
            return !o.ok() && o.title() == QStringLiteral("错误") && o.text.contains(QString::fromUtf8(what))
                && o.text.contains(QString::fromUtf8(file));
        };
        return names(click, "无法保存文件", "202509.rest") && names(period1, "无法保存文件", ".rest")
            && names(clear, "无法删除文件", "202509.rest");
    });
    QFile::setPermissions(folder.srDate(), readable | QFile::WriteOwner);
    EXPECT_TRUE(failed) << click.text.toStdString() << "\n" << period1.text.toStdString() << "\n"
                        << clear.text.toStdString();
    EXPECT_EQ(folder.read(QStringLiteral("202509.rest")), september);
    EXPECT_FALSE(folder.exists(QStringLiteral("202510.rest")));
}
