#include "import/PunchTable.h"

namespace tarnby {

namespace {

// Appends a text in UTF-8; the dates, times and most numbers of a table are ASCII.
void appendUtf8(QByteArray& out, const QString& text)
{
    const qsizetype at = out.size();
    out.resize(at + text.size());
    char* to = out.data() + at;
    for (const QChar c : text) {
        if (c.unicode() >= 0x80) {
            out.truncate(at);
            out += text.toUtf8();
            return;
        }
        *to++ = char(c.unicode());
    }
}

} // namespace

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

QByteArray PunchTable::printedRecords() const
{
    QByteArray out;
    out.reserve(qsizetype(size_) * 30);
    for (const Segment& s : segments_) {
        for (const Punch& punch : s) {
            appendUtf8(out, punch.number);
            out += "##";
            appendUtf8(out, punch.dateText);
            out += "##";
            appendUtf8(out, punch.timeText);
            out += '\n';
        }
    }
    return out;
}

} // namespace tarnby
