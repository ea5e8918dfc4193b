// The .xlsx report through libxlsxwriter: 汇总 with its chart, 明细, 登记, 说明
// and the attendance grid 考勤表.

#include "analysis/ResultText.h"
#include "report/ReportFile.h"
#include "report/ReportGrid.h"
#include "report/ReportPayroll.h"
#include "report/ReportWriters.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QTemporaryFile>
#include <algorithm>
#include <cerrno>
#include <vector>
#include <xlsxwriter.h>

namespace tarnby::report {
namespace {

const char* const kSummarySheet = QT_TRANSLATE_NOOP("ReportXlsx", "汇总");
const char* const kDetailSheet = QT_TRANSLATE_NOOP("ReportXlsx", "明细");
const char* const kRegistrationSheet = QT_TRANSLATE_NOOP("ReportXlsx", "登记");
const char* const kNotesSheet = QT_TRANSLATE_NOOP("ReportXlsx", "说明");
const char* const kGridSheet = QT_TRANSLATE_NOOP("ReportXlsx", "考勤表");
// Number formats carry their unit words, so they follow the report's language.
const char* const kDaysFormat = QT_TRANSLATE_NOOP("ReportXlsx", "General\"天\"");
const char* const kDateFormat = QT_TRANSLATE_NOOP("ReportXlsx", "mm\"月\"dd\"日\"");
const char* const kPeopleFormat = QT_TRANSLATE_NOOP("ReportXlsx", "0\"人\"");

QByteArray xlsxText(const char* source)
{
    return QCoreApplication::translate("ReportXlsx", source).toUtf8();
}

constexpr double kMaxColumnWidth = 60.0;

// Grey behind the weekends and holidays of the grid, the window's red for a fault.
constexpr lxw_color_t kOffDayFill = 0xD9D9D9;
constexpr lxw_color_t kFaultColor = 0xC00000;
constexpr lxw_color_t kNoPunchesColor = 0xB03C28;

// A text inside a print header or footer, where "&" starts a code.
QByteArray footerText(const QString& text)
{
    return QString(text).replace(u'&', QStringLiteral("&&")).toUtf8();
}

// A text's width in character cells: a Chinese character takes two.
double displayWidth(const QString& text)
{
    double width = 0;
    for (const QChar c : text)
        width += c.unicode() >= 0x1100 ? 2.0 : 1.0;
    return width;
}

// Column widths that fit the widest cell, within reason.
class Widths {
public:
    explicit Widths(const QStringList& headers)
    {
        for (const QString& h : headers)
            widths_.push_back(displayWidth(h));
    }
    void fit(int column, const QString& text)
    {
        widths_[size_t(column)] = std::max(widths_[size_t(column)], displayWidth(text));
    }
    void apply(lxw_worksheet* sheet, const std::vector<lxw_format*>& formats = {}) const
    {
        for (size_t c = 0; c < widths_.size(); ++c)
            worksheet_set_column(sheet, lxw_col_t(c), lxw_col_t(c), std::min(widths_[c] + 2.0, kMaxColumnWidth),
                                 c < formats.size() ? formats[c] : nullptr);
    }

private:
    std::vector<double> widths_;
};

class XlsxReport {
public:
    XlsxReport(const Report& report, lxw_workbook* book) : report_(report), book_(book)
    {
        header_ = workbook_add_format(book_);
        format_set_bold(header_);
        format_set_bg_color(header_, 0xDDE6F0);
        format_set_border(header_, LXW_BORDER_THIN);
        format_set_align(header_, LXW_ALIGN_CENTER);
        format_set_align(header_, LXW_ALIGN_VERTICAL_CENTER);
        title_ = workbook_add_format(book_);
        format_set_bold(title_);
        format_set_font_size(title_, 14);
        days_ = workbook_add_format(book_);
        format_set_num_format(days_, daysFormat_.constData());
        date_ = workbook_add_format(book_);
        format_set_num_format(date_, dateFormat_.constData());
        label_ = workbook_add_format(book_);
        format_set_bold(label_);
        sumText_ = workbook_add_format(book_);
        format_set_bold(sumText_);
        sumNumber_ = workbook_add_format(book_);
        format_set_bold(sumNumber_);
        sumDays_ = workbook_add_format(book_);
        format_set_bold(sumDays_);
        format_set_num_format(sumDays_, daysFormat_.constData());
        sumPeople_ = workbook_add_format(book_);
        format_set_bold(sumPeople_);
        format_set_num_format(sumPeople_, xlsxText(kPeopleFormat).constData());
        hours_ = workbook_add_format(book_);
        format_set_num_format(hours_, "0.0");
        sumHours_ = workbook_add_format(book_);
        format_set_bold(sumHours_);
        format_set_num_format(sumHours_, "0.0");
        noPunches_ = workbook_add_format(book_);
        format_set_font_color(noPunches_, kNoPunchesColor);
    }

