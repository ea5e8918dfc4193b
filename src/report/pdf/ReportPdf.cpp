// The .pdf report painted with Qt: A4, the summary first and the attendance
// grid after it (landscape, for their many columns), then one page per
// employee (portrait), the attendance card: the day rows in the window's
// colours with the shift of each day, the statistics and the payroll figures,
// the registrations and a block for the employee's signature. The same
// painting serves a printer.

#include "report/pdf/ReportPdf.h"

#include "analysis/ResultList.h"
#include "analysis/ResultText.h"
#include "report/ReportFile.h"
#include "report/ReportGrid.h"
#include "report/ReportPayroll.h"

#include <QFont>
#include <QFontDatabase>
#include <QGlyphRun>
#include <QRawFont>
#include <QTextLayout>
#include <QHash>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QCoreApplication>
#include <array>
#include <algorithm>
#include <map>
#include <optional>
#include <vector>

namespace tarnby::report {
namespace {

// The font every Chinese desktop here has; loaded explicitly so that the PDF
// embeds this one and not whatever the font configuration substitutes.
const char* const kFontFile = "/usr/share/fonts/truetype/wqy/wqy-microhei.ttc";

QString reportFontFamily()
{
    static const QString family = [] {
        const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(kFontFile));
        const QStringList families = id >= 0 ? QFontDatabase::applicationFontFamilies(id) : QStringList();
        return families.isEmpty() ? QFontDatabase::systemFont(QFontDatabase::GeneralFont).family() : families.first();
    }();
    return family;
}

// The payroll figures beside the statistics on a card.
const std::array<const char*, 6> kPayrollLabels = {
    QT_TRANSLATE_NOOP("ReportPdf", "迟到(分钟)"), QT_TRANSLATE_NOOP("ReportPdf", "早退(次)"), QT_TRANSLATE_NOOP("ReportPdf", "早退(分钟)"),
    QT_TRANSLATE_NOOP("ReportPdf", "加班平日(小时)"), QT_TRANSLATE_NOOP("ReportPdf", "加班休息日(小时)"), QT_TRANSLATE_NOOP("ReportPdf", "加班节假日(小时)"),
};

const QColor kAttention(0xB0, 0x3C, 0x28); // what must not be read as a zero
const QColor kOffDayFill(0xE4, 0xE4, 0xE4);
const QColor kSumFill(0xEE, 0xF2, 0xE4);

// Geometry in millimetres, turned into device units by the page.
struct Page {
    enum class Kind { Summary, Grid, Employee };
    Kind kind = Kind::Summary;
    int employee = -1;     // Employee pages
    int firstRow = 0;      // summary lines, grid rows or registrations on this page
    int rowCount = 0;
    bool withDays = false; // the day rows and statistics (the employee's first page)
    bool withIntro = false;
    bool withSignature = false; // the employee's last page
    bool landscape() const { return kind != Kind::Employee; }
};

constexpr double kMargin = 12.0;
constexpr double kHeaderHeight = 12.0;
constexpr double kFooterHeight = 8.0;
constexpr double kRowHeight = 5.2;
constexpr double kSummaryRowHeight = 5.0;
constexpr double kSummaryHeaderHeight = 9.0;
constexpr double kIntroHeight = 22.0;
constexpr double kTitleHeight = 9.0;
constexpr double kStatsLine = 5.5;
constexpr double kStatsHeight = 6.0 + 6 * kStatsLine; // the statistics, then the payroll figures
constexpr double kSectionGap = 4.0;
constexpr double kDayHeaderHeight = 7.0;
constexpr double kSignersHeight = 8.0;
constexpr double kSignatureHeight = 14.0;
constexpr double kNoPunchesHeight = 16.0;
constexpr double kGridTitleHeight = 8.0;
constexpr double kGridHeaderRow = 4.2;
constexpr double kGridFootHeight = 11.0; // the legend and the signers under the grid
constexpr double kGridCountWidth = 5.5;

class PdfPainter {
public:
    PdfPainter(const Report& report, QPagedPaintDevice& device, QPainter& painter)
        : report_(report), device_(device), p_(painter)
    {
        family_ = reportFontFamily();
        // The pages are laid out before painting begins, on the paper the
        // device holds, in both orientations.
        QPageLayout layout = device.pageLayout();
        layout.setOrientation(QPageLayout::Portrait);
        portrait_ = layout.paintRect(QPageLayout::Millimeter).size();
        layout.setOrientation(QPageLayout::Landscape);
        landscape_ = layout.paintRect(QPageLayout::Millimeter).size();
        lines_ = summaryLines(report_);
        for (const SummaryLine& line : lines_)
            if (!line.isSum())
                gridEmployees_.append(line.employee);
        for (const EmployeeReport& e : report_.employees)
            departments_ = departments_ || !e.department.isEmpty();
        paginate();
    }

