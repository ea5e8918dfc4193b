#pragma once
// The one door through which the import opens an export, whatever its format:
// .xls, .xlsx/.xlsm, .csv and .dat give the same cells of the first sheet.

#include "import/xls/Workbook.h"
#include "settings/ConfigFile.h"

#include <QString>

namespace tarnby {

// Whether the import reads a file of this name: it ends in .xls, .xlsx, .xlsm,
// .csv or .dat, in any case.
bool isExportName(const QString& name);

// The first sheet's cells of the export at path that the position names (the
// number and time columns from their first rows down; an .xls gives every cell).
// A workbook is recognised by its content when its name says otherwise: an
// .xlsx saved with the name .xls reads as the workbook it is.
xls::ReadResult readExport(const QString& path, const ReadPosition& position);

} // namespace tarnby
