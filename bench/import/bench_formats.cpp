// Times the import of the same 96,500 punches in three .xls files against
// xlrd, in three .xlsx files against openpyxl in read-only mode and in one
// UTF-8 .csv against Python's csv module, each reference applying the import's
// rules and checked to give the same table: inside one process (the folder
// read and the picker, median of five), and as whole processes, `tarnby-cli
// import` against a Python script that reads the folder and prints the same
// records (median of seven, the two taking turns so that a machine shared with
// other work slows both alike). Then the worksheet XML alone under libxml2
// (the reader's parser), expat and QXmlStreamReader, each doing the same work.
//
//   bench_formats [XLS_FOLDER XLSX_FOLDER CSV_FOLDER]
// Without folders the exports are generated once under the build folder. Each
// format is measured in a fresh process of its own.

#include "import/CellName.h"
#include "import/FolderImport.h"
#include "import/xlsx/Xlsx.h"
#include "BenchHome.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <QXmlStreamReader>

#include <expat.h>
#include <sys/resource.h>

#include <algorithm>
#include <charconv>
#include <ctime>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

const QString kPosition = QStringLiteral("A2B2");

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Median wall-clock seconds of five runs; the median processor seconds in
// *cpu and the best run in *best.
double medianOf5(const std::function<void()>& run, double* cpu = nullptr, double* best = nullptr)
{
    std::vector<double> seconds, processor;
    run(); // one untimed run first, on both sides: the first touch of fresh memory is not the read
    for (int i = 0; i < 5; ++i) {
        QElapsedTimer timer;
        const std::clock_t start = std::clock();
        timer.start();
        run();
        seconds.push_back(timer.nsecsElapsed() / 1e9);
        processor.push_back(double(std::clock() - start) / CLOCKS_PER_SEC);
    }
    if (cpu)
        *cpu = median(processor);
    if (best)
        *best = *std::min_element(seconds.begin(), seconds.end());
    return median(seconds);
}

bool runScript(const QStringList& args, QString* out)
{
    QProcess p;
    p.start(QStringLiteral(TARNBY_PYTHON3), QStringList{QStringLiteral(TARNBY_FORMATS_SCRIPT)} + args);
    if (!p.waitForFinished(-1) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        std::fprintf(stderr, "%s\n", p.readAllStandardError().constData());
        return false;
    }
    *out = QString::fromUtf8(p.readAllStandardOutput());
    return true;
}

// Our whole import of a folder (read + picker), median of five, and the table's digest.
bool timeImport(const QString& home, const QString& folder, double* seconds, double* cpu, double* best,
                int* records, QByteArray* sha1)
{
    tarnby::PunchTable table;
    bool ok = true;
    *seconds = medianOf5([&] {
        table.clear();
        const tarnby::ImportOutcome out = tarnby::ReadFolderRecords(home, folder, table);
        ok = ok && out.kind == tarnby::ImportOutcome::Kind::Read;
        if (!ok)
            std::fprintf(stderr, "read failed: %s\n", qPrintable(out.text));
        (void)tarnby::FillAnalysisPicker(home, table);
    }, cpu, best);
    *records = table.size();
    QStringList lines;
    for (const tarnby::Punch& punch : table.records())
        lines.append(punch.text());
    *sha1 = QCryptographicHash::hash(lines.join(u'\n').toUtf8(), QCryptographicHash::Sha1).toHex();
    return ok;
}

// One whole process: its wall-clock and processor seconds and what it printed.
struct ProcessRun {
    bool ok = false;
    double seconds = 0;
    double processor = 0;
    double faults = 0; // minor page faults: the memory it touched, 4 KiB or one large page at a time
    QByteArray out;
};

double processorSeconds(const rusage& u)
{
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) + double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

ProcessRun runProcess(const QString& program, const QStringList& args)
{
    ProcessRun run;
    rusage before{};
    getrusage(RUSAGE_CHILDREN, &before);
    QProcess p;
    p.setStandardErrorFile(QProcess::nullDevice()); // the overflow message
    QElapsedTimer timer;
    timer.start();
    p.start(program, args);
    const bool finished = p.waitForFinished(-1);
    run.seconds = timer.nsecsElapsed() / 1e9;
    rusage after{};
    getrusage(RUSAGE_CHILDREN, &after);
    run.processor = processorSeconds(after) - processorSeconds(before);
    run.faults = double(after.ru_minflt - before.ru_minflt);
    run.out = p.readAllStandardOutput();
    run.ok = finished && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    return run;
}

