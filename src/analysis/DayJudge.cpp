#include "analysis/DayJudge.h"

#include "analysis/DayExplanation.h"
#include "analysis/ShiftJudge.h"
#include "base/EmployeeNumber.h"

#include <QCoreApplication>

namespace tarnby {
namespace {

// Each entry of a day's registration text ends here.
const QString kEntryEnd = QStringLiteral("##");
const QString kDutyWord = QStringLiteral("值日");

// Keywords of the registration handlings, in the order in which they decide a pass.
const QString kExcuseMissed = QStringLiteral("不计漏打");
const QString kExcuseLate = QStringLiteral("不计迟到");
const QString kSickLeave = QStringLiteral("病假");
const QString kPersonalLeave = QStringLiteral("事假");
const QString kExcuseAbsence = QStringLiteral("不计旷工");
const QString kExcuseEarly = QStringLiteral("不计早退"); // a user-defined shift's days only
const QString kPenaltyWord = QStringLiteral("处罚");
const QString kFineWord = QStringLiteral("罚款");
const QString kYuan = QStringLiteral("元");
const QString kTwice = QStringLiteral("2次");
const QString kWholeDay = QStringLiteral("1天");
const QStringList kMorningWords = {QStringLiteral("早上"), QStringLiteral("上午"), QStringLiteral("清晨")};
// A penalty is read from this many characters starting at "处罚".
constexpr qsizetype kPenaltySpan = 10;

// Sentences are written only when somebody asks for them.
void say(QStringList* rules, const auto& sentence)
{
    if (rules)
        rules->append(sentence());
}

int fieldValue(const QString& field)
{
    bool ok = false;
    const int value = field.trimmed().toInt(&ok);
    return ok ? value : 0;
}

int minutesOf(const TimeFields& f, int firstField)
{
    return 60 * fieldValue(f[firstField - 1]) + fieldValue(f[firstField]);
}

void clearLateness(DayCounters& c)
{
    c.dutyLate10 = c.dutyLateOver10 = c.late10 = c.late30 = c.late60 = 0;
}

// One missed punch less: the morning's in the units, else the afternoon's.
void excuseOneMissed(DayCounters& c)
{
    c.missed -= c.missed < 10 ? 1 : 10;
}

// Which half's lateness an excuse took; its minutes go with it.
enum class Excused { Both, Morning, Afternoon };

Excused excuseLateness(DayCounters& c, const QString& text)
{
    if (text.contains(kTwice)) {
        clearLateness(c);
        return Excused::Both;
    }
    const bool morning = std::any_of(kMorningWords.begin(), kMorningWords.end(),
                                     [&](const QString& w) { return text.contains(w); });
    if (!morning) {
        if (c.late10 >= 10)
            c.late10 -= 10;
        else if (c.late30 >= 10)
            c.late30 -= 10;
        else
            c.late60 -= 10;
        return Excused::Afternoon;
    }
    c.dutyLate10 = 0;
    c.dutyLateOver10 = 0;
    if (c.late10 == 1 || c.late10 == 11)
        c.late10 -= 1;
    else if (c.late30 == 1 || c.late30 == 11)
        c.late30 -= 1;
    else if (--c.late60 < 0)
        c.late60 = 0;
    return Excused::Morning;
}

void takeLeave(DayCounters& c, int DayCounters::*halves, const QString& text, TimeMode mode)
{
    if (text.contains(kWholeDay)) {
        c.absentHalves = 0;
        c.*halves = 2;
        return;
    }
    c.*halves = 1;
    if (mode == TimeMode::NineToFive) {
        if (c.missed >= 1)
            c.missed -= 1;
    } else if (c.absentHalves >= 1) {
        c.absentHalves -= 1;
    } else if (c.missed > 0) {
        excuseOneMissed(c);
    }
}

// "处罚50元" anywhere in the remaining text gives "罚款50元". A text without
// "处罚" leaves the penalty as an earlier pass set it.
void readPenalty(const QString& text, QString& penalty)
{
    const qsizetype at = text.indexOf(kPenaltyWord);
    if (at < 0)
        return;
    QString span = text.mid(at, kPenaltySpan);
    const qsizetype yuan = span.indexOf(kYuan);
    span = yuan < 0 ? QString() : span.left(yuan + 1);
    penalty = span.replace(kPenaltyWord, kFineWord);
}

void applyPass(const QString& text, bool restDay, TimeMode mode, DayCounters& c, QString& penalty,
               const RegistrationExtras* extras)
{
    ShiftFigures* const f = extras ? extras->figures : nullptr;
    const bool nineToFive = mode == TimeMode::NineToFive;
    if (text.contains(kExcuseMissed)) {
        if (nineToFive) {
            c.missed = 0;
        } else if (text.contains(kTwice)) {
            if (restDay && c.missed == 0 && c.absentHalves > 0)
                c.absentHalves -= 1;
            c.missed = 0;
        } else {
            excuseOneMissed(c);
        }
    } else if (text.contains(kExcuseLate)) {
        Excused excused = Excused::Both;
        if (nineToFive)
            clearLateness(c);
        else
            excused = excuseLateness(c, text);
        if (f && excused != Excused::Afternoon)
            f->lateMorning = 0;
        if (f && excused != Excused::Morning)
            f->lateAfternoon = 0;
    } else if (text.contains(kSickLeave)) {
        takeLeave(c, &DayCounters::sickHalves, text, mode);
    } else if (text.contains(kPersonalLeave)) {
        takeLeave(c, &DayCounters::personalHalves, text, mode);
    } else if (text.contains(kExcuseAbsence)) {
        if (text.contains(kWholeDay))
            c.absentHalves = 0;
        else if (nineToFive)
            c.absentHalves = 1;
        else if (c.absentHalves > 0)
            c.absentHalves -= 1;
    } else if (extras && extras->earlyLeaveKeyword && text.contains(kExcuseEarly)) {
        if (f)
            f->earlyCount = f->earlyMinutes = 0;
    } else {
        readPenalty(text, penalty);
    }
}

// The keyword that decides a pass over `text`: an excuse or a leave, else a
// penalty; empty when none does.
QString decidingKeyword(const QString& text, bool earlyLeaveKeyword)
{
    for (const QString* k : {&kExcuseMissed, &kExcuseLate, &kSickLeave, &kPersonalLeave, &kExcuseAbsence, &kExcuseEarly,
                             &kPenaltyWord}) {
        if ((k != &kExcuseEarly || earlyLeaveKeyword) && text.contains(*k))
            return *k;
    }
    return {};
}

// The minutes a pass changed ("，迟到 25→0 分钟，早退 1→0 次"); empty when none.
QString figuresChange(const ShiftFigures& before, const ShiftFigures& after)
{
    QString out;
    if (before.lateMinutes() != after.lateMinutes())
        out += QCoreApplication::translate("DayExplanation", "，迟到 %1→%2 分钟").arg(before.lateMinutes()).arg(after.lateMinutes());
    if (before.earlyCount != after.earlyCount)
        out += QCoreApplication::translate("DayExplanation", "，早退 %1→%2 次").arg(before.earlyCount).arg(after.earlyCount);
    if (before.earlyMinutes != after.earlyMinutes)
        out += QCoreApplication::translate("DayExplanation", "，早退 %1→%2 分钟").arg(before.earlyMinutes).arg(after.earlyMinutes);
    return out;
}

// "登记「…」按“不计漏打”处理：上午漏打 1→0". The remaining text holds the
// pass's entry first (after the first pass behind a "*"), then the later ones.
QString passSentence(const QString& text, const DayCounters& before, const DayCounters& after,
                     const QString& penalty, TimeMode mode, bool earlyLeaveKeyword, const QString& minutesChange)
{
    const QStringList entries = text.split(kEntryEnd);
    QString entry = entries.first();
    if (entry.startsWith(u'*'))
        entry.remove(0, 1);
    QString sentence = QCoreApplication::translate("DayExplanation", "登记「%1」").arg(entry);
    const QString keyword = decidingKeyword(text, earlyLeaveKeyword);
    if (keyword.isEmpty())
        return sentence + QCoreApplication::translate("DayExplanation", "没有可识别的处理方式，计数不变");
    sentence += QCoreApplication::translate("DayExplanation", "按“%1”处理").arg(keyword);
    if (!entry.contains(keyword)) {
        QString source;
        for (qsizetype k = 1; k < entries.size() && source.isEmpty(); ++k) {
            if (entries.at(k).contains(keyword))
                source = entries.at(k);
        }
        sentence += source.isEmpty() ? QCoreApplication::translate("DayExplanation", "（本条没有这个词，它出现在其后的登记文字中）")
                                     : QCoreApplication::translate("DayExplanation", "（本条没有这个词，它出自其后的登记「%1」）").arg(source);
    }
    if (keyword == kPenaltyWord) {
        return sentence + (penalty.isEmpty() ? QCoreApplication::translate("DayExplanation", "，但“处罚”后没有“…元”的金额，不记罚款")
                                             : QCoreApplication::translate("DayExplanation", "：备注记%1").arg(penalty));
    }
    QString change = countersChange(before, after, mode) + minutesChange;
    if (change.startsWith(u'，'))
        change.remove(0, 1);
    return sentence + u'：' + (change.isEmpty() ? QCoreApplication::translate("DayExplanation", "计数不变") : change);
}

} // namespace

WorkTimes workTimesOf(const TimeFields& f)
{
    WorkTimes t;
    t.morningIn = minutesOf(f, 1);
    t.morningOut = minutesOf(f, 3);
    t.afternoonIn = minutesOf(f, 5);
    t.afternoonOut = minutesOf(f, 7);
    t.overtimeFirst = minutesOf(f, 9);
    t.overtimeSecond = minutesOf(f, 11);
    t.nineToFiveIn = minutesOf(f, 13);
    t.nineToFiveOut = minutesOf(f, 15);
    t.nineToFiveOvertime = minutesOf(f, 17);
    return t;
}

QString DaySlots::text(Slot s) const
{
    if (!has(s))
        return kEmptySlot;
    const int m = minutes[s] % 1440; // a night shift's next morning shows its clock time
    return QStringLiteral("%1:%2").arg(m / 60, 2, 10, QLatin1Char('0')).arg(m % 60, 2, 10, QLatin1Char('0'));
}

Placement placePunch(DaySlots& daySlots, int minute, TimeMode mode, const WorkTimes& times)
{
    return placeInShift(daySlots, minute, PreparedShift(builtInShift(mode, times)));
}

Judgement judgePunches(const DaySlots& daySlots, bool dutyDay, TimeMode mode, const WorkTimes& times,
                       QStringList* rules)
{
    ShiftFigures figures;
    return judgeShiftDay(daySlots, dutyDay, PreparedShift(builtInShift(mode, times)), figures, rules);
}

EmployeeRegistrationDays::EmployeeRegistrationDays(const QList<Registration>& registrations,
                                                   const QString& employee)
{
    for (const Registration& r : registrations) {
        if (!registrationConcerns(r.number, employee))
            continue;
        QString& entries = entries_[r.date];
        entries = r.reason + r.appliedMethod() + kEntryEnd + entries;
    }
}

QString EmployeeRegistrationDays::text(const QString& key, bool dutyDay) const
{
    const QString entries = entries_.value(key);
    return dutyDay ? entries + kDutyWord : entries;
}

QString registrationText(const QList<Registration>& registrations, const QString& employee,
                         const QString& key, bool dutyDay)
{
    return EmployeeRegistrationDays(registrations, employee).text(key, dutyDay);
}

Applied applyRegistrations(const QString& registrationText, bool restDay, TimeMode mode,
                           DayCounters& counters, QStringList* rules, const RegistrationExtras* extras)
{
    Applied out;
    QString text = registrationText;
    const qsizetype passes = text.count(kEntryEnd);
    const ShiftFigures none;
    const ShiftFigures& figures = extras && extras->figures ? *extras->figures : none;
    const bool earlyLeaveKeyword = extras && extras->earlyLeaveKeyword;
    for (qsizetype i = 0; i < passes; ++i) {
        const DayCounters before = counters;
        const ShiftFigures minutesBefore = figures;
        applyPass(text, restDay, mode, counters, out.penalty, extras);
        say(rules, [&] {
            const QString minutes = extras && extras->sayFigures ? figuresChange(minutesBefore, figures) : QString();
            return passSentence(text, before, counters, out.penalty, mode, earlyLeaveKeyword, minutes);
        });
        text = u'*' + text.mid(text.indexOf(kEntryEnd) + kEntryEnd.size());
    }
    out.remarkBase = text;
    return out;
}

void applyRestDay(DayCounters& c, QStringList* rules)
{
    const int absent = c.absentHalves;
    c.restHalves = 2 - c.absentHalves;
    c.absentHalves = 0;
    say(rules, [&] {
        QString sentence = QCoreApplication::translate("DayExplanation", "休息日：记休息日加班 %1").arg(halfDaysText(c.restHalves));
        if (absent > 0)
            sentence += QCoreApplication::translate("DayExplanation", "，旷工 %1 不计").arg(halfDaysText(absent));
        return sentence;
    });
}

QString weekdayName(const QDate& date)
{
    static const QString names = QStringLiteral("日一二三四五六");
    return u'周' + names.at(date.dayOfWeek() % 7);
}

QString dayKey(const QDate& date)
{
    return QStringLiteral("%1月%2日")
        .arg(date.month(), 2, 10, QLatin1Char('0'))
        .arg(date.day(), 2, 10, QLatin1Char('0'));
}

} // namespace tarnby
