#include "Schedules.h"

#include "base/FileError.h"

#include "base/EmployeeNumber.h"
#include "base/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QRegularExpression>
#include <QCoreApplication>
#include <cmath>

namespace tarnby {
namespace {

const char* const kSlotNames[4] = {QT_TRANSLATE_NOOP("Schedules", "A上班"), QT_TRANSLATE_NOOP("Schedules", "A下班"), QT_TRANSLATE_NOOP("Schedules", "P上班"),
                               QT_TRANSLATE_NOOP("Schedules", "P下班")};
const char* const kWeekdays[7] = {QT_TRANSLATE_NOOP("Schedules", "周一"), QT_TRANSLATE_NOOP("Schedules", "周二"), QT_TRANSLATE_NOOP("Schedules", "周三"), QT_TRANSLATE_NOOP("Schedules", "周四"),
                              QT_TRANSLATE_NOOP("Schedules", "周五"), QT_TRANSLATE_NOOP("Schedules", "周六"), QT_TRANSLATE_NOOP("Schedules", "周日")};

// The whole-minute parameters of a shift and the least value of each.
struct Parameter {
    const char* key;
    int Shift::*member;
    int minimum;
};
constexpr Parameter kParameters[] = {
    {"inBefore", &Shift::inBefore, 0},         {"inAfter", &Shift::inAfter, 0},
    {"secondInBefore", &Shift::secondInBefore, 0}, {"offAfter", &Shift::offAfter, 0},
    {"grace", &Shift::grace, 0},               {"earlyLeave", &Shift::earlyLeave, 0},
    {"overtimeFrom", &Shift::overtimeFrom, 0}, {"overtimeMinimum", &Shift::overtimeMinimum, 0},
    {"overtimeStep", &Shift::overtimeStep, 1},
};

QString rangeText(const Parameter& p)
{
    return QCoreApplication::translate("Schedules", "%1 应为 %2 到 %3 之间的整数（分钟）").arg(QLatin1String(p.key)).arg(p.minimum).arg(Shift::kMaxMinutes);
}

QString shiftPlace(qsizetype i, const QString& name)
{
    return name.isEmpty() ? QCoreApplication::translate("Schedules", "第%1个班次").arg(i + 1) : QCoreApplication::translate("Schedules", "第%1个班次“%2”").arg(i + 1).arg(name);
}

QString employeePlace(qsizetype i, const QString& number)
{
    return number.isEmpty() ? QCoreApplication::translate("Schedules", "第%1个员工").arg(i + 1) : QCoreApplication::translate("Schedules", "第%1个员工（%2）").arg(i + 1).arg(number);
}

QString windowText(const ShiftWindow& w)
{
    if (w.open)
        return QCoreApplication::translate("Schedules", "%1 时段（%2 以后）").arg(QCoreApplication::translate("Schedules", kSlotNames[w.slot]), timelineClock(w.from));
    return QCoreApplication::translate("Schedules", "%1 时段（%2–%3）").arg(QCoreApplication::translate("Schedules", kSlotNames[w.slot]), timelineClock(w.from), timelineClock(w.to));
}

QString jsonParseFault(const QJsonParseError& e)
{
    switch (e.error) {
    case QJsonParseError::UnterminatedObject: return QCoreApplication::translate("Schedules", "对象缺少结尾的 }");
    case QJsonParseError::MissingNameSeparator: return QCoreApplication::translate("Schedules", "键名后缺少冒号");
    case QJsonParseError::UnterminatedArray: return QCoreApplication::translate("Schedules", "数组缺少结尾的 ]");
    case QJsonParseError::MissingValueSeparator: return QCoreApplication::translate("Schedules", "两项之间缺少逗号");
    case QJsonParseError::IllegalValue: return QCoreApplication::translate("Schedules", "无法识别的值（文字要加双引号）");
    case QJsonParseError::TerminationByNumber:
    case QJsonParseError::IllegalNumber: return QCoreApplication::translate("Schedules", "数字的写法不对");
    case QJsonParseError::IllegalEscapeSequence: return QCoreApplication::translate("Schedules", "文字中 \\ 的用法不对");
    case QJsonParseError::IllegalUTF8String: return QCoreApplication::translate("Schedules", "文字不是 UTF-8 编码（请用 UTF-8 编码另存）");
    case QJsonParseError::UnterminatedString: return QCoreApplication::translate("Schedules", "文字缺少结尾的双引号");
    case QJsonParseError::MissingObject: return QCoreApplication::translate("Schedules", "应是一个 { … } 对象");
    case QJsonParseError::GarbageAtEnd: return QCoreApplication::translate("Schedules", "结尾处有多余的内容");
    default: return fileErrorReason(e.errorString());
    }
}

// Reads the file's objects into the model, checking each key's type; the
// values are checked afterwards, by the same rules the editor's saves use.
class Reader {
public:
    QString fault;

