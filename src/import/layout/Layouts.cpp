#include "import/layout/Layouts.h"

namespace tarnby::layout {

std::optional<SheetPunches> readFirstLayout(const std::vector<Sheet>& sheets, const ReadContext& context)
{
    for (std::size_t i = 0; i < sheets.size(); ++i) {
        const Sheet& sheet = sheets[i];
        std::optional<SheetPunches> found = readGrid(sheet, context);
        if (!found)
            found = readHeaderTable(sheet, context);
        if (!found && context.textExport)
            found = readLog(sheet, context);
        if (found) {
            found->report.sheet = int(i);
            found->report.sheetName = sheet.name();
            found->report.records = int(found->punches.size());
            return found;
        }
    }
    return std::nullopt;
}

} // namespace tarnby::layout