    void write()
    {
        // Sheets in the order of the report, created first so the chart can name 汇总.
        summarySheet_ = workbook_add_worksheet(book_, summaryName_.constData());
        detailSheet_ = workbook_add_worksheet(book_, xlsxText(kDetailSheet).constData());
        registrationSheet_ = workbook_add_worksheet(book_, xlsxText(kRegistrationSheet).constData());
        notesSheet_ = workbook_add_worksheet(book_, xlsxText(kNotesSheet).constData());
        gridSheet_ = workbook_add_worksheet(book_, xlsxText(kGridSheet).constData());
        writeSummary();
        writeDetails();
        writeRegistrations();
        writeNotes();
        writeGrid();
    }

private:
    lxw_format* colored(std::uint32_t rgb)
    {
        auto it = colored_.find(rgb);
        if (it == colored_.end()) {
            lxw_format* f = workbook_add_format(book_);
            format_set_font_color(f, lxw_color_t(rgb));
            it = colored_.insert(rgb, f);
        }
        return it.value();
    }

    void text(lxw_worksheet* sheet, lxw_row_t row, lxw_col_t col, const QString& value, lxw_format* f = nullptr)
    {
        worksheet_write_string(sheet, row, col, value.toUtf8().constData(), f);
    }

    // Printed from the spreadsheet program: landscape, one page wide, the
    // header rows on every page.
    static void printSetup(lxw_worksheet* sheet, lxw_row_t headerRows)
    {
        worksheet_set_landscape(sheet);
        worksheet_set_paper(sheet, 9); // A4
        worksheet_fit_to_pages(sheet, 1, 0);
        if (headerRows > 0)
            worksheet_repeat_rows(sheet, 0, headerRows - 1);
    }

    void headers(lxw_worksheet* sheet, lxw_row_t row, const QStringList& names)
    {
        for (qsizetype c = 0; c < names.size(); ++c)
            text(sheet, row, lxw_col_t(c), names.at(c), header_);
    }

    void writeSummary()
    {
        lxw_worksheet* sheet = summarySheet_;
        const QStringList names = allSummaryHeaders();
        const lxw_col_t lastCol = lxw_col_t(names.size() - 1);
        const bool grouped = groupedByDepartment(report_);
        // A plain cell: rows are written once, in order, so no merged range;
        // the title runs on over the empty cells beside it.
        text(sheet, 0, 0, report_.title(), title_);
        worksheet_set_row(sheet, 0, 24, nullptr);
        headers(sheet, 1, names);
        Widths widths(names);
        lxw_row_t row = 2;
        for (const SummaryLine& line : summaryLines(report_)) {
            if (line.isSum()) {
                writeSum(sheet, row, line, widths);
                ++row;
                continue;
            }
            const EmployeeReport& e = report_.employees.at(line.employee);
            text(sheet, row, 0, e.employee);
            widths.fit(0, e.employee);
            if (line.noPunches) {
                // The figures of nobody's month would read as a month without a fault.
                text(sheet, row, 1, kNoPunchesText, noPunches_);
                text(sheet, row, 13, fullAttendanceText(false));
            } else {
                for (int s = 0; s < kNumericStatistics; ++s)
                    worksheet_write_number(sheet, row, lxw_col_t(s + 1), e.values[size_t(s)],
                                           EmployeeReport::isDayValued(s) ? days_ : nullptr);
                text(sheet, row, 13, fullAttendanceText(e.fullAttendance));
                worksheet_write_number(sheet, row, 14, yuanValue(e.fineTotal), nullptr);
            }
            writePayroll(sheet, row, line, widths, nullptr, hours_);
            ++row;
        }
        widths.apply(sheet);
        worksheet_freeze_panes(sheet, 2, 1);
        printSetup(sheet, 2);
        signersFooter(sheet);
        const lxw_row_t last = row > 2 ? row - 1 : 2;
        // Sorting or filtering would tear the subtotals from their employees,
        // and a bar of a subtotal would dwarf every employee's.
        if (!grouped)
            worksheet_autofilter(sheet, 1, 0, last, lastCol);
        // The chart is for the screen; a printed summary is the table alone.
        worksheet_print_area(sheet, 0, 0, last, lastCol);
        if (!report_.employees.isEmpty() && !grouped)
            addChart(sheet, last, lastCol);
    }