    bool firstPageLandscape() const { return pages_.empty() || pages_.front().landscape(); }
    int pageCount() const { return int(pages_.size()); }

    bool paint()
    {
        for (size_t i = 0; i < pages_.size(); ++i) {
            const Page& page = pages_[i];
            if (i > 0) {
                if (pages_[i - 1].landscape() != page.landscape())
                    device_.setPageOrientation(page.landscape() ? QPageLayout::Landscape : QPageLayout::Portrait);
                if (!device_.newPage())
                    return false;
            }
            beginPage(page.landscape());
            paintFrame(int(i));
            switch (page.kind) {
            case Page::Kind::Summary:
                paintSummary(page);
                break;
            case Page::Kind::Grid:
                paintGrid(page);
                break;
            case Page::Kind::Employee:
                paintEmployee(page);
                break;
            }
            endPage();
        }
        return true;
    }

private:
    double bodyTop() const { return kMargin + kHeaderHeight; }
    double bodyBottom() const { return height_ - kMargin - kFooterHeight; }
    double bodyWidth() const { return width_ - 2 * kMargin; }

    // The page's size; a device that keeps its orientation (a printer that
    // cannot turn the paper within a job) gets the page painted turned.
    void beginPage(bool landscape)
    {
        unit_ = device_.logicalDpiY() / 25.4;
        const double w = device_.width() / unit_;
        const double h = device_.height() / unit_;
        turned_ = (w > h) != landscape;
        width_ = turned_ ? h : w;
        height_ = turned_ ? w : h;
        if (turned_) {
            p_.save();
            p_.translate(0, device_.height());
            p_.rotate(-90);
        }
    }

    void endPage()
    {
        flushText();
        if (turned_)
            p_.restore();
        turned_ = false;
    }

    double pageBody(bool landscape) const
    {
        return (landscape ? landscape_ : portrait_).height() - 2 * kMargin - kHeaderHeight - kFooterHeight;
    }

    void paginate()
    {
        // The summary: the notes on the first page, then as many lines as fit
        // above the signers.
        const int lines = int(lines_.size());
        int row = 0;
        bool first = true;
        do {
            Page page;
            page.withIntro = first;
            const double space = pageBody(true) - (first ? kIntroHeight : 0) - kSummaryHeaderHeight - kSignersHeight;
            const int fit = std::max(1, int(space / kSummaryRowHeight));
            page.firstRow = row;
            page.rowCount = std::min(fit, lines - row);
            row += page.rowCount;
            pages_.push_back(page);
            first = false;
        } while (row < lines);

        const int gridRows = int(gridEmployees_.size());
        for (int g = 0; g < gridRows; g += kGridEmployeesPerPage) {
            Page page;
            page.kind = Page::Kind::Grid;
            page.firstRow = g;
            page.rowCount = std::min(kGridEmployeesPerPage, gridRows - g);
            pages_.push_back(page);
        }

        for (int e = 0; e < int(report_.employees.size()); ++e) {
            const EmployeeReport& er = report_.employees.at(e);
            const int registrations = int(er.registrations.size());
            Page page;
            page.kind = Page::Kind::Employee;
            page.employee = e;
            page.withDays = true;
            double used = kTitleHeight
                          + (er.noPunches ? kNoPunchesHeight
                                            : kDayHeaderHeight + kRowHeight * double(er.rows.size()) + kSectionGap
                                                  + kStatsHeight + kSectionGap);
            int done = 0;
            for (;;) {
                const double table = registrations > 0 ? 6.0 + kRowHeight : 0.0;
                auto fitting = [&](double reserved) {
                    return std::max(0, int((pageBody(false) - used - table - reserved) / kRowHeight));
                };
                int fit = std::min(fitting(0), registrations - done);
                // The signature closes the card: on the page that ends it.
                const bool last = done + fit >= registrations;
                if (last)
                    fit = std::min(fitting(kSignatureHeight), registrations - done);
                page.firstRow = done;
                page.rowCount = fit;
                page.withSignature = done + fit >= registrations;
                done += fit;
                pages_.push_back(page);
                if (page.withSignature)
                    break;
                page.withDays = false;
                used = kTitleHeight;
            }
        }
    }

