// The clock log without header: what a clock writes to a USB stick (the
// "attlog"), one punch a line: the number, the date-time, then codes of the
// clock's own.

#include "import/layout/Layouts.h"

namespace tarnby::layout {
namespace {

constexpr int kNumberColumn = 0;
constexpr int kTimeColumn = 1;

bool isDigits(QStringView text)
{
    if (text.isEmpty())
        return false;
    for (const QChar c : text)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

bool beginsALog(const Sheet& sheet, const ReadContext& context)
{
    const Cell& number = sheet.cell(0, kNumberColumn);
    const bool numeric = number.kind == Cell::Kind::Text ? isDigits(QStringView(number.text).trimmed())
                                                         : number.kind == Cell::Kind::Number;
    return numeric && cellDateTime(sheet.cell(0, kTimeColumn), context).has_value();
}

} // namespace

std::optional<SheetPunches> readLog(const Sheet& sheet, const ReadContext& context)
{
    if (!context.textExport || !beginsALog(sheet, context))
        return std::nullopt;
    SheetPunches out;
    FileReadReport& report = out.report;
    report.layout = ExportLayout::Log;
    report.firstRow = 0;
    report.columns = {{kNumberColumn, ColumnRole::Number, {}, {}}, {kTimeColumn, ColumnRole::DateTime, {}, {}}};
    out.punches.reserve(sheet.rowCount());
    for (int row = 0; row < sheet.rowCount(); ++row) {
        const Cell& numberCell = sheet.cell(row, kNumberColumn);
        const Cell& timeCell = sheet.cell(row, kTimeColumn);
        if (numberCell.kind == Cell::Kind::Empty && timeCell.kind == Cell::Kind::Empty)
            continue;
        const QString number = cells::numberCellText(numberCell).value_or(QString()).trimmed();
        if (number.isEmpty()) {
            report.skipped.append({row, kNumberColumn, SkipReason::EmptyNumber, {}});
            continue;
        }
        const auto moment = cellDateTime(timeCell, context);
        if (!moment) {
            const SkipReason why = timeCell.kind == Cell::Kind::Empty ? SkipReason::NoTime : SkipReason::UnreadableDate;
            report.skipped.append({row, kTimeColumn, why, shownText(timeCell)});
            continue;
        }
        if (const auto problem = dateProblem(QDate(moment->year, moment->month, moment->day), context.today)) {
            report.skipped.append({row, kTimeColumn, *problem, shownText(timeCell)});
            continue;
        }
        out.punches.append({number, cells::dateText(*moment), cells::timeText(*moment)});
    }
    return out;
}

} // namespace tarnby::layout
