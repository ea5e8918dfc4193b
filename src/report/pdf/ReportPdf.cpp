// The .pdf report painted with Qt: A4, the summary first, then one page per
// employee with the day rows in the window's colours, the statistics and the
// registrations. The same painting serves a printer.

#include "report/pdf/ReportPdf.h"

#include "analysis/ResultList.h"
#include "report/ReportFile.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
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

// Geometry in millimetres, turned into device units by the page.
struct Page {
    enum class Kind { Summary, Employee };
    Kind kind = Kind::Summary;
    int employee = -1;     // Employee pages
    int firstRow = 0;      // summary rows or registrations on this page
    int rowCount = 0;
    bool withDays = false; // the day rows and statistics (the employee's first page)
    bool withIntro = false;
};

constexpr double kMargin = 12.0;
constexpr double kHeaderHeight = 12.0;
constexpr double kFooterHeight = 8.0;
constexpr double kRowHeight = 5.2;
constexpr double kSummaryRowHeight = 5.0;
constexpr double kSummaryHeaderHeight = 9.0;
constexpr double kIntroHeight = 22.0;
constexpr double kTitleHeight = 9.0;
constexpr double kStatsHeight = 6.0 + 4 * 5.5;
constexpr double kSectionGap = 4.0;

class PdfPainter {
public:
    PdfPainter(const Report& report, QPagedPaintDevice& device, QPainter& painter)
        : report_(report), device_(device), p_(painter)
    {
        unit_ = device.logicalDpiY() / 25.4;
        width_ = device.width() / unit_;
        height_ = device.height() / unit_;
        family_ = reportFontFamily();
    }

    bool paint()
    {
        paginate();
        for (size_t i = 0; i < pages_.size(); ++i) {
            if (i > 0 && !device_.newPage())
                return false;
            paintFrame(int(i));
            const Page& page = pages_[i];
            if (page.kind == Page::Kind::Summary)
                paintSummary(page);
            else
                paintEmployee(page);
        }
        return true;
    }

private:
    double bodyTop() const { return kMargin + kHeaderHeight; }
    double bodyBottom() const { return height_ - kMargin - kFooterHeight; }
    double bodyWidth() const { return width_ - 2 * kMargin; }

