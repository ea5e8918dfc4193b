#include "settings/RegistrationBoxRules.h"

#include <gtest/gtest.h>

using namespace tarnby;

namespace {

const QDate kWorkDate2012(2012, 7, 9); // leap year, July 9th
const QDate kWorkDate2013(2013, 3, 5);

struct Row {
    const char* name;
    RegistrationBox box;
    RegistrationBoxTexts before; // dTxt(0)..dTxt(4)
    QDate workDate;
    RegistrationBoxTexts after;
    QString message;
};

TEST(RegistrationBoxRulesTest, LosingTheFocusNormalisesOrReportsTheBox)
{
    using B = RegistrationBox;
    const QString reason = QStringLiteral("因出勤上午下班卡未能及时打上！");
    const Row rows[] = {
        {"empty month becomes 01", B::Month, {"", "05", reason, "2013", "03"}, kWorkDate2013,
         {"01", "05", reason, "2013", "03"}, {}},
        {"one-digit month gets a leading zero", B::Month, {"3", "05", reason, "2013", "03"}, kWorkDate2013,
         {"03", "05", reason, "2013", "03"}, {}},
        {"month above 12 is reported and stays", B::Month, {"13", "05", reason, "2013", "03"}, kWorkDate2013,
         {"13", "05", reason, "2013", "03"}, kBadMonthMessage},
        {"month on show above 12 is reported", B::MonthOnShow, {"03", "05", reason, "2013", "14"}, kWorkDate2013,
         {"03", "05", reason, "2013", "14"}, kBadMonthMessage},
        {"day 31 in April becomes 30", B::Day, {"04", "31", reason, "2013", "04"}, kWorkDate2013,
         {"04", "30", reason, "2013", "04"}, {}},
        {"day 31 in a 31-day month stays", B::Day, {"05", "31", reason, "2013", "05"}, kWorkDate2013,
         {"05", "31", reason, "2013", "05"}, {}},
        {"day 30 in February of a leap work year becomes 29", B::Day, {"02", "30", reason, "2013", "02"},
         kWorkDate2012, {"02", "29", reason, "2013", "02"}, {}},
        {"day 30 in February of a common work year becomes 28 whatever the year box", B::Day,
         {"02", "30", reason, "2012", "02"}, kWorkDate2013, {"02", "28", reason, "2012", "02"}, {}},
        {"February of work year 2000 has a 29th", B::Day, {"02", "29", reason, "2000", "02"}, QDate(2000, 1, 1),
         {"02", "29", reason, "2000", "02"}, {}},
        {"February of work year 2100 has no 29th", B::Day, {"02", "29", reason, "2100", "02"}, QDate(2100, 1, 1),
         {"02", "28", reason, "2100", "02"}, {}},
        {"day above 31 is reported and stays", B::Day, {"04", "45", reason, "2013", "04"}, kWorkDate2013,
         {"04", "45", reason, "2013", "04"}, kBadDayMessage},
        {"day 0 becomes 01", B::Day, {"04", "0", reason, "2013", "04"}, kWorkDate2013,
         {"04", "01", reason, "2013", "04"}, {}},
        {"one-digit day gets a leading zero", B::Day, {"04", "7", reason, "2013", "04"}, kWorkDate2013,
         {"04", "07", reason, "2013", "04"}, {}},
        {"empty reason is reported", B::Reason, {"04", "07", "", "2013", "04"}, kWorkDate2013,
         {"04", "07", "", "2013", "04"}, kNoReasonMessage},
        {"a one-character reason is not padded", B::Reason, {"04", "07", "x", "2013", "04"}, kWorkDate2013,
         {"04", "07", "x", "2013", "04"}, {}},
        {"year 1900 is reported and replaced by the work year", B::Year, {"04", "07", reason, "1900", "04"},
         kWorkDate2013, {"04", "07", reason, "2013", "04"}, kBadYearMessage},
        {"year 2101 is reported and replaced", B::Year, {"04", "07", reason, "2101", "04"}, kWorkDate2013,
         {"04", "07", reason, "2013", "04"}, kBadYearMessage},
        {"years 1901 and 2100 are accepted", B::Year, {"04", "07", reason, "2100", "04"}, kWorkDate2013,
         {"04", "07", reason, "2100", "04"}, {}},
        {"empty boxes elsewhere take the work date unpadded", B::Year, {"", "", reason, "2013", ""}, kWorkDate2013,
         {"3", "5", reason, "2013", "3"}, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const BoxCheck check = checkRegistrationBox(row.box, row.before, row.workDate);
        EXPECT_EQ(check.texts, row.after);
        EXPECT_EQ(check.message, row.message);
        EXPECT_EQ(check.refocus(), !row.message.isEmpty());
    }
}

TEST(RegistrationBoxRulesTest, AReasonThatWouldSplitTheStoredLineIsRefused)
{
    const QString hash = QStringLiteral("登记事由中不能含有“##”，也不能以“#”开头或结尾，“##”是登记文件的分隔符！");
    const struct {
        QString reason;
        QString message; // empty: some message
    } rows[] = {
        {QStringLiteral("上午##下午"), hash},
        // joined with "##" these make "###", and the line splits one character off
        {QStringLiteral("工牌#"), hash},
        {QStringLiteral("#工牌"), hash},
        {QStringLiteral("#"), hash},
        {QStringLiteral("第一行\n第二行"), {}},
        {QStringLiteral("回车\r"), {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.reason.toStdString());
        const BoxCheck check = checkRegistrationBox(RegistrationBox::Reason, {"04", "07", row.reason, "2013", "04"},
                                                    kWorkDate2013);
        EXPECT_TRUE(check.refocus());
        if (!row.message.isEmpty()) {
            EXPECT_EQ(check.message, row.message);
        }
        EXPECT_EQ(check.texts[2], row.reason);
    }
    EXPECT_FALSE(checkRegistrationBox(RegistrationBox::Reason, {"04", "07", "工牌#3", "2013", "04"}, kWorkDate2013)
                     .refocus());
}

TEST(RegistrationBoxRulesTest, AnEmployeeWhoseNumberOrNameWouldMoveTheFieldsIsRefused)
{
    const struct {
        const char* picked;
        const char* message;
    } rows[] = {
        {"0001 张三", ""},
        {"0001 张#三", ""},
        {"0001 张三#", "员工姓名中不能含有“##”，也不能以“#”开头或结尾，“##”是登记文件的分隔符！"},
        {"#0001 张三", "员工编号中不能含有“##”，也不能以“#”开头或结尾，“##”是登记文件的分隔符！"},
        {"00##1 张三", "员工编号中不能含有“##”，也不能以“#”开头或结尾，“##”是登记文件的分隔符！"},
        {"无空格", ""}, // the list reports that one itself
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.picked);
        EXPECT_EQ(pickedEmployeeError(PickerEntry::fromText(QString::fromUtf8(row.picked))), QString::fromUtf8(row.message));
    }
}

} // namespace
