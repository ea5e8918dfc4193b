// The texts in the user's language: the translations built beside the
// programs, loaded in the window and in tarnby-cli by TARNBY_LANG; the source
// texts wherever no translation serves.

#include "base/Language.h"
#include "support/Cli.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

using namespace tarnby;

TEST(Language, WindowTextsComeOutInTheChosenLanguage)
{
    const testsupport::TranslatingApplication app;
    const QStringList folders = testsupport::builtTranslationFolders();
    struct Row { const char* name; Language language; const char* context; const char* source; const char* shown; };
    const Row rows[] = {
        {"a page tab in Taiwan wording", Language::TraditionalChinese, "Form1", "系统设置", "系統設定"},
        {"a button in Taiwan wording", Language::TraditionalChinese, "AnalysisPage", "刷新", "重新整理"},
        {"a page tab in English", Language::English, "Form1", "系统设置", "Settings"},
        {"a caption in English", Language::English, "DataFolderPanel", "选择考勤所在目录：", "Choose the attendance folder: "},
        {"the source texts in simplified Chinese", Language::SimplifiedChinese, "Form1", "系统设置", "系统设置"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_TRUE(useLanguage(row.language, folders));
        EXPECT_EQ(QCoreApplication::translate(row.context, row.source), QString::fromUtf8(row.shown));
    }
    useLanguage(Language::SimplifiedChinese, folders);
}

TEST(Language, CliMessagesFollowTarnbyLang)
{
    struct Row { const char* name; const char* lang; QStringList args; const char* error; };
    const Row rows[] = {
        {"English", "en", {"nosuch"}, "Unknown command: nosuch\n"},
        {"traditional Chinese in Taiwan wording", "zh_TW", {"detect"}, "缺少要識別的檔案。\n"},
        {"a Hong Kong locale name reads traditional Chinese", "zh_HK.UTF-8", {"detect"}, "缺少要識別的檔案。\n"},
        {"simplified Chinese unchanged", "zh_CN", {"detect"}, "缺少要识别的文件。\n"},
        {"a language without translation reads the source", "de_DE", {"detect"}, "缺少要识别的文件。\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        qputenv("TARNBY_LANG", row.lang);
        EXPECT_TRUE(testsupport::runCli(row.args).err.startsWith(QString::fromUtf8(row.error)));
    }
    qunsetenv("TARNBY_LANG");
}
