#pragma once
// The one door through which the import opens an export, whatever its format:
// .xls, .xlsx/.xlsm, .csv and .dat give the same cells.

#include "import/CellRequest.h"
#include "import/ReadResult.h"
#include "settings/ConfigFile.h"

#include <QString>

namespace tarnby {

// Whether the import reads a file of this name: it ends in .xls, .xlsx, .xlsm,
// .csv or .dat, in any case.
bool isExportName(const QString& name);

// Whether the import reads a file of this name as a text export (.csv, .dat).
bool isTextExportName(const QString& name);

// What the configured read asks of an export: the first sheet's number and
// time columns down to as many rows below the first rows the position names
// as the punch table holds and one more. The rows above the first rows come
// too: the read report tells when one of them holds a punch.
CellRequest configuredRequest(const ReadPosition& position);

// The cells of the export at path that the request asks for. A workbook is
// recognised by its content when its name says otherwise: an .xlsx saved with
// the name .xls reads as the workbook it is.
ReadResult readExport(const QString& path, const CellRequest& request);

} // namespace tarnby
