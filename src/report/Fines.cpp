#include "report/Fines.h"

#include <QRegularExpression>

namespace tarnby::report {
namespace {

const QString kFineWord = QStringLiteral("罚款");
const QChar kYuan = QChar(0x5143); // 元

constexpr Fen kFenPerYuan = 100;
// Far beyond any fine, far below overflow.
constexpr Fen kLargest = Fen(1) << 52;

// Full-width digits, point and comma as typed with a Chinese input method.
QString narrowed(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u >= u'０' && u <= u'９')
            out += QChar(u'0' + (u - u'０'));
        else if (u == u'．' || u == u'。')
            out += u'.';
        else if (u == u'，')
            out += u',';
        else
            out += c;
    }
    return out;
}

std::optional<Fen> readArabic(const QString& text)
{
    static const QRegularExpression plain(QStringLiteral("^(\\d+|\\d{1,3}(?:,\\d{3})+)(?:\\.(\\d+))?$"));
    const QRegularExpressionMatch m = plain.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    QString whole = m.captured(1);
    whole.remove(u',');
    QString fraction = m.captured(2);
    while (fraction.size() > 2 && fraction.endsWith(u'0'))
        fraction.chop(1);
    if (fraction.size() > 2)
        return std::nullopt;
    while (whole.size() > 1 && whole.startsWith(u'0'))
        whole.remove(0, 1);
    if (whole.size() > 15)
        return std::nullopt;
    const Fen yuan = whole.toLongLong();
    const Fen fen = fraction.isEmpty() ? 0 : fraction.leftJustified(2, u'0').toLongLong();
    return yuan * kFenPerYuan + fen;
}

int digitOf(QChar c)
{
    switch (c.unicode()) {
    case u'零': case u'〇': return 0;
    case u'一': case u'壹': case u'幺': return 1;
    case u'二': case u'两': case u'贰': case u'貳': return 2;
    case u'三': case u'叁': case u'參': return 3;
    case u'四': case u'肆': return 4;
    case u'五': case u'伍': return 5;
    case u'六': case u'陆': case u'陸': return 6;
    case u'七': case u'柒': return 7;
    case u'八': case u'捌': return 8;
    case u'九': case u'玖': return 9;
    default: return -1;
    }
}

int unitOf(QChar c)
{
    switch (c.unicode()) {
    case u'十': case u'拾': return 10;
    case u'百': case u'佰': return 100;
    case u'千': case u'仟': return 1000;
    default: return 0;
    }
}

// A section below ten thousand: 九千九百九十九, 一百零五, 十五, 两百五 (the
// spoken short form, 250).
std::optional<Fen> readSection(const QString& s)
{
    if (s.isEmpty())
        return std::nullopt;
    if (s.size() == 1 && digitOf(s.front()) == 0)
        return 0;
    Fen total = 0;
    int pendingDigit = -1;
    int lastUnit = 100000; // units must fall
    bool zeroSeen = false;
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar c = s.at(i);
        if (const int d = digitOf(c); d >= 0) {
            if (pendingDigit >= 0)
                return std::nullopt; // two digits in a row: "五五" is no numeral
            if (d == 0) {
                if (zeroSeen || i == 0 || i + 1 == s.size())
                    return std::nullopt;
                zeroSeen = true;
                continue;
            }
            pendingDigit = d;
            continue;
        }
        const int unit = unitOf(c);
        if (unit == 0 || unit >= lastUnit)
            return std::nullopt;
        if (pendingDigit < 0) {
            // "十五" alone means fifteen; a bare unit anywhere else is not a number
            if (!(unit == 10 && i == 0))
                return std::nullopt;
            pendingDigit = 1;
        }
        if (zeroSeen && unit * 10 == lastUnit)
            return std::nullopt; // a zero must skip a unit: "一百零十" is wrong
        total += Fen(pendingDigit) * unit;
        pendingDigit = -1;
        zeroSeen = false;
        lastUnit = unit;
    }
    if (pendingDigit >= 0) {
        // A trailing digit right after a unit is the spoken short form: 一百五 = 150.
        if (!zeroSeen && lastUnit >= 100 && lastUnit <= 1000 && unitOf(s.back()) == 0
            && s.size() >= 2 && unitOf(s.at(s.size() - 2)) != 0)
            total += Fen(pendingDigit) * (lastUnit / 10);
        else
            total += pendingDigit;
    }
    return total;
}

