#pragma once
// The punch table: every record of the last folder read, in reading order,
// "number##yyyy-mm-dd##HH:NN:SS". It is kept in three segments of 32,000 so
// that the window and the analysis walk it the way the clock's owners know it:
// a segment fills only once the one before it is full.

#include <QString>
#include <QStringList>
#include <array>

namespace tarnby {

class PunchTable {
public:
    static constexpr int kSegmentSize = 32000;
    static constexpr int kSegmentCount = 3;
    static constexpr int kMaxRecords = kSegmentSize * kSegmentCount;

    // Stores a record after the last one; false (and nothing stored) once the
    // table holds kMaxRecords.
    bool append(const QString& record);

    int size() const { return size_; }
    bool isEmpty() const { return size_ == 0; }
    bool isFull() const { return size_ >= kMaxRecords; }
    void clear();

    // Segment i (0..2); an empty list for any other i.
    const QStringList& segment(int i) const;
    // All records in reading order (segment 0, then 1, then 2).
    QStringList records() const;

    // The employee number of a record: the text before its first "##".
    static QString numberOf(const QString& record);

private:
    std::array<QStringList, kSegmentCount> segments_;
    int size_ = 0;
};

} // namespace tarnby
