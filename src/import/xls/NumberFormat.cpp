#include "NumberFormat.h"

namespace tarnby::xls {

bool isBuiltinDateFormat(int formatId)
{
    return (formatId >= 14 && formatId <= 22) || (formatId >= 27 && formatId <= 36)
           || (formatId >= 45 && formatId <= 47) || (formatId >= 50 && formatId <= 58);
}

bool isDateFormatText(QStringView format)
{
    const qsizetype n = format.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = format[i].unicode();
        switch (c) {
        case u'"': // literal text
            ++i;
            while (i < n && format[i] != u'"')
                ++i;
            break;
        case u'\\': // the next character is literal
        case u'_':  // the next character only reserves its width
        case u'*':  // the next character fills the cell
            ++i;
            break;
        case u'[': {
            // [h], [mm], [ss] are elapsed times; [Red], [>100], [$-409], [DBNum1] are not
            const qsizetype start = ++i;
            bool elapsed = true;
            while (i < n && format[i] != u']') {
                const char16_t e = format[i].unicode() | 0x20;
                if (e != u'h' && e != u'm' && e != u's')
                    elapsed = false;
                ++i;
            }
            if (elapsed && i > start && i < n)
                return true;
            break;
        }
        default:
            switch (c | 0x20) {
            case u'y':
            case u'm':
            case u'd':
            case u'h':
            case u's':
                return true;
            default:
                break;
            }
        }
    }
    return false;
}

} // namespace tarnby::xls
