#include "base/PickerEntry.h"

#include <gtest/gtest.h>

using namespace tarnby;

namespace {

// Every text a picker shows reads back into an entry that shows it again.
TEST(PickerEntryTest, ReadsWhatThePickersShow)
{
    const struct {
        const char* name;
        const char* text;
        const char* number;
        const char* entryName; // nullptr: a number alone
        bool placeholder;
    } rows[] = {
        {"a roster entry", "0001 张三", "0001", "张三", false},
        {"a name holding a blank stays whole", "0001 张 三", "0001", "张 三", false},
        {"an empty name is still a name", "0001 ", "0001", "", false},
        {"a number alone", "0001", "0001", nullptr, false},
        {"an empty picker", "", "", nullptr, false},
        {"the placeholder", "====请选择====", "====请选择====", nullptr, true},
        {"any entry beginning == stands for nobody", "==5 未登记", "==5", "未登记", true},
        {"a blank ends the number before ==", "= =x", "=", "=x", false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const QString text = QString::fromUtf8(row.text);
        const PickerEntry entry = PickerEntry::fromText(text);
        EXPECT_EQ(entry.number, QString::fromUtf8(row.number));
        EXPECT_EQ(entry.name, row.entryName ? std::optional(QString::fromUtf8(row.entryName)) : std::nullopt);
        EXPECT_EQ(entry.isPlaceholder(), row.placeholder);
        EXPECT_EQ(entry.text(), text);
    }
    EXPECT_EQ(PickerEntry::placeholder(), PickerEntry::fromText(QStringLiteral("====请选择====")));
}

} // namespace
