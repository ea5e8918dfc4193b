#pragma once
// Reading the clock's workbooks of one folder into the punch table, and the
// employee picker built from the table and the roster.
//
// Neither operation shows anything: the outcome carries the text, the title
// and the kind, and the window decides how to show them. Progress is reported
// through a callback so that the window can keep painting during a long read.

#include "base/Clock.h"
#include "base/Outcome.h"
#include "base/PickerEntry.h"
#include "import/PunchTable.h"
#include "import/layout/ReadReport.h"
#include "settings/ConfigFile.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace tarnby {

inline const QString kOverflowMessage = QStringLiteral("考勤记录总数益出！");
inline const QString kReadErrorLine2 = QStringLiteral("文件读取错误，请检查是否含有密码，");
inline const QString kReadErrorLine3 = QStringLiteral("或数据所在位置设定不正确！");

struct ImportProgress {
    int workbook = 0;      // index of the workbook being read, from 0
    int workbookCount = 0; // workbooks in the folder
    QString workbookPath;  // full path of that workbook
    int records = 0;       // records in the table so far
};

// Called when each workbook starts and every few hundred records; it must not
// touch the table.
using ImportProgressFn = std::function<void(const ImportProgress&)>;

struct ImportOutcome {
    enum class Kind {
        Empty,      // no workbook in the folder: the table is empty; no message
        Read,       // every workbook was read (perhaps with overflow): fill the picker
        ReadError,  // a workbook could not be read: the table keeps what came before
        SetupError, // nothing was read; the table is as it was
    };
    Kind kind = Kind::Empty;
    QString text;           // the message to show; empty when there is none
    QString title;          // its title; empty means the program's default title
    bool overflow = false;  // more than PunchTable::kMaxRecords were found
    QString failedWorkbook; // full path of the workbook that failed (ReadError)
    int workbookCount = 0;  // workbooks the folder holds
    // Per file read (up to the one that failed): its layout, records and skipped
    // rows; and, after ReadFolderRecords, the punched numbers the roster lacks.
    FolderReadReport report;

    bool hasMessage() const { return !text.isEmpty(); }
    bool isError() const { return kind == Kind::ReadError || kind == Kind::SetupError; }
    // Whether the employee picker is to be rebuilt from the table now.
    bool fillsPicker() const { return kind == Kind::Read; }
};

// The exports of a folder as they are read: names ending in ".xls", ".xlsx",
// ".xlsm", ".csv" or ".dat" in any case, hidden names (a leading dot) left out, ascending by name without regard
// to case. Names only; sub-folders are not searched.
QStringList listWorkbooks(const QString& folder);

// Empties the table and reads every workbook of `folder` into it, taking the
// data read position from Init.ini in `programDir`. The folder's existence and
// Init.ini are checked before the table is touched. Each file is read as
// readExportFile reads it; `clock` says what today is (a punch dated more than
// a year after it is a clock's wrong date). The outcome's report lists every
// file read and the punched numbers that Init.ini's roster does not know.
ImportOutcome ReadFolderRecords(const QString& programDir, const QString& folder, PunchTable& table,
                                const ImportProgressFn& progress = {}, const Clock& clock = systemClock());

// The same read with the position given, for callers that hold it already;
// its report lists the files but not the unregistered numbers.
ImportOutcome readFolder(const QString& folder, const ReadPosition& position, PunchTable& table,
                         const ImportProgressFn& progress = {}, const Clock& clock = systemClock());

// What one export gives the folder read: its punches in reading order and its
// part of the read report (report.failed: it takes the read-error path).
struct ExportRead {
    QList<Punch> punches;
    FileReadReport report;
};

// One export read as the folder read reads it: at the configured cells, byte
// for byte as ever, when at the start row they hold punch data; otherwise by
// the first layout that fits one of its worksheets (import/layout/Layouts.h);
// when none fits, at the configured cells all the same (report.layout None).
// A position that names no cell is read as it always was: a read error at
// the first record.
ExportRead readExportFile(const QString& path, const ReadPosition& position, const QDate& today);

// The employee picker: one entry per run of records with the same number,
// shown "NUMBER name" from the roster or "<number> 未登记"; the placeholder
// alone when the table is empty. A record number matches a roster number by
// the picker's padding rule (samePickerNumber: 15, 015 and 0015 match 0015;
// 15x matches 15X); the first roster entry that matches wins.
QList<PickerEntry> pickerEntries(const QList<RosterEntry>& roster, const PunchTable& table);

// pickerEntries with the roster of Init.ini in `programDir`.
Result<QList<PickerEntry>> FillAnalysisPicker(const QString& programDir, const PunchTable& table);

} // namespace tarnby
