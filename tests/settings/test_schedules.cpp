// Schedules.json and the monthly shift rosters: every fault named with its
// place, keys of later versions kept, rosters read whole or not at all.

#include "support/ProgramFolder.h"
#include "settings/Schedules.h"
#include "settings/ShiftRoster.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>
#include <vector>

using namespace tarnby;

namespace {

// A file holding one shift besides a valid day shift.
QByteArray withShift(const char* shift, const char* employees = "[]")
{
    return QByteArray(R"({"version": 1, "shifts": [{"name": "白班", "times": ["08:00","12:00","13:30","17:30"]}, )") + shift
           + "], \"employees\": " + employees + "}";
}

TEST(Schedules, EveryFaultIsNamedWithItsPlace)
{
    const char* night = R"({"name": "夜班", "times": ["20:00","08:00"], "dayStart": "12:00"})";
    const std::vector<std::pair<QByteArray, const char*>> rows = {
        {"{\"shifts\": [", "不是有效的 JSON：第1行附近"},
        {"[]", "整个文件应是一个 { … } 对象"},
        {R"({"version": 2})", "version：本程序只认识版本 1（现为 2）"},
        {R"({"shifts": {}})", "shifts：应是一个 [ … ] 数组"},
        {withShift("3"), "第2个班次：应是一个 { … } 对象"},
        {withShift(R"({"times": ["08:00","17:00"]})"), "第2个班次：缺少文字的 name"},
        {withShift(R"({"name": "九个字的班次名字长", "times": ["08:00","17:00"]})"), "name 应是 1 到 8 个字"},
        {withShift(R"({"name": "休", "times": ["08:00","17:00"]})"), "不能叫“休”"},
        {withShift(R"({"name": "模式二", "times": ["08:00","17:00"]})"), "“模式二”是时间模式的内置班次"},
        {withShift(R"({"name": "白班", "times": ["08:00","17:00"]})"), "第1个班次与第2个班次同名（“白班”）"},
        {withShift(R"({"name": "中班", "short": "中午", "times": ["08:00","17:00"]})"), "第2个班次“中班”：short 应是一个字"},
        {withShift(R"({"name": "中班", "times": ["08:00","12:00","13:00"]})"), "times 应有 2 个"},
        {withShift(R"({"name": "中班", "times": ["8点","17:00"]})"), "times 的第1个时间 “8点” 不是 HH:MM"},
        {withShift(R"({"name": "中班", "times": ["24:00","17:00"]})"), "times 的第1个时间 “24:00” 不是 HH:MM"},
        {withShift(R"({"name": "中班", "times": ["08:00","17:00"], "overtime": ["19:00","21:00"]})"), "overtime 最多 1 个"},
        {withShift(R"({"name": "中班", "times": ["08:00","17:00"], "grace": -5})"), "grace 应为 0 到 1440 之间的整数（分钟）（现为 -5）"},
        {withShift(R"({"name": "中班", "times": ["08:00","17:00"], "grace": "5"})"), "grace 应为 0 到 1440"},
        {withShift(R"({"name": "中班", "times": ["08:00","17:00"], "overtimeStep": 0})"), "overtimeStep 应为 1 到 1440"},
        {withShift(R"({"name": "中班", "times": ["08:00","17:00"], "dayStart": 8})"), "dayStart 应是 HH:MM"},
        {withShift(R"({"name": "夜班", "times": ["20:00","08:00"]})"), "P下班 时段（次日08:00 以后）超出了工作日（这个班次的工作日从 dayStart 00:00 起 24 小时）"},
        {withShift(R"({"name": "夜班", "times": ["20:00","08:00"], "overtime": ["07:00"], "dayStart": "12:00"})"), "时间倒回了不止一次"},
        {withShift(R"({"name": "夜班", "times": ["20:00","08:00"], "overtime": ["13:00"], "dayStart": "12:00"})"), "加班时间 次日13:00 超出了工作日"},
        {withShift(R"({"name": "早班", "times": ["00:30","09:00"]})"), "A上班 时段（前日23:30–01:30）超出了工作日"},
        {withShift(R"({"name": "两头班", "times": ["08:00","10:00","10:30","17:00"]})"),
         "A下班 时段（10:00–10:30）与 P上班 时段（10:00–11:30）重叠"},
        {withShift(night, R"({})"), "employees：应是一个 [ … ] 数组"},
        {withShift(night, R"([{"week": []}])"), "第1个员工：缺少文字的 number"},
        {withShift(night, R"([{"number": ""}])"), "第1个员工：number（员工编号）不能为空"},
        {withShift(night, R"([{"number": "7"}, {"number": "0007"}])"), "第1个员工与第2个员工是同一个编号（0007）"},
        {withShift(night, R"([{"number": "7", "week": ["白班"]}])"), "第1个员工（7）：week 应有 7 项"},
        {withShift(night, R"([{"number": "7", "week": ["白班","白班","白班","白班","白班","休","晚班"]}])"),
         "week 第7项（周日）“晚班”不是已有的班次"},
        {withShift(night, R"([{"number": "7", "department": 3}])"), "department 应是文字"},
    };
    for (const auto& [json, fault] : rows) {
        SCOPED_TRACE(json.toStdString());
        const Result<Schedules> read = Schedules::parse(json, QStringLiteral("/程序/Schedules.json"));
        ASSERT_FALSE(read.ok());
        EXPECT_TRUE(read.error().startsWith(QStringLiteral("班次文件 /程序/Schedules.json 有误：")));
        EXPECT_TRUE(read.error().contains(QString::fromUtf8(fault))) << read.error().toStdString();
    }
    EXPECT_TRUE(Schedules::parse(withShift(night), {}).ok());
}

TEST(Schedules, ASaveKeepsUnknownKeysAndRefusesAFaultyModel)
{
    testsupport::ProgramFolder folder;
    QFile file(schedules::filePath(folder.path()));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(R"({"version": 1, "theme": "蓝", "shifts": [{"name": "夜班", "times": ["20:00","08:00"],
      "dayStart": "12:00", "colour": "#123456"}], "employees": [{"number": "0007", "week": ["夜班","夜班","夜班","夜班","夜班","休","休"], "badge": 9}]})");
    file.close();
    Result<Schedules> model = schedules::load(folder.path());
    ASSERT_TRUE(model.ok()) << model.error().toStdString();
    EXPECT_EQ(model->employee(QStringLiteral("7"))->defaultShift(), QStringLiteral("夜班"));
    EXPECT_EQ(model->shifts.at(0).shortText(), QStringLiteral("夜"));
    model.value().shifts[0].grace = 5;
    ASSERT_TRUE(schedules::save(folder.path(), model.value()).ok());

    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray saved = file.readAll();
    file.close();
    EXPECT_TRUE(saved.contains("\r\n"));
    const QJsonObject top = QJsonDocument::fromJson(saved).object();
    EXPECT_EQ(top.value("theme").toString(), QStringLiteral("蓝"));
    const QJsonObject shift = top.value("shifts").toArray().at(0).toObject();
    EXPECT_EQ(shift.value("colour").toString(), QStringLiteral("#123456"));
    EXPECT_EQ(shift.value("grace").toInt(), 5);
    EXPECT_EQ(shift.value("dayStart").toString(), QStringLiteral("12:00"));
    EXPECT_FALSE(shift.contains("inBefore"));
    EXPECT_EQ(top.value("employees").toArray().at(0).toObject().value("badge").toInt(), 9);

    model.value().shifts[0].times = {20 * 60, 21 * 60, 21 * 60 + 10, 8 * 60};
    const Outcome refused = schedules::save(folder.path(), model.value());
    EXPECT_FALSE(refused.ok());
    EXPECT_TRUE(refused.text.startsWith(QStringLiteral("班次设置未保存：第1个班次“夜班”："))) << refused.text.toStdString();
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), saved);
}

