#include "settings/SettingsBoxRules.h"

#include <gtest/gtest.h>

using namespace tarnby;

namespace {

TEST(SettingsBoxes, LeavingABox)
{
    struct Row {
        const char* name;
        int box;
        const char* typed;
        const char* after;
        bool wrongTime;
    };
    const Row rows[] = {
        {"a number is upper-cased", 0, "a1", "A1", false},
        {"a cell name is upper-cased", settingsbox::kNumberCellBox, "d2", "D2", false},
        {"an hour gets two digits", 2, "8", "08", false},
        {"hour 24 is midnight", 2, "24", "00", false},
        {"hour 25 is wrong and stays", 2, "25", "25", true},
        {"a minute of 60 is wrong", 3, "60", "60", true},
        {"an empty minute is 00", 3, "", "00", false},
        {"the last time box is a minute", settingsbox::kLastTimeBox, "7", "07", false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const settingsbox::Left left = settingsbox::leave(row.box, QString::fromUtf8(row.typed));
        EXPECT_EQ(left.text, QString::fromUtf8(row.after));
        EXPECT_EQ(left.wrongTime, row.wrongTime);
    }
}

TEST(SettingsBoxes, EntriesAndCells)
{
    struct Row {
        const char* name;
        const char* number;
        const char* person;
        QString message;
        int box;
    };
    const Row rows[] = {
        {"a sound entry", "0001", "张三", QString(), -1},
        {"no number", "", "张三", settingsbox::kNoNumberMessage, 0},
        {"no name", "0001", "", settingsbox::kNoNameMessage, 1},
        {"a comma in the number", "00,1", "张三", settingsbox::kSeparatorInEntryMessage, 0},
        {"a full-width comma in the name", "0001", "张，三", settingsbox::kSeparatorInEntryMessage, 1},
        {"a space in the name", "0001", "张 三", settingsbox::kSeparatorInEntryMessage, 1},
        {"0000 is everybody", "0000", "张三", settingsbox::kReservedNumberMessage, 0},
        {"a name ending in #", "0001", "张三#", settingsbox::kHashInEntryMessage, 1},
        {"a name beginning with #", "0001", "#张三", settingsbox::kHashInEntryMessage, 1},
        {"a number ending in #", "0001#", "张三", settingsbox::kHashInEntryMessage, 0},
        {"a number holding ##", "00##1", "张三", settingsbox::kHashInEntryMessage, 0},
        {"a # inside is kept", "0#1", "张#三", QString(), -1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const settingsbox::EntryCheck check =
            settingsbox::checkEntry(QString::fromUtf8(row.number), QString::fromUtf8(row.person));
        EXPECT_EQ(check.message, row.message);
        EXPECT_EQ(check.box, row.box);
    }
    EXPECT_TRUE(settingsbox::cellError(QStringLiteral("Z9")).isEmpty());
    for (const char* bad : {"A0", "a1", "AA1", "A", "A12"})
        EXPECT_EQ(settingsbox::cellError(QString::fromUtf8(bad)), settingsbox::kBadCellMessage) << bad;
}

} // namespace
