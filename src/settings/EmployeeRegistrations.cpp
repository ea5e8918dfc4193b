#include "EmployeeRegistrations.h"

#include "MonthFile.h"
#include "Registration.h"

namespace tarnby {
namespace {

constexpr int kNumberDigits = 9;

bool allDigits(const QString& text)
{
    if (text.isEmpty())
        return false;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

// The month's lines as stored, after making sure each is a whole registration,
// so the analysis never works on a line it cannot split.
Result<QStringList> checkedLines(const QString& programDir, MonthKey month)
{
    auto parsed = registrationfile::load(programDir, month);
    if (!parsed)
        return Result<QStringList>::failure(parsed.error());
    return registrationfile::readLines(programDir, month);
}

} // namespace

QString formatEmployeeNumber(const QString& number)
{
    if (!allDigits(number))
        return number;
    qsizetype zeros = 0;
    while (zeros + 1 < number.size() && number.at(zeros) == u'0')
        ++zeros;
    return number.mid(zeros).rightJustified(kNumberDigits, u'0');
}

bool employeeNumbersEqual(const QString& a, const QString& b)
{
    return formatEmployeeNumber(a) == formatEmployeeNumber(b);
}

bool registrationConcerns(const QString& registrationNumber, const QString& employeeNumber)
{
    return registrationNumber == kAllEmployeesNumber || employeeNumbersEqual(registrationNumber, employeeNumber);
}

QString pickerNumber(const QString& pickerText)
{
    const qsizetype space = pickerText.indexOf(u' ');
    return space < 0 ? pickerText : pickerText.left(space);
}

int registrationDay(const QString& date)
{
    const qsizetype mark = date.indexOf(QStringLiteral("月"));
    return mark < 0 ? 0 : monthfile::boxValue(date.mid(mark + 1));
}

Result<QStringList> RegistrationWorkList(const QString& programDir, const SettlementPeriod& period)
{
    auto first = checkedLines(programDir, period.start);
    if (!first)
        return first;
    if (period.style == kMonthStartStyle)
        return first;
    auto second = checkedLines(programDir, period.secondMonth());
    if (!second)
        return second;
    QStringList work;
    for (const QString& line : first.value()) {
        if (registrationDay(Registration::fromLine(line)->date) >= 16)
            work.append(line);
    }
    for (const QString& line : second.value()) {
        if (registrationDay(Registration::fromLine(line)->date) <= 15)
            work.append(line);
    }
    return work;
}

const QList<EmployeeRegistrationColumn>& employeeRegistrationColumns()
{
    static const QList<EmployeeRegistrationColumn> columns = {
        {QStringLiteral("序号"), 35},
        {QStringLiteral("日期"), 75},
        {QStringLiteral("登记事由"), 240},
        {QStringLiteral("处理方式"), 110},
    };
    return columns;
}

QList<EmployeeRegistrationRow> ShowEmployeeRegistrations(const QStringList& workList, const QString& pickerText)
{
    QList<EmployeeRegistrationRow> rows;
    const QString employee = pickerNumber(pickerText);
    for (const QString& line : workList) {
        // The method column shows the fifth field alone, the one the analysis
        // applies, even when a hand-edited line carries fields after it.
        const QStringList f = line.split(kFieldSeparator);
        if (f.size() < Registration::kFieldCount || !registrationConcerns(f.at(0), employee))
            continue;
        rows.append({QStringLiteral("%1").arg(rows.size() + 1, 2, 10, QLatin1Char('0')), f.at(1), f.at(3), f.at(4)});
    }
    return rows;
}

} // namespace tarnby
