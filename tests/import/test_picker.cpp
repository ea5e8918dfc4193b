#include "import/FolderImport.h"
#include "import/PunchTable.h"

#include <gtest/gtest.h>

namespace {

using tarnby::PunchTable;
using tarnby::RosterEntry;

QString record(const QString& number, int minute = 0)
{
    return QStringLiteral("%1##2013-02-20##08:%2:00").arg(number).arg(minute, 2, 10, QLatin1Char('0'));
}

TEST(PunchTableSegments, FillInOrderAndStopAtTheLimit)
{
    PunchTable table;
    for (int j = 0; j < PunchTable::kMaxRecords; ++j)
        ASSERT_TRUE(table.append(QString::number(j)));
    EXPECT_FALSE(table.append(QStringLiteral("one too many")));
    EXPECT_EQ(table.size(), PunchTable::kMaxRecords);
    for (int s = 0; s < PunchTable::kSegmentCount; ++s) {
        ASSERT_EQ(table.segment(s).size(), PunchTable::kSegmentSize);
        EXPECT_EQ(table.segment(s).first(), QString::number(s * PunchTable::kSegmentSize));
        EXPECT_EQ(table.segment(s).last(), QString::number((s + 1) * PunchTable::kSegmentSize - 1));
    }
    EXPECT_TRUE(table.segment(3).isEmpty());
    EXPECT_EQ(table.records().at(PunchTable::kSegmentSize), QStringLiteral("32000"));

    table.clear();
    EXPECT_EQ(table.size(), 0);
    EXPECT_TRUE(table.segment(0).isEmpty());
    EXPECT_TRUE(table.append(QStringLiteral("again")));
    EXPECT_EQ(table.segment(0).size(), 1);
}

struct PickerRow {
    const char* name;
    QStringList roster;  // "NUMBER,name" as in Init.ini
    QStringList numbers; // the record numbers in reading order
    QStringList entries;
};

class Picker : public ::testing::TestWithParam<PickerRow> {};

TEST_P(Picker, MatchesTheRosterIgnoringCaseAndLeadingZeros)
{
    QList<RosterEntry> roster;
    for (const QString& line : GetParam().roster)
        roster.append({line.section(u',', 0, 0).toUpper(), line.section(u',', 1, 1)});
    PunchTable table;
    int minute = 0;
    for (const QString& number : GetParam().numbers)
        table.append(record(number, minute++ % 60));
    EXPECT_EQ(tarnby::pickerEntries(roster, table), GetParam().entries);
}

const QStringList kRoster{QStringLiteral("0015,张三"), QStringLiteral("15X,李四"), QStringLiteral("0002,王五")};

INSTANTIATE_TEST_SUITE_P(Import, Picker, ::testing::Values(
    PickerRow{"no_records_gives_placeholder", kRoster, {}, {QStringLiteral("====请选择====")}},
    PickerRow{"short_number_meets_padded_roster", kRoster, {"15"}, {QStringLiteral("0015 张三")}},
    PickerRow{"same_number_with_zeros", kRoster, {"0015"}, {QStringLiteral("0015 张三")}},
    PickerRow{"longer_number_with_zeros", kRoster, {"000015"}, {QStringLiteral("0015 张三")}},
    PickerRow{"case_ignored", kRoster, {"15x"}, {QStringLiteral("15X 李四")}},
    PickerRow{"zeros_and_case", kRoster, {"015x"}, {QStringLiteral("15X 李四")}},
    PickerRow{"unregistered_keeps_record_text", kRoster, {"0099a"}, {QStringLiteral("0099a 未登记")}},
    PickerRow{"digits_differ", kRoster, {"150"}, {QStringLiteral("150 未登记")}},
    PickerRow{"unbroken_run_is_one_entry", kRoster, {"15", "15", "15"}, {QStringLiteral("0015 张三")}},
    PickerRow{"split_run_gives_two_entries", kRoster, {"15", "15", "0002", "15"},
              {QStringLiteral("0015 张三"), QStringLiteral("0002 王五"), QStringLiteral("0015 张三")}},
    PickerRow{"differently_written_numbers_are_separate_runs", kRoster, {"15", "0015"},
              {QStringLiteral("0015 张三"), QStringLiteral("0015 张三")}},
    PickerRow{"first_matching_roster_entry_wins", {"015,甲", "15,乙"}, {"15"}, {QStringLiteral("015 甲")}},
    PickerRow{"empty_roster", {}, {"1", "2"}, {QStringLiteral("1 未登记"), QStringLiteral("2 未登记")}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PickerRuns, ContinueAcrossSegmentBoundaries)
{
    PunchTable table;
    for (int j = 0; j < PunchTable::kSegmentSize + 10; ++j)
        table.append(record(j < PunchTable::kSegmentSize - 5 ? QStringLiteral("1") : QStringLiteral("2")));
    const QStringList entries = tarnby::pickerEntries({}, table);
    EXPECT_EQ(entries, (QStringList{QStringLiteral("1 未登记"), QStringLiteral("2 未登记")}));
}

} // namespace
