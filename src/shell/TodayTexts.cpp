#include "TodayTexts.h"

namespace tarnby::ui {
namespace {

// The almanac, indexed by Gregorian month - 1.
const std::array<const char*, 12> kMonthNumerals = {
    "一", "二", "三", "四", "五", "六", "七", "八", "九", "十", "十一", "十二"};
const std::array<const char*, 12> kMonthFlowers = {
    "梅花", "杏花", "桃花", "牡丹花", "石榴花", "荷花", "葵花", "桂花", "菊花", "芙蓉花", "山茶花", "水仙花"};
const std::array<const char*, 12> kEarlyMonthPhrases = {
    "天气进一步变冷", "春回大地万物复苏", "气温开始较快回升", "天气转暖草木繁茂",
    "天气开始变的炎热", "麦类等芒作物成熟", "夏日炎炎酷暑难当", "秋高气爽果实成熟",
    "天温下降天气转凉", "露水凝结渐有寒意", "冬临大地寒风呼啸", "将开始有大的降雪"};
const std::array<const char*, 12> kLateMonthPhrases = {
    "最冷的时候到了", "降雨量开始增多", "昼夜长短相等了", "雨水增多谷物生长",
    "夏熟作物开始饱满", "雷雨时节雨连连", "夏天最热的时节", "炎热天气即将结束",
    "昼夜长短相等了", "天气渐冷开始有霜", "开始有小雪和冰苞", "冰雪时节雪纷纷"};

const std::array<const char*, 7> kDayCharacters = {"日", "一", "二", "三", "四", "五", "六"};

} // namespace

QString WeekdayName(int weekday, qint16 style)
{
    QString name = style == 1 ? QStringLiteral("星期") : QStringLiteral("周");
    if (weekday >= 1 && weekday <= 7)
        name += QString::fromUtf8(kDayCharacters[weekday - 1]);
    return name;
}

int sundayFirstWeekday(const QDate& date)
{
    return date.dayOfWeek() % 7 + 1; // Qt counts Monday = 1 .. Sunday = 7
}

QString gregorianBanner(const QDate& workDate)
{
    return QStringLiteral("%1年%2月%3日 ").arg(workDate.year()).arg(workDate.month()).arg(workDate.day())
        + WeekdayName(sundayFirstWeekday(workDate), 1);
}

QString fullBanner(const QString& gregorian, const QString& lunarYear, const QString& lunarMonth,
                   const QString& lunarDay)
{
    return gregorian + QStringLiteral(" [农历") + lunarYear + lunarMonth + lunarDay + QStringLiteral("]");
}

std::array<QString, 3> almanacLines(int month)
{
    if (month < 1 || month > 12)
        return {};
    const int i = month - 1;
    return {QString::fromUtf8(kMonthNumerals[i]) + QStringLiteral("月") + QString::fromUtf8(kMonthFlowers[i])
                + QStringLiteral("开"),
            QString::fromUtf8(kEarlyMonthPhrases[i]), QString::fromUtf8(kLateMonthPhrases[i])};
}

} // namespace tarnby::ui
