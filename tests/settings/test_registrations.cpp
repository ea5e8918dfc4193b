#include "settings/HandlingMethod.h"
#include "settings/Holidays.h"
#include "settings/Registration.h"
#include "settings/RegistrationList.h"
#include "settings/TextCollation.h"
#include "support/ProgramFolder.h"
#include "support/Unprivileged.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tarnby;
using testsupport::gbk;
using testsupport::ProgramFolder;

namespace {

// The page names the month by its year and month boxes.
Outcome saveFromBoxes(const RegistrationList& list, const QString& dir, const QString& year, const QString& month)
{
    const Result<MonthKey> key = monthfile::fromBoxes(year, month);
    return key ? list.SaveRegistrations(dir, *key) : key.outcome();
}

Registration sample(const QString& number, const QString& date, const QString& reason)
{
    return Registration{number, date, QStringLiteral("张三"), reason, QStringLiteral("不计漏打1次")};
}

TEST(HandlingMethodTest, EveryTypeBuildsItsStoredMethodFromItsFirstAmount)
{
    struct Row {
        const char* name;
        QString type;
        QString expectedMethod;
        QStringList amounts;
    };
    const Row rows[] = {
        {"missed punch is not counted", QStringLiteral("漏打"), QStringLiteral("不计漏打1次"), {"1", "2"}},
        {"lateness is not counted", QStringLiteral("迟到"), QStringLiteral("不计迟到1次"), {"1", "2"}},
        {"sick leave has no prefix", QStringLiteral("病假"), QStringLiteral("病假0.5天"), {"0.5", "1"}},
        {"personal leave has no prefix", QStringLiteral("事假"), QStringLiteral("事假0.5天"), {"0.5", "1"}},
        {"absence is not counted", QStringLiteral("旷工"), QStringLiteral("不计旷工0.5天"), {"0.5", "1"}},
        {"a penalty offers eight sums", QStringLiteral("处罚"), QStringLiteral("处罚5元"),
         {"5", "10", "15", "20", "50", "100", "200", "500"}},
    };
    ASSERT_EQ(handlingTypes().size(), 6);
    int position = 0;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const HandlingType* t = findHandlingType(row.type);
        ASSERT_NE(t, nullptr);
        EXPECT_EQ(handlingTypes().at(position++).type, row.type);
        EXPECT_EQ(t->amounts, row.amounts);
        EXPECT_EQ(handlingMethod(t->prefix, t->type, t->amounts.first(), t->unit), row.expectedMethod);
    }
    EXPECT_EQ(findHandlingType(QStringLiteral("加班")), nullptr);
}

TEST(RegistrationLineTest, SplitsAndJoinsAtTheSeparator)
{
    struct Row {
        const char* name;
        QString line;
        bool ok;
        QString method;
    };
    const Row rows[] = {
        {"five fields", QStringLiteral("0001##02月28日##张三##迟到##不计迟到1次"), true, QStringLiteral("不计迟到1次")},
        {"empty fields are still fields", QStringLiteral("0000########"), true, QString()},
        {"extra fields stay with the method", QStringLiteral("1##02月01日##李四##事由##病假1天##附注"), true,
         QStringLiteral("病假1天##附注")},
        {"four fields are refused", QStringLiteral("0001##02月28日##张三##迟到"), false, {}},
        {"a line without separators is refused", QStringLiteral("随便写的一行"), false, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto r = Registration::fromLine(row.line);
        ASSERT_EQ(r.ok(), row.ok);
        if (!row.ok)
            continue;
        EXPECT_EQ(r->method, row.method);
        EXPECT_EQ(r->line(), row.line);
    }
}

class RegistrationFileTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.valid()); }
    ProgramFolder folder;
    const MonthKey feb2013{2013, 2};
};

