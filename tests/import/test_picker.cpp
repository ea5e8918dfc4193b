#include "import/FolderImport.h"
#include "import/PunchTable.h"

#include <gtest/gtest.h>

namespace {

using tarnby::PunchTable;
using tarnby::RosterEntry;

tarnby::Punch record(const QString& number, int minute = 0)
{
    return {number, QStringLiteral("2013-02-20"), QStringLiteral("08:%1:00").arg(minute, 2, 10, QLatin1Char('0'))};
}

TEST(PunchTableSegments, FillInOrderAndStopAtTheLimit)
{
    PunchTable table;
    for (int j = 0; j < PunchTable::kMaxRecords; ++j)
        ASSERT_TRUE(table.append(record(QString::number(j))));
    EXPECT_FALSE(table.append(record(QStringLiteral("one too many"))));
    EXPECT_EQ(table.size(), PunchTable::kMaxRecords);
    for (int s = 0; s < PunchTable::kSegmentCount; ++s) {
        ASSERT_EQ(table.segment(s).size(), PunchTable::kSegmentSize);
        EXPECT_EQ(table.segment(s).first().number, QString::number(s * PunchTable::kSegmentSize));
        EXPECT_EQ(table.segment(s).last().number, QString::number((s + 1) * PunchTable::kSegmentSize - 1));
    }
    EXPECT_TRUE(table.segment(3).isEmpty());
    EXPECT_EQ(table.records().at(PunchTable::kSegmentSize).number, QStringLiteral("32000"));

    table.clear();
    EXPECT_EQ(table.size(), 0);
    EXPECT_TRUE(table.segment(0).isEmpty());
    EXPECT_TRUE(table.append(record(QStringLiteral("again"))));
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
    EXPECT_EQ(tarnby::pickerTexts(tarnby::pickerEntries(roster, table)), GetParam().entries);
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
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(PickerRuns, ContinueAcrossSegmentBoundaries)
{
    PunchTable table;
    for (int j = 0; j < PunchTable::kSegmentSize + 10; ++j)
        table.append(record(j < PunchTable::kSegmentSize - 5 ? QStringLiteral("1") : QStringLiteral("2")));
    const QStringList entries = tarnby::pickerTexts(tarnby::pickerEntries({}, table));
    EXPECT_EQ(entries, (QStringList{QStringLiteral("1 未登记"), QStringLiteral("2 未登记")}));
}


// The lookup as the picker rule states it, entry by entry: the roster lookup
// list holds "NUMBER##name"; the shorter of the entry's number and the
// candidate is padded with zeros on the left (the candidate keeps its padding),
// and the first pair equal once upper-cased gives the entry with "##" made a
// space.
QString paddingRuleEntry(const QList<RosterEntry>& roster, const QString& number)
{
    QStringList lookupList;
    for (const RosterEntry& e : roster)
        lookupList.append(e.number + QStringLiteral("##") + e.name);
    QString candidate = number;
    for (QString entry : lookupList) {
        QString entryNumber = entry.left(entry.indexOf(QLatin1String("##")));
        if (entryNumber.size() < candidate.size())
            entryNumber = entryNumber.rightJustified(candidate.size(), u'0');
        else
            candidate = candidate.rightJustified(entryNumber.size(), u'0');
        if (entryNumber.toUpper() == candidate.toUpper())
            return entry.replace(QLatin1String("##"), QLatin1String(" "));
    }
    return number + QStringLiteral(" 未登记");
}

struct LookupRow {
    const char* name;
    QStringList roster; // "NUMBER,name"; the number is upper-cased as Init.ini is read
    QString number;
};

class PickerLookup : public ::testing::TestWithParam<LookupRow> {};

TEST_P(PickerLookup, AgreesWithThePaddingRule)
{
    QList<RosterEntry> roster;
    for (const QString& line : GetParam().roster)
        roster.append({line.section(u',', 0, 0).toUpper(), line.section(u',', 1, 1)});
    // A record of another number first, so that even an empty number starts a
    // run of its own.
    PunchTable table;
    table.append(record(QStringLiteral("~")));
    table.append(record(GetParam().number));
    const QStringList entries = tarnby::pickerTexts(tarnby::pickerEntries(roster, table));
    ASSERT_EQ(entries.size(), 2);
    EXPECT_EQ(entries.last().toStdString(), paddingRuleEntry(roster, GetParam().number).toStdString());
}

const QStringList kZeroRoster{QStringLiteral("0000,零"), QStringLiteral("0015,张三"), QStringLiteral("15X,李四"),
                              QStringLiteral("A01,赵六")};
const QStringList kDuplicateRoster{QStringLiteral("15,甲"), QStringLiteral("0015,乙"), QStringLiteral("015,丙"),
                                   QStringLiteral("15,丁")};

INSTANTIATE_TEST_SUITE_P(Import, PickerLookup, ::testing::Values(
    LookupRow{"zero_meets_zeros", kZeroRoster, "0"},
    LookupRow{"two_zeros_meet_zeros", kZeroRoster, "00"},
    LookupRow{"four_zeros", kZeroRoster, "0000"},
    LookupRow{"more_zeros_than_the_roster", kZeroRoster, "0000000"},
    LookupRow{"empty_number_is_all_zeros", kZeroRoster, ""},
    LookupRow{"empty_number_without_zero_entry", kRoster, ""},
    LookupRow{"short_number", kZeroRoster, "15"},
    LookupRow{"one_zero_added", kZeroRoster, "015"},
    LookupRow{"trailing_letter_lower_case", kZeroRoster, "15x"},
    LookupRow{"leading_letter", kZeroRoster, "x15"},
    LookupRow{"letter_then_digit", kZeroRoster, "a1"},
    LookupRow{"letter_zero_digit", kZeroRoster, "A01"},
    LookupRow{"letter_zero_digit_lower_case", kZeroRoster, "a01"},
    LookupRow{"zeros_before_a_letter", kZeroRoster, "00a01"},
    LookupRow{"longer_than_the_roster", kZeroRoster, "1234567890"},
    LookupRow{"longer_with_zeros", kZeroRoster, "0000000015"},
    LookupRow{"zero_inside_is_kept", kZeroRoster, "105"},
    LookupRow{"duplicates_first_wins", kDuplicateRoster, "15"},
    LookupRow{"duplicates_first_wins_for_padded", kDuplicateRoster, "00015"},
    LookupRow{"upper_case_longer_than_the_letter", {QStringLiteral("ß,甲")}, "ß"},
    LookupRow{"upper_case_longer_meets_its_spelling", {QStringLiteral("SS,甲")}, "ß"},
    LookupRow{"upper_case_longer_behind_zeros", {QStringLiteral("0SS,甲"), QStringLiteral("SS,乙")}, "0ß"},
    LookupRow{"name_holding_number_signs", {QStringLiteral("0015,张##三")}, "15"},
    LookupRow{"number_holding_number_signs", {QStringLiteral("A##B,甲")}, "A"},
    LookupRow{"empty_roster_number", {QStringLiteral(",无号"), QStringLiteral("0015,张三")}, "0"},
    LookupRow{"empty_roster_number_and_short_record", {QStringLiteral(",无号")}, "15"}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

} // namespace