// The punch records a process printed, one a line; `tarnby-cli import` ends
// them with a "--" line before the picker.
QByteArray recordsOf(const QByteArray& out)
{
    if (out.startsWith("--\n"))
        return {};
    const qsizetype end = out.indexOf("\n--\n");
    return end < 0 ? out : out.left(end + 1);
}

double loadAverage()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    return file.open(QIODevice::ReadOnly) ? file.readLine().split(' ').value(0).toDouble() : -1;
}

struct Format {
    const char* key;   // the reference script's name for it
    const char* what;
    const char* label; // the reference, as printed
    double goal;
};

bool compare(const Format& format, const QString& folder, const QString& home)
{
    std::printf("%s (%s)\n", format.what, qPrintable(folder));
    std::printf("  machine load:    %.1f (one-minute load average on %d cores)\n", loadAverage(),
                QThread::idealThreadCount());
    double ours = 0, oursCpu = 0, oursBest = 0;
    int records = 0;
    QByteArray sha1;
    if (!timeImport(home, folder, &ours, &oursCpu, &oursBest, &records, &sha1))
        return false;
    QString out;
    if (!runScript({QString::fromLatin1(format.key), folder, kPosition}, &out))
        return false;
    const QStringList lines = out.split(u'\n', Qt::SkipEmptyParts);
    const double theirs = lines.value(0).toDouble();
    const double theirsCpu = lines.value(3).toDouble();
    const double theirsBest = lines.value(4).toDouble();
    bool same = lines.value(1).toInt() == records && lines.value(2).toLatin1() == sha1;
    std::printf("  records:         %d\n", records);
    std::printf("  in one process, median of 5 (read + picker; the same cells by the same rules):\n");
    std::printf("    tarnby import: %.1f ms, processor %.1f ms\n", ours * 1e3, oursCpu * 1e3);
    std::printf("    %-14s %.1f ms, processor %.1f ms\n", format.label, theirs * 1e3, theirsCpu * 1e3);
    std::printf("    speed-up:      %.1fx, processor %.1fx, best of 5 %.1fx (goal %.0fx)\n", theirs / ours,
                theirsCpu / oursCpu, theirsBest / oursBest, format.goal);

    const QStringList cli{QStringLiteral("import"), QStringLiteral("--home"), home, folder};
    const QStringList script{QStringLiteral(TARNBY_FORMATS_SCRIPT), QStringLiteral("once"),
                             QString::fromLatin1(format.key), folder, kPosition};
    constexpr int kRuns = 7;
    std::vector<double> cliSeconds, cliProcessor, cliFaults, scriptSeconds, scriptProcessor, scriptFaults;
    for (int i = -1; i < kRuns; ++i) { // a first untimed turn fills the file cache for both
        const ProcessRun a = runProcess(QStringLiteral(TARNBY_CLI), cli);
        const ProcessRun b = runProcess(QStringLiteral(TARNBY_PYTHON3), script);
        if (!a.ok || !b.ok) {
            std::fprintf(stderr, "a whole-process run failed\n");
            return false;
        }
        same = same && recordsOf(a.out) == b.out;
        if (i < 0)
            continue;
        cliSeconds.push_back(a.seconds);
        cliProcessor.push_back(a.processor);
        cliFaults.push_back(a.faults);
        scriptSeconds.push_back(b.seconds);
        scriptProcessor.push_back(b.processor);
        scriptFaults.push_back(b.faults);
    }
    const double cliWall = median(cliSeconds), scriptWall = median(scriptSeconds);
    const double cliCpu = median(cliProcessor), scriptCpu = median(scriptProcessor);
    std::printf("  whole processes, median of %d taking turns (start, read, print, exit):\n", kRuns);
    std::printf("    tarnby-cli:    %.1f ms, processor %.1f ms, %.0f page faults\n", cliWall * 1e3, cliCpu * 1e3,
                median(cliFaults));
    std::printf("    %-14s %.1f ms, processor %.1f ms, %.0f page faults\n", format.label, scriptWall * 1e3, scriptCpu * 1e3,
                median(scriptFaults));
    std::printf("    speed-up:      %.1fx, processor %.1fx (goal %.0fx)\n", scriptWall / cliWall, scriptCpu / cliCpu,
                format.goal);
    std::printf("  same table:      %s\n", same ? "yes" : "NO");
    std::printf("  machine load:    %.1f at the end\n", loadAverage());
    return same;
}

// --- the worksheet XML under QXmlStreamReader, doing what the reader's expat handler does ---

