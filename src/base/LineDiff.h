#pragma once
// What one version of a stored text file added and removed against another,
// line by line: what the change history shows for every save.

#include <QList>
#include <QString>
#include <QStringList>

namespace tarnby::linediff {

enum class Kind { Same, Added, Removed };

struct Line {
    Kind kind = Kind::Same;
    QString text;
    friend bool operator==(const Line&, const Line&) = default;
};

// `after` against `before` as a shortest edit script: every line of both in
// order, each marked as kept, added or removed. Beyond kMaxEdits changed lines
// the search stops and the changed middle is given as removed whole, then added
// whole: a file rewritten from top to bottom needs no finer answer.
inline constexpr qsizetype kMaxEdits = 1000;
QList<Line> compare(const QStringList& before, const QStringList& after);

struct Counts {
    int added = 0;
    int removed = 0;
};
Counts count(const QList<Line>& lines);

} // namespace tarnby::linediff
