#include "TodayTexts.h"
#include <QCoreApplication>

namespace tarnby::ui {
namespace {

// The almanac, indexed by Gregorian month - 1.
const std::array<const char*, 12> kMonthNumerals = {
    QT_TRANSLATE_NOOP("TodayMonths", "一"), QT_TRANSLATE_NOOP("TodayMonths", "二"), QT_TRANSLATE_NOOP("TodayMonths", "三"), QT_TRANSLATE_NOOP("TodayMonths", "四"), QT_TRANSLATE_NOOP("TodayMonths", "五"), QT_TRANSLATE_NOOP("TodayMonths", "六"), QT_TRANSLATE_NOOP("TodayMonths", "七"), QT_TRANSLATE_NOOP("TodayMonths", "八"), QT_TRANSLATE_NOOP("TodayMonths", "九"), QT_TRANSLATE_NOOP("TodayMonths", "十"), QT_TRANSLATE_NOOP("TodayMonths", "十一"), QT_TRANSLATE_NOOP("TodayMonths", "十二")};
const std::array<const char*, 12> kMonthFlowers = {
    QT_TRANSLATE_NOOP("TodayTexts", "梅花"), QT_TRANSLATE_NOOP("TodayTexts", "杏花"), QT_TRANSLATE_NOOP("TodayTexts", "桃花"), QT_TRANSLATE_NOOP("TodayTexts", "牡丹花"), QT_TRANSLATE_NOOP("TodayTexts", "石榴花"), QT_TRANSLATE_NOOP("TodayTexts", "荷花"), QT_TRANSLATE_NOOP("TodayTexts", "葵花"), QT_TRANSLATE_NOOP("TodayTexts", "桂花"), QT_TRANSLATE_NOOP("TodayTexts", "菊花"), QT_TRANSLATE_NOOP("TodayTexts", "芙蓉花"), QT_TRANSLATE_NOOP("TodayTexts", "山茶花"), QT_TRANSLATE_NOOP("TodayTexts", "水仙花")};
const std::array<const char*, 12> kEarlyMonthPhrases = {
    QT_TRANSLATE_NOOP("TodayTexts", "天气进一步变冷"), QT_TRANSLATE_NOOP("TodayTexts", "春回大地万物复苏"), QT_TRANSLATE_NOOP("TodayTexts", "气温开始较快回升"), QT_TRANSLATE_NOOP("TodayTexts", "天气转暖草木繁茂"),
    QT_TRANSLATE_NOOP("TodayTexts", "天气开始变的炎热"), QT_TRANSLATE_NOOP("TodayTexts", "麦类等芒作物成熟"), QT_TRANSLATE_NOOP("TodayTexts", "夏日炎炎酷暑难当"), QT_TRANSLATE_NOOP("TodayTexts", "秋高气爽果实成熟"),
    QT_TRANSLATE_NOOP("TodayTexts", "天温下降天气转凉"), QT_TRANSLATE_NOOP("TodayTexts", "露水凝结渐有寒意"), QT_TRANSLATE_NOOP("TodayTexts", "冬临大地寒风呼啸"), QT_TRANSLATE_NOOP("TodayTexts", "将开始有大的降雪")};
const std::array<const char*, 12> kLateMonthPhrases = {
    QT_TRANSLATE_NOOP("TodayTexts", "最冷的时候到了"), QT_TRANSLATE_NOOP("TodayTexts", "降雨量开始增多"), QT_TRANSLATE_NOOP("TodayTexts", "昼夜长短相等了"), QT_TRANSLATE_NOOP("TodayTexts", "雨水增多谷物生长"),
    QT_TRANSLATE_NOOP("TodayTexts", "夏熟作物开始饱满"), QT_TRANSLATE_NOOP("TodayTexts", "雷雨时节雨连连"), QT_TRANSLATE_NOOP("TodayTexts", "夏天最热的时节"), QT_TRANSLATE_NOOP("TodayTexts", "炎热天气即将结束"),
    QT_TRANSLATE_NOOP("TodayTexts", "昼夜长短相等了"), QT_TRANSLATE_NOOP("TodayTexts", "天气渐冷开始有霜"), QT_TRANSLATE_NOOP("TodayTexts", "开始有小雪和冰苞"), QT_TRANSLATE_NOOP("TodayTexts", "冰雪时节雪纷纷")};

const std::array<const char*, 7> kDayCharacters = {QT_TRANSLATE_NOOP("TodayTexts", "日"), QT_TRANSLATE_NOOP("TodayTexts", "一"), QT_TRANSLATE_NOOP("TodayTexts", "二"), QT_TRANSLATE_NOOP("TodayTexts", "三"), QT_TRANSLATE_NOOP("TodayTexts", "四"), QT_TRANSLATE_NOOP("TodayTexts", "五"), QT_TRANSLATE_NOOP("TodayTexts", "六")};

// A name the date control answered, in the language of the control's own
// translations; they hold every name it can give.
QString lunarName(const QString& text)
{
    static const char* const leap = "(闰)"; // after the year of a leap month
    const QString leapText = QString::fromUtf8(leap);
    if (text.endsWith(leapText))
        return lunarName(text.chopped(leapText.size())) + QCoreApplication::translate("LunarNames", leap);
    return QCoreApplication::translate("LunarNames", text.toUtf8().constData());
}

} // namespace

QString WeekdayName(int weekday, qint16 style)
{
    QString name = style == 1 ? QCoreApplication::translate("TodayTexts", "星期") : QCoreApplication::translate("TodayTexts", "周");
    if (weekday >= 1 && weekday <= 7)
        name = (style == 1 ? QCoreApplication::translate("TodayTexts", "星期%1") : QCoreApplication::translate("TodayTexts", "周%1"))
                   .arg(QCoreApplication::translate("TodayTexts", kDayCharacters[weekday - 1]));
    return name;
}

int sundayFirstWeekday(const QDate& date)
{
    return date.dayOfWeek() % 7 + 1; // Qt counts Monday = 1 .. Sunday = 7
}

QString gregorianBanner(const QDate& workDate)
{
    return QCoreApplication::translate("TodayTexts", "%1年%2月%3日 ").arg(workDate.year()).arg(workDate.month()).arg(workDate.day())
        + WeekdayName(sundayFirstWeekday(workDate), 1);
}

QString fullBanner(const QString& gregorian, const QString& lunarYear, const QString& lunarMonth,
                   const QString& lunarDay)
{
    return gregorian + QCoreApplication::translate("TodayTexts", " [农历") + lunarName(lunarYear) + lunarName(lunarMonth)
        + lunarName(lunarDay) + QStringLiteral("]");
}

std::array<QString, 3> almanacLines(int month)
{
    if (month < 1 || month > 12)
        return {};
    const int i = month - 1;
    return {QCoreApplication::translate("TodayTexts", "%1月%2开")
                .arg(QCoreApplication::translate("TodayMonths", kMonthNumerals[i]), QCoreApplication::translate("TodayTexts", kMonthFlowers[i])),
            QCoreApplication::translate("TodayTexts", kEarlyMonthPhrases[i]), QCoreApplication::translate("TodayTexts", kLateMonthPhrases[i])};
}

} // namespace tarnby::ui