    // 部门 and the payroll figures after the fifteen columns of the statistics.
    void writePayroll(lxw_worksheet* sheet, lxw_row_t row, const SummaryLine& line, Widths& widths, lxw_format* number,
                      lxw_format* hours)
    {
        const lxw_col_t first = lxw_col_t(summaryHeaders().size());
        if (!line.department.isEmpty() && line.kind != SummaryLine::Kind::Total) {
            text(sheet, row, first, line.department, line.isSum() ? sumText_ : nullptr);
            widths.fit(first, line.department);
        }
        if (line.noPunches)
            return;
        const std::array<double, 6> values = line.payroll.values();
        for (size_t c = 0; c < values.size(); ++c)
            worksheet_write_number(sheet, row, lxw_col_t(first + 1 + c), values[c], c >= 3 ? hours : number);
    }

    void writeSum(lxw_worksheet* sheet, lxw_row_t row, const SummaryLine& line, Widths& widths)
    {
        text(sheet, row, 0, line.label(), sumText_);
        widths.fit(0, line.label());
        for (int s = 0; s < kNumericStatistics; ++s)
            worksheet_write_number(sheet, row, lxw_col_t(s + 1), line.values[size_t(s)],
                                   EmployeeReport::isDayValued(s) ? sumDays_ : sumNumber_);
        worksheet_write_number(sheet, row, 13, line.fullAttendance, sumPeople_);
        worksheet_write_number(sheet, row, 14, yuanValue(line.fineTotal), sumNumber_);
        writePayroll(sheet, row, line, widths, sumNumber_, sumHours_);
    }

    // 制表人 and 审核人 on every printed page, with the page number.
    void signersFooter(lxw_worksheet* sheet)
    {
        const QByteArray footer = QByteArrayLiteral("&L") + footerText(signersText(report_))
                                  + QCoreApplication::translate("ReportXlsx", "&R第 &P 页，共 &N 页").toUtf8();
        lxw_header_footer_options options{};
        options.margin = 0.2;
        worksheet_set_footer_opt(sheet, footer.constData(), &options);
    }

    // One bar per employee: the lateness tiers, missed punches and absence
    // stacked, so the longest bars are the employees with the most faults.
    void addChart(lxw_worksheet* sheet, lxw_row_t last, lxw_col_t lastCol)
    {
        lxw_chart* chart = workbook_add_chart(book_, LXW_CHART_BAR_STACKED);
        chart_title_set_name(chart, xlsxText(QT_TRANSLATE_NOOP("ReportXlsx", "迟到、漏打与旷工")).constData());
        const struct {
            lxw_col_t column;
            lxw_color_t color;
        } series[] = {
            {1, 0xF4B183}, {2, 0xE46C0A}, {3, 0xFF9999}, {4, 0xFF0000}, {5, 0xA00000}, // lateness tiers
            {6, 0x4472C4},                                                             // 漏打
            {9, 0x7F7F7F},                                                             // 旷工(天)
        };
        for (const auto& s : series) {
            lxw_chart_series* one = chart_add_series(chart, nullptr, nullptr);
            chart_series_set_categories(one, summaryName_.constData(), 2, 0, last, 0);
            chart_series_set_values(one, summaryName_.constData(), 2, s.column, last, s.column);
            chart_series_set_name_range(one, summaryName_.constData(), 1, s.column);
            lxw_chart_fill fill{};
            fill.color = s.color;
            chart_series_set_fill(one, &fill);
        }
        // The first employee on top, as in the table (a bar chart's categories run up the y axis).
        chart_axis_set_reverse(chart->y_axis);
        chart_legend_set_position(chart, LXW_CHART_LEGEND_TOP);
        lxw_chart_options options{};
        options.x_scale = 1.6;
        const double height = 110.0 + 18.0 * double(report_.employees.size());
        options.y_scale = std::max(1.0, height / 288.0);
        options.x_offset = 10;
        worksheet_insert_chart_opt(sheet, 1, lastCol + 2, chart, &options);
    }

