#include "TextCollation.h"

#include "base/TextFile.h"

namespace tarnby {
namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// The sort weight of one non-digit character: ASCII first (letters folded),
// then the rest by their GBK bytes, characters without a GBK form last.
QByteArray weight(QChar c)
{
    if (c.unicode() < 0x80)
        return QByteArray(1, char(c.toLower().unicode()));
    const QString s(c);
    if (c.isSurrogate() || !textfile::fitsGbk(s))
        return QByteArray("\xff\xff", 2) + QByteArray::number(c.unicode(), 16);
    return textfile::encodeGbk(s);
}

int compareBytes(const QByteArray& a, const QByteArray& b)
{
    const int n = int(std::min(a.size(), b.size()));
    for (int i = 0; i < n; ++i) {
        const auto x = static_cast<unsigned char>(a.at(i));
        const auto y = static_cast<unsigned char>(b.at(i));
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

// Compares the digit runs a[i..) and b[j..) by value; advances both indices.
int compareNumbers(const QString& a, qsizetype& i, const QString& b, qsizetype& j)
{
    auto run = [](const QString& s, qsizetype& k) {
        while (k < s.size() && s.at(k) == u'0' && k + 1 < s.size() && isDigit(s.at(k + 1)))
            ++k;
        const qsizetype start = k;
        while (k < s.size() && isDigit(s.at(k)))
            ++k;
        return QStringView(s).mid(start, k - start);
    };
    const QStringView x = run(a, i);
    const QStringView y = run(b, j);
    if (x.size() != y.size())
        return x.size() < y.size() ? -1 : 1;
    const int c = x.compare(y);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

} // namespace

int compareTexts(const QString& a, const QString& b)
{
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        if (isDigit(a.at(i)) && isDigit(b.at(j))) {
            if (const int c = compareNumbers(a, i, b, j))
                return c;
            continue;
        }
        if (const int c = compareBytes(weight(a.at(i)), weight(b.at(j))))
            return c;
        ++i;
        ++j;
    }
    if (i < a.size() || j < b.size())
        return i < a.size() ? 1 : -1;
    // equal by the rules above ("01" and "1", "a" and "A"): keep a total order
    const int c = a.compare(b);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

} // namespace tarnby
