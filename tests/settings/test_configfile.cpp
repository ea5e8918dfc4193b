#include "settings/ConfigFile.h"
#include "base/TextFile.h"
#include "support/ProgramFolder.h"
#include "support/TestPaths.h"
#include "support/Unprivileged.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tarnby;

namespace {

constexpr ConfigSection kRoster = ConfigSection::Roster;
constexpr ConfigSection kMode1 = ConfigSection::TimeMode1;
constexpr ConfigSection kMode2 = ConfigSection::TimeMode2;
constexpr ConfigSection kPosition = ConfigSection::ReadPosition;

const QStringList kWellFormed = {
    QStringLiteral("#A1B2 位置说明"),
    QStringLiteral("自由文字，保留不动"),
    QStringLiteral(";+ 员工"),
    QStringLiteral("0001,张三"),
    QStringLiteral("15x，李四"),
    QStringLiteral(";# 结束"),
    QStringLiteral("中间的说明"),
    QStringLiteral(";= 时间"),
    QStringLiteral("083012001400170020302230090017002130"),
    QStringLiteral(";* 结束"),
    QStringLiteral(";; 文件结束"),
};

class ConfigFileTest : public ::testing::Test {
protected:
    void write(const QStringList& lines) { ASSERT_TRUE(textfile::writeLines(path(), lines).ok()); }
    void writeRaw(const QByteArray& bytes) { ASSERT_TRUE(testsupport::writeBytes(path(), bytes)); }
    QStringList lines() const { return textfile::readLines(path()).value(); }
    QByteArray raw() const { return testsupport::bytesOf(path()); }
    QString path() const { return config::filePath(dir.path()); }
    QString home() const { return dir.path(); }

    SettingsPageData page() const
    {
        SettingsPageData p;
        p.rosterList = {{"0001", "张三"}, {"15X", "李四"}};
        p.timeFields = config::kDefaultTimeFields;
        p.numberCell = QStringLiteral("A1");
        p.timeCell = QStringLiteral("B2");
        return p;
    }

    QTemporaryDir dir;
};

} // namespace

TEST_F(ConfigFileTest, ReadersTakeTheirSectionAndUpperCaseNumbers)
{
    write(kWellFormed);
    auto roster = config::LoadRosterList(home());
    ASSERT_TRUE(roster.ok()) << roster.error().toStdString();
    EXPECT_EQ(pickerTexts(roster.value()), (QStringList{QStringLiteral("0001 张三"), QStringLiteral("15X 李四")}));
    auto pos = config::LoadReadPosition(home());
    ASSERT_TRUE(pos.ok());
    EXPECT_EQ(pos->numberCell, QStringLiteral("A1"));
    EXPECT_EQ(pos->timeCell, QStringLiteral("B2"));
    auto times = config::LoadWorkTimes(home());
    ASSERT_TRUE(times.ok());
    EXPECT_EQ(times.value(), config::kDefaultTimeFields);
}

TEST_F(ConfigFileTest, PositionCellsAreReadInUpperCase)
{
    QStringList l = kWellFormed;
    l[0] = QStringLiteral("xd2e3rest");
    write(l);
    auto pos = config::LoadReadPosition(home());
    ASSERT_TRUE(pos.ok());
    EXPECT_EQ(pos->numberCell, QStringLiteral("D2"));
    EXPECT_EQ(pos->timeCell, QStringLiteral("E3"));
}

TEST_F(ConfigFileTest, TheLastLineOfTheTimeSectionIsTheTimeLine)
{
    QStringList l = kWellFormed;
    l.insert(9, QStringLiteral("070011301330173020002200083017302100"));
    write(l);
    auto times = config::LoadWorkTimes(home());
    ASSERT_TRUE(times.ok());
    EXPECT_EQ(times.value()[0], QStringLiteral("07"));
    EXPECT_EQ(times.value()[17], QStringLiteral("00"));
}