// Whole yuan in Chinese, with 万 and 亿 sections.
std::optional<Fen> readChineseWhole(const QString& text)
{
    if (text.isEmpty())
        return std::nullopt;
    Fen total = 0;
    QString rest = text;
    const struct {
        QChar mark;
        Fen scale;
    } big[] = {{QChar(u'亿'), Fen(100000000)}, {QChar(u'万'), Fen(10000)}};
    for (const auto& b : big) {
        const qsizetype at = rest.indexOf(b.mark);
        if (at < 0)
            continue;
        const std::optional<Fen> high = readSection(rest.left(at));
        if (!high)
            return std::nullopt;
        total += *high * b.scale;
        rest = rest.mid(at + 1);
        if (rest.startsWith(u'零') || rest.startsWith(u'〇')) {
            rest.remove(0, 1);
            if (rest.isEmpty())
                return std::nullopt;
        } else if (rest.size() == 1 && digitOf(rest.front()) > 0) {
            // the spoken short form: 一万五 = 15000
            return total + Fen(digitOf(rest.front())) * (b.scale / 10);
        }
    }
    if (rest.isEmpty())
        return total;
    const std::optional<Fen> low = readSection(rest);
    if (!low)
        return std::nullopt;
    return total + *low;
}

std::optional<Fen> readChinese(const QString& text)
{
    // 五点五 = 5.5: digits after the point are read one by one.
    const qsizetype point = text.indexOf(u'点');
    const std::optional<Fen> whole = readChineseWhole(point < 0 ? text : text.left(point));
    if (!whole)
        return std::nullopt;
    Fen fen = 0;
    if (point >= 0) {
        QString fraction = text.mid(point + 1);
        while (fraction.size() > 2 && digitOf(fraction.back()) == 0)
            fraction.chop(1);
        if (fraction.isEmpty() || fraction.size() > 2)
            return std::nullopt;
        for (qsizetype i = 0; i < 2; ++i) {
            const int d = i < fraction.size() ? digitOf(fraction.at(i)) : 0;
            if (d < 0)
                return std::nullopt;
            fen = fen * 10 + d;
        }
    }
    if (*whole > kLargest / kFenPerYuan)
        return std::nullopt;
    return *whole * kFenPerYuan + fen;
}

} // namespace

std::optional<Fen> readFineAmount(const QString& amountText)
{
    QString text;
    for (const QChar c : amountText)
        if (!c.isSpace())
            text += c;
    text = narrowed(text);
    if (text.isEmpty())
        return std::nullopt;
    std::optional<Fen> fen = text.front().isDigit() ? readArabic(text) : readChinese(text);
    if (fen && *fen > kLargest)
        return std::nullopt;
    return fen;
}

QString penaltyOfRemark(const QString& remark)
{
    const qsizetype at = remark.indexOf(kFineWord);
    if (at < 0 || !remark.endsWith(kYuan))
        return {};
    return remark.mid(at);
}

QString amountTextOfPenalty(const QString& penalty)
{
    if (!penalty.startsWith(kFineWord) || !penalty.endsWith(kYuan))
        return {};
    return penalty.mid(kFineWord.size(), penalty.size() - kFineWord.size() - 1);
}

QString yuanText(Fen fen)
{
    const QString sign = fen < 0 ? QStringLiteral("-") : QString();
    const Fen magnitude = fen < 0 ? -fen : fen;
    QString text = sign + QString::number(magnitude / kFenPerYuan);
    const Fen cents = magnitude % kFenPerYuan;
    if (cents != 0) {
        text += u'.' + QStringLiteral("%1").arg(cents, 2, 10, QLatin1Char('0'));
        if (text.endsWith(u'0'))
            text.chop(1);
    }
    return text;
}

double yuanValue(Fen fen)
{
    return double(fen) / double(kFenPerYuan);
}

} // namespace tarnby::report
