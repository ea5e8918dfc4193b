#include "base/LineDiff.h"

#include <vector>

namespace tarnby::linediff {
namespace {

// The middle of two texts whose common first and last lines are cut off.
struct Middle {
    const QStringList& a;
    const QStringList& b;
    qsizetype head; // lines both start with
    qsizetype n;    // lines of a between head and the common tail
    qsizetype m;    // the same of b
    const QString& from(qsizetype i) const { return a.at(head + i); }
    const QString& to(qsizetype j) const { return b.at(head + j); }
};

// Myers' search, keeping for every number of edits d the furthest reach on
// each diagonal k in [-d, d] so that the path can be walked back. Empty when
// more than kMaxEdits edits are needed.
std::vector<std::vector<qsizetype>> search(const Middle& mid)
{
    std::vector<std::vector<qsizetype>> reach; // reach[d][k + d]
    std::vector<qsizetype> previous{0};        // d = -1: one diagonal, at x = 0
    const qsizetype limit = std::min(mid.n + mid.m, kMaxEdits);
    for (qsizetype d = 0; d <= limit; ++d) {
        std::vector<qsizetype> row(std::size_t(2 * d + 1));
        // previous[k + d - 1] is the reach of diagonal k after d - 1 edits
        auto before = [&](qsizetype k) { return previous.at(std::size_t(k + d - 1)); };
        for (qsizetype k = -d; k <= d; k += 2) {
            qsizetype x = 0;
            if (d == 0)
                x = 0;
            else if (k == -d || (k != d && before(k - 1) < before(k + 1)))
                x = before(k + 1); // down: a line of b added
            else
                x = before(k - 1) + 1; // right: a line of a removed
            qsizetype y = x - k;
            while (x < mid.n && y < mid.m && mid.from(x) == mid.to(y)) {
                ++x;
                ++y;
            }
            row.at(std::size_t(k + d)) = x;
            if (x >= mid.n && y >= mid.m) {
                reach.push_back(std::move(row));
                return reach;
            }
        }
        reach.push_back(row);
        previous = std::move(row);
    }
    return {};
}

} // namespace

QList<Line> compare(const QStringList& before, const QStringList& after)
{
    qsizetype head = 0;
    while (head < before.size() && head < after.size() && before.at(head) == after.at(head))
        ++head;
    qsizetype tail = 0;
    while (tail < before.size() - head && tail < after.size() - head
           && before.at(before.size() - 1 - tail) == after.at(after.size() - 1 - tail))
        ++tail;
    const Middle mid{before, after, head, before.size() - head - tail, after.size() - head - tail};

    QList<Line> middle;
    const std::vector<std::vector<qsizetype>> reach = search(mid);
    if (reach.empty()) {
        for (qsizetype i = 0; i < mid.n; ++i)
            middle.append({Kind::Removed, mid.from(i)});
        for (qsizetype j = 0; j < mid.m; ++j)
            middle.append({Kind::Added, mid.to(j)});
    } else {
        // Walked back from the end, so collected last line first.
        QList<Line> backwards;
        qsizetype x = mid.n;
        qsizetype y = mid.m;
        for (qsizetype d = qsizetype(reach.size()) - 1; d > 0; --d) {
            const std::vector<qsizetype>& previous = reach.at(std::size_t(d - 1));
            auto at = [&](qsizetype k) { return previous.at(std::size_t(k + d - 1)); };
            const qsizetype k = x - y;
            const bool down = k == -d || (k != d && at(k - 1) < at(k + 1));
            const qsizetype fromX = down ? at(k + 1) : at(k - 1);
            const qsizetype fromY = fromX - (down ? k + 1 : k - 1);
            while (x > fromX + (down ? 0 : 1) && y > fromY + (down ? 1 : 0)) {
                backwards.append({Kind::Same, mid.from(x - 1)});
                --x;
                --y;
            }
            if (down) {
                backwards.append({Kind::Added, mid.to(y - 1)});
                --y;
            } else {
                backwards.append({Kind::Removed, mid.from(x - 1)});
                --x;
            }
        }
        while (x > 0 && y > 0) {
            backwards.append({Kind::Same, mid.from(x - 1)});
            --x;
            --y;
        }
        for (qsizetype i = backwards.size() - 1; i >= 0; --i)
            middle.append(backwards.at(i));
    }

    QList<Line> lines;
    lines.reserve(head + middle.size() + tail);
    for (qsizetype i = 0; i < head; ++i)
        lines.append({Kind::Same, before.at(i)});
    lines += middle;
    for (qsizetype i = before.size() - tail; i < before.size(); ++i)
        lines.append({Kind::Same, before.at(i)});
    return lines;
}

Counts count(const QList<Line>& lines)
{
    Counts counts;
    for (const Line& line : lines) {
        if (line.kind == Kind::Added)
            ++counts.added;
        else if (line.kind == Kind::Removed)
            ++counts.removed;
    }
    return counts;
}

} // namespace tarnby::linediff