    void writeDetails()
    {
        lxw_worksheet* sheet = detailSheet_;
        const QStringList& names = detailHeaders();
        headers(sheet, 0, names);
        Widths widths(names);
        widths.fit(1, QStringLiteral("00月00日"));
        lxw_row_t row = 1;
        for (const EmployeeReport& e : report_.employees) {
            widths.fit(0, e.employee);
            const QByteArray employee = e.employee.toUtf8();
            for (qsizetype i = 0; i < e.rows.size(); ++i) {
                const ResultRow& r = e.rows.at(i);
                worksheet_write_string(sheet, row, 0, employee.constData(), nullptr);
                const QDate date = e.rowDates.value(i);
                if (date.isValid()) {
                    lxw_datetime when{date.year(), date.month(), date.day(), 0, 0, 0.0};
                    worksheet_write_datetime(sheet, row, 1, &when, r.colors[ColDate] ? coloredDate(*r.colors[ColDate]) : date_);
                } else {
                    text(sheet, row, 1, shownCell(ColDate, r.cells[ColDate]));
                }
                for (int c = ColWeekday; c < kResultColumns; ++c) {
                    const QString cell = shownCell(c, r.cells[size_t(c)]);
                    if (cell.isEmpty())
                        continue;
                    const CellColor& color = r.colors[size_t(c)];
                    text(sheet, row, lxw_col_t(c + 1), cell, color ? colored(*color) : nullptr);
                    if (c == ColRemark)
                        widths.fit(c + 1, cell);
                }
                ++row;
            }
        }
        widths.apply(sheet);
        worksheet_freeze_panes(sheet, 1, 1);
        printSetup(sheet, 1);
        worksheet_autofilter(sheet, 0, 0, row > 1 ? row - 1 : 1, lxw_col_t(names.size() - 1));
    }

    lxw_format* coloredDate(std::uint32_t rgb)
    {
        auto it = coloredDates_.find(rgb);
        if (it == coloredDates_.end()) {
            lxw_format* f = workbook_add_format(book_);
            format_set_num_format(f, dateFormat_.constData());
            format_set_font_color(f, lxw_color_t(rgb));
            it = coloredDates_.insert(rgb, f);
        }
        return it.value();
    }

    void writeRegistrations()
    {
        lxw_worksheet* sheet = registrationSheet_;
        const QStringList& names = registrationHeaders();
        headers(sheet, 0, names);
        Widths widths(names);
        lxw_row_t row = 1;
        for (const EmployeeReport& e : report_.employees) {
            for (const EmployeeRegistrationRow& r : e.registrations) {
                const QStringList cells = {e.employee, r.serial, r.date, r.reason, r.method};
                for (qsizetype c = 0; c < cells.size(); ++c) {
                    text(sheet, row, lxw_col_t(c), cells.at(c));
                    widths.fit(int(c), cells.at(c));
                }
                ++row;
            }
        }
        widths.apply(sheet);
        worksheet_freeze_panes(sheet, 1, 1);
        printSetup(sheet, 1);
    }

    void writeNotes()
    {
        lxw_worksheet* sheet = notesSheet_;
        Widths widths({QString(), QString()});
        lxw_row_t row = 0;
        for (const auto& [label, value] : reportNotes(report_)) {
            text(sheet, row, 0, label, label_);
            text(sheet, row, 1, value);
            widths.fit(0, label);
            widths.fit(1, value);
            ++row;
        }
        widths.apply(sheet);
    }

    lxw_format* gridFormat(bool offDay, bool fault)
    {
        lxw_format*& f = gridFormats_[offDay ? 1 : 0][fault ? 1 : 0];
        if (!f) {
            f = workbook_add_format(book_);
            format_set_align(f, LXW_ALIGN_CENTER);
            format_set_align(f, LXW_ALIGN_VERTICAL_CENTER);
            format_set_border(f, LXW_BORDER_THIN);
            format_set_border_color(f, 0xA0A0A0);
            if (offDay)
                format_set_bg_color(f, kOffDayFill);
            if (fault)
                format_set_font_color(f, kFaultColor);
        }
        return f;
    }