bool parseNumber(QStringView text, double* value)
{
    const QByteArray latin = text.trimmed().toLatin1();
    const auto [ptr, ec] = std::from_chars(latin.data(), latin.data() + latin.size(), *value);
    return ec == std::errc() && ptr == latin.data() + latin.size() && !latin.isEmpty();
}

bool cellRef(QStringView ref, int* row, int* column)
{
    qsizetype i = 0;
    int c = 0;
    while (i < ref.size() && ref[i] >= u'A' && ref[i] <= u'Z')
        c = c * 26 + (ref[i++].unicode() - u'A' + 1);
    bool ok = false;
    const int r = ref.mid(i).toInt(&ok);
    *row = r - 1;
    *column = c - 1;
    return ok && i > 0 && r >= 1;
}

// The cells kept, or -1 when the XML is refused.
int qtSheetCells(const QByteArray& xml, const tarnby::xlsx::SheetContext& context, const tarnby::CellRequest& request)
{
    using tarnby::Cell;
    QXmlStreamReader r(xml);
    tarnby::Sheet sheet;
    int row = -1, column = -1, kept = 0;
    bool inData = false;
    while (!r.atEnd()) {
        const auto token = r.readNext();
        if (token == QXmlStreamReader::DTD)
            return -1;
        if (token == QXmlStreamReader::EndElement && r.name() == u"sheetData")
            inData = false;
        if (token != QXmlStreamReader::StartElement)
            continue;
        const QStringView name = r.name();
        if (name == u"sheetData") {
            inData = true;
        } else if (inData && name == u"row") {
            bool ok = true;
            const QStringView n = r.attributes().value(QLatin1String("r"));
            const int next = n.isEmpty() ? row + 1 : n.toInt(&ok) - 1;
            if (!ok || next <= row)
                return -1;
            row = next;
            column = -1;
        } else if (inData && name == u"c") {
            const QXmlStreamAttributes a = r.attributes();
            int cellRow = row, cellColumn = column + 1;
            if (const QStringView ref = a.value(QLatin1String("r")); !ref.isEmpty() && !cellRef(ref, &cellRow, &cellColumn))
                return -1;
            if (cellRow != row || cellColumn <= column)
                return -1;
            column = cellColumn;
            if (!request.wants(row, column)) {
                r.skipCurrentElement();
                continue;
            }
            const QString type = a.value(QLatin1String("t")).toString();
            const int style = a.value(QLatin1String("s")).toInt();
            QString value;
            bool hasValue = false;
            while (r.readNextStartElement()) {
                if (r.name() == u"v") {
                    value = r.readElementText();
                    hasValue = true;
                } else if (r.name() == u"is") {
                    value = r.readElementText(QXmlStreamReader::IncludeChildElements);
                    hasValue = true;
                } else {
                    r.skipCurrentElement();
                }
            }
            if (!hasValue)
                continue;
            Cell cell;
            if (type.isEmpty() || type == u"n") {
                if (!parseNumber(value, &cell.number))
                    return -1;
                const bool date = style < int(context.dateStyles.size()) && context.dateStyles[std::size_t(style)];
                cell.kind = date ? Cell::Kind::DateTime : Cell::Kind::Number;
            } else if (type == u"s") {
                const int index = value.toInt();
                if (index < 0 || index >= int(context.sharedStrings.size()))
                    return -1;
                cell.kind = Cell::Kind::Text;
                cell.text = context.sharedStrings[std::size_t(index)];
            } else {
                cell.kind = Cell::Kind::Text;
                cell.text = value;
            }
            sheet.set(row, column, std::move(cell));
            ++kept;
        }
    }
    return r.hasError() ? -1 : kept;
}

// --- the worksheet XML under expat, doing what the reader's handler does ---

struct ExpatSheet {
    const tarnby::xlsx::SheetContext* context;
    const tarnby::CellRequest* request;
    tarnby::Sheet sheet;
    int row = -1, column = -1, kept = 0, style = 0;
    bool inData = false, wanted = false, capture = false, hasValue = false, failed = false;
    std::string type, value;
    XML_Parser parser = nullptr;

