#include "report/ui/SummaryDialog.h"

#include "import/ui/ReadReportView.h"
#include "report/ui/SummaryChart.h"
#include "report/ui/SummaryModel.h"
#include "report/pdf/ReportPdf.h"
#include "widgets/MessageSeam.h"
#include "widgets/PictureButton.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressBar>
#include <QPromise>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>
#include <utility>
#include <QtConcurrent/QtConcurrentRun>

namespace tarnby::ui {
namespace {

const QColor kTitleColour(22, 74, 128);

QString askWithDialog(QWidget* parent, const QString& suggested, const QString& filter)
{
    return QFileDialog::getSaveFileName(parent, QStringLiteral("导出汇总"), suggested, filter);
}

SummaryDialog::FileNameAsker& fileNameAsker()
{
    static SummaryDialog::FileNameAsker asker = askWithDialog;
    return asker;
}

QString extensionOf(report::ReportFormat format)
{
    switch (format) {
    case report::ReportFormat::Xlsx: return QStringLiteral(".xlsx");
    case report::ReportFormat::Csv: return QStringLiteral(".csv");
    case report::ReportFormat::Pdf: return QStringLiteral(".pdf");
    }
    return {};
}

QString filterOf(report::ReportFormat format)
{
    switch (format) {
    case report::ReportFormat::Xlsx: return QStringLiteral("Excel 工作簿 (*.xlsx)");
    case report::ReportFormat::Csv: return QStringLiteral("CSV 文件 (*.csv)");
    case report::ReportFormat::Pdf: return QStringLiteral("PDF 文件 (*.pdf)");
    }
    return {};
}

PictureButton* actionButton(const QString& name, const QString& caption, const QString& tip, QWidget* parent)
{
    auto button = new PictureButton(PictureButton::Kind::Action, parent);
    button->setObjectName(name);
    button->setCaption(caption);
    button->setToolTip(tip);
    button->setFixedSize(54, 21);
    return button;
}

} // namespace

SummaryDialog::FileNameAsker SummaryDialog::setFileNameAsker(FileNameAsker asker)
{
    FileNameAsker previous = fileNameAsker();
    fileNameAsker() = asker ? std::move(asker) : FileNameAsker(askWithDialog);
    return previous;
}

SummaryDialog::SummaryDialog(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("summaryDialog"));
    setWindowTitle(QStringLiteral("全体员工考勤汇总"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    setSizeGripEnabled(true);
    resize(940, 600);
    QFont dialogFont = font();
    dialogFont.setPixelSize(12);
    setFont(dialogFont);
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(226, 234, 244));
    setPalette(background);

    title = new QLabel(this);
    title->setObjectName(QStringLiteral("summaryTitle"));
    QFont titleFont = title->font();
    titleFont.setPixelSize(15);
    titleFont.setBold(true);
    title->setFont(titleFont);
    QPalette titlePalette = title->palette();
    titlePalette.setColor(QPalette::WindowText, kTitleColour);
    title->setPalette(titlePalette);

    status = new QLabel(this);
    status->setObjectName(QStringLiteral("summaryStatus"));
    progress = new QProgressBar(this);
    progress->setObjectName(QStringLiteral("summaryProgress"));
    progress->setFixedWidth(260);
    progress->setTextVisible(true);
    progress->hide();

    model = new SummaryModel(this);
    sorted = new QSortFilterProxyModel(this);
    sorted->setSourceModel(model);
    sorted->setSortRole(SummaryModel::kSortRole);
    sorted->setSortLocaleAware(true);

    table = new QTableView(this);
    table->setObjectName(QStringLiteral("summaryTable"));
    table->setModel(sorted);
    table->setSortingEnabled(true);
    table->sortByColumn(-1, Qt::AscendingOrder); // picker order until a header is clicked
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setAlternatingRowColors(true);
    table->setWordWrap(false);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(20);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->horizontalHeader()->setSectionsMovable(false);
    table->horizontalHeader()->setHighlightSections(false);
    table->horizontalHeader()->setDefaultAlignment(Qt::Alignment(Qt::AlignCenter | Qt::TextWordWrap));
    table->horizontalHeader()->setMinimumHeight(36);
    // The widths follow the headers, not the rows: a thousand rows are never measured.
    // Two-line headers ("值日迟到" over "10分钟内") set the narrowest readable width.
    const QFontMetrics fm(table->font());
    const int statisticWidth = fm.horizontalAdvance(QStringLiteral("10分钟内")) + 6;
    table->setColumnWidth(SummaryModel::kEmployeeColumn, 92);
    for (int c = SummaryModel::kFirstStatisticColumn; c < SummaryModel::kFullAttendanceColumn; ++c)
        table->setColumnWidth(c, statisticWidth);
    table->setColumnWidth(SummaryModel::kFullAttendanceColumn, fm.horizontalAdvance(QStringLiteral("全勤")) + 14);
    table->setColumnWidth(SummaryModel::kFineColumn, fm.horizontalAdvance(QStringLiteral("罚款(元)")) + 14);
    for (int c = SummaryModel::kFirstFigureColumn; c < SummaryModel::kColumnCount; ++c) {
        table->setColumnWidth(c, fm.horizontalAdvance(QStringLiteral("(分钟)")) + 14);
        table->setColumnHidden(c, true);
    }
    connect(table, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        const QModelIndex source = sorted->mapToSource(index);
        if (source.isValid())
            emit employeeActivated(model->report().employees.at(source.row()).employee);
    });

