#include "base/TextFile.h"
#include "support/ProgramFolder.h"
#include "support/Unprivileged.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

using namespace tarnby;

namespace {

using testsupport::bytesOf;
using testsupport::writeBytes;

} // namespace

TEST(TextFile, ChineseTextRoundTripsAsGbkWithCrLf)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("a.txt");
    const QStringList lines{QStringLiteral("0001,张三"), QString(), QStringLiteral("病假，扣款")};
    ASSERT_TRUE(textfile::writeLines(path, lines).ok());
    const QByteArray raw = bytesOf(path);
    EXPECT_EQ(raw, textfile::encodeGbk(QStringLiteral("0001,张三\r\n\r\n病假，扣款\r\n")));
    // GBK: two bytes for each Chinese character.
    EXPECT_EQ(raw.left(7), QByteArray("0001,\xd5\xc5", 7));
    auto back = textfile::readLines(path);
    ASSERT_TRUE(back.ok());
    EXPECT_EQ(back.value(), lines);
}

TEST(TextFile, LineEndsOfEveryKindSplitLines)
{
    struct Row { const char* name; QByteArray bytes; QStringList lines; };
    const Row rows[] = {
        {"crlf with final end", "a\r\nb\r\n", {"a", "b"}},
        {"no final end", "a\r\nb", {"a", "b"}},
        {"lone lf", "a\nb\n", {"a", "b"}},
        {"lone cr", "a\rb\r", {"a", "b"}},
        {"empty lines kept", "a\r\n\r\nb\r\n", {"a", "", "b"}},
        {"empty file", "", {}},
    };
    QTemporaryDir dir;
    for (const Row& row : rows) {
        const QString path = dir.filePath("f.txt");
        ASSERT_TRUE(writeBytes(path, row.bytes));
        auto read = textfile::readLines(path);
        ASSERT_TRUE(read.ok()) << row.name;
        EXPECT_EQ(read.value(), row.lines) << row.name;
    }
}

TEST(TextFile, MissingFileIsAnErrorNamingIt)
{
    QTemporaryDir dir;
    auto read = textfile::readLines(dir.filePath("nope.ini"));
    ASSERT_FALSE(read.ok());
    EXPECT_TRUE(read.error().contains("nope.ini"));
}

TEST(TextFile, SaveIntoAReadOnlyFolderKeepsTheOldFileAndSaysSo)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("keep.txt");
    ASSERT_TRUE(textfile::writeLines(path, {QStringLiteral("旧")}).ok());
    const QByteArray before = bytesOf(path);
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther
                                          | QFileDevice::ExeOther);
    Outcome out;
    const bool ran = testsupport::asUnprivilegedUser([&] {
        out = textfile::writeLines(path, {QStringLiteral("新")});
        return !out.ok() && out.title() == QStringLiteral("错误") && out.text.contains("keep.txt");
    });
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_TRUE(ran) << out.text.toStdString();
    EXPECT_EQ(bytesOf(path), before);
}

TEST(TextFile, SaveOnAFullDiskKeepsTheOldFileAndSaysSo)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("keep.txt");
    ASSERT_TRUE(textfile::writeLines(path, {QStringLiteral("旧")}).ok());
    const QByteArray before = bytesOf(path);
    // The file-size limit fails the last write as a full disk does; in a child,
    // so that the limit goes with it.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{100, 100};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const Outcome out = textfile::writeLines(path, QStringList(50, QStringLiteral("一行新的文字")));
        ::_exit(!out.ok() && out.text.contains("keep.txt") ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(bytesOf(path), before);
}

TEST(TextFile, OnlyTextWithAGbkFormFits)
{
    EXPECT_TRUE(textfile::fitsGbk(QStringLiteral("张三 值日 0001")));
    EXPECT_FALSE(textfile::fitsGbk(QStringLiteral("emoji 😀")));
}

TEST(TextFile, TheProgramsOwnFilesAreUtf8WithCrLfAndAcceptABom)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("u.txt");
    const QStringList lines{QStringLiteral("2026-10-01 国庆节"), QString(), QStringLiteral("# 注释")};
    ASSERT_TRUE(textfile::writeUtf8Lines(path, lines).ok());
    EXPECT_EQ(bytesOf(path), QStringLiteral("2026-10-01 国庆节\r\n\r\n# 注释\r\n").toUtf8());
    auto back = textfile::readUtf8Lines(path);
    ASSERT_TRUE(back.ok());
    EXPECT_EQ(back.value(), lines);

    ASSERT_TRUE(writeBytes(path, "\xEF\xBB\xBF" "a\nb"));
    back = textfile::readUtf8Lines(path);
    ASSERT_TRUE(back.ok());
    EXPECT_EQ(back.value(), (QStringList{"a", "b"}));
}
