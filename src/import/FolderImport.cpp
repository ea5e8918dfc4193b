#include "import/FolderImport.h"

#include "base/EmployeeNumber.h"
#include "base/OrderedWork.h"
#include "import/CellName.h"
#include "import/CellSource.h"
#include "import/CellText.h"
#include "import/layout/CellReading.h"
#include "import/layout/Layouts.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QCoreApplication>
#include <algorithm>
#include <array>
#include <memory>
#include <vector>

namespace tarnby {
namespace {

constexpr int kProgressEvery = 512;

// The name the picker gives a number the roster does not know.
const QString kUnregisteredName = QStringLiteral("未登记");

QString readErrorText(const QString& path)
{
    return QDir::toNativeSeparators(path) + u'\n' + kReadErrorLine2 + u'\n' + kReadErrorLine3;
}

ImportOutcome setupError(QString text)
{
    ImportOutcome out;
    out.kind = ImportOutcome::Kind::SetupError;
    out.text = std::move(text);
    out.title = kTitleError;
    return out;
}

// Checks the folder the way a user would want to hear about it; empty text
// when it can be listed.
QString folderProblem(const QString& folder)
{
    if (folder.trimmed().isEmpty())
        return QCoreApplication::translate("FolderImport", "请先选择考勤所在目录！");
    const QFileInfo info(folder);
    if (!info.exists())
        return QCoreApplication::translate("FolderImport", "考勤所在目录不存在：%1").arg(QDir::toNativeSeparators(folder));
    if (!info.isDir())
        return QCoreApplication::translate("FolderImport", "考勤所在目录不是文件夹：%1").arg(QDir::toNativeSeparators(folder));
    if (!info.isReadable() || !info.isExecutable())
        return QCoreApplication::translate("FolderImport", "无法读取考勤所在目录：%1").arg(QDir::toNativeSeparators(folder));
    return {};
}

// The punch from its number and a time text that is no date-time: the text is
// cut at commas (full-width too) and spaces, its first piece the date and its
// second the time. False when there is no second piece.
bool makePunch(const QString& number, const QString& timeText, Punch* punch)
{
    QStringView date, time;
    if (!layout::firstTwoPieces(timeText, &date, &time))
        return false;
    punch->number = number;
    punch->dateText = date.toString();
    punch->timeText = time.toString();
    return true;
}

} // namespace

QStringList listWorkbooks(const QString& folder)
{
    QStringList names;
    const QDir dir(folder);
    // Without QDir::Hidden and QDir::System the platform's hidden and system
    // files stay out; a leading dot hides a file on every platform.
    const QStringList all = dir.entryList(QDir::Files, QDir::NoSort);
    for (const QString& name : all) {
        if (name.startsWith(u'.'))
            continue;
        if (isExportName(name))
            names.append(name);
    }
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int c = QString::compare(a, b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
    return names;
}

namespace {

// What one workbook gives: its punches in row order, and whether its reading
// broke off after them (a damaged workbook, a cell that is no punch).
struct WorkbookPunches {
    QList<Punch> punches;
    bool failed = false;
    FileReadReport report;
};

// A clock lists an employee's punches of a day together, and every employee
// on the same days of the month: the punches of one day share one date text,
// and those at one second of the day one time text, instead of each holding
// copies of its own.
class PunchMaker {
public:
    Punch make(const QString& number, const cells::DateTime& at)
    {
        if (at.year != year_ || at.month != month_ || at.day != day_) {
            year_ = at.year;
            month_ = at.month;
            day_ = at.day;
            QString& date = dates_[(at.year * 13 + at.month) * 32 + at.day];
            if (date.isNull())
                date = cells::dateText(at);
            date_ = date;
        }
        return Punch{number, date_, timeOf(at)};
    }

private:
    QString timeOf(const cells::DateTime& at)
    {
        if (at.hour < 0 || at.hour > 23 || at.minute < 0 || at.minute > 59 || at.second < 0 || at.second > 59)
            return cells::timeText(at);
        auto& minute = minutes_[std::size_t(at.hour * 60 + at.minute)];
        if (!minute)
            minute = std::make_unique<std::array<QString, 60>>();
        QString& text = (*minute)[std::size_t(at.second)];
        if (text.isNull())
            text = cells::timeText(at);
        return text;
    }

    int year_ = -1, month_ = -1, day_ = -1;
    QString date_;
    QHash<int, QString> dates_;
    std::vector<std::unique_ptr<std::array<QString, 60>>> minutes_ = std::vector<std::unique_ptr<std::array<QString, 60>>>(24 * 60);
};

// The file's worksheets read whole and tried against the layouts. A file whose
// worksheets cannot all be read (a damaged sheet after the first) fits none.
std::optional<layout::SheetPunches> readByLayout(const QString& path, const QDate& today)
{
    CellRequest request = CellRequest::wholeSheet(CellRequest::kEverySheet);
    // room for a table that overflows the punch table, and for its blank and unusable rows
    request.maxRows = 2 * PunchTable::kMaxRecords;
    const ReadResult whole = readExport(path, request);
    if (!whole.ok())
        return std::nullopt;
    return layout::readFirstLayout(whole, {today, isTextExportName(path)});
}

// The configured read's part of the report: its cells, and a row above the
// start that holds punch data (a headerless log read from row 2).
void describeConfigured(FileReadReport& report, const Sheet& sheet, CellPosition number,
                        const std::optional<CellPosition>& time)
{
    report.sheetName = sheet.name();
    report.firstRow = number.row;
    report.columns.append({number.column, ColumnRole::Number, {}, {}});
    if (!time)
        return;
    report.columns.append({time->column, ColumnRole::DateTime, {}, {}});
    if (time->column < number.column)
        std::swap(report.columns.first(), report.columns.last());
    for (int k = 1; k <= std::min(number.row, time->row); ++k) {
        if (layout::holdsPunchData(sheet.cell(number.row - k, number.column), sheet.cell(time->row - k, time->column))) {
            report.punchAboveStart = number.row - k;
            break;
        }
    }
}

WorkbookPunches readWorkbookPunches(const QString& path, const ReadPosition& position, const QDate& today)
{
    WorkbookPunches out;
    out.report.path = path;
    auto failed = [&out](ReadError error = ReadError::None, int row = -1) {
        out.failed = true;
        out.report.failed = true;
        out.report.readError = error;
        out.report.failedRow = row;
        return out;
    };
    const auto numberAt = parseCellName(position.numberCell);
    const auto timeAt = parseCellName(position.timeCell);
    const ReadResult book = readExport(path, configuredRequest(position));
    if (!book.ok())
        return failed(book.error);
    if (!numberAt)
        return failed();

    const Sheet& sheet = book.sheet;
    out.report.layout = ExportLayout::Configured;
    if (timeAt
        && !layout::holdsPunchData(sheet.cell(numberAt->row, numberAt->column), sheet.cell(timeAt->row, timeAt->column))) {
        if (auto found = readByLayout(path, today)) {
            out.punches = std::move(found->punches);
            found->report.path = path;
            out.report = std::move(found->report);
            return out;
        }
        out.report.layout = ExportLayout::None;
    }
    describeConfigured(out.report, sheet, *numberAt, timeAt);
    out.punches.reserve(std::max(0, sheet.rowCount() - numberAt->row));
    PunchMaker maker;
    // An export lists each employee's punches together: the same number
    // cell value row after row keeps its text.
    const Cell* previousCell = nullptr;
    QString number;
    for (int k = 0;; ++k) {
        const Cell& numberCell = sheet.cell(numberAt->row + k, numberAt->column);
        if (!previousCell || numberCell.kind != previousCell->kind || numberCell.number != previousCell->number
            || numberCell.text != previousCell->text) {
            const auto text = cells::numberCellText(numberCell);
            if (!text)
                return failed(ReadError::None, numberAt->row + k);
            number = *text;
        }
        previousCell = &numberCell;
        if (number.isEmpty())
            return out;
        // The time cell is located only for a row that has a number, so a
        // bad time position fails at the first record, not at a workbook
        // whose number column is empty.
        if (!timeAt)
            return failed(ReadError::None, numberAt->row + k);
        const Cell& timeCell = sheet.cell(timeAt->row + k, timeAt->column);
        Punch punch;
        if (const auto at = cells::timeCellDateTime(timeCell)) {
            punch = maker.make(number, *at);
        } else {
            bool isDateTime = false;
            const auto time = cells::timeCellText(timeCell, &isDateTime);
            if (!time || !makePunch(number, *time, &punch))
                return failed(ReadError::None, timeAt->row + k);
        }
        out.punches.append(std::move(punch));
    }
}

ImportOutcome readWorkbooks(const QString& folder, const QStringList& names, const ReadPosition& position,
                            PunchTable& table, const ImportProgressFn& progress, const QDate& today)
{
    ImportOutcome out;
    out.workbookCount = int(names.size());
    table.clear();
    if (names.isEmpty())
        return out;

    out.kind = ImportOutcome::Kind::Read;
    const QDir dir(folder);
    QStringList paths;
    for (const QString& name : names)
        paths.append(QDir::cleanPath(dir.absoluteFilePath(name)));

    // Each workbook is read and turned into punches on its own; the table
    // takes them in name order, so the outcome is the one a read of one
    // workbook after the other gives.
    OrderedWork<WorkbookPunches> reads(int(paths.size()), [&paths, &position, &today](int i) {
        return readWorkbookPunches(paths.at(i), position, today);
    });

    ImportProgress report;
    report.workbookCount = out.workbookCount;
    for (int i = 0; i < paths.size(); ++i) {
        const QString& path = paths.at(i);
        if (progress) {
            report.workbook = i;
            report.workbookPath = path;
            report.records = table.size();
            progress(report);
        }
        WorkbookPunches book = reads.take(i);
        book.report.records = int(book.punches.size());
        out.report.files.append(std::move(book.report));
        for (Punch& punch : book.punches) {
            if (!table.append(std::move(punch))) {
                out.overflow = true;
                out.text = kOverflowMessage;
                return out;
            }
            if (progress && table.size() % kProgressEvery == 0) {
                report.records = table.size();
                progress(report);
            }
        }
        if (book.failed) {
            out.kind = ImportOutcome::Kind::ReadError;
            out.failedWorkbook = path;
            out.text = readErrorText(path);
            out.title = kTitleError;
            return out;
        }
    }
    return out;
}

} // namespace

ImportOutcome readFolder(const QString& folder, const ReadPosition& position, PunchTable& table,
                         const ImportProgressFn& progress, const Clock& clock)
{
    if (const QString problem = folderProblem(folder); !problem.isEmpty())
        return setupError(problem);
    return readWorkbooks(folder, listWorkbooks(folder), position, table, progress, clock().date());
}

ExportRead readExportFile(const QString& path, const ReadPosition& position, const QDate& today)
{
    WorkbookPunches book = readWorkbookPunches(path, position, today);
    book.report.records = int(book.punches.size());
    return {std::move(book.punches), std::move(book.report)};
}

ImportOutcome ReadFolderRecords(const QString& programDir, const QString& folder, PunchTable& table,
                                const ImportProgressFn& progress, const Clock& clock)
{
    if (const QString problem = folderProblem(folder); !problem.isEmpty())
        return setupError(problem);
    const QStringList names = listWorkbooks(folder);
    // An empty folder ends the read before Init.ini is looked at.
    if (names.isEmpty()) {
        table.clear();
        return {};
    }
    const auto position = config::LoadReadPosition(programDir);
    if (!position)
        return setupError(position.error());
    ImportOutcome out = readWorkbooks(folder, names, *position, table, progress, clock().date());
    // an unreadable roster is the picker's to report
    if (const auto roster = config::readRoster(programDir))
        out.report.unregistered = unregisteredNumbers(*roster, table, out.report.files);
    return out;
}

QList<PickerEntry> pickerEntries(const QList<RosterEntry>& roster, const PunchTable& table)
{
    // The roster lookup list holds "NUMBER##name"; an entry's number is the text
    // before its first "##" and a match shows the entry with every "##" made a
    // space, so a number or name holding "##" reads as that list makes it.
    QHash<QString, PickerEntry> byKey;
    byKey.reserve(roster.size());
    for (const RosterEntry& person : roster) {
        QString entry = person.number + QLatin1String("##") + person.name;
        const QString key = pickerKey(QStringView(entry).left(entry.indexOf(QLatin1String("##"))));
        if (!byKey.contains(key))
            byKey.insert(key, PickerEntry::fromText(entry.replace(QLatin1String("##"), QLatin1String(" "))));
    }

    QList<PickerEntry> entries;
    QHash<QString, PickerEntry> found;
    QString previous;
    for (int s = 0; s < PunchTable::kSegmentCount; ++s) {
        for (const Punch& punch : table.segment(s)) {
            if (punch.number == previous)
                continue;
            previous = punch.number;
            auto known = found.constFind(previous);
            if (known == found.cend()) {
                const auto at = byKey.constFind(pickerKey(previous));
                // as the picker's text reads, even for a number holding a blank
                const PickerEntry entry =
                    at == byKey.cend() ? PickerEntry::fromText(previous + u' ' + kUnregisteredName) : *at;
                known = found.insert(previous, entry);
            }
            entries.append(*known);
        }
    }
    if (entries.isEmpty())
        entries.append(PickerEntry::placeholder());
    return entries;
}

Result<QList<PickerEntry>> FillAnalysisPicker(const QString& programDir, const PunchTable& table)
{
    const auto roster = config::readRoster(programDir);
    if (!roster)
        return Result<QList<PickerEntry>>::failure(roster.error());
    return pickerEntries(*roster, table);
}

} // namespace tarnby
