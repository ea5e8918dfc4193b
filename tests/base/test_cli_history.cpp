// tarnby-cli history: the change log of a program folder, as text or JSON,
// for one file or all, read while a window holds the folder.

#include "base/FolderLock.h"
#include "base/StoredFile.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tarnby;

TEST(CliHistory, PrintsTheLogOfTheFolderWhileAWindowHoldsIt)
{
    QTemporaryDir home;
    ASSERT_TRUE(QDir(home.path()).mkdir(QStringLiteral("SrDate")));
    QDateTime at(QDate(2026, 3, 2), QTime(9, 0, 0));
    storedfile::setClock([&at] { return at; });
    storedfile::setIdentity({QStringLiteral("zhangli"), QStringLiteral("PC1")});
    // the last: a line changed whose end stays, one added and one removed
    for (const auto& [file, bytes] : {std::pair{"202603.ydj", "a\r\nb\r\n"}, {"202603.zra", "010001\r\n"}, {"202603.ydj", "a\r\nxb\r\n"}}) {
        storedfile::write(home.filePath(QStringLiteral("SrDate/") + file), bytes);
        at = at.addSecs(60);
    }
    storedfile::setClock({});
    storedfile::setIdentity({});
    const FolderLock window(home.path());
    ASSERT_TRUE(window.held());

    struct Row { const char* name; QStringList args; int status; QByteArray out; };
    const Row rows[] = {
        {"every save as text", {}, 0,
         "2026-03-02 09:00:00\tzhangli\tPC1\tSrDate/202603.ydj\t+2\t-0\t\n"
         "2026-03-02 09:01:00\tzhangli\tPC1\tSrDate/202603.zra\t+1\t-0\t\n"
         "2026-03-02 09:02:00\tzhangli\tPC1\tSrDate/202603.ydj\t+1\t-1\t\n"},
        {"one file by its name alone", {"--file", "202603.zra"}, 0,
         "2026-03-02 09:01:00\tzhangli\tPC1\tSrDate/202603.zra\t+1\t-0\t\n"},
        {"an unknown format", {"--format", "xml"}, 2, ""},
    };
    for (const Row& row : rows) {
        QProcess cli;
        cli.start(QStringLiteral(TARNBY_CLI), QStringList{"history", "--home", home.path()} + row.args);
        ASSERT_TRUE(cli.waitForFinished(30000)) << row.name;
        EXPECT_EQ(cli.exitCode(), row.status) << row.name;
        EXPECT_EQ(cli.readAllStandardOutput(), row.out) << row.name;
    }

    QProcess json; // the versions the log names, as kept under History/
    json.start(QStringLiteral(TARNBY_CLI), {"history", "--home", home.path(), "--file", "202603.ydj", "--format", "json"});
    ASSERT_TRUE(json.waitForFinished(30000));
    const QJsonArray changes = QJsonDocument::fromJson(json.readAllStandardOutput()).array();
    ASSERT_EQ(changes.size(), 2);
    EXPECT_EQ(changes.at(1)["before"].toString(), changes.at(0)["after"].toString());
    EXPECT_TRUE(QFile::exists(home.filePath("History/SrDate/202603.ydj/") + changes.at(1)["after"].toString()));
}
