#include "analysis/EmployeeNumber.h"

namespace tarnby::number {

QStringView significantPart(QStringView s)
{
    qsizetype i = 0;
    while (i < s.size() && s[i] == u'0')
        ++i;
    return s.mid(i);
}

bool sameIgnoringCaseAndZeros(QStringView a, QStringView b)
{
    // Padding the shorter with zeros to the longer's length, as the roster
    // lookup does, comes to the same as dropping the zeros of both.
    const QStringView x = significantPart(a);
    const QStringView y = significantPart(b);
    return x.size() == y.size() && x.compare(y, Qt::CaseInsensitive) == 0;
}

} // namespace tarnby::number
