#include "analysis/ResultText.h"

#include "analysis/ResultList.h"

#include <QCoreApplication>
#include <QList>

#include <array>
#include <utility>

namespace tarnby {
namespace {

constexpr const char* kContext = "ResultText";

QString shown(const char* source)
{
    return QCoreApplication::translate(kContext, source);
}

// The names as the analysis writes them; lupdate reads the texts here.
constexpr std::array<const char*, 7> kWeekdays = {
    QT_TRANSLATE_NOOP("ResultText", "周日"), QT_TRANSLATE_NOOP("ResultText", "周一"),
    QT_TRANSLATE_NOOP("ResultText", "周二"), QT_TRANSLATE_NOOP("ResultText", "周三"),
    QT_TRANSLATE_NOOP("ResultText", "周四"), QT_TRANSLATE_NOOP("ResultText", "周五"),
    QT_TRANSLATE_NOOP("ResultText", "周六")};

constexpr std::array<const char*, 10> kRemarkWords = {
    QT_TRANSLATE_NOOP("ResultText", "值日"), QT_TRANSLATE_NOOP("ResultText", "迟到"),
    QT_TRANSLATE_NOOP("ResultText", "早退"), QT_TRANSLATE_NOOP("ResultText", "漏打"),
    QT_TRANSLATE_NOOP("ResultText", "病假"), QT_TRANSLATE_NOOP("ResultText", "事假"),
    QT_TRANSLATE_NOOP("ResultText", "旷工"), QT_TRANSLATE_NOOP("ResultText", "加班"),
    QT_TRANSLATE_NOOP("ResultText", "有"),   QT_TRANSLATE_NOOP("ResultText", "无")};

// The names statisticNames() gives, for lupdate; they are looked up by their text.
[[maybe_unused]] constexpr std::array<const char*, kStatisticsCount> kStatisticNames = {
    QT_TRANSLATE_NOOP("ResultText", "值日迟到10分钟内"), QT_TRANSLATE_NOOP("ResultText", "值日迟到30分钟内"),
    QT_TRANSLATE_NOOP("ResultText", "上班迟到10分钟内"), QT_TRANSLATE_NOOP("ResultText", "上班迟到30分钟内"),
    QT_TRANSLATE_NOOP("ResultText", "上班迟到60分钟内"), QT_TRANSLATE_NOOP("ResultText", "漏打"),
    QT_TRANSLATE_NOOP("ResultText", "病假"),             QT_TRANSLATE_NOOP("ResultText", "事假"),
    QT_TRANSLATE_NOOP("ResultText", "旷工"),             QT_TRANSLATE_NOOP("ResultText", "加班一档"),
    QT_TRANSLATE_NOOP("ResultText", "加班二档"),         QT_TRANSLATE_NOOP("ResultText", "休息日"),
    QT_TRANSLATE_NOOP("ResultText", "全勤")};

const char* const kFineWord = QT_TRANSLATE_NOOP("ResultText", "罚款");
const char* const kDays = QT_TRANSLATE_NOOP("ResultText", "%1天");
const char* const kDate = QT_TRANSLATE_NOOP("ResultText", "%1月%2日");

// The translation of a whole word the analysis writes; anything else (a name
// typed into a registration) as it stands.
QString shownWord(QStringView word)
{
    static const auto sources = [] {
        QList<std::pair<QString, const char*>> out;
        for (const char* source : kRemarkWords)
            out.append({QString::fromUtf8(source), source});
        for (const char* source : kWeekdays)
            out.append({QString::fromUtf8(source), source});
        return out;
    }();
    for (const auto& [text, source] : sources) {
        if (word == text)
            return shown(source);
    }
    return word.toString();
}

// "MM月dd日", the only form the analysis writes a day in.
QString shownDate(const QString& text)
{
    if (text.size() != 6 || text[2] != u'月' || text[5] != u'日')
        return text;
    return shown(kDate).arg(text.left(2), text.mid(3, 2));
}

// The remark: "*" when a registration applied, 值日, the words joined by "/",
// then a penalty behind "*" or "/" whose amount is the registration's own text.
QString shownRemark(const QString& text)
{
    const QString fine = QString::fromUtf8(kFineWord);
    QString out;
    out.reserve(text.size() * 2);
    qsizetype start = 0;
    while (start <= text.size()) {
        qsizetype end = start;
        while (end < text.size() && text[end] != u'/' && text[end] != u'*')
            ++end;
        const QStringView piece = QStringView(text).mid(start, end - start);
        if (piece.startsWith(fine)) {
            out += shown(kFineWord);
            out += piece.mid(fine.size());
        } else {
            out += shownWord(piece);
        }
        if (end < text.size())
            out += text[end];
        start = end + 1;
    }
    return out;
}

} // namespace

QString shownCell(int column, const QString& text)
{
    switch (column) {
    case ColDate:
        return shownDate(text);
    case ColWeekday:
        return shownWord(text);
    case ColRemark:
        return shownRemark(text);
    default:
        return text;
    }
}

QString shownStatistic(const QString& caption)
{
    if (caption.endsWith(u'天'))
        return shown(kDays).arg(caption.chopped(1));
    return shownWord(caption);
}

QString shownStatisticName(int statistic)
{
    return shown(QString::fromUtf16(statisticNames().at(std::size_t(statistic)).name).toUtf8().constData());
}

ResultRow shownRow(const ResultRow& row)
{
    ResultRow out = row;
    for (int c = 0; c < kResultColumns; ++c)
        out.cells[c] = shownCell(c, row.cells[c]);
    return out;
}

} // namespace tarnby