    lxw_format* gridHeader(bool offDay)
    {
        lxw_format*& f = gridHeaders_[offDay ? 1 : 0];
        if (!f) {
            f = workbook_add_format(book_);
            format_set_bold(f);
            format_set_align(f, LXW_ALIGN_CENTER);
            format_set_align(f, LXW_ALIGN_VERTICAL_CENTER);
            format_set_border(f, LXW_BORDER_THIN);
            format_set_bg_color(f, offDay ? kOffDayFill : 0xDDE6F0);
        }
        return f;
    }

    // 考勤表: the employees in the order of 汇总, the days across, the symbols
    // counted at the row's end, the legend and the signatures under it; a page
    // of A4 landscape for every forty employees.
    void writeGrid()
    {
        lxw_worksheet* sheet = gridSheet_;
        bool departments = false;
        for (const EmployeeReport& e : report_.employees)
            departments = departments || !e.department.isEmpty();
        const lxw_col_t firstDay = departments ? 2 : 1;
        const lxw_col_t firstCount = lxw_col_t(firstDay + report_.periodDays.size());
        text(sheet, 0, 0, gridTitle(report_), title_);
        worksheet_set_row(sheet, 0, 24, nullptr);

        const QString employee = QCoreApplication::translate("ReportXlsx", "员工");
        const QString department = QCoreApplication::translate("ReportXlsx", "部门");
        Widths widths(QStringList{employee} + (departments ? QStringList{department} : QStringList()));
        text(sheet, 1, 0, employee, gridHeader(false));
        if (departments)
            text(sheet, 1, 1, department, gridHeader(false));
        for (qsizetype d = 0; d < report_.periodDays.size(); ++d)
            text(sheet, 1, lxw_col_t(firstDay + d), dayNumberText(report_.periodDays.at(d).date), gridHeader(report_.periodDays.at(d).offDay));
        for (int s = 0; s < kDaySymbolCount; ++s)
            text(sheet, 1, lxw_col_t(firstCount + s), daySymbolNames()[size_t(s)].symbol, gridHeader(false));
        worksheet_write_blank(sheet, 2, 0, gridHeader(false));
        if (departments)
            worksheet_write_blank(sheet, 2, 1, gridHeader(false));
        for (qsizetype d = 0; d < report_.periodDays.size(); ++d)
            text(sheet, 2, lxw_col_t(firstDay + d), weekdayText(report_.periodDays.at(d).date), gridHeader(report_.periodDays.at(d).offDay));
        for (int s = 0; s < kDaySymbolCount; ++s)
            worksheet_write_blank(sheet, 2, lxw_col_t(firstCount + s), gridHeader(false));

        lxw_row_t row = 3;
        std::vector<lxw_row_t> breaks;
        int onPage = 0;
        for (const SummaryLine& line : summaryLines(report_)) {
            if (line.isSum())
                continue;
            if (onPage == kGridEmployeesPerPage) {
                breaks.push_back(row);
                onPage = 0;
            }
            ++onPage;
            const EmployeeReport& e = report_.employees.at(line.employee);
            worksheet_set_row(sheet, row, 14, nullptr);
            text(sheet, row, 0, e.employee, gridFormat(false, false));
            widths.fit(0, e.employee);
            if (departments) {
                text(sheet, row, 1, e.department, gridFormat(false, false));
                widths.fit(1, e.department);
            }
            if (e.noPunches) {
                text(sheet, row, firstDay, kNoPunchesText, noPunches_);
                ++row;
                continue;
            }
            const GridRow grid = gridRow(e, report_.periodDays);
            for (qsizetype d = 0; d < report_.periodDays.size(); ++d) {
                const bool offDay = report_.periodDays.at(d).offDay;
                const std::optional<DayMarks>& marks = grid.days.at(d);
                if (!marks)
                    worksheet_write_blank(sheet, row, lxw_col_t(firstDay + d), gridFormat(offDay, false));
                else
                    text(sheet, row, lxw_col_t(firstDay + d), marksText(*marks), gridFormat(offDay, isFault(*marks)));
            }
            for (int s = 0; s < kDaySymbolCount; ++s)
                worksheet_write_number(sheet, row, lxw_col_t(firstCount + s), grid.counts[size_t(s)], gridFormat(false, false));
            ++row;
        }
        text(sheet, row + 1, 0, gridLegend());
        text(sheet, row + 2, 0, signersText(report_));

        widths.apply(sheet);
        worksheet_set_column(sheet, firstDay, lxw_col_t(firstCount - 1), 4.5, nullptr);
        worksheet_set_column(sheet, firstCount, lxw_col_t(firstCount + kDaySymbolCount - 1), 3.5, nullptr);
        worksheet_freeze_panes(sheet, 3, firstDay);
        worksheet_set_landscape(sheet);
        worksheet_set_paper(sheet, 9); // A4
        worksheet_set_margins(sheet, 0.3, 0.3, 0.45, 0.55);
        worksheet_fit_to_pages(sheet, 1, 0);
        worksheet_repeat_rows(sheet, 0, 2);
        if (!breaks.empty()) {
            breaks.push_back(0);
            worksheet_set_h_pagebreaks(sheet, breaks.data());
        }
        signersFooter(sheet);
    }