    void readShift(const QJsonValue& value, qsizetype i, Shift& s)
    {
        if (!value.isObject()) {
            fail(shiftPlace(i, {}), QCoreApplication::translate("Schedules", "应是一个 { … } 对象"));
            return;
        }
        s.source = value.toObject();
        const QJsonValue name = s.source.value(QStringLiteral("name"));
        if (!name.isString())
            return fail(shiftPlace(i, {}), QCoreApplication::translate("Schedules", "缺少文字的 name（班次名）"));
        s.name = name.toString();
        const QString place = shiftPlace(i, s.name);
        if (const QJsonValue v = s.source.value(QStringLiteral("short")); !v.isUndefined()) {
            if (!v.isString())
                return fail(place, QCoreApplication::translate("Schedules", "short 应是一个字"));
            s.shortName = v.toString();
        }
        const QJsonValue times = s.source.value(QStringLiteral("times"));
        if (!times.isArray())
            return fail(place, QCoreApplication::translate("Schedules", "缺少 times（上下班时间的数组）"));
        if (!readTimes(times.toArray(), place, QStringLiteral("times"), s.times))
            return;
        if (const QJsonValue v = s.source.value(QStringLiteral("overtime")); !v.isUndefined()) {
            if (!v.isArray())
                return fail(place, QCoreApplication::translate("Schedules", "overtime 应是加班时间的数组"));
            if (!readTimes(v.toArray(), place, QStringLiteral("overtime"), s.overtime))
                return;
        }
        if (const QJsonValue v = s.source.value(QStringLiteral("dayStart")); !v.isUndefined()) {
            const std::optional<int> at = v.isString() ? parseClock(v.toString()) : std::nullopt;
            if (!at)
                return fail(place, QCoreApplication::translate("Schedules", "dayStart 应是 HH:MM 形式的时间"));
            s.dayStart = *at;
        }
        for (const Parameter& p : kParameters) {
            const QJsonValue v = s.source.value(QLatin1String(p.key));
            if (v.isUndefined())
                continue;
            const double d = v.toDouble(-1);
            if (!v.isDouble() || d != std::floor(d) || d < p.minimum || d > Shift::kMaxMinutes)
                return fail(place, rangeText(p) + QCoreApplication::translate("Schedules", "（现为 %1）").arg(shown(v)));
            s.*p.member = int(d);
        }
    }

    void readEmployee(const QJsonValue& value, qsizetype i, EmployeeSchedule& e)
    {
        if (!value.isObject())
            return fail(employeePlace(i, {}), QCoreApplication::translate("Schedules", "应是一个 { … } 对象"));
        e.source = value.toObject();
        const QJsonValue number = e.source.value(QStringLiteral("number"));
        if (!number.isString())
            return fail(employeePlace(i, {}), QCoreApplication::translate("Schedules", "缺少文字的 number（员工编号）"));
        e.number = number.toString().trimmed();
        const QString place = employeePlace(i, e.number);
        if (const QJsonValue v = e.source.value(QStringLiteral("week")); !v.isUndefined()) {
            const QJsonArray days = v.toArray();
            if (!v.isArray() || days.size() != 7)
                return fail(place, QCoreApplication::translate("Schedules", "week 应有 7 项（周一到周日），每项是班次名或“休”"));
            std::array<QString, 7> week;
            for (int d = 0; d < 7; ++d) {
                if (!days.at(d).isString())
                    return fail(place, QCoreApplication::translate("Schedules", "week 第%1项（%2）应是班次名或“休”").arg(d + 1).arg(QCoreApplication::translate("Schedules", kWeekdays[d])));
                week[std::size_t(d)] = days.at(d).toString().trimmed();
            }
            e.week = week;
        }
        if (const QJsonValue v = e.source.value(QStringLiteral("department")); !v.isUndefined()) {
            if (!v.isString())
                return fail(place, QCoreApplication::translate("Schedules", "department 应是文字（部门名）"));
            e.department = v.toString();
        }
    }

