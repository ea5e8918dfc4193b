#include "import/PunchTable.h"

namespace tarnby {

bool PunchTable::append(const Punch& punch)
{
    return append(Punch(punch));
}

bool PunchTable::append(Punch&& punch)
{
    if (size_ >= kMaxRecords)
        return false;
    Segment& target = segments_[static_cast<std::size_t>(size_ / kSegmentSize)];
    if (target.isEmpty())
        target.reserve(kSegmentSize);
    target.append(std::move(punch));
    ++size_;
    return true;
}

void PunchTable::clear()
{
    for (Segment& s : segments_)
        s.clear();
    size_ = 0;
}

const PunchTable::Segment& PunchTable::segment(int i) const
{
    static const Segment none;
    if (i < 0 || i >= kSegmentCount)
        return none;
    return segments_[static_cast<std::size_t>(i)];
}

QList<Punch> PunchTable::records() const
{
    QList<Punch> all;
    all.reserve(size_);
    for (const Segment& s : segments_)
        all.append(s);
    return all;
}

} // namespace tarnby