TEST_F(ConfigFileTest, EachSaveRewritesOnlyItsOwnPart)
{
    struct Row {
        const char* name;
        ConfigSection part;
        std::function<void(SettingsPageData&)> edit;
        QString message;
        std::function<QStringList()> expected;
    };
    const Row rows[] = {
        {"roster", kRoster, [](SettingsPageData& p) { p.rosterList = {{"0009", "王 五"}}; },
         QStringLiteral("员工编号保存成功！"),
         [] {
             QStringList l = kWellFormed;
             l.remove(3, 2);
             // Only the first space separates number and name.
             l.insert(3, QStringLiteral("0009,王 五"));
             return l;
         }},
        {"empty roster", kRoster, [](SettingsPageData& p) { p.rosterList.clear(); }, QStringLiteral("员工编号保存成功！"),
         [] {
             QStringList l = kWellFormed;
             l.remove(3, 2);
             return l;
         }},
        {"time mode 1 keeps stored mode 2", kMode1,
         [](SettingsPageData& p) {
             p.timeFields[0] = QStringLiteral("07");
             p.timeFields[12] = QStringLiteral("11"); // changed on the page, not saved
         },
         QStringLiteral("时间模式[1]保存成功！"),
         [] {
             QStringList l = kWellFormed;
             l[8] = QStringLiteral("073012001400170020302230090017002130");
             return l;
         }},
        {"time mode 2 keeps stored mode 1", kMode2,
         [](SettingsPageData& p) {
             p.timeFields[0] = QStringLiteral("07");
             p.timeFields[17] = QStringLiteral("45");
         },
         QStringLiteral("时间模式[2]保存成功！"),
         [] {
             QStringList l = kWellFormed;
             l[8] = QStringLiteral("083012001400170020302230090017002145");
             return l;
         }},
        {"read position keeps characters 1 and 6 on", kPosition,
         [](SettingsPageData& p) {
             p.numberCell = QStringLiteral("D2");
             p.timeCell = QStringLiteral("E2");
         },
         QStringLiteral("数据读取位置保存成功！"),
         [] {
             QStringList l = kWellFormed;
             l[0] = QStringLiteral("#D2E2 位置说明");
             return l;
         }},
    };
    for (const Row& row : rows) {
        QStringList withTail = kWellFormed;
        withTail << QStringLiteral("after the end line") << QStringLiteral("more");
        write(withTail);
        SettingsPageData p = page();
        row.edit(p);
        const Outcome out = config::SaveSettings(home(), row.part, p);
        EXPECT_EQ(out.kind, Outcome::Kind::Success) << row.name << out.text.toStdString();
        EXPECT_EQ(out.text, row.message) << row.name;
        EXPECT_EQ(out.title(), QStringLiteral("完成"));
        EXPECT_EQ(lines(), row.expected()) << row.name;
        EXPECT_TRUE(raw().endsWith(textfile::encodeGbk(QStringLiteral(";; 文件结束\r\n")))) << row.name;
    }
}

TEST_F(ConfigFileTest, ExtraLinesInTheTimeSectionGoOnTheNextTimeSave)
{
    QStringList l = kWellFormed;
    l.insert(9, QStringLiteral("stray line"));
    write(l);
    ASSERT_TRUE(config::SaveSettings(home(), kMode2, page()).ok());
    QStringList expected = kWellFormed;
    EXPECT_EQ(lines(), expected);
}

TEST_F(ConfigFileTest, SectionsMayStandInEitherOrder)
{
    const QStringList l = {QStringLiteral("#A2B2"), QStringLiteral(";="),
                           QStringLiteral("083012001400170020302230090017002130"), QStringLiteral(";*"),
                           QStringLiteral(";+"), QStringLiteral("7,赵六"), QStringLiteral(";#"), QStringLiteral(";;")};
    write(l);
    SettingsPageData p = page();
    p.rosterList = {{"8", "钱七"}};
    ASSERT_TRUE(config::SaveSettings(home(), kRoster, p).ok());
    QStringList expected = l;
    expected[5] = QStringLiteral("8,钱七");
    EXPECT_EQ(lines(), expected);
}