    void fail(const QString& place, const QString& what)
    {
        if (fault.isEmpty())
            fault = place + u'：' + what;
    }

private:
    static QString shown(const QJsonValue& v)
    {
        if (v.isString())
            return u'“' + v.toString() + u'”';
        if (v.isDouble())
            return QString::number(v.toDouble());
        return QString::fromUtf8(QJsonDocument(QJsonArray{v}).toJson(QJsonDocument::Compact)).mid(1).chopped(1);
    }

    bool readTimes(const QJsonArray& array, const QString& place, const QString& key, QList<int>& out)
    {
        for (qsizetype k = 0; k < array.size(); ++k) {
            const std::optional<int> at = array.at(k).isString() ? parseClock(array.at(k).toString()) : std::nullopt;
            if (!at) {
                fail(place, QCoreApplication::translate("Schedules", "%1 的第%2个时间 %3 不是 HH:MM 形式的时间").arg(key).arg(k + 1).arg(shown(array.at(k))));
                return false;
            }
            out.append(*at);
        }
        return true;
    }
};

// The model's values written over the object as read: unknown keys stay, a
// key at its default is written only when the file had it.
QJsonObject shiftObject(const Shift& s)
{
    QJsonObject o = s.source;
    auto clocks = [](const QList<int>& minutes) {
        QJsonArray a;
        for (int m : minutes)
            a.append(clockString(m));
        return a;
    };
    o.insert(QStringLiteral("name"), s.name);
    if (s.shortName.isEmpty())
        o.remove(QStringLiteral("short"));
    else
        o.insert(QStringLiteral("short"), s.shortName);
    o.insert(QStringLiteral("times"), clocks(s.times));
    if (s.overtime.isEmpty())
        o.remove(QStringLiteral("overtime"));
    else
        o.insert(QStringLiteral("overtime"), clocks(s.overtime));
    const Shift defaults;
    if (s.dayStart != defaults.dayStart || o.contains(QStringLiteral("dayStart")))
        o.insert(QStringLiteral("dayStart"), clockString(s.dayStart));
    for (const Parameter& p : kParameters) {
        if (s.*p.member != defaults.*p.member || o.contains(QLatin1String(p.key)))
            o.insert(QLatin1String(p.key), s.*p.member);
    }
    return o;
}

QJsonObject employeeObject(const EmployeeSchedule& e)
{
    QJsonObject o = e.source;
    o.insert(QStringLiteral("number"), e.number);
    if (e.week) {
        QJsonArray week;
        for (const QString& day : *e.week)
            week.append(day);
        o.insert(QStringLiteral("week"), week);
    } else {
        o.remove(QStringLiteral("week"));
    }
    if (e.department.isEmpty())
        o.remove(QStringLiteral("department"));
    else
        o.insert(QStringLiteral("department"), e.department);
    return o;
}

QString refusalText(const QString& shownPath, const QString& fault)
{
    return QCoreApplication::translate("Schedules", "班次文件 %1 有误：%2").arg(shownPath, fault);
}

} // namespace

std::optional<int> parseClock(const QString& text)
{
    static const QRegularExpression form(QStringLiteral("^([0-9]{1,2}):([0-9]{2})$"));
    const QRegularExpressionMatch m = form.match(text.trimmed());
    if (!m.hasMatch())
        return std::nullopt;
    const int hours = m.captured(1).toInt();
    const int minutes = m.captured(2).toInt();
    if (hours > 23 || minutes > 59)
        return std::nullopt;
    return hours * 60 + minutes;
}

QString clockString(int minute)
{
    const int m = ((minute % 1440) + 1440) % 1440;
    return QStringLiteral("%1:%2").arg(m / 60, 2, 10, QLatin1Char('0')).arg(m % 60, 2, 10, QLatin1Char('0'));
}

QString timelineClock(int minute)
{
    if (minute < 0)
        return QCoreApplication::translate("Schedules", "前日") + clockString(minute);
    return minute >= 1440 ? QCoreApplication::translate("Schedules", "次日") + clockString(minute) : clockString(minute);
}

QString Shift::shortText() const
{
    if (!shortName.isEmpty())
        return shortName;
    if (name.isEmpty())
        return {};
    return name.left(name.at(0).isHighSurrogate() ? 2 : 1);
}

ShiftTimeline timelineOf(const Shift& shift)
{
    ShiftTimeline t;
    t.kind = shift.kind();
    const QList<int> raw = shift.times + shift.overtime;
    QList<int> sequence = raw;
    if (!shift.builtIn) {
        int added = 0;
        for (qsizetype i = 1; i < raw.size(); ++i) {
            if (raw.at(i) < raw.at(i - 1)) {
                ++t.fallBacks;
                added = 1440;
            }
            sequence[i] = raw.at(i) + added;
        }
    }
    const auto at = [&](qsizetype i) { return sequence.value(i, 0); };
    if (t.kind == 2) {
        t.on1 = at(0);
        t.off1 = at(1);
        t.on2 = at(2);
        t.off2 = at(3);
    } else {
        t.on1 = at(0);
        t.off1 = t.on2 = t.off2 = at(1);
    }
    t.overtime = sequence.mid(shift.times.size());
    t.spanFrom = shift.dayStart;
    t.spanTo = shift.dayStart + 1440;
    return t;
}

QList<ShiftWindow> windowsOf(const Shift& s, const ShiftTimeline& t)
{
    const int end = t.spanTo - 1;
    if (t.kind == 1)
        return {{0, t.on1 - s.inBefore, t.on1 + s.inAfter, false}, {3, t.off2 - s.earlyLeave, end, true}};
    return {{0, t.on1 - s.inBefore, t.on1 + s.inAfter, false},
            {1, t.off1 - s.earlyLeave, t.off1 + s.offAfter, false},
            {2, t.on2 - s.secondInBefore, t.on2 + s.inAfter, false},
            {3, t.off2 - s.earlyLeave, end, true}};
}

QString shiftFault(const Shift& s)
{
    if (s.name.trimmed().isEmpty() || s.name.toUcs4().size() > Shift::kMaxNameLength)
        return QCoreApplication::translate("Schedules", "name 应是 1 到 %1 个字的班次名").arg(Shift::kMaxNameLength);
    if (s.name == kRestEntry)
        return QCoreApplication::translate("Schedules", "班次不能叫“休”：“休”表示休息日");
    if (s.name == kBuiltInAdministrative || s.name == kBuiltInNineToFive)
        return QCoreApplication::translate("Schedules", "“%1”是时间模式的内置班次，不能再用作班次名").arg(s.name);
    if (!s.shortName.isEmpty() && s.shortName.toUcs4().size() != 1)
        return QCoreApplication::translate("Schedules", "short 应是一个字（现为“%1”）").arg(s.shortName);
    if (s.times.size() != 2 && s.times.size() != 4)
        return QCoreApplication::translate("Schedules", "times 应有 2 个（上班、下班）或 4 个（上班1、下班1、上班2、下班2）时间，现有 %1 个")
            .arg(s.times.size());
    if (s.overtime.size() > (s.kind() == 2 ? 2 : 1))
        return s.kind() == 2 ? QCoreApplication::translate("Schedules", "overtime 最多 2 个时间（加班一档、二档）")
                             : QCoreApplication::translate("Schedules", "只有上班、下班的班次，overtime 最多 1 个时间");
    for (const QList<int>* list : {&s.times, &s.overtime}) {
        for (int m : *list) {
            if (m < 0 || m >= 1440)
                return QCoreApplication::translate("Schedules", "时间应在 00:00 到 23:59 之间");
        }
    }
    if (s.dayStart < 0 || s.dayStart >= 1440)
        return QCoreApplication::translate("Schedules", "dayStart 应在 00:00 到 23:59 之间");
    for (const Parameter& p : kParameters) {
        const int v = s.*p.member;
        if (v < p.minimum || v > Shift::kMaxMinutes)
            return rangeText(p) + QCoreApplication::translate("Schedules", "（现为 %1）").arg(v);
    }

    const ShiftTimeline t = timelineOf(s);
    if (t.fallBacks > 1)
        return QCoreApplication::translate("Schedules", "时间倒回了不止一次：按上班、下班、加班的顺序，只有跨过午夜时一个时间才能早于它前面的时间");
    const QString day = QCoreApplication::translate("Schedules", "这个班次的工作日从 dayStart %1 起 24 小时").arg(clockString(s.dayStart));
    const QList<ShiftWindow> windows = windowsOf(s, t);
    for (const ShiftWindow& w : windows) {
        if (w.from < t.spanFrom || w.to >= t.spanTo || w.from > w.to)
            return QCoreApplication::translate("Schedules", "%1超出了工作日（%2）").arg(windowText(w), day);
    }
    for (qsizetype k = 0; k < t.overtime.size(); ++k) {
        if (t.overtime.at(k) < t.spanFrom || t.overtime.at(k) >= t.spanTo)
            return QCoreApplication::translate("Schedules", "加班时间 %1 超出了工作日（%2）").arg(timelineClock(t.overtime.at(k)), day);
    }
    for (qsizetype a = 0; a < windows.size(); ++a) {
        for (qsizetype b = a + 1; b < windows.size(); ++b) {
            if (windows.at(a).from <= windows.at(b).to && windows.at(b).from <= windows.at(a).to)
                return QCoreApplication::translate("Schedules", "%1与 %2重叠").arg(windowText(windows.at(a)), windowText(windows.at(b)));
        }
    }
    return {};
}

QString EmployeeSchedule::defaultShift() const
{
    if (week) {
        for (const QString& day : *week) {
            if (day != kRestEntry)
                return day;
        }
    }
    return {};
}

const Shift* Schedules::shift(const QString& name) const
{
    for (const Shift& s : shifts) {
        if (s.name == name)
            return &s;
    }
    return nullptr;
}

const EmployeeSchedule* Schedules::employee(const QString& number) const
{
    for (const EmployeeSchedule& e : employees) {
        if (sameRegistrationNumber(e.number, number))
            return &e;
    }
    return nullptr;
}

bool Schedules::knowsShift(const QString& name) const
{
    return name == kBuiltInAdministrative || name == kBuiltInNineToFive || shift(name);
}

QString Schedules::fault() const
{
    for (qsizetype i = 0; i < shifts.size(); ++i) {
        const Shift& s = shifts.at(i);
        if (const QString f = shiftFault(s); !f.isEmpty())
            return shiftPlace(i, s.name) + u'：' + f;
        for (qsizetype j = 0; j < i; ++j) {
            if (shifts.at(j).name == s.name)
                return QCoreApplication::translate("Schedules", "第%1个班次与第%2个班次同名（“%3”）").arg(j + 1).arg(i + 1).arg(s.name);
        }
    }
    QHash<QString, qsizetype> numbers;
    for (qsizetype i = 0; i < employees.size(); ++i) {
        const EmployeeSchedule& e = employees.at(i);
        const QString place = employeePlace(i, e.number);
        if (e.number.isEmpty())
            return place + QCoreApplication::translate("Schedules", "：number（员工编号）不能为空");
        const QString key = formatEmployeeNumber(e.number);
        if (const auto it = numbers.constFind(key); it != numbers.cend())
            return QCoreApplication::translate("Schedules", "第%1个员工与第%2个员工是同一个编号（%3）").arg(it.value() + 1).arg(i + 1).arg(e.number);
        numbers.insert(key, i);
        if (!e.week)
            continue;
        for (int d = 0; d < 7; ++d) {
            const QString& day = (*e.week)[std::size_t(d)];
            if (day != kRestEntry && !knowsShift(day))
                return place + QCoreApplication::translate("Schedules", "：week 第%1项（%2）“%3”不是已有的班次，也不是“休”").arg(d + 1).arg(QCoreApplication::translate("Schedules", kWeekdays[d]), day);
        }
    }
    return {};
}

QByteArray Schedules::toJson() const
{
    QJsonObject top = source;
    top.insert(QStringLiteral("version"), kVersion);
    QJsonArray shiftArray;
    for (const Shift& s : shifts)
        shiftArray.append(shiftObject(s));
    top.insert(QStringLiteral("shifts"), shiftArray);
    QJsonArray employeeArray;
    for (const EmployeeSchedule& e : employees)
        employeeArray.append(employeeObject(e));
    top.insert(QStringLiteral("employees"), employeeArray);
    return QJsonDocument(top).toJson(QJsonDocument::Indented);
}

Result<Schedules> Schedules::parse(const QByteArray& raw, const QString& shownPath)
{
    const QByteArray bytes = raw.startsWith("\xEF\xBB\xBF") ? raw.mid(3) : raw;
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) {
        const QByteArray before = bytes.left(error.offset);
        return Result<Schedules>::failure(refusalText(
            shownPath, QCoreApplication::translate("Schedules", "不是有效的 JSON：第%1行附近，%2").arg(before.count('\n') + 1).arg(jsonParseFault(error))));
    }
    if (!doc.isObject())
        return Result<Schedules>::failure(refusalText(shownPath, QCoreApplication::translate("Schedules", "整个文件应是一个 { … } 对象")));
    Schedules model;
    model.source = doc.object();
    Reader reader;
    const QJsonValue version = model.source.value(QStringLiteral("version"));
    if (!version.isUndefined() && version.toDouble(-1) != kVersion)
        reader.fail(QStringLiteral("version"), QCoreApplication::translate("Schedules", "本程序只认识版本 %1（现为 %2），该文件可能由较新的程序保存")
                                                   .arg(kVersion)
                                                   .arg(version.isDouble() ? QString::number(version.toDouble())
                                                                           : version.toVariant().toString()));
    for (const char* key : {"shifts", "employees"}) {
        const QJsonValue v = model.source.value(QLatin1String(key));
        if (!v.isUndefined() && !v.isArray())
            reader.fail(QLatin1String(key), QCoreApplication::translate("Schedules", "应是一个 [ … ] 数组"));
    }
    const QJsonArray shiftArray = model.source.value(QStringLiteral("shifts")).toArray();
    for (qsizetype i = 0; i < shiftArray.size() && reader.fault.isEmpty(); ++i) {
        Shift s;
        reader.readShift(shiftArray.at(i), i, s);
        model.shifts.append(s);
    }
    const QJsonArray employeeArray = model.source.value(QStringLiteral("employees")).toArray();
    for (qsizetype i = 0; i < employeeArray.size() && reader.fault.isEmpty(); ++i) {
        EmployeeSchedule e;
        reader.readEmployee(employeeArray.at(i), i, e);
        model.employees.append(e);
    }
    QString fault = reader.fault;
    if (fault.isEmpty())
        fault = model.fault();
    if (!fault.isEmpty())
        return Result<Schedules>::failure(refusalText(shownPath, fault));
    return model;
}

namespace schedules {

QString filePath(const QString& programDir)
{
    return QDir(programDir).filePath(kSchedulesFileName);
}

Result<Schedules> load(const QString& programDir)
{
    const QString path = filePath(programDir);
    // read as a stored file, so that a save over another window's change is caught
    if (!textfile::exists(path))
        return Schedules{};
    const Result<QByteArray> bytes = textfile::readBytes(path);
    if (!bytes)
        return Result<Schedules>::failure(bytes.error());
    return Schedules::parse(bytes.value(), QFileInfo(path).absoluteFilePath());
}

Outcome save(const QString& programDir, const Schedules& model)
{
    const QString path = filePath(programDir);
    if (const QString fault = model.fault(); !fault.isEmpty())
        return Outcome::error(QCoreApplication::translate("Schedules", "班次设置未保存：%1").arg(fault));
    QStringList lines = QString::fromUtf8(model.toJson()).split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return textfile::writeUtf8Lines(path, lines);
}

} // namespace schedules
} // namespace tarnby