TEST_F(RegistrationFileTest, RoundTripKeepsChineseTextInGbkWithCrLf)
{
    const QList<Registration> regs = {
        sample(QStringLiteral("0001"), QStringLiteral("02月05日"), QStringLiteral("因出勤上午下班卡未能及时打上！")),
        Registration{kAllEmployeesNumber, QStringLiteral("02月10日"), kAllEmployeesName, QStringLiteral("停电"),
                     QStringLiteral("不计旷工1天")},
    };
    const Outcome saved = registrationfile::save(folder.path(), feb2013, regs);
    ASSERT_TRUE(saved.ok());
    EXPECT_EQ(saved.text, kRegistrationsSaved);
    EXPECT_EQ(saved.kind, Outcome::Kind::Success);
    EXPECT_EQ(folder.read(QStringLiteral("201302.ydj")),
              gbk(QStringLiteral("0001##02月05日##张三##因出勤上午下班卡未能及时打上！##不计漏打1次\r\n"
                                 "0000##02月10日##全体员工##停电##不计旷工1天\r\n")));
    const auto loaded = registrationfile::load(folder.path(), feb2013);
    ASSERT_TRUE(loaded.ok());
    EXPECT_EQ(loaded.value(), regs);
}

TEST_F(RegistrationFileTest, EmptyListWritesOneEmptyLineThatLoadsAsEmpty)
{
    ASSERT_TRUE(registrationfile::save(folder.path(), feb2013, {}).ok());
    EXPECT_EQ(folder.read(QStringLiteral("201302.ydj")), QByteArray("\r\n"));
    const auto loaded = registrationfile::load(folder.path(), feb2013);
    ASSERT_TRUE(loaded.ok());
    EXPECT_TRUE(loaded->isEmpty());
}

TEST_F(RegistrationFileTest, LoadSkipsEmptyLinesAndTreatsAMissingFileAsAnEmptyMonth)
{
    folder.write(QStringLiteral("201302.ydj"),
                 gbk(QStringLiteral("\r\n1##02月01日##甲##a##b\r\n\r\n\r\n2##02月02日##乙##c##d\r\n")));
    const auto loaded = registrationfile::load(folder.path(), feb2013);
    ASSERT_TRUE(loaded.ok());
    ASSERT_EQ(loaded->size(), 2);
    EXPECT_EQ(loaded->at(1).name, QStringLiteral("乙"));

    const auto missing = registrationfile::load(folder.path(), MonthKey{2013, 3});
    ASSERT_TRUE(missing.ok());
    EXPECT_TRUE(missing->isEmpty());
}

TEST_F(RegistrationFileTest, AShortLineIsAnErrorNamingTheLineAndTheListKeepsItsRows)
{
    folder.write(QStringLiteral("201302.ydj"), gbk(QStringLiteral("1##02月01日##甲##a##b\r\n\r\n2##02月02日##乙\r\n")));
    const auto loaded = registrationfile::load(folder.path(), feb2013);
    ASSERT_FALSE(loaded.ok());
    EXPECT_TRUE(loaded.error().contains(QStringLiteral("第 3 行")));

    RegistrationList list;
    list.setRegistrations({sample("9", QStringLiteral("03月01日"), QStringLiteral("旧的"))});
    const Outcome outcome = list.LoadRegistrations(folder.path(), monthfile::shownMonth(QStringLiteral("2013"), QStringLiteral("2")));
    EXPECT_FALSE(outcome.ok());
    EXPECT_EQ(outcome.title(), kTitleError);
    ASSERT_EQ(list.size(), 1);
    EXPECT_EQ(list.row(0).registration.reason, QStringLiteral("旧的"));
}

