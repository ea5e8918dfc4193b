// The result list as the window and the reports show it: the analysis's own
// words translated, the registrations' free text and the times as they are.

#include "analysis/ResultText.h"
#include "base/Language.h"
#include "support/Cli.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

using namespace tarnby;

TEST(ResultText, CellsAndStatisticsInTheReadersLanguage)
{
    const testsupport::TranslatingApplication app;
    const QStringList folders = testsupport::builtTranslationFolders();
    constexpr int kStatistic = -1;
    struct Row { const char* name; Language language; int column; const char* cell; const char* shown; };
    const Row rows[] = {
        {"a date in English", Language::English, ColDate, "11月01日", "11/01"},
        {"a weekday in English", Language::English, ColWeekday, "周六", "Sat"},
        {"a weekday in Taiwan usage", Language::TraditionalChinese, ColWeekday, "周一", "週一"},
        {"remark words, their marks and separators", Language::English, ColRemark, "*值日/迟到/漏打", "*Duty/Late/Missed"},
        {"a fine keeps its amount as registered", Language::English, ColRemark, "迟到*罚款五十元", "Late*Fine 五十元"},
        {"an unknown word is left as typed", Language::English, ColRemark, "*调休", "*调休"},
        {"a remark in Taiwan usage", Language::TraditionalChinese, ColRemark, "旷工/加班", "曠工/加班"},
        {"a time is no word", Language::English, ColMorningIn, "08:15", "08:15"},
        {"a half-day count", Language::English, kStatistic, "1.5天", "1.5 d"},
        {"a count without unit", Language::English, kStatistic, "3", "3"},
        {"the verdict", Language::TraditionalChinese, kStatistic, "无", "無"},
        {"the source language is unchanged", Language::SimplifiedChinese, ColRemark, "*值日/迟到", "*值日/迟到"},
        {"a malformed date passes unchanged", Language::English, ColDate, "2026-11-01", "2026-11-01"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_TRUE(useLanguage(row.language, folders));
        const QString cell = QString::fromUtf8(row.cell);
        EXPECT_EQ(row.column == kStatistic ? shownStatistic(cell) : shownCell(row.column, cell), QString::fromUtf8(row.shown));
    }
    useLanguage(Language::SimplifiedChinese, folders);
}
