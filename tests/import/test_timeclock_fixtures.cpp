// The shared time-clock folders: each holds a data folder, the position the
// clock's owner set and the table the read must leave behind.

#include "ImportTestSupport.h"

#include "import/FolderImport.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using tarnby::ImportOutcome;
using tarnby::PunchTable;

QString fixtureRoot()
{
    return QStringLiteral(TARNBY_SHARED_DIR "/fixtures/timeclock");
}

class TimeClockFolder : public ::testing::TestWithParam<const char*> {};

TEST_P(TimeClockFolder, GivesTheExpectedTable)
{
    const QDir caseDir(fixtureRoot() + u'/' + QLatin1String(GetParam()));
    if (!caseDir.exists())
        GTEST_SKIP() << "time-clock fixtures not present";

    QFile json(caseDir.filePath(QStringLiteral("case.json")));
    ASSERT_TRUE(json.open(QIODevice::ReadOnly));
    const QJsonObject about = QJsonDocument::fromJson(json.readAll()).object();
    QFile expectedFile(caseDir.filePath(QStringLiteral("expected.txt")));
    ASSERT_TRUE(expectedFile.open(QIODevice::ReadOnly));
    const QStringList expected = QString::fromUtf8(expectedFile.readAll()).split(u'\n', Qt::SkipEmptyParts);

    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    ASSERT_TRUE(importtest::writeInit(home.path(), about.value(QStringLiteral("position")).toString(), {}));

    const QString data = caseDir.filePath(QStringLiteral("data"));
    QStringList order;
    for (const auto& v : about.value(QStringLiteral("read_order")).toArray())
        order << v.toString();
    EXPECT_EQ(tarnby::listWorkbooks(data), order);

    PunchTable table;
    table.append(tarnby::Punch::fromText(QStringLiteral("left over from an earlier read")));
    const ImportOutcome out = tarnby::ReadFolderRecords(home.path(), data, table);

    const QJsonValue failed = about.value(QStringLiteral("error_workbook"));
    if (failed.isString()) {
        EXPECT_EQ(out.kind, ImportOutcome::Kind::ReadError);
        EXPECT_EQ(out.failedWorkbook, QDir(data).absoluteFilePath(failed.toString()));
        EXPECT_TRUE(out.text.startsWith(out.failedWorkbook + u'\n'));
    } else if (order.isEmpty()) {
        EXPECT_EQ(out.kind, ImportOutcome::Kind::Empty);
        EXPECT_FALSE(out.hasMessage());
    } else {
        EXPECT_EQ(out.kind, ImportOutcome::Kind::Read) << out.text.toStdString();
    }
    EXPECT_EQ(out.overflow, about.value(QStringLiteral("overflow")).toBool());
    EXPECT_EQ(table.size(), about.value(QStringLiteral("records")).toInt());
    EXPECT_EQ(importtest::texts(table.records()), expected);
}

INSTANTIATE_TEST_SUITE_P(Shared, TimeClockFolder,
                         ::testing::Values("basic-a2b2", "text-cells-a1b2", "fullwidth-comma-a2b3",
                                           "date-only-d2e2", "value-not-format", "folder-rules",
                                           "no-workbooks", "error-missing-time", "encrypted"),
                         [](const auto& testCase) {
                             std::string name = testCase.param;
                             for (char& c : name)
                                 if (c == '-')
                                     c = '_';
                             return name;
                         });

} // namespace