    QRectF mm(double x, double y, double w, double h) const
    {
        return QRectF(x * unit_, y * unit_, w * unit_, h * unit_);
    }

    // Fonts are made once each: a thousand cards set them tens of thousands of times.
    void font(double points, bool bold = false)
    {
        const std::pair<int, bool> key{int(points * 10 + 0.5), bold};
        auto it = fonts_.find(key);
        if (it == fonts_.end()) {
            QFont f(family_);
            f.setPointSizeF(points);
            f.setBold(bold);
            it = fonts_.emplace(key, std::make_pair(f, QFontMetricsF(f, &device_))).first;
        }
        p_.setFont(it->second.first);
        metrics_ = &it->second.second;
        shapes_ = &shaped_[key];
    }

    // A line of text laid out in the font set last.
    struct Shaped {
        qreal width = 0;
        qreal ascent = 0;
        QList<QGlyphRun> runs; // from the line's top left
    };

    // Laid out once per font: the cards repeat the same dates, weekdays, times
    // and labels a thousand times, and shaping is most of painting a text.
    const Shaped& shaped(const QString& text)
    {
        auto it = shapes_->constFind(text);
        if (it == shapes_->cend()) {
            QTextLayout layout(text, p_.font(), &device_);
            layout.beginLayout();
            QTextLine line = layout.createLine();
            layout.endLayout();
            it = shapes_->insert(text, Shaped{line.naturalTextWidth(), line.ascent(), layout.glyphRuns()});
        }
        return it.value();
    }

    // One line of text in a cell, `pad` millimetres from its sides, cut with
    // an ellipsis when it does not fit. The line is placed here rather than by
    // the painter's rectangle layout, which costs a text layout per call, and
    // the cards and the grid make hundreds of thousands of calls.
    void textAt(const QRectF& r, const QString& text, int flags = Qt::AlignLeft | Qt::AlignVCenter,
                const QColor& color = Qt::black, double pad = 0.8)
    {
        if (text.isEmpty())
            return;
        const QRectF inner = r.adjusted(pad * unit_, 0, -pad * unit_, 0);
        if (text.contains(u'\n')) {
            flushText();
            p_.setPen(color);
            p_.drawText(inner, flags, text);
            return;
        }
        const Shaped* line = &shaped(text);
        if (line->width > inner.width())
            line = &shaped(metrics_->elidedText(text, Qt::ElideRight, inner.width()));
        const qreal x = (flags & Qt::AlignRight)     ? inner.right() - line->width
                        : (flags & Qt::AlignHCenter) ? inner.center().x() - line->width / 2
                                                     : inner.left();
        const qreal baseline = inner.center().y() + (metrics_->ascent() - metrics_->descent()) / 2;
        for (const QGlyphRun& run : line->runs)
            queueGlyphs(run, QPointF(x, baseline - line->ascent), color);
    }

    // The glyphs of one font and colour are gathered across cells and painted
    // as one run: each painted text is a text object of its own in the PDF,
    // and a card row holds a dozen of them. Anything else painted first paints
    // what is gathered, so that nothing covers a text painted before it.
    void queueGlyphs(const QGlyphRun& run, const QPointF& at, const QColor& color)
    {
        const QRawFont font = run.rawFont();
        if (!queuedGlyphs_.isEmpty() && (color != queuedColor_ || !(font == queuedFont_)))
            flushText();
        queuedFont_ = font;
        queuedColor_ = color;
        queuedGlyphs_ += run.glyphIndexes();
        for (const QPointF& position : run.positions())
            queuedPositions_.append(position + at);
    }

    void flushText()
    {
        if (queuedGlyphs_.isEmpty())
            return;
        QGlyphRun run;
        run.setRawFont(queuedFont_);
        run.setGlyphIndexes(queuedGlyphs_);
        run.setPositions(queuedPositions_);
        p_.setPen(queuedColor_);
        p_.drawGlyphRun(QPointF(), run);
        queuedGlyphs_.clear();
        queuedPositions_.clear();
    }

    void hLine(double x, double y, double w, const QColor& color = QColor(0x99, 0x99, 0x99))
    {
        flushText();
        p_.setPen(QPen(color, 0.2 * unit_));
        p_.drawLine(QPointF(x * unit_, y * unit_), QPointF((x + w) * unit_, y * unit_));
    }

