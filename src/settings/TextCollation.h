#pragma once
// How list texts are ordered when the user sorts by a column: runs of digits by
// their value ("2" before "10"), Latin letters without regard to case, Chinese
// characters by their GBK code, which puts the common characters in pinyin
// order. Equal texts under these rules fall back to the plain character order,
// so the order is total and does not depend on the machine's locale.

#include <QString>

namespace tarnby {

// Negative, zero or positive as a sorts before, with or after b.
int compareTexts(const QString& a, const QString& b);

} // namespace tarnby