    chart = new SummaryChart(this);
    connect(sorted, &QAbstractItemModel::layoutChanged, this, &SummaryDialog::refreshChart);
    connect(sorted, &QAbstractItemModel::modelReset, this, &SummaryDialog::refreshChart);
    connect(table->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { chart->setCurrent(current.isValid() ? current.row() : -1); });
    connect(chart, &SummaryChart::groupClicked, this, [this](int row) {
        table->selectRow(row);
        table->scrollTo(sorted->index(row, 0));
    });

    splitter_ = new QSplitter(Qt::Vertical, this);
    splitter_->addWidget(table);
    splitter_->addWidget(chart);
    splitter_->setStretchFactor(0, 3);
    splitter_->setStretchFactor(1, 2);
    splitter_->setChildrenCollapsible(false);

    totals = new QLabel(this);
    totals->setObjectName(QStringLiteral("summaryTotals"));

    xlsxButton = actionButton(QStringLiteral("summaryXlsx"), QStringLiteral("xlsx"),
                              QStringLiteral("导出为 Excel 工作簿：汇总、明细、登记、说明四张表"), this);
    csvButton = actionButton(QStringLiteral("summaryCsv"), QStringLiteral("csv"), QStringLiteral("导出汇总表为 CSV 文件"), this);
    pdfButton = actionButton(QStringLiteral("summaryPdf"), QStringLiteral("pdf"),
                             QStringLiteral("导出为 PDF：汇总表，之后每位员工一页"), this);
    printButton = actionButton(QStringLiteral("summaryPrint"), QStringLiteral("打印"), QStringLiteral("打印汇总与每位员工的明细"), this);
    connect(xlsxButton, &PictureButton::released, this, [this] { exportAs(report::ReportFormat::Xlsx); });
    connect(csvButton, &PictureButton::released, this, [this] { exportAs(report::ReportFormat::Csv); });
    connect(pdfButton, &PictureButton::released, this, [this] { exportAs(report::ReportFormat::Pdf); });
    connect(printButton, &PictureButton::released, this, &SummaryDialog::print);

    auto head = new QHBoxLayout;
    head->addWidget(title, 1);
    head->addWidget(status);
    head->addWidget(progress);
    auto foot = new QHBoxLayout;
    foot->addWidget(totals, 1);
    foot->addWidget(new QLabel(QStringLiteral("导出 -->"), this));
    foot->addWidget(xlsxButton);
    foot->addWidget(csvButton);
    foot->addWidget(pdfButton);
    foot->addSpacing(12);
    foot->addWidget(printButton);
    auto layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 8);
    layout->addLayout(head);
    layout->addWidget(splitter_, 1);
    layout->addLayout(foot);

    setBusyLook(false);
}

SummaryDialog::~SummaryDialog()
{
    cancelBuild();
    // A file being written is finished, so that nothing is left half done.
    if (work_) {
        work_->disconnect(this);
        work_->waitForFinished();
    }
}

