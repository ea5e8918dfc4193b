#include "ImportTestSupport.h"

#include "import/FolderImport.h"
#include "import/xls/TestWorkbook.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>

namespace {

using tarnby::ImportOutcome;
using tarnby::PunchTable;
using tarnby::xls::test::TestWorkbook;
using Kind = ImportOutcome::Kind;

const QString kDateTimeFormat = QStringLiteral("yyyy-mm-dd hh:mm:ss");

double at(int day, int hour, int minute, int second = 0)
{
    return TestWorkbook::serial(2013, 2, day, hour, minute, second);
}

// A program folder with Init.ini and an empty data folder beside it.
class Folders : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(tmp_.isValid());
        ASSERT_TRUE(QDir(tmp_.path()).mkpath(QStringLiteral("home")));
        ASSERT_TRUE(QDir(tmp_.path()).mkpath(QStringLiteral("data")));
        home_ = tmp_.filePath(QStringLiteral("home"));
        data_ = tmp_.filePath(QStringLiteral("data"));
    }

    void init(const QString& position, const QStringList& roster = {QStringLiteral("0015,张三")})
    {
        ASSERT_TRUE(importtest::writeInit(home_, position, roster));
    }

    void save(const TestWorkbook& book, const QString& name)
    {
        QString error;
        ASSERT_TRUE(book.save(QDir(data_).filePath(name), &error)) << error.toStdString();
    }

    // A workbook with a header row and `count` punches of one number from row 2.
    void saveRun(const QString& name, const QString& number, int count, int firstMinute = 0)
    {
        TestWorkbook book;
        book.text(0, 0, QStringLiteral("工号")).text(0, 1, QStringLiteral("时间"));
        for (int i = 0; i < count; ++i)
            book.text(i + 1, 0, number).number(i + 1, 1, at(20, 8, 0) + (firstMinute + i) / 1440.0, kDateTimeFormat);
        save(book, name);
    }

    // Workbooks "0.xls", "1.xls" … holding that many punches each, numbered
    // 0, 1, 2 … across them; a count of 0 stands for a damaged workbook.
    void saveNumbered(const std::vector<int>& perWorkbook)
    {
        int base = 0;
        for (std::size_t i = 0; i < perWorkbook.size(); ++i) {
            const QString name = QStringLiteral("%1.xls").arg(i);
            if (perWorkbook[i] == 0) {
                ASSERT_TRUE(importtest::writeFile(dataPath(name), "this is not a workbook"));
                continue;
            }
            TestWorkbook book;
            for (int r = 0; r < perWorkbook[i]; ++r)
                book.number(r + 1, 0, base + r).number(r + 1, 1, at(20, 8, 0), kDateTimeFormat);
            base += perWorkbook[i];
            save(book, name);
        }
    }

    ImportOutcome read(PunchTable& table, const tarnby::ImportProgressFn& progress = {})
    {
        return tarnby::ReadFolderRecords(home_, data_, table, progress);
    }

    QString dataPath(const QString& name) const { return QDir(data_).filePath(name); }

    QTemporaryDir tmp_;
    QString home_;
    QString data_;
};

// One row of the number column and the time column at A2/B2.
struct CellRow {
    const char* name;
    std::function<void(TestWorkbook&)> write;
    const char* record; // nullptr: the read fails
};

class OneRecord : public Folders, public ::testing::WithParamInterface<CellRow> {};

TEST_P(OneRecord, TakesItsTextFromTheCells)
{
    init(QStringLiteral("A2B2"));
    TestWorkbook book;
    GetParam().write(book);
    save(book, QStringLiteral("a.xls"));
    PunchTable table;
    const ImportOutcome out = read(table);
    if (!GetParam().record) {
        EXPECT_EQ(out.kind, Kind::ReadError);
        EXPECT_EQ(table.size(), 0);
        return;
    }
    ASSERT_EQ(out.kind, Kind::Read) << out.text.toStdString();
    ASSERT_EQ(table.size(), 1);
    EXPECT_EQ(table.segment(0).first().text().toStdString(), GetParam().record);
}

