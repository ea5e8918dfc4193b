#include "import/PunchTable.h"

namespace tarnby {

bool PunchTable::append(const QString& record)
{
    if (size_ >= kMaxRecords)
        return false;
    QStringList& target = segments_[static_cast<std::size_t>(size_ / kSegmentSize)];
    if (target.isEmpty())
        target.reserve(kSegmentSize);
    target.append(record);
    ++size_;
    return true;
}

void PunchTable::clear()
{
    for (QStringList& s : segments_)
        s.clear();
    size_ = 0;
}

const QStringList& PunchTable::segment(int i) const
{
    static const QStringList none;
    if (i < 0 || i >= kSegmentCount)
        return none;
    return segments_[static_cast<std::size_t>(i)];
}

QStringList PunchTable::records() const
{
    QStringList all;
    all.reserve(size_);
    for (const QStringList& s : segments_)
        all.append(s);
    return all;
}

QString PunchTable::numberOf(const QString& record)
{
    const qsizetype cut = record.indexOf(QLatin1String("##"));
    return cut < 0 ? record : record.left(cut);
}

} // namespace tarnby
