// The lunar module's names in the language of the program around the control.
// The module speaks simplified Chinese, which its own users and tests rely
// on; the names are translated here, at the control's edge, by Qt's translators.

#include "datepicker/LunarBridge.h"

#include <QCoreApplication>

namespace lundar {
namespace {

class LunarNames {
    Q_DECLARE_TR_FUNCTIONS(LunarNames)

public:
    // Every name the module can produce, for lupdate: a translation file that
    // misses one leaves that name in simplified characters.
    [[maybe_unused]] static constexpr const char* kAll[] = {
        // the sixty stem-branch years and the leap marker after one
        QT_TR_NOOP("甲子年"), QT_TR_NOOP("乙丑年"), QT_TR_NOOP("丙寅年"), QT_TR_NOOP("丁卯年"), QT_TR_NOOP("戊辰年"),
        QT_TR_NOOP("己巳年"), QT_TR_NOOP("庚午年"), QT_TR_NOOP("辛未年"), QT_TR_NOOP("壬申年"), QT_TR_NOOP("癸酉年"),
        QT_TR_NOOP("甲戌年"), QT_TR_NOOP("乙亥年"), QT_TR_NOOP("丙子年"), QT_TR_NOOP("丁丑年"), QT_TR_NOOP("戊寅年"),
        QT_TR_NOOP("己卯年"), QT_TR_NOOP("庚辰年"), QT_TR_NOOP("辛巳年"), QT_TR_NOOP("壬午年"), QT_TR_NOOP("癸未年"),
        QT_TR_NOOP("甲申年"), QT_TR_NOOP("乙酉年"), QT_TR_NOOP("丙戌年"), QT_TR_NOOP("丁亥年"), QT_TR_NOOP("戊子年"),
        QT_TR_NOOP("己丑年"), QT_TR_NOOP("庚寅年"), QT_TR_NOOP("辛卯年"), QT_TR_NOOP("壬辰年"), QT_TR_NOOP("癸巳年"),
        QT_TR_NOOP("甲午年"), QT_TR_NOOP("乙未年"), QT_TR_NOOP("丙申年"), QT_TR_NOOP("丁酉年"), QT_TR_NOOP("戊戌年"),
        QT_TR_NOOP("己亥年"), QT_TR_NOOP("庚子年"), QT_TR_NOOP("辛丑年"), QT_TR_NOOP("壬寅年"), QT_TR_NOOP("癸卯年"),
        QT_TR_NOOP("甲辰年"), QT_TR_NOOP("乙巳年"), QT_TR_NOOP("丙午年"), QT_TR_NOOP("丁未年"), QT_TR_NOOP("戊申年"),
        QT_TR_NOOP("己酉年"), QT_TR_NOOP("庚戌年"), QT_TR_NOOP("辛亥年"), QT_TR_NOOP("壬子年"), QT_TR_NOOP("癸丑年"),
        QT_TR_NOOP("甲寅年"), QT_TR_NOOP("乙卯年"), QT_TR_NOOP("丙辰年"), QT_TR_NOOP("丁巳年"), QT_TR_NOOP("戊午年"),
        QT_TR_NOOP("己未年"), QT_TR_NOOP("庚申年"), QT_TR_NOOP("辛酉年"), QT_TR_NOOP("壬戌年"), QT_TR_NOOP("癸亥年"),
        QT_TR_NOOP("(闰)"),
        // months and days
        QT_TR_NOOP("一月"), QT_TR_NOOP("二月"), QT_TR_NOOP("三月"), QT_TR_NOOP("四月"), QT_TR_NOOP("五月"),
        QT_TR_NOOP("六月"), QT_TR_NOOP("七月"), QT_TR_NOOP("八月"), QT_TR_NOOP("九月"), QT_TR_NOOP("十月"),
        QT_TR_NOOP("十一月"), QT_TR_NOOP("十二月"), QT_TR_NOOP("初一"), QT_TR_NOOP("初二"), QT_TR_NOOP("初三"),
        QT_TR_NOOP("初四"), QT_TR_NOOP("初五"), QT_TR_NOOP("初六"), QT_TR_NOOP("初七"), QT_TR_NOOP("初八"),
        QT_TR_NOOP("初九"), QT_TR_NOOP("初十"), QT_TR_NOOP("十一"), QT_TR_NOOP("十二"), QT_TR_NOOP("十三"),
        QT_TR_NOOP("十四"), QT_TR_NOOP("十五"), QT_TR_NOOP("十六"), QT_TR_NOOP("十七"), QT_TR_NOOP("十八"),
        QT_TR_NOOP("十九"), QT_TR_NOOP("二十"), QT_TR_NOOP("廿一"), QT_TR_NOOP("廿二"), QT_TR_NOOP("廿三"),
        QT_TR_NOOP("廿四"), QT_TR_NOOP("廿五"), QT_TR_NOOP("廿六"), QT_TR_NOOP("廿七"), QT_TR_NOOP("廿八"),
        QT_TR_NOOP("廿九"), QT_TR_NOOP("三十"),
        // zodiac animals
        QT_TR_NOOP("鼠"), QT_TR_NOOP("牛"), QT_TR_NOOP("虎"), QT_TR_NOOP("兔"), QT_TR_NOOP("龙"), QT_TR_NOOP("蛇"),
        QT_TR_NOOP("马"), QT_TR_NOOP("羊"), QT_TR_NOOP("猴"), QT_TR_NOOP("鸡"), QT_TR_NOOP("狗"), QT_TR_NOOP("猪"),
        // solar terms
        QT_TR_NOOP("小寒"), QT_TR_NOOP("大寒"), QT_TR_NOOP("立春"), QT_TR_NOOP("雨水"), QT_TR_NOOP("惊蛰"),
        QT_TR_NOOP("春分"), QT_TR_NOOP("清明"), QT_TR_NOOP("谷雨"), QT_TR_NOOP("立夏"), QT_TR_NOOP("小满"),
        QT_TR_NOOP("芒种"), QT_TR_NOOP("夏至"), QT_TR_NOOP("小暑"), QT_TR_NOOP("大暑"), QT_TR_NOOP("立秋"),
        QT_TR_NOOP("处暑"), QT_TR_NOOP("白露"), QT_TR_NOOP("秋分"), QT_TR_NOOP("寒露"), QT_TR_NOOP("霜降"),
        QT_TR_NOOP("立冬"), QT_TR_NOOP("小雪"), QT_TR_NOOP("大雪"), QT_TR_NOOP("冬至"),
        // Gregorian and lunar festivals
        QT_TR_NOOP("元旦"), QT_TR_NOOP("情人节"), QT_TR_NOOP("妇女节"), QT_TR_NOOP("植树节"), QT_TR_NOOP("权益日"),
        QT_TR_NOOP("愚人节"), QT_TR_NOOP("劳动节"), QT_TR_NOOP("青年节"), QT_TR_NOOP("护士节"), QT_TR_NOOP("儿童节"),
        QT_TR_NOOP("建党节"), QT_TR_NOOP("建军节"), QT_TR_NOOP("父亲节"), QT_TR_NOOP("教师节"), QT_TR_NOOP("国庆节"),
        QT_TR_NOOP("老人节"), QT_TR_NOOP("圣诞节"), QT_TR_NOOP("春节"), QT_TR_NOOP("元宵节"), QT_TR_NOOP("端午节"),
        QT_TR_NOOP("七夕节"), QT_TR_NOOP("中元节"), QT_TR_NOOP("中秋节"), QT_TR_NOOP("重阳节"), QT_TR_NOOP("腊八节"),
        QT_TR_NOOP("小年"),
    };
};

} // namespace

QString lunarName(const std::string& name)
{
    return LunarNames::tr(name.c_str());
}

QString lunarDateLine(const lunar::LunarDate& date, bool leapMarker)
{
    if (!date.ok())
        return {};
    QString names = lunarName(lunar::StemBranchYearName(date.year));
    if (leapMarker && date.leap)
        names += lunarName("(闰)");
    names += lunarName(lunar::LunarMonthName(date.month)) + lunarName(lunar::LunarDayName(date.day));
    return QCoreApplication::translate("Lundar1", "农历%1").arg(names);
}

} // namespace lundar