    const Report& report_;
    lxw_workbook* book_;
    lxw_worksheet* summarySheet_ = nullptr;
    lxw_worksheet* detailSheet_ = nullptr;
    lxw_worksheet* registrationSheet_ = nullptr;
    lxw_worksheet* notesSheet_ = nullptr;
    lxw_worksheet* gridSheet_ = nullptr;
    lxw_format* header_ = nullptr;
    lxw_format* title_ = nullptr;
    const QByteArray summaryName_ = xlsxText(kSummarySheet);
    const QByteArray daysFormat_ = xlsxText(kDaysFormat);
    const QByteArray dateFormat_ = xlsxText(kDateFormat);
    lxw_format* days_ = nullptr;
    lxw_format* date_ = nullptr;
    lxw_format* label_ = nullptr;
    lxw_format* sumText_ = nullptr;
    lxw_format* sumNumber_ = nullptr;
    lxw_format* sumDays_ = nullptr;
    lxw_format* sumPeople_ = nullptr;
    lxw_format* hours_ = nullptr;
    lxw_format* sumHours_ = nullptr;
    lxw_format* noPunches_ = nullptr;
    lxw_format* gridFormats_[2][2] = {};
    lxw_format* gridHeaders_[2] = {};
    QHash<std::uint32_t, lxw_format*> colored_;
    QHash<std::uint32_t, lxw_format*> coloredDates_;
};

} // namespace

Outcome writeXlsx(const Report& report, const QString& path)
{
    return saveReportFile(path, [&report](QIODevice& out) -> QString {
        // The library writes to a file name, never to a device: the workbook is
        // made in the temporary folder beside the library's own scratch files,
        // and its bytes reach the target like every other report's. The library
        // also prints its failures on stderr; that stream belongs to the whole
        // process, and this may run on a worker of the window, so only the
        // command line, on one thread, points it away (CmdReport).
        QByteArray tempDir = QFile::encodeName(QDir::tempPath());
        QTemporaryFile made(QDir(QDir::tempPath()).filePath(QStringLiteral("tarnby-report-XXXXXX.xlsx")));
        errno = 0;
        if (!made.open())
            return failureReason(errno);
        made.close();
        const QByteArray name = QFile::encodeName(made.fileName());
        // Rows go to disk as they are written: a thousand employees' month
        // needs no more memory than one row.
        lxw_workbook_options options{};
        options.constant_memory = LXW_TRUE;
        options.tmpdir = tempDir.data();
        lxw_workbook* book = workbook_new_opt(name.constData(), &options);
        if (!book)
            return failureReason(errno ? errno : ENOMEM);
        XlsxReport(report, book).write();
        errno = 0;
        if (const lxw_error error = workbook_close(book); error != LXW_NO_ERROR) {
            const int saved = errno;
            return saved != 0 ? failureReason(saved)
                              : QCoreApplication::translate("ReportXlsx", "表格写入出错（%1）").arg(QString::fromUtf8(lxw_strerror(error)));
        }
        errno = 0;
        if (!made.open())
            return failureReason(errno);
        while (!made.atEnd()) {
            const QByteArray chunk = made.read(1 << 16);
            if (chunk.isEmpty())
                return made.errorString();
            // A failed write is the target's to tell.
            if (out.write(chunk) != chunk.size())
                break;
        }
        return {};
    });
}

} // namespace tarnby::report