    void paginate()
    {
        // The summary: the notes on the first page, then as many rows as fit.
        const int employees = int(report_.employees.size());
        int row = 0;
        bool first = true;
        do {
            Page page;
            page.withIntro = first;
            const double space = bodyBottom() - bodyTop() - (first ? kIntroHeight : 0) - kSummaryHeaderHeight;
            const int fit = std::max(1, int(space / kSummaryRowHeight));
            page.firstRow = row;
            page.rowCount = std::min(fit, employees - row);
            row += page.rowCount;
            pages_.push_back(page);
            first = false;
        } while (row < employees);

        for (int e = 0; e < employees; ++e) {
            const EmployeeReport& er = report_.employees.at(e);
            const int registrations = int(er.registrations.size());
            Page page;
            page.kind = Page::Kind::Employee;
            page.employee = e;
            page.withDays = true;
            double used = kTitleHeight + kRowHeight * (er.rows.size() + 1) + kSectionGap + kStatsHeight + kSectionGap;
            int done = 0;
            for (;;) {
                const double space = bodyBottom() - bodyTop() - used - (registrations > 0 ? 6.0 + kRowHeight : 0);
                const int fit = std::max(0, int(space / kRowHeight));
                page.firstRow = done;
                page.rowCount = std::min(fit, registrations - done);
                done += page.rowCount;
                pages_.push_back(page);
                if (done >= registrations)
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

    void font(double points, bool bold = false)
    {
        QFont f(family_);
        f.setPointSizeF(points);
        f.setBold(bold);
        p_.setFont(f);
        metrics_.emplace(f, &device_);
    }

    void textAt(const QRectF& r, const QString& text, int flags = Qt::AlignLeft | Qt::AlignVCenter,
                const QColor& color = Qt::black)
    {
        p_.setPen(color);
        const QRectF inner = r.adjusted(0.8 * unit_, 0, -0.8 * unit_, 0);
        if (metrics_ && metrics_->horizontalAdvance(text) > inner.width())
            p_.drawText(inner, flags, metrics_->elidedText(text, Qt::ElideRight, inner.width()));
        else
            p_.drawText(inner, flags, text);
    }

    void hLine(double x, double y, double w, const QColor& color = QColor(0x99, 0x99, 0x99))
    {
        p_.setPen(QPen(color, 0.2 * unit_));
        p_.drawLine(QPointF(x * unit_, y * unit_), QPointF((x + w) * unit_, y * unit_));
    }

    void paintFrame(int index)
    {
        font(9, true);
        textAt(mm(kMargin, kMargin, bodyWidth() / 2, kHeaderHeight - 3), QStringLiteral("考勤月报  ") + report_.periodText());
        font(8);
        textAt(mm(kMargin + bodyWidth() / 2, kMargin, bodyWidth() / 2, kHeaderHeight - 3),
               report_.styleText() + QStringLiteral("  时间") + report_.modeText(), Qt::AlignRight | Qt::AlignVCenter);
        hLine(kMargin, kMargin + kHeaderHeight - 2, bodyWidth(), Qt::black);
        textAt(mm(kMargin, height_ - kMargin - kFooterHeight + 2, bodyWidth(), kFooterHeight - 2),
               QStringLiteral("第 %1 页，共 %2 页").arg(index + 1).arg(pages_.size()), Qt::AlignCenter);
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
            textAt(mm(kMargin, y, bodyWidth(), 8), QStringLiteral("考勤汇总"), Qt::AlignCenter);
            font(8);
            const QString line1 = QStringLiteral("结算期：%1    月结制式：%2    时间模式：%3")
                                      .arg(report_.periodText(), report_.styleText(), report_.modeText());
            const QString line2 = QStringLiteral("休息日：%1").arg(report_.restDatesText());
            const QString line3 = QStringLiteral("员工 %1 人，罚款合计 %2 元    制表时间：%3    程序版本：%4")
                                      .arg(report_.employees.size())
                                      .arg(yuanText(report_.fineTotal()),
                                           report_.made.toString(QStringLiteral("yyyy-MM-dd HH:mm")), report_.version);
            textAt(mm(kMargin, y + 8, bodyWidth(), 4.5), line1);
            textAt(mm(kMargin, y + 12.5, bodyWidth(), 4.5), line2);
            const qsizetype unreadable = report_.unreadableFines().size();
            textAt(mm(kMargin, y + 17, bodyWidth(), 4.5),
                   unreadable == 0 ? line3
                                   : line3 + QStringLiteral("    另有 %1 处罚款金额无法识别，未计入合计").arg(unreadable));
            y += kIntroHeight;
        }
        const std::vector<double> widths = columns({0, 11, 11, 11, 11, 11, 10, 10, 10, 10, 10, 10, 10, 9, 12});
        QStringList names = summaryHeaders();
        for (QString& n : names)
            n.replace(QStringLiteral("迟到"), QStringLiteral("迟到\n"));
        font(6.5, true);
        tableHeader(y, kSummaryHeaderHeight, widths, names);
        y += kSummaryHeaderHeight;
        font(7.5);
        for (int i = page.firstRow; i < page.firstRow + page.rowCount; ++i) {
            const EmployeeReport& e = report_.employees.at(i);
            if ((i - page.firstRow) % 2 == 1)
                p_.fillRect(mm(kMargin, y, bodyWidth(), kSummaryRowHeight), QColor(0xF4, 0xF6, 0xF9));
            QStringList cells{e.employee};
            for (int s = 0; s < kNumericStatistics; ++s)
                cells.append(e.captions[size_t(s)]);
            cells.append(fullAttendanceText(e.fullAttendance));
            cells.append(yuanText(e.fineTotal));
            double x = kMargin;
            for (size_t c = 0; c < widths.size(); ++c) {
                const bool fault = c >= 1 && c <= 9 && e.values[c - 1] > 0;
                textAt(mm(x, y, widths[c], kSummaryRowHeight), cells.value(qsizetype(c)),
                       (c == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter,
                       fault ? QColor(0xC0, 0, 0) : QColor(Qt::black));
                x += widths[c];
            }
            y += kSummaryRowHeight;
            hLine(kMargin, y, bodyWidth(), QColor(0xDD, 0xDD, 0xDD));
        }
        if (report_.employees.isEmpty()) {
            font(9);
            textAt(mm(kMargin, y + 2, bodyWidth(), 6), QStringLiteral("此结算期内没有员工的考勤记录。"));
        }
    }

    void paintEmployee(const Page& page)
    {
        const EmployeeReport& e = report_.employees.at(page.employee);
        double y = bodyTop();
        font(12, true);
        textAt(mm(kMargin, y, bodyWidth(), kTitleHeight - 2),
               e.employee + (page.withDays ? QString() : QStringLiteral("（续）")));
        y += kTitleHeight;
        if (page.withDays) {
            const std::vector<double> widths = columns({0, 20, 12, 17, 17, 17, 17});
            std::vector<double> ordered = {widths[1], widths[2], widths[3], widths[4], widths[5], widths[6], widths[0]};
            QStringList names = detailHeaders().mid(1);
            font(8, true);
            tableHeader(y, kRowHeight, ordered, names);
            y += kRowHeight;
            font(8);
            for (const ResultRow& r : e.rows) {
                double x = kMargin;
                for (int c = 0; c < kResultColumns; ++c) {
                    const CellColor& color = r.colors[size_t(c)];
                    textAt(mm(x, y, ordered[size_t(c)], kRowHeight), r.cells[size_t(c)],
                           (c == ColRemark ? Qt::AlignLeft : Qt::AlignHCenter) | Qt::AlignVCenter,
                           color ? QColor::fromRgb(QRgb(*color)) : QColor(Qt::black));
                    x += ordered[size_t(c)];
                }
                y += kRowHeight;
                hLine(kMargin, y, bodyWidth(), QColor(0xE0, 0xE0, 0xE0));
            }
            y += kSectionGap;
            font(9, true);
            textAt(mm(kMargin, y, bodyWidth(), 6), QStringLiteral("统计"));
            y += 6;
            font(8);
            const double cell = bodyWidth() / 4;
            for (int s = 0; s < kStatisticsCount; ++s) {
                const double x = kMargin + cell * (s % 4);
                const double rowY = y + 5.5 * (s / 4);
                textAt(mm(x, rowY, cell * 0.68, 5.5), QString::fromUtf16(statisticNames()[size_t(s)].name) + u'：');
                textAt(mm(x + cell * 0.62, rowY, cell * 0.38, 5.5), e.captions[size_t(s)], Qt::AlignLeft | Qt::AlignVCenter,
                       QColor(0x80, 0, 0x80));
            }
            y += 4 * 5.5 + kSectionGap;
            if (!e.fines.isEmpty()) {
                textAt(mm(kMargin, y - kSectionGap - 5.5, bodyWidth(), 5.5),
                       QStringLiteral("罚款合计：%1 元").arg(yuanText(e.fineTotal)), Qt::AlignRight | Qt::AlignVCenter,
                       QColor(0xFF, 0, 0));
            }
        }
        if (page.rowCount > 0) {
            font(9, true);
            textAt(mm(kMargin, y, bodyWidth(), 6), QStringLiteral("登记明细"));
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
            textAt(mm(kMargin, y, bodyWidth(), 6), QStringLiteral("本结算期没有登记。"), Qt::AlignLeft | Qt::AlignVCenter,
                   QColor(0x66, 0x66, 0x66));
        }
    }

    const Report& report_;
    QPagedPaintDevice& device_;
    QPainter& p_;
    double unit_ = 1;   // device units per millimetre
    double width_ = 0;  // page in millimetres
    double height_ = 0;
    QString family_;
    std::optional<QFontMetricsF> metrics_; // of the font set last
    std::vector<Page> pages_;
};

} // namespace

bool paintReport(const Report& report, QPagedPaintDevice& device)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const bool painted = PdfPainter(report, device, painter).paint();
    return painter.end() && painted;
}

Outcome writePdf(const Report& report, const QString& path)
{
    return saveReportFile(path, [&report](QIODevice& out) -> QString {
        if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
            return QStringLiteral("程序没有图形环境，无法生成 PDF");
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
    const std::optional<ReportFormat> format = formatOfPath(path);
    if (!format)
        return Outcome::error(QStringLiteral("报表文件名须以 .xlsx、.csv 或 .pdf 结尾：%1").arg(path));
    switch (*format) {
    case ReportFormat::Xlsx:
        return writeXlsx(report, path);
    case ReportFormat::Csv:
        return writeCsv(report, path);
    case ReportFormat::Pdf:
        return writePdf(report, path);
    }
    return Outcome::error(QStringLiteral("未知的报表格式。"));
}

} // namespace tarnby::report
