#pragma once
// What page 3's "自动识别" shows of one export: how the folder read reads it
// (its punches and its read report) and the first rows of the worksheet it
// reads, every column, so that the columns the report names can be
// highlighted. For a layout of one punch per row, the report's
// suggestedPosition() gives the cells to put into the position boxes.

#include "import/FolderImport.h"
#include "import/Sheet.h"

#include <QDate>
#include <QString>

namespace tarnby {

struct ExportPreview {
    ExportRead read;
    // The worksheet read.report.sheet names (the first when no layout fits),
    // its first rows only; empty when the file cannot be read.
    Sheet sheet;
};

// The export at path read as the folder read reads it with this position,
// and the first `rows` rows of its worksheet.
ExportPreview previewExport(const QString& path, const ReadPosition& position, const QDate& today, int rows = 100);

// A cell as a preview shows it: a text as it stands, a number as the punch
// table writes it, a date-time "yyyy-mm-dd HH:NN:SS" (a whole day "yyyy-mm-dd",
// a time of day "HH:NN:SS"), a boolean TRUE/FALSE, an error "#错误".
QString previewText(const Cell& cell);

} // namespace tarnby