TEST(ShiftRoster, AFileIsReadWholeOrNotAtAll)
{
    Schedules known;
    known.shifts.append(Shift{.name = QStringLiteral("白班"), .times = {480, 1050}});
    const MonthKey february{2026, 2};
    const std::vector<std::pair<QStringList, const char*>> faults = {
        {{"0001\t白班\t晚班"}, "第1行：员工 0001 第2天的“晚班”不是已有的班次"},
        {{"0001", "", QStringLiteral("0002") + QStringLiteral("\t").repeated(29) + QStringLiteral("休")},
         "第3行：员工 0002 2026年2月没有第29天"},
        {{"7\t白班", "0007\t休"}, "第2行：员工 0007 在第1行已经排过班"},
        {{"\t白班"}, "第1行：行首缺少员工编号"},
        {{"00\n01\t白班"}, "第1行：编号或班次中不能有换行"},
        {{QStringLiteral("0001") + QStringLiteral("\t").repeated(32)}, "一个月最多 31 天"},
    };
    for (const auto& [lines, fault] : faults) {
        const Result<ShiftRoster> read = ShiftRoster::parse(lines, february, known, QStringLiteral("/p/202602.shift"));
        ASSERT_FALSE(read.ok()) << fault;
        EXPECT_TRUE(read.error().startsWith(QStringLiteral("排班文件 /p/202602.shift 第")));
        EXPECT_TRUE(read.error().contains(QString::fromUtf8(fault))) << read.error().toStdString();
    }

    testsupport::ProgramFolder folder;
    folder.write(QStringLiteral("202602.shift"), "0001\t\xB0\xD7\xB0\xE0\r\n"); // GBK
    const Result<ShiftRoster> gbk = shiftroster::load(folder.path(), february, known);
    ASSERT_FALSE(gbk.ok());
    EXPECT_TRUE(gbk.error().contains(QStringLiteral("202602.shift 第1行不是 UTF-8"))) << gbk.error().toStdString();

    ShiftRoster roster(february);
    roster.setEntry(QStringLiteral("0001"), 3, QStringLiteral("白班"));
    roster.setEntry(QStringLiteral("1"), 5, QStringLiteral("模式一"));
    roster.setEntry(QStringLiteral("0002"), 1, kRestEntry);
    ASSERT_TRUE(shiftroster::save(folder.path(), roster, known).ok());
    EXPECT_EQ(folder.read(QStringLiteral("202602.shift")), QStringLiteral("0001\t\t\t白班\t\t模式一\r\n0002\t休\r\n").toUtf8());
    const Result<ShiftRoster> back = shiftroster::load(folder.path(), february, known);
    ASSERT_TRUE(back.ok()) << back.error().toStdString();
    EXPECT_EQ(back->entry(QStringLiteral("001"), 5), QStringLiteral("模式一"));
    EXPECT_EQ(back->entry(QStringLiteral("0002"), 2), QString());
    EXPECT_TRUE(shiftroster::anyRoster(folder.path()));

    roster.setEntry(QStringLiteral("0003"), 30, QStringLiteral("白班"));
    EXPECT_FALSE(shiftroster::save(folder.path(), roster, known).ok());
    roster = ShiftRoster(february);
    ASSERT_TRUE(shiftroster::save(folder.path(), roster, known).ok());
    EXPECT_FALSE(shiftroster::anyRoster(folder.path()));
}

} // namespace