TEST_F(RegistrationFileTest, RefusedSavesLeaveTheStoredFileByteForByte)
{
    const QByteArray before = gbk(QStringLiteral("1##02月01日##甲##原来的事由##病假1天\r\n"));
    folder.write(QStringLiteral("201302.ydj"), before);
    struct Row {
        const char* name;
        Registration registration;
    };
    const Row rows[] = {
        {"reason with the separator",
         sample("1", QStringLiteral("02月01日"), QStringLiteral("上午##下午"))},
        {"reason with a line break", sample("1", QStringLiteral("02月01日"), QStringLiteral("上午\n下午"))},
        {"reason with a character GBK cannot hold", sample("1", QStringLiteral("02月01日"), QStringLiteral("迟到🙂"))},
        {"name with a carriage return",
         Registration{"1", QStringLiteral("02月01日"), QStringLiteral("张\r三"), "x", "y"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const Outcome outcome = registrationfile::save(folder.path(), feb2013, {row.registration});
        EXPECT_FALSE(outcome.ok());
        EXPECT_FALSE(outcome.text.isEmpty());
        EXPECT_EQ(folder.read(QStringLiteral("201302.ydj")), before);
    }
}

TEST_F(RegistrationFileTest, SaveRefusesBoxesThatNameNoMonth)
{
    RegistrationList list;
    list.setRegistrations({sample("1", QStringLiteral("13月01日"), QStringLiteral("x"))});
    EXPECT_FALSE(saveFromBoxes(list, folder.path(), QStringLiteral("2013"), QStringLiteral("13")).ok());
    EXPECT_FALSE(saveFromBoxes(list, folder.path(), QStringLiteral("1900"), QStringLiteral("1")).ok());
    EXPECT_TRUE(QDir(folder.srDate()).entryList(QDir::Files).isEmpty());
}

TEST_F(RegistrationFileTest, SaveWithoutTheSrDateFolderIsAnErrorAndCreatesNothing)
{
    folder.removeSrDate();
    const Outcome outcome = registrationfile::save(folder.path(), feb2013, {});
    EXPECT_FALSE(outcome.ok());
    EXPECT_TRUE(outcome.text.contains(QStringLiteral("SrDate")));
    EXPECT_FALSE(QDir(folder.srDate()).exists());
}

TEST_F(RegistrationFileTest, SaveIntoAReadOnlyFolderFailsAndKeepsTheOldFile)
{
    const QByteArray before = gbk(QStringLiteral("1##02月01日##甲##旧##病假1天\r\n"));
    folder.write(QStringLiteral("201302.ydj"), before);
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther
                                             | QFile::ExeOther);
    QFile::setPermissions(folder.srDate(), QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
    QFile::setPermissions(folder.srDate(QStringLiteral("201302.ydj")), QFile::ReadOwner | QFile::ReadOther);
    const QString dir = folder.path();
    const bool failed = testsupport::asUnprivilegedUser([&] {
        const Outcome out = registrationfile::save(dir, MonthKey{2013, 2}, {sample("2", QStringLiteral("02月02日"), "x")});
        return !out.ok() && out.text.contains(QStringLiteral("201302.ydj"));
    });
    QFile::setPermissions(folder.srDate(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_TRUE(failed);
    EXPECT_EQ(folder.read(QStringLiteral("201302.ydj")), before);
}

TEST_F(RegistrationFileTest, SavingAfterChangingTheMonthBoxWritesTheOtherMonth)
{
    RegistrationList list;
    ASSERT_TRUE(list.AddRegistration({"0001", "张三"}, "02", "05", QStringLiteral("迟到"),
                                     QStringLiteral("不计迟到1次"))
                    .ok());
    ASSERT_TRUE(saveFromBoxes(list, folder.path(), QStringLiteral("2013"), QStringLiteral("3")).ok());
    EXPECT_TRUE(folder.exists(QStringLiteral("201303.ydj")));
    EXPECT_FALSE(folder.exists(QStringLiteral("201302.ydj")));
}

TEST(FileMessagesTest, AFolderNameHoldingPercentSignsIsNamedAsItIs)
{
    QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/tarnby %2 %1-XXXXXX"));
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("SrDate")));
    const QString folder = QFileInfo(dir.path()).absoluteFilePath();
    {
        QFile file(folder + QStringLiteral("/SrDate/201302.ydj"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(gbk(QStringLiteral("1##02月01日##甲\r\n")));
    }
    const QStringList messages = {
        registrationfile::load(folder, MonthKey{2013, 2}).error(),
        holidays::parse({QStringLiteral("节假日")}, folder + QStringLiteral("/Holidays.txt")).error(),
    };
    for (const QString& message : messages) {
        SCOPED_TRACE(message.toStdString());
        EXPECT_TRUE(message.contains(folder));
        EXPECT_TRUE(message.contains(QStringLiteral("第 1 行")) || message.contains(QStringLiteral("第1行")));
    }
}

TEST(RegistrationListTest, AddSplitsThePickerTextAtItsFirstSpace)
{
    RegistrationList list;
    ASSERT_TRUE(list.AddRegistration(PickerEntry::fromText(QStringLiteral("0000 全体员工")), "02", "28", "年会",
                                     QStringLiteral("不计旷工1天"))
                    .ok());
    ASSERT_TRUE(list.AddRegistration(PickerEntry::fromText(QStringLiteral("S01 欧阳 小明")), "03", "01", "a", "b").ok());
    ASSERT_EQ(list.size(), 2);
    EXPECT_EQ(list.row(0).registration,
              (Registration{"0000", QStringLiteral("02月28日"), QStringLiteral("全体员工"), QStringLiteral("年会"),
                            QStringLiteral("不计旷工1天")}));
    EXPECT_EQ(list.row(1).registration.number, QStringLiteral("S01"));
    EXPECT_EQ(list.row(1).registration.name, QStringLiteral("欧阳 小明"));
}

TEST(RegistrationListTest, RefusedAdditionsLeaveTheListUnchanged)
{
    struct Row {
        const char* name;
        QString picker;
        QString reason;
    };
    const Row rows[] = {
        {"picker text without a space", QStringLiteral("0001张三"), QStringLiteral("迟到")},
        {"reason holding the separator", QStringLiteral("0001 张三"), QStringLiteral("迟到##早退")},
        {"reason holding a line break", QStringLiteral("0001 张三"), QStringLiteral("迟到\r\n早退")},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        RegistrationList list;
        const Outcome outcome =
            list.AddRegistration(PickerEntry::fromText(row.picker), "02", "01", row.reason, QStringLiteral("不计迟到1次"));
        EXPECT_FALSE(outcome.ok());
        EXPECT_EQ(outcome.title(), kTitleError);
        EXPECT_TRUE(list.isEmpty());
    }
}

TEST(RegistrationListTest, RemovesOnlyCheckedRowsAndDoubleToggleRestores)
{
    RegistrationList list;
    for (int i = 1; i <= 4; ++i)
        list.AddRegistration({QString::number(i), "员工"}, "02", QStringLiteral("0%1").arg(i), "r", "m");
    EXPECT_EQ(list.RemoveCheckedRegistrations(), 0);
    EXPECT_EQ(list.size(), 4);

    list.toggleCheck(2);
    list.toggleCheck(2);
    EXPECT_FALSE(list.row(2).checked);

    list.toggleCheck(0);
    list.toggleCheck(3);
    EXPECT_EQ(list.RemoveCheckedRegistrations(), 2);
    ASSERT_EQ(list.size(), 2);
    EXPECT_EQ(list.row(0).registration.number, QStringLiteral("2"));
    EXPECT_EQ(list.row(1).registration.number, QStringLiteral("3"));
}

TEST(RegistrationListTest, HeaderClicksSortByTheColumnAndFlipTheOrder)
{
    RegistrationList list;
    list.setRegistrations({
        Registration{"10", QStringLiteral("02月03日"), QStringLiteral("张三"), "c", "m"},
        Registration{"2", QStringLiteral("02月01日"), QStringLiteral("李四"), "a", "m"},
        Registration{"0001", QStringLiteral("02月02日"), QStringLiteral("王五"), "b", "m"},
    });
    auto numbers = [&] {
        QStringList out;
        for (const auto& r : list.rows())
            out.append(r.registration.number);
        return out;
    };
    list.sortByColumn(0);
    EXPECT_TRUE(list.sortAscending());
    EXPECT_EQ(numbers(), (QStringList{"0001", "2", "10"}));
    list.sortByColumn(0);
    EXPECT_EQ(numbers(), (QStringList{"10", "2", "0001"}));
    list.sortByColumn(2); // names in pinyin order: 李 < 王 < 张
    EXPECT_TRUE(list.sortAscending());
    EXPECT_EQ(numbers(), (QStringList{"2", "0001", "10"}));

    list.AddRegistration({"7", "陈六"}, "02", "09", "d", "m"); // 陈 (chen) sorts first
    EXPECT_EQ(numbers(), (QStringList{"7", "2", "0001", "10"}));
    EXPECT_EQ(list.registrations().first().name, QStringLiteral("陈六"));
}

TEST_F(RegistrationFileTest, AReloadedMonthShowsInTheOrderLastChosen)
{
    folder.write(QStringLiteral("201302.ydj"), gbk(QStringLiteral("2##02月09日##乙##a##m\r\n"
                                                                  "10##02月01日##甲##b##m\r\n"
                                                                  "1##02月20日##丙##c##m\r\n")));
    folder.write(QStringLiteral("201303.ydj"), gbk(QStringLiteral("5##03月15日##丁##d##m\r\n"
                                                                  "6##03月02日##戊##e##m\r\n")));
    struct Row {
        const char* name;
        int headerClicks; // clicks on the date header before the reload
        QString month;
        QStringList reasons;
    };
    const Row rows[] = {
        {"never sorted: file order", 0, QStringLiteral("2"), {"a", "b", "c"}},
        {"sorted ascending stays ascending", 1, QStringLiteral("2"), {"b", "a", "c"}},
        {"sorted descending stays descending", 2, QStringLiteral("2"), {"c", "a", "b"}},
        {"another month takes the same order", 1, QStringLiteral("3"), {"e", "d"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        RegistrationList list;
        ASSERT_TRUE(list.LoadRegistrations(folder.path(), monthfile::shownMonth(QStringLiteral("2013"), QStringLiteral("2"))).ok());
        for (int i = 0; i < row.headerClicks; ++i)
            list.sortByColumn(1);
        ASSERT_TRUE(list.LoadRegistrations(folder.path(), monthfile::shownMonth(QStringLiteral("2013"), row.month)).ok());
        QStringList reasons;
        for (const Registration& r : list.registrations())
            reasons.append(r.reason);
        EXPECT_EQ(reasons, row.reasons);
        EXPECT_EQ(list.sortColumn(), row.headerClicks > 0 ? 1 : -1);
    }
}

TEST(RegistrationListTest, SortingIsStableForEqualKeys)
{
    RegistrationList list;
    list.setRegistrations({
        Registration{"1", QStringLiteral("02月01日"), "x", "first", "m"},
        Registration{"2", QStringLiteral("02月01日"), "x", "second", "m"},
        Registration{"3", QStringLiteral("01月31日"), "x", "third", "m"},
    });
    list.sortByColumn(1);
    EXPECT_EQ(list.row(1).registration.reason, QStringLiteral("first"));
    EXPECT_EQ(list.row(2).registration.reason, QStringLiteral("second"));
}

TEST(TextCollationTest, OrdersDigitsByValueLettersWithoutCaseAndChineseByPinyin)
{
    struct Row {
        const char* name;
        QString lower;
        QString higher;
    };
    const Row rows[] = {
        {"numbers by value, not by character", "2", "10"},
        {"leading zeros do not make a number larger", "0009", "10"},
        {"digit runs inside text", "A2", "A10"},
        {"letters ignore case", "apple", "Banana"},
        {"equal but for case still ordered", "A", "a"},
        {"equal but for leading zeros still ordered", "01", "1"},
        {"ASCII before Chinese", "Z", QStringLiteral("阿")},
        {"pinyin order of common characters", QStringLiteral("李四"), QStringLiteral("张三")},
        {"a prefix sorts first", QStringLiteral("病假"), QStringLiteral("病假1天")},
        {"padded dates", QStringLiteral("02月09日"), QStringLiteral("02月10日")},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_LT(compareTexts(row.lower, row.higher), 0);
        EXPECT_GT(compareTexts(row.higher, row.lower), 0);
    }
    EXPECT_EQ(compareTexts(QStringLiteral("张三"), QStringLiteral("张三")), 0);
}

} // namespace
