#pragma once
// The punch table: every punch of the last folder read, in reading order. It is
// kept in three segments of 32,000 so that the window and the analysis walk it
// the way the clock's owners know it: a segment fills only once the one before
// it is full.

#include "base/Punch.h"

#include <QByteArray>
#include <QList>
#include <array>

namespace tarnby {

class PunchTable {
public:
    static constexpr int kSegmentSize = 32000;
    static constexpr int kSegmentCount = 3;
    static constexpr int kMaxRecords = kSegmentSize * kSegmentCount;

    using Segment = QList<Punch>;

    // Stores a punch after the last one; false (and nothing stored) once the
    // table holds kMaxRecords.
    bool append(const Punch& punch);
    bool append(Punch&& punch);

    int size() const { return size_; }
    bool isEmpty() const { return size_ == 0; }
    bool isFull() const { return size_ >= kMaxRecords; }
    void clear();

    // Segment i (0..2); an empty list for any other i.
    const Segment& segment(int i) const;
    // All punches in reading order (segment 0, then 1, then 2).
    QList<Punch> records() const;
    // Every punch's text (Punch::text), one a line ended by LF, in reading
    // order and in UTF-8: what `tarnby-cli import` prints. Written straight
    // into one buffer, since a full table is some 2.8 MB of lines.
    QByteArray printedRecords() const;

private:
    std::array<Segment, kSegmentCount> segments_;
    int size_ = 0;
};

} // namespace tarnby