TEST_F(ConfigFileTest, MalformedFilesAreReportedAndLeftUntouched)
{
    // Marker and end lines are needed by every part; a line's own contents only
    // by the part that reads or rewrites it.
    struct Row { const char* name; QStringList lines; const char* mentions; QList<ConfigSection> parts; };
    auto without = [](int index) { QStringList l = kWellFormed; l.removeAt(index); return l; };
    auto with = [](int index, const QString& line) { QStringList l = kWellFormed; l[index] = line; return l; };
    const Row rows[] = {
        {"no roster start", without(2), ";+", {kRoster, kMode1, kMode2, kPosition}},
        {"no roster end", without(5), ";#", {kRoster, kMode1, kMode2, kPosition}},
        {"no time start", without(7), ";=", {kRoster, kMode1, kMode2, kPosition}},
        {"no time end", without(9), ";*", {kRoster, kMode1, kMode2, kPosition}},
        {"no end line", without(10), ";;", {kRoster, kMode1, kMode2, kPosition}},
        {"roster line without a comma", with(3, QStringLiteral("0001 张三")), "0001 张三", {kRoster}},
        {"short position line", with(0, QStringLiteral("#A1B")), "5", {kPosition}},
        {"short time line", with(8, QStringLiteral("0830")), "36", {kMode1, kMode2}},
    };
    for (const Row& row : rows) {
        write(row.lines);
        const QByteArray before = raw();
        for (ConfigSection part : row.parts) {
            const Outcome out = config::SaveSettings(home(), part, page());
            EXPECT_FALSE(out.ok()) << row.name << " part " << int(part);
            EXPECT_EQ(out.title(), QStringLiteral("错误"));
            EXPECT_TRUE(out.text.contains(QString::fromUtf8(row.mentions))) << row.name << out.text.toStdString();
            EXPECT_EQ(raw(), before) << row.name;
        }
    }
}

TEST_F(ConfigFileTest, MissingFileIsAnErrorForEveryOperation)
{
    EXPECT_FALSE(config::LoadRosterList(home()).ok());
    EXPECT_FALSE(config::LoadWorkTimes(home()).ok());
    EXPECT_FALSE(config::LoadReadPosition(home()).ok());
    const Outcome out = config::SaveSettings(home(), kRoster, page());
    EXPECT_FALSE(out.ok());
    EXPECT_TRUE(out.text.contains("Init.ini"));
    EXPECT_FALSE(QFile::exists(path()));
}

TEST_F(ConfigFileTest, SaveIntoAReadOnlyFolderReportsAnErrorAndKeepsTheFile)
{
    write(kWellFormed);
    const QByteArray before = raw();
    QFile::setPermissions(home(), QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther
                                      | QFileDevice::ExeOther);
    QFile::setPermissions(path(), QFileDevice::ReadOwner | QFileDevice::ReadOther);
    const bool reported = testsupport::asUnprivilegedUser([&] {
        const Outcome out = config::SaveSettings(home(), kRoster, page());
        return out.kind == Outcome::Kind::Error && out.text.contains("Init.ini");
    });
    QFile::setPermissions(home(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_TRUE(reported);
    EXPECT_EQ(raw(), before);
}

TEST_F(ConfigFileTest, ShippedFileReadsWithItsSampleRoster)
{
    const QString shipped = testsupport::distPath(QStringLiteral("Init.ini"));
    ASSERT_TRUE(QFile::copy(shipped, path()));
    auto roster = config::LoadRosterList(home());
    ASSERT_TRUE(roster.ok()) << roster.error().toStdString();
    EXPECT_FALSE(roster->isEmpty());
    auto times = config::LoadWorkTimes(home());
    ASSERT_TRUE(times.ok());
    EXPECT_EQ(times.value(), config::kDefaultTimeFields);
    EXPECT_TRUE(config::LoadReadPosition(home()).ok());
}