    static std::string_view local(const char* name)
    {
        std::string_view n(name);
        const auto colon = n.rfind(':');
        return colon == std::string_view::npos ? n : n.substr(colon + 1);
    }
    void fail()
    {
        failed = true;
        XML_StopParser(parser, XML_FALSE);
    }
    static void start(void* self, const char* rawName, const char** a)
    {
        auto* x = static_cast<ExpatSheet*>(self);
        const std::string_view name = local(rawName);
        if (name == "sheetData") {
            x->inData = true;
        } else if (x->inData && name == "row") {
            int next = x->row + 1;
            for (const char** p = a; *p; p += 2)
                if (std::string_view(p[0]) == "r")
                    next = std::atoi(p[1]) - 1;
            if (next <= x->row)
                return x->fail();
            x->row = next;
            x->column = -1;
        } else if (x->inData && name == "c") {
            int cellRow = x->row, cellColumn = x->column + 1;
            x->type.clear();
            x->style = 0;
            for (const char** p = a; *p; p += 2) {
                const std::string_view key(p[0]);
                if (key == "r") {
                    const auto ref = tarnby::parseCellReference(p[1]);
                    if (!ref)
                        return x->fail();
                    cellRow = ref->row;
                    cellColumn = ref->column;
                }
                if (key == "t")
                    x->type = p[1];
                if (key == "s")
                    x->style = std::atoi(p[1]);
            }
            if (cellRow != x->row || cellColumn <= x->column)
                return x->fail();
            x->column = cellColumn;
            x->wanted = x->request->wants(x->row, x->column);
            x->hasValue = false;
            x->value.clear();
        } else if (x->wanted && (name == "v" || name == "t")) {
            x->capture = true;
            x->hasValue = true;
        }
    }
    static void end(void* self, const char* rawName)
    {
        auto* x = static_cast<ExpatSheet*>(self);
        const std::string_view name = local(rawName);
        if (name == "sheetData") {
            x->inData = false;
        } else if (name == "v" || name == "t") {
            x->capture = false;
        } else if (name == "c" && x->wanted) {
            x->wanted = false;
            if (!x->hasValue)
                return;
            using tarnby::Cell;
            Cell cell;
            if (x->type.empty() || x->type == "n") {
                const char* end = x->value.data() + x->value.size();
                const auto [ptr, ec] = std::from_chars(x->value.data(), end, cell.number);
                if (ec != std::errc() || ptr != end || x->value.empty())
                    return x->fail();
                const auto& dates = x->context->dateStyles;
                cell.kind = x->style < int(dates.size()) && dates[std::size_t(x->style)] ? Cell::Kind::DateTime
                                                                                         : Cell::Kind::Number;
            } else if (x->type == "s") {
                const int index = std::atoi(x->value.c_str());
                if (index < 0 || index >= int(x->context->sharedStrings.size()))
                    return x->fail();
                cell.kind = Cell::Kind::Text;
                cell.text = x->context->sharedStrings[std::size_t(index)];
            } else {
                cell.kind = Cell::Kind::Text;
                cell.text = QString::fromStdString(x->value);
            }
            x->sheet.set(x->row, x->column, std::move(cell));
            ++x->kept;
        }
    }
    static void text(void* self, const char* s, int n)
    {
        auto* x = static_cast<ExpatSheet*>(self);
        if (x->capture)
            x->value.append(s, std::size_t(n));
    }
};

// The cells kept, or -1 when the XML is refused.
int expatSheetCells(const QByteArray& xml, const tarnby::xlsx::SheetContext& context,
                    const tarnby::CellRequest& request)
{
    ExpatSheet sheet{&context, &request, {}};
    sheet.parser = XML_ParserCreate(nullptr);
    XML_SetUserData(sheet.parser, &sheet);
    XML_SetElementHandler(sheet.parser, &ExpatSheet::start, &ExpatSheet::end);
    XML_SetCharacterDataHandler(sheet.parser, &ExpatSheet::text);
    bool ok = true;
    constexpr qsizetype kPiece = 1 << 16; // as the package hands the parts over
    for (qsizetype at = 0; ok && at < xml.size(); at += kPiece) {
        const qsizetype n = std::min(kPiece, xml.size() - at);
        ok = XML_Parse(sheet.parser, xml.constData() + at, int(n), at + n >= xml.size()) == XML_STATUS_OK;
    }
    XML_ParserFree(sheet.parser);
    return ok && !sheet.failed ? sheet.kept : -1;
}

