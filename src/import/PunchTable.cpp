#include "import/PunchTable.h"

#include <algorithm>
#include <cstring>

namespace tarnby {

namespace {

qsizetype unitsOf(const Punch& punch)
{
    return punch.number.size() + punch.dateText.size() + punch.timeText.size();
}

// Writes a text in UTF-8 at `to`, which has room for three bytes a character,
// and returns the end. The dates, times and most numbers of a table are ASCII:
// they are narrowed in one pass with no call and no allocation.
char* putUtf8(char* to, const QString& text)
{
    // constData, not utf16: that one copies a literal's text to end it with a zero
    const auto* from = reinterpret_cast<const char16_t*>(text.constData());
    const qsizetype n = text.size();
    unsigned seen = 0;
    for (qsizetype i = 0; i < n; ++i) {
        seen |= from[i];
        to[i] = char(from[i]);
    }
    if (seen < 0x80)
        return to + n;
    const QByteArray bytes = text.toUtf8();
    std::memcpy(to, bytes.constData(), std::size_t(bytes.size()));
    return to + bytes.size();
}

// The bytes last written for one field of the lines. Consecutive punches
// share their number's and their day's text (one string, not equal copies):
// such a text is copied from the line before instead of converted again.
class SharedField {
public:
    char* put(const QByteArray& out, char* to, const QString& text)
    {
        if (text.constData() == data_ && text.size() == units_ && !text.isEmpty()) {
            std::memcpy(to, out.constData() + at_, std::size_t(bytes_));
            return to + bytes_;
        }
        char* const end = putUtf8(to, text);
        data_ = text.constData();
        units_ = text.size();
        at_ = to - out.constData();
        bytes_ = end - to;
        return end;
    }

private:
    const QChar* data_ = nullptr;
    qsizetype units_ = 0, at_ = 0, bytes_ = 0;
};

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
    // Sized once for all-ASCII lines, plus room for the longest line written
    // three bytes a character; it grows only for texts beyond ASCII.
    constexpr qsizetype kSeparators = 5; // "##", "##", LF
    qsizetype rest = 0, longest = 0;
    for (const Segment& s : segments_) {
        for (const Punch& punch : s) {
            const qsizetype units = unitsOf(punch);
            rest += units + kSeparators;
            longest = std::max(longest, units);
        }
    }
    const qsizetype slack = 3 * longest + kSeparators;
    QByteArray out(rest + slack, Qt::Uninitialized);
    qsizetype used = 0;
    SharedField number, date;
    for (const Segment& s : segments_) {
        for (const Punch& punch : s) {
            rest -= unitsOf(punch) + kSeparators;
            if (out.size() - used < slack + rest)
                out.resize(std::max(out.size() + out.size() / 2, used + slack + rest));
            char* const start = out.data() + used;
            char* to = number.put(out, start, punch.number);
            *to++ = '#';
            *to++ = '#';
            to = date.put(out, to, punch.dateText);
            *to++ = '#';
            *to++ = '#';
            to = putUtf8(to, punch.timeText);
            *to++ = '\n';
            used += to - start;
        }
    }
    out.truncate(used);
    return out;
}

} // namespace tarnby
