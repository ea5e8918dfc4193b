#pragma once
// Which number formats show a date or a time: the reader gives a number shown
// through one of them as a date-time.

#include <QStringView>

namespace tarnby::xls {

// The built-in format ids that are dates or times (14-22, 45-47, and the CJK 27-36, 50-58).
bool isBuiltinDateFormat(int formatId);

// A format text is a date or time format when a y, m, d, h or s stands outside
// quotes, escapes and brackets, or an elapsed-time bracket such as [h] or [mm] appears.
bool isDateFormatText(QStringView format);

} // namespace tarnby::xls
