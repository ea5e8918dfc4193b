#pragma once
// The clock writes numbers as it pleases (15, 015, 15x) while the picker shows
// the roster's spelling (0015, 15X). The picker pairs them by ignoring case
// and leading zeros, so finding an entry's punches has to use the same rule.

#include <QStringView>

namespace tarnby::number {

// Equal once case and leading zeros are ignored ("15x" and "0015X").
bool sameIgnoringCaseAndZeros(QStringView a, QStringView b);

// The part of a number that the rule compares: without its leading zeros.
QStringView significantPart(QStringView number);

} // namespace tarnby::number