INSTANTIATE_TEST_SUITE_P(Import, OneRecord, ::testing::Values(
    CellRow{"numeric_number_loses_zeros", [](TestWorkbook& b) {
        b.number(1, 0, 15, QStringLiteral("0000")).number(1, 1, at(20, 8, 1, 5), kDateTimeFormat);
    }, "15##2013-02-20##08:01:05"},
    CellRow{"text_number_keeps_zeros", [](TestWorkbook& b) {
        b.text(1, 0, QStringLiteral("0015")).number(1, 1, at(20, 8, 1), kDateTimeFormat);
    }, "0015##2013-02-20##08:01:00"},
    CellRow{"fractional_number", [](TestWorkbook& b) {
        b.number(1, 0, 1.5).number(1, 1, at(20, 8, 1), kDateTimeFormat);
    }, "1.5##2013-02-20##08:01:00"},
    CellRow{"date_only_is_midnight", [](TestWorkbook& b) {
        b.number(1, 0, 7).number(1, 1, at(20, 0, 0), QStringLiteral("yyyy-mm-dd"));
    }, "7##2013-02-20##00:00:00"},
    CellRow{"time_format_still_carries_the_date", [](TestWorkbook& b) {
        b.number(1, 0, 7).number(1, 1, at(20, 17, 30, 9), QStringLiteral("hh:mm:ss"));
    }, "7##2013-02-20##17:30:09"},
    CellRow{"plain_number_is_days", [](TestWorkbook& b) {
        b.number(1, 0, 7).number(1, 1, 41325.5);
    }, "7##2013-02-20##12:00:00"},
    CellRow{"date_time_text", [](TestWorkbook& b) {
        b.number(1, 0, 7).text(1, 1, QStringLiteral("2013/2/20 8:01"));
    }, "7##2013-02-20##08:01:00"},
    CellRow{"unreadable_text_split_at_fullwidth_comma", [](TestWorkbook& b) {
        b.number(1, 0, 7).text(1, 1, QStringLiteral("2013-2-20，8:01"));
    }, "7##2013-2-20##8:01"},
    CellRow{"unreadable_text_takes_first_two_pieces", [](TestWorkbook& b) {
        b.number(1, 0, 7).text(1, 1, QStringLiteral("昨天 上午 八点"));
    }, "7##昨天##上午"},
    CellRow{"double_space_gives_empty_time", [](TestWorkbook& b) {
        b.number(1, 0, 7).text(1, 1, QStringLiteral("2月20日  8点"));
    }, "7##2月20日##"},
    CellRow{"number_text_kept_untrimmed", [](TestWorkbook& b) {
        b.text(1, 0, QStringLiteral(" a1 ")).number(1, 1, at(20, 8, 1), kDateTimeFormat);
    }, " a1 ##2013-02-20##08:01:00"},
    CellRow{"biff5_text", [](TestWorkbook& b) {
        b = TestWorkbook(TestWorkbook::Biff::Biff5);
        b.setCodePage(936).text(1, 0, QStringLiteral("张0015")).text(1, 1, QStringLiteral("2013-02-20 08:01:00"));
    }, "张0015##2013-02-20##08:01:00"},
    CellRow{"time_missing_fails", [](TestWorkbook& b) { b.number(1, 0, 7); }, nullptr},
    CellRow{"time_without_space_fails", [](TestWorkbook& b) {
        b.number(1, 0, 7).text(1, 1, QStringLiteral("08:01"));
    }, nullptr},
    CellRow{"error_value_in_number_fails", [](TestWorkbook& b) {
        b.error(1, 0, 0x07).number(1, 1, at(20, 8, 1), kDateTimeFormat);
    }, nullptr}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST_F(Folders, NumberAndTimeColumnsAdvanceTogetherFromTheirOwnRows)
{
    init(QStringLiteral("A2B3"));
    TestWorkbook book;
    book.number(1, 0, 1).number(2, 0, 2)                       // A2, A3; A4 empty
        .text(1, 1, QStringLiteral("junk"))                    // B2 is never read
        .number(2, 1, at(20, 8, 0), kDateTimeFormat)           // B3 pairs with A2
        .number(3, 1, at(20, 9, 0), kDateTimeFormat)           // B4 pairs with A3
        .number(4, 1, at(20, 10, 0), kDateTimeFormat);         // B5 has no number
    save(book, QStringLiteral("a.xls"));
    PunchTable table;
    ASSERT_EQ(read(table).kind, Kind::Read);
    EXPECT_EQ(importtest::texts(table.records()), (QStringList{QStringLiteral("1##2013-02-20##08:00:00"),
                                            QStringLiteral("2##2013-02-20##09:00:00")}));
}

TEST_F(Folders, ReadsOnlyVisibleExportFilesInNameOrderIgnoringCase)
{
    init(QStringLiteral("A2B2"));
    saveRun(QStringLiteral("b.xls"), QStringLiteral("2"), 1);
    saveRun(QStringLiteral("A.XLS"), QStringLiteral("1"), 1);
    saveRun(QStringLiteral("clock10.xls"), QStringLiteral("10"), 1);
    saveRun(QStringLiteral("clock9.Xls"), QStringLiteral("9"), 1);
    saveRun(QStringLiteral(".hidden.xls"), QStringLiteral("h"), 1);
    saveRun(QStringLiteral("old.xls.bak"), QStringLiteral("bak"), 1);
    // an .xls workbook saved under an .xlsx name reads as the workbook it is
    saveRun(QStringLiteral("new.xlsx"), QStringLiteral("x"), 1);
    ASSERT_TRUE(QDir(data_).mkpath(QStringLiteral("sub.xls")));
    ASSERT_TRUE(importtest::writeFile(dataPath(QStringLiteral("notes.txt")), "notes"));

    EXPECT_EQ(tarnby::listWorkbooks(data_),
              (QStringList{"A.XLS", "b.xls", "clock10.xls", "clock9.Xls", "new.xlsx"}));
    PunchTable table;
    const ImportOutcome out = read(table);
    ASSERT_EQ(out.kind, Kind::Read);
    EXPECT_EQ(out.workbookCount, 5);
    QStringList numbers;
    for (const tarnby::Punch& p : table.records())
        numbers << p.number;
    EXPECT_EQ(numbers, (QStringList{"1", "2", "10", "9", "x"}));
}

TEST_F(Folders, WorkbookWithEmptyFirstNumberCellGivesNothing)
{
    init(QStringLiteral("A2B2"));
    saveRun(QStringLiteral("a.xls"), QStringLiteral("1"), 2);
    TestWorkbook empty;
    empty.number(1, 1, at(20, 8, 0), kDateTimeFormat).number(2, 0, 5).number(2, 1, at(20, 9, 0), kDateTimeFormat);
    save(empty, QStringLiteral("b.xls"));
    saveRun(QStringLiteral("c.xls"), QStringLiteral("3"), 1);
    PunchTable table;
    ASSERT_EQ(read(table).kind, Kind::Read);
    EXPECT_EQ(table.size(), 3);
    EXPECT_EQ(table.records().last().number, QStringLiteral("3"));
}

TEST_F(Folders, EmptyFolderEmptiesTheTableWithoutReadingInit)
{
    // No Init.ini at all: an empty folder must not need one.
    saveRun(QStringLiteral(".hidden.xls"), QStringLiteral("1"), 1);
    PunchTable table;
    table.append(tarnby::Punch::fromText(QStringLiteral("old##2013-01-01##08:00:00")));
    const ImportOutcome out = read(table);
    EXPECT_EQ(out.kind, Kind::Empty);
    EXPECT_FALSE(out.hasMessage());
    EXPECT_FALSE(out.fillsPicker());
    EXPECT_EQ(table.size(), 0);
}

struct SetupRow {
    const char* name;
    std::function<void(const QString& home, const QString& data)> arrange;
    bool useMissingFolder;
    const char* messagePart;
};

class SetupFailure : public Folders, public ::testing::WithParamInterface<SetupRow> {};

TEST_P(SetupFailure, LeavesTheTableAsItWas)
{
    saveRun(QStringLiteral("a.xls"), QStringLiteral("1"), 3);
    GetParam().arrange(home_, data_);
    PunchTable table;
    table.append(tarnby::Punch::fromText(QStringLiteral("old##2013-01-01##08:00:00")));
    const QString folder = GetParam().useMissingFolder ? tmp_.filePath(QStringLiteral("gone")) : data_;
    const ImportOutcome out = tarnby::ReadFolderRecords(home_, folder, table);
    EXPECT_EQ(out.kind, Kind::SetupError);
    EXPECT_EQ(out.title, QStringLiteral("错误"));
    EXPECT_TRUE(out.text.contains(QString::fromUtf8(GetParam().messagePart))) << out.text.toStdString();
    EXPECT_FALSE(out.fillsPicker());
    EXPECT_EQ(importtest::texts(table.records()), QStringList{QStringLiteral("old##2013-01-01##08:00:00")});
}

INSTANTIATE_TEST_SUITE_P(Import, SetupFailure, ::testing::Values(
    SetupRow{"no_init_file", [](const QString&, const QString&) {}, false, "Init.ini"},
    SetupRow{"init_without_markers", [](const QString& home, const QString&) {
        importtest::writeFile(QDir(home).filePath("Init.ini"), "[A2B2]\r\n");
    }, false, "Init.ini"},
    SetupRow{"short_position_line", [](const QString& home, const QString&) {
        importtest::writeFile(QDir(home).filePath("Init.ini"),
                              "[A2\r\n;+\r\n1,a\r\n;#\r\n;=\r\n083012001400170020302230090017002130\r\n;*\r\n;;\r\n");
    }, false, "Init.ini"},
    SetupRow{"folder_missing", [](const QString& home, const QString&) {
        importtest::writeInit(home, "A2B2", {});
    }, true, "不存在"},
    SetupRow{"folder_is_a_file", [](const QString& home, const QString& data) {
        importtest::writeInit(home, "A2B2", {});
        QDir(data).removeRecursively();
        importtest::writeFile(data, "x");
    }, false, "不是文件夹"}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

class BadPosition : public Folders, public ::testing::WithParamInterface<const char*> {};

TEST_P(BadPosition, TakesTheReadErrorPathAtTheFirstWorkbook)
{
    init(QString::fromUtf8(GetParam()));
    saveRun(QStringLiteral("a.xls"), QStringLiteral("1"), 3);
    saveRun(QStringLiteral("b.xls"), QStringLiteral("2"), 3);
    PunchTable table;
    table.append(tarnby::Punch::fromText(QStringLiteral("old##2013-01-01##08:00:00")));
    const ImportOutcome out = read(table);
    EXPECT_EQ(out.kind, Kind::ReadError);
    EXPECT_EQ(out.failedWorkbook, dataPath(QStringLiteral("a.xls")));
    EXPECT_EQ(table.size(), 0);
}

INSTANTIATE_TEST_SUITE_P(Import, BadPosition,
                         ::testing::Values("A0B2", "A2B0", "AxB2", "A2#2", "12B2", "A2BB"));

struct LateTimePositionRow {
    const char* name;
    int firstRecords;  // records of a.xls; b.xls holds none
    int lastRecords;   // records of c.xls
    Kind kind;
    const char* failedWorkbook; // nullptr: the read finishes
};

class LateTimePosition : public Folders, public ::testing::WithParamInterface<LateTimePositionRow> {};

// The time cell is located only once a row has a number, so a bad time
// position fails at the first workbook with a record and not before.
TEST_P(LateTimePosition, FailsAtTheFirstRecordOnly)
{
    init(QStringLiteral("A2B0"));
    const auto saveNumbers = [this](const QString& name, int count) {
        TestWorkbook book;
        book.text(0, 0, QStringLiteral("工号"));
        for (int r = 0; r < count; ++r)
            book.number(r + 1, 0, r + 1).number(r + 1, 1, at(20, 8, r), kDateTimeFormat);
        save(book, name);
    };
    saveNumbers(QStringLiteral("a.xls"), GetParam().firstRecords);
    saveNumbers(QStringLiteral("b.xls"), 0);
    saveNumbers(QStringLiteral("c.xls"), GetParam().lastRecords);
    PunchTable table;
    table.append(tarnby::Punch::fromText(QStringLiteral("old##2013-01-01##08:00:00")));
    const ImportOutcome out = read(table);
    EXPECT_EQ(out.kind, GetParam().kind);
    EXPECT_EQ(out.failedWorkbook,
              GetParam().failedWorkbook ? dataPath(QString::fromUtf8(GetParam().failedWorkbook)) : QString());
    EXPECT_EQ(table.size(), 0);
}

INSTANTIATE_TEST_SUITE_P(Import, LateTimePosition, ::testing::Values(
    LateTimePositionRow{"first_workbook_with_a_number_fails", 2, 2, Kind::ReadError, "a.xls"},
    LateTimePositionRow{"empty_workbooks_before_it_are_passed", 0, 2, Kind::ReadError, "c.xls"},
    LateTimePositionRow{"no_number_anywhere_finishes", 0, 0, Kind::Read, nullptr}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST_F(Folders, LowerCaseColumnLetterIsAccepted)
{
    init(QStringLiteral("a2b2"));
    saveRun(QStringLiteral("a.xls"), QStringLiteral("1"), 2);
    PunchTable table;
    EXPECT_EQ(read(table).kind, Kind::Read);
    EXPECT_EQ(table.size(), 2);
}

TEST_F(Folders, ReadErrorKeepsEarlierRecordsAndNamesTheWorkbook)
{
    init(QStringLiteral("A2B2"));
    saveRun(QStringLiteral("1.xls"), QStringLiteral("1"), 4);
    TestWorkbook locked;
    locked.setFilePass(true).number(1, 0, 2).number(1, 1, at(20, 8, 0), kDateTimeFormat);
    save(locked, QStringLiteral("2.xls"));
    saveRun(QStringLiteral("3.xls"), QStringLiteral("3"), 4);

    PunchTable table;
    const ImportOutcome out = read(table);
    ASSERT_EQ(out.kind, Kind::ReadError);
    EXPECT_FALSE(out.fillsPicker());
    EXPECT_EQ(out.title, QStringLiteral("错误"));
    EXPECT_EQ(out.failedWorkbook, dataPath(QStringLiteral("2.xls")));
    EXPECT_EQ(out.text, dataPath(QStringLiteral("2.xls")) + QStringLiteral(
        "\n文件读取错误，请检查是否含有密码，\n或数据所在位置设定不正确！"));
    EXPECT_EQ(table.size(), 4);
}

TEST_F(Folders, MissingTimeKeepsTheRowsBeforeIt)
{
    init(QStringLiteral("A2B2"));
    saveRun(QStringLiteral("1.xls"), QStringLiteral("1"), 2);
    TestWorkbook book;
    book.number(1, 0, 2).number(1, 1, at(20, 8, 0), kDateTimeFormat).number(2, 0, 2).blank(2, 1);
    save(book, QStringLiteral("2.xls"));
    PunchTable table;
    const ImportOutcome out = read(table);
    EXPECT_EQ(out.kind, Kind::ReadError);
    EXPECT_EQ(out.failedWorkbook, dataPath(QStringLiteral("2.xls")));
    EXPECT_EQ(table.size(), 3);
}

TEST_F(Folders, DamagedWorkbookIsAReadError)
{
    init(QStringLiteral("A2B2"));
    ASSERT_TRUE(importtest::writeFile(dataPath(QStringLiteral("a.xls")), "this is not a workbook"));
    PunchTable table;
    EXPECT_EQ(read(table).kind, Kind::ReadError);
}

// The workbooks of a folder are read side by side, but what the read tells is
// what reading them one after the other tells: a full table ends the read
// before a damaged workbook further on, and a damaged one ends it before any
// further on.
struct OrderRow {
    const char* name;
    std::vector<int> perWorkbook; // records; 0: a damaged workbook
    Kind kind;
    bool overflow;
    int stored;
};

class ReadOrder : public Folders, public ::testing::WithParamInterface<OrderRow> {};

TEST_P(ReadOrder, TellsWhatTheFirstWorkbookInNameOrderTells)
{
    init(QStringLiteral("A2B2"));
    saveNumbered(GetParam().perWorkbook);
    PunchTable table;
    const ImportOutcome out = read(table);
    EXPECT_EQ(out.kind, GetParam().kind);
    EXPECT_EQ(out.overflow, GetParam().overflow);
    ASSERT_EQ(table.size(), GetParam().stored);
    const QList<tarnby::Punch> all = table.records();
    for (int j = 0; j < all.size(); j += 997)
        EXPECT_EQ(all.at(j).number, QString::number(j));
}

INSTANTIATE_TEST_SUITE_P(Import, ReadOrder, ::testing::Values(
    OrderRow{"full_before_damaged", {50000, 50000, 0}, Kind::Read, true, 96000},
    OrderRow{"damaged_before_full", {50000, 0, 50000}, Kind::ReadError, false, 50000},
    OrderRow{"damaged_among_many", {300, 300, 300, 300, 0, 300, 0, 300}, Kind::ReadError, false, 1200}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

struct VolumeRow {
    const char* name;
    std::vector<int> perWorkbook;
    int stored;
    bool overflow;
};

class Volume : public Folders, public ::testing::WithParamInterface<VolumeRow> {};

TEST_P(Volume, FillsSegmentsInOrderUpToTheLimit)
{
    init(QStringLiteral("A2B2"));
    saveNumbered(GetParam().perWorkbook);
    int lastReported = -1;
    int reports = 0;
    PunchTable table;
    const ImportOutcome out = read(table, [&](const tarnby::ImportProgress& p) {
        EXPECT_GE(p.records, lastReported);
        EXPECT_EQ(p.workbookCount, int(GetParam().perWorkbook.size()));
        lastReported = p.records;
        ++reports;
    });
    EXPECT_EQ(out.kind, Kind::Read);
    EXPECT_EQ(out.overflow, GetParam().overflow);
    EXPECT_EQ(out.text, GetParam().overflow ? QStringLiteral("考勤记录总数益出！") : QString());
    EXPECT_TRUE(out.title.isEmpty());
    EXPECT_TRUE(out.fillsPicker());
    EXPECT_GT(reports, int(GetParam().perWorkbook.size()));
    ASSERT_EQ(table.size(), GetParam().stored);
    const QList<tarnby::Punch> all = table.records();
    for (int j : {0, PunchTable::kSegmentSize - 1, PunchTable::kSegmentSize, GetParam().stored - 1}) {
        if (j < GetParam().stored) {
            EXPECT_EQ(all.at(j).number, QString::number(j));
        }
    }
    if (GetParam().stored > PunchTable::kSegmentSize) {
        EXPECT_EQ(table.segment(1).first().number, QStringLiteral("32000"));
    }
}

INSTANTIATE_TEST_SUITE_P(Import, Volume, ::testing::Values(
    VolumeRow{"first_segment_full", {32000}, 32000, false},
    VolumeRow{"one_into_the_second", {20000, 12001}, 32001, false},
    VolumeRow{"exactly_the_limit", {32000, 32000, 32000}, 96000, false},
    VolumeRow{"overflow_keeps_the_first_96000", {40000, 40000, 20000}, 96000, true}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST_F(Folders, PickerUsesTheRosterOfInit)
{
    init(QStringLiteral("A2B2"), {QStringLiteral("0015,张三"), QStringLiteral("15x，李四")});
    PunchTable table;
    table.append(tarnby::Punch::fromText(QStringLiteral("15##2013-02-20##08:00:00")));
    table.append(tarnby::Punch::fromText(QStringLiteral("15X##2013-02-20##08:00:00")));
    table.append(tarnby::Punch::fromText(QStringLiteral("9##2013-02-20##08:00:00")));
    const auto picker = tarnby::FillAnalysisPicker(home_, table);
    ASSERT_TRUE(picker.ok()) << picker.error().toStdString();
    EXPECT_EQ(tarnby::pickerTexts(*picker), (QStringList{QStringLiteral("0015 张三"), QStringLiteral("15X 李四"),
                                    QStringLiteral("9 未登记")}));
}

TEST_F(Folders, PickerReportsAnUnreadableRoster)
{
    init(QStringLiteral("A2B2"), {QStringLiteral("0015 张三")});
    PunchTable table;
    table.append(tarnby::Punch::fromText(QStringLiteral("15##2013-02-20##08:00:00")));
    const auto picker = tarnby::FillAnalysisPicker(home_, table);
    EXPECT_FALSE(picker.ok());
    EXPECT_TRUE(picker.error().contains(QStringLiteral("Init.ini")));
}

} // namespace