    void vLine(double x, double y, double h, const QColor& color)
    {
        flushText();
        p_.setPen(QPen(color, 0.2 * unit_));
        p_.drawLine(QPointF(x * unit_, y * unit_), QPointF(x * unit_, (y + h) * unit_));
    }

    void paintFrame(int index)
    {
        font(9, true);
        textAt(mm(kMargin, kMargin, bodyWidth() / 2, kHeaderHeight - 3), QCoreApplication::translate("ReportPdf", "考勤月报  ") + report_.periodText());
        font(8);
        textAt(mm(kMargin + bodyWidth() / 2, kMargin, bodyWidth() / 2, kHeaderHeight - 3),
               report_.styleText() + QCoreApplication::translate("ReportPdf", "  时间") + report_.modeText(), Qt::AlignRight | Qt::AlignVCenter);
        hLine(kMargin, kMargin + kHeaderHeight - 2, bodyWidth(), Qt::black);
        textAt(mm(kMargin, height_ - kMargin - kFooterHeight + 2, bodyWidth(), kFooterHeight - 2),
               QCoreApplication::translate("ReportPdf", "第 %1 页，共 %2 页").arg(index + 1).arg(pages_.size()), Qt::AlignCenter);
    }

    // 制表人 and 审核人 at the foot of the body.
    void paintSigners()
    {
        font(9);
        textAt(mm(kMargin, bodyBottom() - kSignersHeight + 2, bodyWidth(), kSignersHeight - 2), signersText(report_),
               Qt::AlignRight | Qt::AlignVCenter);
    }

    // Column widths in millimetres, the first column taking what is left.
    std::vector<double> columns(std::vector<double> fixed) const
    {
        double rest = bodyWidth();
        for (size_t i = 1; i < fixed.size(); ++i)
            rest -= fixed[i];
        fixed[0] = std::max(rest, 10.0);
        return fixed;
    }

    void tableHeader(double y, double height, const std::vector<double>& widths, const QStringList& names)
    {
        flushText();
        p_.fillRect(mm(kMargin, y, bodyWidth(), height), QColor(0xDD, 0xE6, 0xF0));
        double x = kMargin;
        for (size_t c = 0; c < widths.size(); ++c) {
            p_.setPen(Qt::black);
            p_.drawText(mm(x, y, widths[c], height).adjusted(0.3 * unit_, 0, -0.3 * unit_, 0),
                        Qt::AlignCenter | Qt::TextWordWrap, names.value(qsizetype(c)));
            x += widths[c];
        }
    }