void compareParsers(const QString& folder)
{
    std::vector<QByteArray> sheets;
    std::vector<tarnby::xlsx::SheetContext> contexts;
    static const QRegularExpression unique(QStringLiteral("uniqueCount=\"(\\d+)\""));
    for (int i = 1; i <= 3; ++i) {
        QFile sheet(QDir(folder).filePath(QStringLiteral("sheet-%1.xml").arg(i)));
        QFile strings(QDir(folder).filePath(QStringLiteral("strings-%1.xml").arg(i)));
        if (!sheet.open(QIODevice::ReadOnly) || !strings.open(QIODevice::ReadOnly))
            return;
        sheets.push_back(sheet.readAll());
        tarnby::xlsx::SheetContext context;
        const int count = unique.match(QString::fromUtf8(strings.readAll())).captured(1).toInt();
        for (int s = 0; s < count; ++s)
            context.sharedStrings.push_back(QStringLiteral("%1").arg(s, 4, 10, QChar(u'0')));
        context.dateStyles = {false, true};
        contexts.push_back(std::move(context));
    }
    tarnby::CellRequest request;
    request.numberColumn = 0;
    request.numberRow = 1;
    request.timeColumn = 1;
    request.timeRow = 1;
    request.maxRows = 96001;
    int oursCells = 0, expatCells = 0, qtCells = 0;
    const double ours = medianOf5([&] {
        oursCells = 0;
        for (std::size_t i = 0; i < sheets.size(); ++i) {
            const auto result = tarnby::xlsx::readSheetXml(sheets[i].constData(), std::size_t(sheets[i].size()),
                                                           contexts[i], request);
            for (int r = 0; r < result.sheet.rowCount(); ++r)
                oursCells += (result.sheet.cell(r, 0).kind != tarnby::Cell::Kind::Empty)
                             + (result.sheet.cell(r, 1).kind != tarnby::Cell::Kind::Empty);
        }
    });
    const double expat = medianOf5([&] {
        expatCells = 0;
        for (std::size_t i = 0; i < sheets.size(); ++i)
            expatCells += expatSheetCells(sheets[i], contexts[i], request);
    });
    const double qt = medianOf5([&] {
        qtCells = 0;
        for (std::size_t i = 0; i < sheets.size(); ++i)
            qtCells += qtSheetCells(sheets[i], contexts[i], request);
    });
    qint64 bytes = 0;
    for (const QByteArray& s : sheets)
        bytes += s.size();
    std::printf("worksheet XML alone (%.1f MB in three sheets, columns A and B kept)\n", bytes / 1048576.0);
    std::printf("  libxml2 (ours):   %.1f ms (%d cells kept)\n", ours * 1e3, oursCells);
    std::printf("  expat:            %.1f ms (%d cells kept)\n", expat * 1e3, expatCells);
    std::printf("  QXmlStreamReader: %.1f ms (%d cells kept)\n", qt * 1e3, qtCells);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList folders = app.arguments().mid(1);
    if (folders.size() != 3) {
        folders = {QStringLiteral(TARNBY_BENCH_DATA "/xls"), QStringLiteral(TARNBY_BENCH_DATA "/xlsx"),
                   QStringLiteral(TARNBY_BENCH_DATA "/csv")};
        if (std::any_of(folders.cbegin(), folders.cend(), [](const QString& f) { return tarnby::listWorkbooks(f).isEmpty(); })) {
            std::printf("generating the exports in %s ...\n", TARNBY_BENCH_DATA);
            QString ignored;
            if (!runScript(QStringList{QStringLiteral("make")} + folders, &ignored))
                return 1;
        }
    }

    QTemporaryDir home;
    if (!home.isValid() || !bench::writeImportHome(home.path(), kPosition)) {
        std::fprintf(stderr, "cannot write Init.ini\n");
        return 1;
    }

    // each measurement in a process of its own, as each reference run is: the
    // heap one large read leaves behind would slow the next one down
    static const Format kFormats[] = {
        {"xls", "96,500 punches in three .xls files", "python3 xlrd:", 20},
        {"xlsx", "96,500 punches in three .xlsx files", "openpyxl (r/o):", 20},
        {"csv", "96,500 punches in one UTF-8 .csv", "python csv:", 10},
    };
    const QString mode = qEnvironmentVariable("TARNBY_BENCH_PART");
    for (int i = 0; i < 3; ++i)
        if (mode == QLatin1String(kFormats[i].key))
            return compare(kFormats[i], folders.at(i), home.path()) ? 0 : 1;
    if (mode == QLatin1String("xml")) {
        compareParsers(folders.at(1));
        return 0;
    }
    bool same = true;
    for (const char* part : {"xls", "xlsx", "csv", "xml"}) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("TARNBY_BENCH_PART"), QString::fromLatin1(part));
        p.setProcessEnvironment(env);
        p.setProcessChannelMode(QProcess::ForwardedChannels);
        p.start(app.applicationFilePath(), folders);
        same = p.waitForFinished(-1) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0 && same;
    }
    return same ? 0 : 1;
}
