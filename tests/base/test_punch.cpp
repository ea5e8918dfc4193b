#include "base/Punch.h"

#include <gtest/gtest.h>

using namespace tarnby;

namespace {

TEST(Punch, ThePrintedFormReadsBack)
{
    struct Row {
        const char* name;
        const char* text;
        Punch punch;
        bool roundTrip; // text() gives the text again
    };
    const Row rows[] = {
        {"a whole record", "0015##2013-02-20##08:00:00", {"0015", "2013-02-20", "08:00:00"}, true},
        {"a number alone", "7", {"7", "", ""}, false},
        {"no time", "7##2013-02-20", {"7", "2013-02-20", ""}, false},
        {"the time keeps any further fields", "7##d##t##x", {"7", "d", "t##x"}, true},
        {"empty fields", "####", {"", "", ""}, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const QString text = QString::fromUtf8(row.text);
        const Punch punch = Punch::fromText(text);
        EXPECT_EQ(punch, row.punch);
        EXPECT_EQ(punch.text() == text, row.roundTrip);
    }
}

TEST(Punch, DateAndTimeAreReadFromTheTexts)
{
    const Punch punch{"1", "2013-2-8", "23:59:59"};
    EXPECT_EQ(punch.date(), QDate(2013, 2, 8));
    EXPECT_EQ(punch.minuteOfDay(), 23 * 60 + 59);
    EXPECT_FALSE(Punch({"1", "2013-02-29", "8:5"}).date().isValid());
    EXPECT_EQ(Punch({"1", "2013-02-28", "8:5"}).minuteOfDay(), -1);
}

} // namespace