    void paintSummary(const Page& page)
    {
        double y = bodyTop();
        if (page.withIntro) {
            font(13, true);
            textAt(mm(kMargin, y, bodyWidth(), 8), QCoreApplication::translate("ReportPdf", "考勤汇总"), Qt::AlignCenter);
            font(8);
            const QString line1 = QCoreApplication::translate("ReportPdf", "结算期：%1    月结制式：%2    时间模式：%3")
                                      .arg(report_.periodText(), report_.styleText(), report_.modeText());
            const QString line2 = QCoreApplication::translate("ReportPdf", "休息日：%1").arg(report_.restDatesText());
            const QString line3 = QCoreApplication::translate("ReportPdf", "员工 %1 人，罚款合计 %2 元    制表时间：%3    程序版本：%4")
                                      .arg(report_.employees.size())
                                      .arg(yuanText(report_.fineTotal()),
                                           report_.made.toString(QStringLiteral("yyyy-MM-dd HH:mm")), report_.version);
            textAt(mm(kMargin, y + 8, bodyWidth(), 4.5), line1);
            textAt(mm(kMargin, y + 12.5, bodyWidth(), 4.5), line2);
            const qsizetype unreadable = report_.unreadableFines().size();
            textAt(mm(kMargin, y + 17, bodyWidth(), 4.5),
                   unreadable == 0 ? line3
                                   : line3 + QCoreApplication::translate("ReportPdf", "    另有 %1 处罚款金额无法识别，未计入合计").arg(unreadable));
            y += kIntroHeight;
        }
        const std::vector<double> widths =
            columns({0, 11, 11, 11, 11, 11, 10, 10, 10, 10, 10, 10, 10, 9, 12, 16, 11, 9, 11, 12, 14, 14});
        QStringList names = summaryHeaders();
        for (QString& n : names)
            n = tierOnSecondLine(n);
        for (QString n : payrollHeaders())
            names.append(n.replace(QStringLiteral("("), QStringLiteral("\n(")));
        font(6.5, true);
        tableHeader(y, kSummaryHeaderHeight, widths, names);
        y += kSummaryHeaderHeight;
        const size_t firstPayroll = size_t(summaryHeaders().size());
        for (int i = page.firstRow; i < page.firstRow + page.rowCount; ++i) {
            const SummaryLine& line = lines_.at(i);
            font(7.5, line.isSum());
            flushText();
            if (line.isSum())
                p_.fillRect(mm(kMargin, y, bodyWidth(), kSummaryRowHeight), kSumFill);
            else if ((i - page.firstRow) % 2 == 1)
                p_.fillRect(mm(kMargin, y, bodyWidth(), kSummaryRowHeight), QColor(0xF4, 0xF6, 0xF9));
            const QStringList cells = summaryTexts(report_, line);
            double x = kMargin;
            for (size_t c = 0; c < widths.size(); ++c) {
                if (line.noPunches && c == 1) {
                    // Across the empty figures, where a row of zeros would stand.
                    textAt(mm(x, y, widths[1] * 6, kSummaryRowHeight), kNoPunchesText, Qt::AlignLeft | Qt::AlignVCenter,
                           kAttention);
                } else {
                    const bool fault = !line.isSum() && c >= 1 && c <= 9 && line.values[c - 1] > 0;
                    const bool left = c == 0 || c == firstPayroll;
                    textAt(mm(x, y, widths[c], kSummaryRowHeight), cells.value(qsizetype(c)),
                           (left ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter,
                           fault ? QColor(0xC0, 0, 0) : QColor(Qt::black));
                }
                x += widths[c];
            }
            y += kSummaryRowHeight;
            hLine(kMargin, y, bodyWidth(), QColor(0xDD, 0xDD, 0xDD));
        }
        if (report_.employees.isEmpty()) {
            font(9);
            textAt(mm(kMargin, y + 2, bodyWidth(), 6), QCoreApplication::translate("ReportPdf", "此结算期内没有员工的考勤记录。"));
        }
        paintSigners();
    }

    // The symbols of a day, smaller when there are more of them, so that none
    // is cut off in the narrow column.
    void paintMarks(const QRectF& cell, const DayMarks& marks)
    {
        const QString text = marksText(marks);
        const qsizetype count = text.size();
        font(count <= 2 ? 5.5 : count == 3 ? 4.5 : 3.6);
        const QColor color = isFault(marks) ? QColor(0xC0, 0, 0) : QColor(Qt::black);
        if (count <= 3) {
            textAt(cell, text, Qt::AlignCenter, color, 0);
            return;
        }
        flushText();
        p_.setPen(color);
        p_.drawText(cell, Qt::AlignCenter | Qt::TextWrapAnywhere, text);
    }

    void paintGrid(const Page& page)
    {
        double y = bodyTop();
        font(11, true);
        textAt(mm(kMargin, y, bodyWidth(), kGridTitleHeight - 2), gridTitle(report_), Qt::AlignCenter);
        y += kGridTitleHeight;

        const int days = int(report_.periodDays.size());
        const double nameMin = 30.0;
        const double department = departments_ ? 16.0 : 0.0;
        const double counts = kGridCountWidth * int(kDaySymbolCount);
        const double day = std::min(6.5, (bodyWidth() - nameMin - department - counts) / std::max(days, 1));
        const double name = bodyWidth() - department - counts - day * days;
        const double rowHeight =
            std::min(4.2, (bodyBottom() - y - 2 * kGridHeaderRow - kGridFootHeight) / kGridEmployeesPerPage);
        const double dayLeft = kMargin + name + department;
        const double countLeft = dayLeft + day * days;
        const double tableHeight = 2 * kGridHeaderRow + rowHeight * page.rowCount;

        // Weekends and holidays shaded from the heads to the last row.
        flushText();
        for (int d = 0; d < days; ++d)
            if (report_.periodDays.at(d).offDay)
                p_.fillRect(mm(dayLeft + day * d, y, day, tableHeight), kOffDayFill);
        p_.fillRect(mm(kMargin, y, name + department, 2 * kGridHeaderRow), QColor(0xDD, 0xE6, 0xF0));
        p_.fillRect(mm(countLeft, y, counts, 2 * kGridHeaderRow), QColor(0xDD, 0xE6, 0xF0));
        font(6.5, true);
        textAt(mm(kMargin, y, name, 2 * kGridHeaderRow), QCoreApplication::translate("ReportPdf", "员工"), Qt::AlignCenter);
        if (departments_)
            textAt(mm(kMargin + name, y, department, 2 * kGridHeaderRow), QCoreApplication::translate("ReportPdf", "部门"), Qt::AlignCenter);
        flushText();
        for (int d = 0; d < days; ++d) {
            const QDate date = report_.periodDays.at(d).date;
            p_.setPen(Qt::black);
            p_.drawText(mm(dayLeft + day * d, y, day, kGridHeaderRow), Qt::AlignCenter, dayNumberText(date));
            p_.drawText(mm(dayLeft + day * d, y + kGridHeaderRow, day, kGridHeaderRow), Qt::AlignCenter,
                        weekdayText(date));
        }
        for (int s = 0; s < kDaySymbolCount; ++s)
            p_.drawText(mm(countLeft + kGridCountWidth * s, y, kGridCountWidth, 2 * kGridHeaderRow), Qt::AlignCenter,
                        daySymbolNames()[size_t(s)].symbol);
        y += 2 * kGridHeaderRow;

        for (int r = page.firstRow; r < page.firstRow + page.rowCount; ++r) {
            const EmployeeReport& e = report_.employees.at(gridEmployees_.at(r));
            font(6);
            textAt(mm(kMargin, y, name, rowHeight), e.employee);
            if (departments_)
                textAt(mm(kMargin + name, y, department, rowHeight), e.department);
            if (e.noPunches) {
                textAt(mm(dayLeft, y, day * days, rowHeight), kNoPunchesText, Qt::AlignLeft | Qt::AlignVCenter, kAttention);
            } else {
                const GridRow grid = gridRow(e, report_.periodDays);
                for (int d = 0; d < days; ++d)
                    if (grid.days.at(d))
                        paintMarks(mm(dayLeft + day * d, y, day, rowHeight), *grid.days.at(d));
                font(6);
                for (int s = 0; s < kDaySymbolCount; ++s)
                    textAt(mm(countLeft + kGridCountWidth * s, y, kGridCountWidth, rowHeight),
                           QString::number(grid.counts[size_t(s)]), Qt::AlignCenter, Qt::black, 0);
            }
            y += rowHeight;
            hLine(kMargin, y, bodyWidth(), QColor(0xC8, 0xC8, 0xC8));
        }
        const double top = bodyTop() + kGridTitleHeight;
        const QColor rule(0xC8, 0xC8, 0xC8);
        vLine(kMargin + name, top, tableHeight, rule);
        for (int d = 0; d <= days; ++d)
            vLine(dayLeft + day * d, top, tableHeight, rule);
        for (int s = 1; s < kDaySymbolCount; ++s)
            vLine(countLeft + kGridCountWidth * s, top, tableHeight, rule);
        hLine(kMargin, top, bodyWidth(), Qt::black);
        hLine(kMargin, top + 2 * kGridHeaderRow, bodyWidth(), Qt::black);

        font(7);
        textAt(mm(kMargin, bodyBottom() - kGridFootHeight, bodyWidth(), kGridFootHeight - kSignersHeight + 2),
               gridLegend());
        paintSigners();
    }

    void paintEmployee(const Page& page)
    {
        const EmployeeReport& e = report_.employees.at(page.employee);
        double y = bodyTop();
        font(12, true);
        textAt(mm(kMargin, y, bodyWidth(), kTitleHeight - 2),
               e.employee + (page.withDays ? QString() : QCoreApplication::translate("ReportPdf", "（续）")));
        if (!e.department.isEmpty()) {
            font(9);
            textAt(mm(kMargin, y, bodyWidth(), kTitleHeight - 2), QCoreApplication::translate("ReportPdf", "部门：") + e.department,
                   Qt::AlignRight | Qt::AlignVCenter);
        }
        y += kTitleHeight;
        if (page.withDays && e.noPunches) {
            font(12, true);
            textAt(mm(kMargin, y, bodyWidth(), kNoPunchesHeight - 4), kNoPunchesText, Qt::AlignCenter, kAttention);
            y += kNoPunchesHeight;
        } else if (page.withDays) {
            // 日期 星期 班次 A上班 A下班 P上班 P下班 迟到 早退 加班 备注
            const std::vector<double> widths = columns({0, 18, 10, 13, 15, 15, 15, 15, 11, 11, 11});
            const std::vector<double> ordered = {widths[1], widths[2], widths[3], widths[4],  widths[5], widths[6],
                                                 widths[7], widths[8], widths[9], widths[10], widths[0]};
            const QStringList names = {QCoreApplication::translate("ReportPdf", "日期"),       QCoreApplication::translate("ReportPdf", "星期"),       QCoreApplication::translate("ReportPdf", "班次"),
                                       QCoreApplication::translate("ReportPdf", "A上班"),      QCoreApplication::translate("ReportPdf", "A下班"),      QCoreApplication::translate("ReportPdf", "P上班"),
                                       QCoreApplication::translate("ReportPdf", "P下班"),      QCoreApplication::translate("ReportPdf", "迟到\n(分)"), QCoreApplication::translate("ReportPdf", "早退\n(分)"),
                                       QCoreApplication::translate("ReportPdf", "加班\n(分)"), QCoreApplication::translate("ReportPdf", "备注")};
            font(7.5, true);
            tableHeader(y, kDayHeaderHeight, ordered, names);
            y += kDayHeaderHeight;
            font(8);
            for (qsizetype i = 0; i < e.rows.size(); ++i) {
                const ResultRow& r = e.rows.at(i);
                const ResultRow shown = shownRow(r);
                const DayFigures figures = e.figures.value(i);
                const auto minutes = [](int m) { return m > 0 ? QString::number(m) : QString(); };
                const QString cells[] = {shown.cells[ColDate],
                                         shown.cells[ColWeekday],
                                         figures.rest ? QCoreApplication::translate("ReportPdf", "休") : figures.shift,
                                         r.cells[ColMorningIn],
                                         r.cells[ColMorningOut],
                                         r.cells[ColAfternoonIn],
                                         r.cells[ColAfternoonOut],
                                         minutes(figures.lateMinutes),
                                         minutes(figures.earlyMinutes),
                                         minutes(figures.overtimeMinutes),
                                         shown.cells[ColRemark]};
                // The result list's columns, with the shift after 星期 and the minutes before 备注.
                const int source[] = {ColDate, ColWeekday, -1, ColMorningIn, ColMorningOut, ColAfternoonIn,
                                      ColAfternoonOut, -1, -1, -1, ColRemark};
                double x = kMargin;
                for (size_t c = 0; c < ordered.size(); ++c) {
                    const CellColor color = source[c] >= 0 ? r.colors[size_t(source[c])] : CellColor();
                    textAt(mm(x, y, ordered[c], kRowHeight), cells[c],
                           (c + 1 == ordered.size() ? Qt::AlignLeft : Qt::AlignHCenter) | Qt::AlignVCenter,
                           color ? QColor::fromRgb(QRgb(*color)) : QColor(Qt::black));
                    x += ordered[c];
                }
                y += kRowHeight;
                hLine(kMargin, y, bodyWidth(), QColor(0xE0, 0xE0, 0xE0));
            }
            y += kSectionGap;
            font(9, true);
            textAt(mm(kMargin, y, bodyWidth(), 6), QCoreApplication::translate("ReportPdf", "统计"));
            y += 6;
            font(8);
            const double cell = bodyWidth() / 4;
            const QStringList payroll = payrollFigures(e.extra).texts();
            for (int s = 0; s < kStatisticsCount + int(kPayrollLabels.size()); ++s) {
                const double x = kMargin + cell * (s % 4);
                const double rowY = y + kStatsLine * (s / 4);
                const bool statistic = s < kStatisticsCount;
                textAt(mm(x, rowY, cell * 0.68, kStatsLine),
                       (statistic ? shownStatisticName(s) : QCoreApplication::translate("ReportPdf", kPayrollLabels.at(size_t(s - kStatisticsCount)))) + u'：');
                textAt(mm(x + cell * 0.62, rowY, cell * 0.38, kStatsLine),
                       statistic ? shownStatistic(e.captions[size_t(s)]) : payroll.at(s - kStatisticsCount),
                       Qt::AlignLeft | Qt::AlignVCenter, QColor(0x80, 0, 0x80));
            }
            y += 6 * kStatsLine + kSectionGap;
            if (!e.fines.isEmpty()) {
                textAt(mm(kMargin, y - kSectionGap - kStatsLine, bodyWidth(), kStatsLine),
                       QCoreApplication::translate("ReportPdf", "罚款合计：%1 元").arg(yuanText(e.fineTotal)), Qt::AlignRight | Qt::AlignVCenter,
                       QColor(0xFF, 0, 0));
            }
        }
        if (page.rowCount > 0) {
            font(9, true);
            textAt(mm(kMargin, y, bodyWidth(), 6), QCoreApplication::translate("ReportPdf", "登记明细"));
            y += 6;
            const std::vector<double> widths = columns({0, 12, 20, 45});
            const std::vector<double> ordered = {widths[1], widths[2], widths[0], widths[3]};
            font(8, true);
            tableHeader(y, kRowHeight, ordered, registrationHeaders().mid(1));
            y += kRowHeight;
            font(8);
            for (int i = page.firstRow; i < page.firstRow + page.rowCount; ++i) {
                const QStringList cells = e.registrations.at(i).cells();
                double x = kMargin;
                for (qsizetype c = 0; c < cells.size(); ++c) {
                    textAt(mm(x, y, ordered[size_t(c)], kRowHeight), cells.at(c),
                           (c == 2 || c == 3 ? Qt::AlignLeft : Qt::AlignHCenter) | Qt::AlignVCenter);
                    x += ordered[size_t(c)];
                }
                y += kRowHeight;
                hLine(kMargin, y, bodyWidth(), QColor(0xE0, 0xE0, 0xE0));
            }
        } else if (page.withDays && e.registrations.isEmpty()) {
            font(8);
            textAt(mm(kMargin, y, bodyWidth(), 6), QCoreApplication::translate("ReportPdf", "本结算期没有登记。"), Qt::AlignLeft | Qt::AlignVCenter,
                   QColor(0x66, 0x66, 0x66));
        }
        if (page.withSignature) {
            font(10);
            textAt(mm(kMargin, bodyBottom() - kSignatureHeight + 4, bodyWidth(), kSignatureHeight - 6),
                   QCoreApplication::translate("ReportPdf", "员工签字：＿＿＿＿＿＿＿＿＿＿　　　日期：＿＿＿＿年＿＿月＿＿日"),
                   Qt::AlignRight | Qt::AlignVCenter);
        }
    }

    const Report& report_;
    QPagedPaintDevice& device_;
    QPainter& p_;
    double unit_ = 1;   // device units per millimetre
    double width_ = 0;  // page in millimetres
    double height_ = 0;
    bool turned_ = false;
    QSizeF portrait_;  // the paper's paint area in millimetres
    QSizeF landscape_;
    QString family_;
    std::map<std::pair<int, bool>, std::pair<QFont, QFontMetricsF>> fonts_;
    const QFontMetricsF* metrics_ = nullptr; // of the font set last
    QRawFont queuedFont_;                    // the glyphs gathered to paint
    QColor queuedColor_;
    QList<quint32> queuedGlyphs_;
    QList<QPointF> queuedPositions_;
    std::map<std::pair<int, bool>, QHash<QString, Shaped>> shaped_;
    QHash<QString, Shaped>* shapes_ = nullptr; // of the font set last
    QList<SummaryLine> lines_;
    QList<int> gridEmployees_; // the employees in the order of the summary
    bool departments_ = false;
    std::vector<Page> pages_;
};

} // namespace

bool paintReport(const Report& report, QPagedPaintDevice& device, int* pages)
{
    QPainter painter;
    PdfPainter pdf(report, device, painter);
    // The first page takes the orientation the device has when painting begins.
    device.setPageOrientation(pdf.firstPageLandscape() ? QPageLayout::Landscape : QPageLayout::Portrait);
    if (!painter.begin(&device))
        return false;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const bool painted = pdf.paint();
    if (pages)
        *pages = pdf.pageCount();
    return painter.end() && painted;
}

Outcome writePdf(const Report& report, const QString& path)
{
    return saveReportFile(path, [&report](QIODevice& out) -> QString {
        if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
            return QCoreApplication::translate("ReportPdf", "程序没有图形环境，无法生成 PDF");
        QPdfWriter writer(&out);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        writer.setResolution(600);
        writer.setTitle(report.title());
        writer.setCreator(QStringLiteral("Tarnby %1").arg(report.version));
        return paintReport(report, writer) ? QString() : failureReason(0);
    });
}

Outcome writeReport(const Report& report, const QString& path)
{
    return writeReportAs(report, path, &writePdf);
}

} // namespace tarnby::report