void SummaryDialog::showReadReport(const QString& programDir, const FolderReadReport& report)
{
    if (!readReport) {
        if (report.files.isEmpty())
            return;
        readReport = new ReadReportView(programDir, this);
        readReport->setMinimumHeight(110);
        splitter_->addWidget(readReport);
        splitter_->setStretchFactor(2, 1);
        connect(readReport, &ReadReportView::rosterChanged, this, &SummaryDialog::rosterChanged);
    }
    readReport->showReport(report);
    readReport->setVisible(!report.files.isEmpty());
}

const report::Report& SummaryDialog::report() const
{
    return model->report();
}

void SummaryDialog::start(const QString& programDir, const PunchTable& punches, const QList<PickerEntry>& pickerEntries,
                          const report::ReportSetting& setting)
{
    cancelBuild();
    report::Report empty;
    empty.setting = setting;
    model->setReport(empty);
    title->setText(model->report().title());
    totals->clear();
    const int total = int(report::reportEntries(pickerEntries).size());
    status->setText(QStringLiteral("正在汇总…"));
    progress->setRange(0, std::max(total, 1));
    progress->setValue(0);
    progress->show();
    setBusyLook(true);

    build_ = new QFutureWatcher<report::ReportBuild>(this);
    connect(build_, &QFutureWatcherBase::progressValueChanged, progress, &QProgressBar::setValue);
    connect(build_, &QFutureWatcherBase::finished, this, [this, watcher = build_] {
        const report::ReportBuild build = watcher->result();
        build_ = nullptr;
        watcher->deleteLater();
        buildFinished(build);
    });
    // The copy shares the table's storage: a later read replaces the page's
    // table, never the one this build walks.
    build_->setFuture(QtConcurrent::run(
        [this, programDir, punches, pickerEntries, setting, total](QPromise<report::ReportBuild>& promise) {
            promise.setProgressRange(0, std::max(total, 1));
            promise.addResult(report::buildReport(
                programDir, punches, pickerEntries, setting,
                {.progress =
                     [this, &promise](const report::ReportProgress& p) {
                         promise.setProgressValue(p.done);
                         emit buildProgressed(p.done, p.total);
                     },
                 .cancelled = [&promise] { return promise.isCanceled(); }}));
        }));
}

void SummaryDialog::cancelBuild()
{
    if (!build_)
        return;
    QFutureWatcher<report::ReportBuild>* watcher = std::exchange(build_, nullptr);
    watcher->disconnect();
    watcher->cancel();
    // The build stops at the next employee, a matter of milliseconds.
    watcher->waitForFinished();
    delete watcher;
    progress->hide();
    status->setText(QStringLiteral("汇总已取消"));
    setBusyLook(work_ != nullptr);
}

void SummaryDialog::buildFinished(const report::ReportBuild& build)
{
    progress->hide();
    switch (build.status) {
    case report::ReportBuild::Status::Done:
        status->clear();
        model->setReport(build.report);
        for (int c = SummaryModel::kFirstFigureColumn; c < SummaryModel::kColumnCount; ++c)
            table->setColumnHidden(c, !model->anyShifts());
        setBusyLook(work_ != nullptr);
        title->setText(model->report().title());
        showTotals();
        emit buildEnded(true);
        return;
    case report::ReportBuild::Status::Cancelled:
        setBusyLook(work_ != nullptr);
        status->setText(QStringLiteral("汇总已取消"));
        emit buildEnded(false);
        return;
    case report::ReportBuild::Status::Failed:
        setBusyLook(work_ != nullptr);
        status->setText(QStringLiteral("汇总未能完成"));
        showMessage(this, {kTitleError, build.error, MessageIcon::Critical});
        emit buildEnded(false);
        return;
    }
}

void SummaryDialog::showTotals()
{
    const report::Report& r = model->report();
    int full = 0;
    for (const report::EmployeeReport& e : r.employees)
        full += e.fullAttendance ? 1 : 0;
    QString text = QStringLiteral("共 %1 名员工，全勤 %2 名，罚款合计 %3 元")
                       .arg(r.employees.size())
                       .arg(full)
                       .arg(report::yuanText(r.fineTotal()));
    const qsizetype unreadable = r.unreadableFines().size();
    if (unreadable > 0)
        text += QStringLiteral("（另有 %1 笔金额无法识别，未计入，见标有 ? 的员工）").arg(unreadable);
    totals->setText(text + QStringLiteral("。双击一行在结果列表中查看该员工。"));
}

