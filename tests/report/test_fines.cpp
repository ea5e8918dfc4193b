// The amount rule of the fines, and how a report sums them from the remarks.

#include "report/Fines.h"
#include "report/ReportModel.h"

#include <gtest/gtest.h>
#include <optional>
#include <ostream>

using namespace tarnby;
using namespace tarnby::report;

namespace {

struct AmountCase {
    const char* text;
    std::optional<Fen> fen; // nothing: unreadable
};

// Fen, for readability of the table.
constexpr Fen yuan(double y)
{
    return Fen(y * 100 + 0.5);
}

const AmountCase kAmounts[] = {
    // Arabic digits
    {"50", yuan(50)},
    {"0", 0},
    {"12.5", yuan(12.5)},
    {"12.50", yuan(12.5)},
    {"0.05", 5},
    {"3.500", yuan(3.5)},
    {"007", yuan(7)},
    {"1,000", yuan(1000)},
    {"１００", yuan(100)},        // full-width digits
    {"２０．５", yuan(20.5)},
    // blanks anywhere are removed first
    {" 5 0 ", yuan(50)},
    {"\t1 2\u3000", yuan(12)},
    {"五 十", yuan(50)},
    // Chinese numerals
    {"五十", yuan(50)},
    {"一百二十", yuan(120)},
    {"两百", yuan(200)},
    {"一千零五", yuan(1005)},
    {"一百零五", yuan(105)},
    {"一千零五十", yuan(1050)},
    {"十", yuan(10)},
    {"十五", yuan(15)},
    {"二十五", yuan(25)},
    {"一百一十", yuan(110)},
    {"九千九百九十九", yuan(9999)},
    {"一万", yuan(10000)},
    {"一万零五百", yuan(10500)},
    {"一百五", yuan(150)},        // the spoken short forms
    {"两千五", yuan(2500)},
    {"一万五", yuan(15000)},
    {"壹佰", yuan(100)},          // the forms written on cheques
    {"伍拾", yuan(50)},
    {"贰仟零伍", yuan(2005)},
    {"五点五", yuan(5.5)},
    {"零", 0},
    // unreadable: named, never summed
    {"", std::nullopt},
    {"   ", std::nullopt},
    {"若干", std::nullopt},
    {"-50", std::nullopt},
    {"+50", std::nullopt},
    {"5.", std::nullopt},
    {".5", std::nullopt},
    {"1.234", std::nullopt},
    {"5十", std::nullopt},
    {"50块", std::nullopt},
    {"1,00", std::nullopt},
    {"五五", std::nullopt},
    {"一百零十", std::nullopt},
    {"十十", std::nullopt},
    {"百", std::nullopt},
    {"零五", std::nullopt},
    {"一百零", std::nullopt},
    {"五十百", std::nullopt},
    {"五点", std::nullopt},
    {"99999999999999999999", std::nullopt},
};

void PrintTo(const AmountCase& c, std::ostream* os)
{
    *os << '"' << c.text << '"';
}

class FineAmount : public ::testing::TestWithParam<AmountCase> {};

TEST_P(FineAmount, ReadsAsTheClerkMeantOrNotAtAll)
{
    const AmountCase& c = GetParam();
    EXPECT_EQ(readFineAmount(QString::fromUtf8(c.text)), c.fen) << c.text;
}

INSTANTIATE_TEST_SUITE_P(Amounts, FineAmount, ::testing::ValuesIn(kAmounts));

struct RemarkCase {
    const char* remark;
    const char* penalty;
    const char* amount;
};

const RemarkCase kRemarks[] = {
    {"*罚款50元", "罚款50元", "50"},
    {"迟到/罚款五十元", "罚款五十元", "五十"},
    {"*值日/旷工/罚款 1 0 元", "罚款 1 0 元", " 1 0 "},
    {"罚款元", "罚款元", ""},
    {"迟到/漏打", "", ""},
    {"", "", ""},
    {"*罚款", "", ""},
};

TEST(FinePenalty, IsTheTailOfTheRemark)
{
    for (const RemarkCase& c : kRemarks) {
        const QString penalty = penaltyOfRemark(QString::fromUtf8(c.remark));
        EXPECT_EQ(penalty, QString::fromUtf8(c.penalty)) << c.remark;
        EXPECT_EQ(amountTextOfPenalty(penalty), QString::fromUtf8(c.amount)) << c.remark;
    }
}

TEST(FineText, ShowsYuanWithoutNeedlessDecimals)
{
    const std::pair<Fen, const char*> cases[] = {{0, "0"}, {5000, "50"}, {1250, "12.5"}, {5, "0.05"}, {10001, "100.01"}};
    for (const auto& [fen, text] : cases)
        EXPECT_EQ(yuanText(fen), QString::fromLatin1(text)) << fen;
}

ResultRow row(const char* date, const char* remark)
{
    ResultRow r;
    r.cells = {QString::fromUtf8(date), QStringLiteral("周一"), kEmptySlot, kEmptySlot, kEmptySlot, kEmptySlot,
               QString::fromUtf8(remark)};
    return r;
}

TEST(EmployeeFines, SumsTheReadableAndNamesTheRest)
{
    AnalysisResult result;
    result.ran = true;
    result.rows = {row("11月02日", "*罚款50元"), row("11月03日", "迟到/罚款一百二十元"),
                   row("11月04日", "*罚款若干元"), row("11月05日", "旷工"), row("11月06日", "*罚款 2.5 元")};
    result.stats = {"1", "0", "2", "0", "0", "3", "0.5天", "1天", "1.5天", "0", "1", "0天", "无"};
    QList<QDate> dates;
    for (int d = 2; d <= 6; ++d)
        dates.append(QDate(2026, 11, d));
    const EmployeeReport e = employeeReport(QStringLiteral("0001 张三"), result, dates);

    EXPECT_EQ(e.fineTotal, yuan(172.5));
    ASSERT_EQ(e.fines.size(), 4);
    EXPECT_FALSE(e.fines.at(2).fen.has_value());
    EXPECT_EQ(e.fines.at(2).dayText, QStringLiteral("11月04日"));
    EXPECT_EQ(e.rowDates, dates);
    const std::array<double, kNumericStatistics> values = {1, 0, 2, 0, 0, 3, 0.5, 1, 1.5, 0, 1, 0};
    EXPECT_EQ(e.values, values);
    EXPECT_FALSE(e.fullAttendance);
    EXPECT_EQ(e.lateness(), 3);

    Report report;
    report.employees = {e, e};
    EXPECT_EQ(report.fineTotal(), 2 * yuan(172.5));
    const QList<UnreadableFine> unreadable = report.unreadableFines();
    ASSERT_EQ(unreadable.size(), 2);
    EXPECT_EQ(unreadable.first().penalty, QStringLiteral("罚款若干元"));
    bool named = false;
    for (const auto& [label, value] : reportNotes(report))
        named = named || (label.contains(QStringLiteral("无法识别")) && value.contains(QStringLiteral("11月04日 罚款若干元")));
    EXPECT_TRUE(named);
}

} // namespace
