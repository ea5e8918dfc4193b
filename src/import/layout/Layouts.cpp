#include "import/layout/Layouts.h"

namespace tarnby::layout {

std::optional<SheetPunches> readFirstLayout(const ReadResult& book, const ReadContext& context)
{
    for (int i = 0; i < book.sheetCount(); ++i) {
        const Sheet& sheet = book.sheetAt(i);
        std::optional<SheetPunches> found = readGrid(sheet, context);
        if (!found)
            found = readHeaderTable(sheet, context);
        if (!found && context.textExport)
            found = readLog(sheet, context);
        if (found) {
            found->report.sheet = i;
            found->report.sheetName = sheet.name();
            found->report.records = int(found->punches.size());
            return found;
        }
    }
    return std::nullopt;
}

} // namespace tarnby::layout