void SummaryDialog::refreshChart()
{
    QList<SummaryChart::Group> groups;
    groups.reserve(sorted->rowCount());
    const QList<report::EmployeeReport>& employees = model->report().employees;
    for (int row = 0; row < sorted->rowCount(); ++row) {
        const report::EmployeeReport& e = employees.at(sorted->mapToSource(sorted->index(row, 0)).row());
        groups.append({e.employee, e.lateness(), e.values[5], e.values[8]});
    }
    chart->setGroups(groups);
    const QModelIndex current = table->selectionModel() ? table->selectionModel()->currentIndex() : QModelIndex();
    chart->setCurrent(current.isValid() ? current.row() : -1);
}

void SummaryDialog::setBusyLook(bool busy)
{
    const bool ready = !busy && !model->report().employees.isEmpty();
    for (PictureButton* button : {xlsxButton, csvButton, pdfButton, printButton})
        button->setEnabled(ready);
}

void SummaryDialog::exportAs(report::ReportFormat format)
{
    if (isBusy() || model->report().employees.isEmpty())
        return;
    const report::Report& r = model->report();
    const QString name = QStringLiteral("考勤汇总%1-%2%3")
                             .arg(r.setting.period.firstDay().toString(QStringLiteral("yyyyMMdd")),
                                  r.setting.period.lastDay().toString(QStringLiteral("yyyyMMdd")), extensionOf(format));
    QString folder = exportFolder_;
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    QString path = fileNameAsker()(this, QDir(folder).filePath(name), filterOf(format));
    if (path.isEmpty())
        return;
    // A name typed without its extension gets the one of the button.
    if (report::formatOfPath(path) != format)
        path += extensionOf(format);
    exportFolder_ = QFileInfo(path).absolutePath();
    exportTo(path);
}

void SummaryDialog::exportTo(const QString& path)
{
    const QString shown = QDir::toNativeSeparators(path);
    runWork(QStringLiteral("正在导出 %1 …").arg(QFileInfo(path).fileName()),
            [report = model->report(), path, shown]() -> Outcome {
                const Outcome written = report::writeReport(report, path);
                if (!written.ok())
                    return written;
                return Outcome::success(QStringLiteral("汇总已导出到 %1").arg(shown));
            });
}

void SummaryDialog::print()
{
    if (isBusy() || model->report().employees.isEmpty())
        return;
    auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
    printer->setPageSize(QPageSize(QPageSize::A4));
    printer->setDocName(model->report().title());
    QPrintDialog dialog(printer.get(), this);
    dialog.setWindowTitle(QStringLiteral("打印汇总"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    printTo(printer);
}

void SummaryDialog::printTo(const std::shared_ptr<QPrinter>& printer)
{
    // Painting on a printer is allowed off the window thread.
    runWork(QStringLiteral("正在打印…"), [report = model->report(), printer]() -> Outcome {
        if (!report::paintReport(report, *printer))
            return Outcome::error(QStringLiteral("无法打印：打印机未能开始打印，请检查打印机设置。"));
        return Outcome::success(QStringLiteral("汇总已送往打印机（共 %1 页）。").arg(report.employees.size() + 1));
    });
}

void SummaryDialog::runWork(const QString& what, std::function<Outcome()> work)
{
    if (isBusy())
        return;
    status->setText(what);
    progress->setRange(0, 0);
    progress->show();
    work_ = new QFutureWatcher<Outcome>(this);
    setBusyLook(true);
    connect(work_, &QFutureWatcherBase::finished, this, [this] {
        const Outcome outcome = work_->result();
        work_->deleteLater();
        work_ = nullptr;
        progress->hide();
        status->clear();
        setBusyLook(build_ != nullptr);
        if (outcome.ok())
            showMessage(this, {kTitleDone, outcome.text, MessageIcon::Information});
        else
            showOutcome(this, outcome);
        emit workEnded(outcome);
    });
    work_->setFuture(QtConcurrent::run(std::move(work)));
}

void SummaryDialog::done(int result)
{
    cancelBuild();
    QDialog::done(result);
}

void SummaryDialog::closeEvent(QCloseEvent* event)
{
    cancelBuild();
    QDialog::closeEvent(event);
}

} // namespace tarnby::ui
