#include "report/ui/SummaryDialog.h"

#include "import/ui/ReadReportView.h"
#include "report/ui/SummaryChart.h"
#include "report/ui/SummaryModel.h"
#include "report/ReportPayroll.h"
#include "report/ReportSigners.h"
#include "report/pdf/ReportPdf.h"
#include "widgets/MessageSeam.h"
#include "widgets/PictureButton.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressBar>
#include <QPromise>
#include <QShortcut>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>
#include <QtConcurrent/QtConcurrentRun>
#include <QCoreApplication>

namespace tarnby::ui {
namespace {

const QColor kTitleColour(22, 74, 128);
const QColor kStaleColour(255, 241, 196);

// How often an open summary compares itself with page 2 and the program folder.
constexpr int kWatchMilliseconds = 500;

// Whether two punch tables hold the same records; a table that was not read
// again shares its storage with the copy, and is compared in no time.
bool samePunches(const PunchTable& a, const PunchTable& b)
{
    if (a.size() != b.size())
        return false;
    for (int i = 0; i < PunchTable::kSegmentCount; ++i) {
        const PunchTable::Segment& x = a.segment(i);
        const PunchTable::Segment& y = b.segment(i);
        if (x.constData() != y.constData() && x != y)
            return false;
    }
    return true;
}

QString askWithDialog(QWidget* parent, const QString& suggested, const QString& filter)
{
    return QFileDialog::getSaveFileName(parent, QCoreApplication::translate("SummaryDialog", "导出汇总"), suggested, filter);
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
    case report::ReportFormat::Xlsx: return QCoreApplication::translate("SummaryDialog", "Excel 工作簿 (*.xlsx)");
    case report::ReportFormat::Csv: return QCoreApplication::translate("SummaryDialog", "CSV 文件 (*.csv)");
    case report::ReportFormat::Pdf: return QCoreApplication::translate("SummaryDialog", "PDF 文件 (*.pdf)");
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
    setWindowTitle(QCoreApplication::translate("SummaryDialog", "全体员工考勤汇总"));
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
    // Long texts never widen the window: what does not fit is cut, and the
    // whole text is in the tooltip.
    title->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    title->setMinimumWidth(120);

    status = new QLabel(this);
    status->setObjectName(QStringLiteral("summaryStatus"));
    status->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    status->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    progress = new QProgressBar(this);
    progress->setObjectName(QStringLiteral("summaryProgress"));
    progress->setFixedWidth(260);
    progress->setTextVisible(true);
    progress->hide();

    model = new SummaryModel(this);
    sorted = new SummarySortModel(this);
    sorted->setSourceModel(model);
    sorted->setSortRole(SummaryModel::kSortRole);
    sorted->setSortLocaleAware(true);

    table = new QTableView(this);
    table->setObjectName(QStringLiteral("summaryTable"));
    table->setAccessibleName(QCoreApplication::translate("SummaryDialog", "全体员工考勤汇总"));
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
    // The headers break where the model breaks them ("值日迟到" over "10分钟内"),
    // never under the sort arrow.
    table->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    table->horizontalHeader()->setMinimumHeight(36);
    fitColumns();
    const auto showRow = [this](const QModelIndex& index) {
        const QModelIndex source = sorted->mapToSource(index);
        if (source.isValid() && !model->line(source.row()).isSum())
            emit employeeActivated(model->report().employees.at(model->line(source.row()).employee).employee);
    };
    connect(table, &QTableView::doubleClicked, this, showRow);
    // Enter on a row does what a double-click does, before the dialog takes
    // it for its default button.
    for (const QKeySequence& key : {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)}) {
        auto shortcut = new QShortcut(key, table, nullptr, nullptr, Qt::WidgetShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, showRow] { showRow(table->currentIndex()); });
    }

    // The headings sort by the mouse alone; the keys reach the same through the menu.
    table->setContextMenuPolicy(Qt::ActionsContextMenu);
    const auto sortAction = [this](const char* text, int column, Qt::SortOrder order) {
        auto action = new QAction(QCoreApplication::translate("SummaryDialog", text), table);
        connect(action, &QAction::triggered, this, [this, column, order] {
            table->sortByColumn(column < 0 ? column : std::max(0, table->currentIndex().column()), order);
        });
        table->addAction(action);
        return action;
    };
    sortAscending = sortAction(QT_TRANSLATE_NOOP("SummaryDialog", "按本列升序排列"), 0, Qt::AscendingOrder);
    sortDescending = sortAction(QT_TRANSLATE_NOOP("SummaryDialog", "按本列降序排列"), 0, Qt::DescendingOrder);
    sortAsPicker = sortAction(QT_TRANSLATE_NOOP("SummaryDialog", "按员工列表的顺序排列"), -1, Qt::AscendingOrder);

    chart = new SummaryChart(this);
    connect(sorted, &QAbstractItemModel::layoutChanged, this, &SummaryDialog::refreshChart);
    connect(sorted, &QAbstractItemModel::modelReset, this, &SummaryDialog::refreshChart);
    connect(sorted, &QAbstractItemModel::layoutChanged, this, &SummaryDialog::refreshSpans);
    connect(sorted, &QAbstractItemModel::modelReset, this, &SummaryDialog::refreshSpans);
    connect(table->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this](const QModelIndex& current) {
        chart->setCurrent(current.isValid() ? rowGroups_.value(current.row(), -1) : -1);
    });
    connect(chart, &SummaryChart::groupClicked, this, [this](int group) {
        const int row = int(rowGroups_.indexOf(group));
        if (row < 0)
            return;
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
    totals->setWordWrap(true);
    totals->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

    staleBar = new QFrame(this);
    staleBar->setObjectName(QStringLiteral("summaryStale"));
    staleBar->setAutoFillBackground(true);
    QPalette stalePalette = staleBar->palette();
    stalePalette.setColor(QPalette::Window, kStaleColour);
    staleBar->setPalette(stalePalette);
    staleBar->setFrameShape(QFrame::StyledPanel);
    staleText = new QLabel(staleBar);
    staleText->setObjectName(QStringLiteral("summaryStaleText"));
    staleText->setWordWrap(true);
    staleText->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    rebuildButton = actionButton(QStringLiteral("summaryRebuild"), QCoreApplication::translate("SummaryDialog", "重新汇总"),
                                 QCoreApplication::translate("SummaryDialog", "按第2页现在的结算期、时间模式、休息日和考勤数据重新汇总"), staleBar);
    rebuildButton->setFixedSize(72, 21);
    connect(rebuildButton, &PictureButton::released, this, &SummaryDialog::rebuild);
    auto staleLayout = new QHBoxLayout(staleBar);
    staleLayout->setContentsMargins(8, 3, 8, 3);
    staleLayout->addWidget(staleText, 1);
    staleLayout->addWidget(rebuildButton);
    staleBar->hide();

    byDepartment = new QCheckBox(QCoreApplication::translate("SummaryDialog", "按部门小计"), this);
    byDepartment->setObjectName(QStringLiteral("summaryByDepartment"));
    byDepartment->setToolTip(QCoreApplication::translate("SummaryDialog", "按 Schedules.json 中的部门分组，每个部门后加小计，最后是合计"));
    byDepartment->setEnabled(false);
    connect(byDepartment, &QCheckBox::toggled, this, [this](bool on) {
        model->setByDepartment(on);
        showTotals();
    });
    preparedBy = new QLineEdit(this);
    preparedBy->setObjectName(QStringLiteral("summaryPreparedBy"));
    checkedBy = new QLineEdit(this);
    checkedBy->setObjectName(QStringLiteral("summaryCheckedBy"));
    for (QLineEdit* name : {preparedBy, checkedBy}) {
        name->setFixedWidth(72);
        name->setMaxLength(20);
        name->setToolTip(QCoreApplication::translate("SummaryDialog", "印在汇总、考勤表和打印件上；下次打开时仍在"));
        connect(name, &QLineEdit::editingFinished, this, &SummaryDialog::saveSigners);
    }

    xlsxButton = actionButton(QStringLiteral("summaryXlsx"), QStringLiteral("xlsx"),
                              QCoreApplication::translate("SummaryDialog", "导出为 Excel 工作簿：汇总、明细、登记、说明和考勤表"), this);
    csvButton = actionButton(QStringLiteral("summaryCsv"), QStringLiteral("csv"), QCoreApplication::translate("SummaryDialog", "导出汇总表为 CSV 文件"), this);
    pdfButton = actionButton(QStringLiteral("summaryPdf"), QStringLiteral("pdf"),
                             QCoreApplication::translate("SummaryDialog", "导出为 PDF：汇总表和考勤表，之后每位员工一页考勤卡"), this);
    printButton = actionButton(QStringLiteral("summaryPrint"), QCoreApplication::translate("SummaryDialog", "打印"), QCoreApplication::translate("SummaryDialog", "打印汇总与每位员工的明细"), this);
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
    foot->addWidget(byDepartment);
    foot->addSpacing(8);
    foot->addWidget(new QLabel(QCoreApplication::translate("SummaryDialog", "制表人"), this));
    foot->addWidget(preparedBy);
    foot->addWidget(new QLabel(QCoreApplication::translate("SummaryDialog", "审核人"), this));
    foot->addWidget(checkedBy);
    foot->addSpacing(8);
    foot->addWidget(new QLabel(QCoreApplication::translate("SummaryDialog", "导出 -->"), this));
    foot->addWidget(xlsxButton);
    foot->addWidget(csvButton);
    foot->addWidget(pdfButton);
    foot->addSpacing(12);
    foot->addWidget(printButton);
    auto layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 8);
    layout->addLayout(head);
    layout->addWidget(staleBar);
    layout->addWidget(splitter_, 1);
    layout->addLayout(foot);

    watch_ = new QTimer(this);
    watch_->setInterval(kWatchMilliseconds);
    connect(watch_, &QTimer::timeout, this, &SummaryDialog::checkCurrent);
    watch_->start();

    setBusyLook(false);
}

SummaryDialog::~SummaryDialog()
{
    // QDialog's own destructor hides the dialog, and a name box losing the
    // focus then would save into this half-destroyed dialog: what was typed
    // is saved now, while it still can be.
    for (QLineEdit* name : {preparedBy, checkedBy}) {
        if (name->hasFocus())
            saveSigners();
        name->disconnect(this);
    }
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
    built_ = Inputs{programDir, punches, pickerEntries, setting};
    builtStamp_ = report::inputFilesStamp(programDir, setting.period);
    staleReasons_.clear();
    staleBar->hide();
    if (signersFolder_ != programDir)
        loadSigners(programDir);
    report::Report empty;
    empty.setting = setting;
    model->setReport(empty);
    title->setText(model->report().title());
    title->setToolTip(title->text());
    chart->setPlaceholder(QCoreApplication::translate("SummaryDialog", "正在汇总…"));
    totals->clear();
    const int total = int(report::reportEntries(pickerEntries).size());
    status->setText(QCoreApplication::translate("SummaryDialog", "正在汇总…"));
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
    status->setText(QCoreApplication::translate("SummaryDialog", "汇总已取消"));
    chart->setPlaceholder(QCoreApplication::translate("SummaryDialog", "汇总已取消"));
    setBusyLook(work_ != nullptr);
}

void SummaryDialog::buildFinished(const report::ReportBuild& build)
{
    progress->hide();
    switch (build.status) {
    case report::ReportBuild::Status::Done:
        status->clear();
        chart->setPlaceholder(QCoreApplication::translate("SummaryDialog", "没有员工"));
        model->setReport(build.report);
        byDepartment->setEnabled(model->hasDepartments());
        setBusyLook(work_ != nullptr);
        title->setText(model->report().title());
        title->setToolTip(title->text());
        showTotals();
        emit buildEnded(true);
        return;
    case report::ReportBuild::Status::Cancelled:
        setBusyLook(work_ != nullptr);
        status->setText(QCoreApplication::translate("SummaryDialog", "汇总已取消"));
        chart->setPlaceholder(QCoreApplication::translate("SummaryDialog", "汇总已取消"));
        emit buildEnded(false);
        return;
    case report::ReportBuild::Status::Failed:
        setBusyLook(work_ != nullptr);
        status->setText(QCoreApplication::translate("SummaryDialog", "汇总未能完成"));
        chart->setPlaceholder(QCoreApplication::translate("SummaryDialog", "汇总未能完成"));
        showMessage(this, {kTitleError, build.error, MessageIcon::Critical});
        emit buildEnded(false);
        return;
    }
}

void SummaryDialog::showTotals()
{
    const report::Report& r = model->report();
    int full = 0;
    int nobody = 0;
    for (const report::EmployeeReport& e : r.employees) {
        full += e.fullAttendance ? 1 : 0;
        nobody += e.noPunches ? 1 : 0;
    }
    QString text = QCoreApplication::translate("SummaryDialog", "共 %1 名员工，全勤 %2 名，罚款合计 %3 元")
                       .arg(r.employees.size())
                       .arg(full)
                       .arg(report::yuanText(r.fineTotal()));
    if (nobody > 0)
        text += QCoreApplication::translate("SummaryDialog", "，%1 名本期无打卡记录").arg(nobody);
    const qsizetype unreadable = r.unreadableFines().size();
    if (unreadable > 0)
        text += QCoreApplication::translate("SummaryDialog", "（另有 %1 笔金额无法识别，未计入，见标有 ? 的员工）").arg(unreadable);
    totals->setText(text + QCoreApplication::translate("SummaryDialog", "。双击一行在结果列表中查看该员工。"));
}

void SummaryDialog::refreshChart()
{
    QList<SummaryChart::Group> groups;
    groups.reserve(sorted->rowCount());
    const QList<report::EmployeeReport>& employees = model->report().employees;
    // Row of the table -> bar group; the subtotals are not employees to chart.
    rowGroups_.clear();
    for (int row = 0; row < sorted->rowCount(); ++row) {
        const report::SummaryLine& line = model->line(sorted->mapToSource(sorted->index(row, 0)).row());
        if (line.isSum()) {
            rowGroups_.append(-1);
            continue;
        }
        const report::EmployeeReport& e = employees.at(line.employee);
        rowGroups_.append(int(groups.size()));
        groups.append({e.employee, e.lateness(), e.values[5], e.values[8], e.noPunches});
    }
    chart->setGroups(groups);
    const QModelIndex current = table->selectionModel() ? table->selectionModel()->currentIndex() : QModelIndex();
    chart->setCurrent(current.isValid() ? rowGroups_.value(current.row(), -1) : -1);
}

void SummaryDialog::refreshSpans()
{
    // The words of an employee without punches stand across the empty figures.
    table->clearSpans();
    for (int row = 0; row < sorted->rowCount(); ++row) {
        if (model->line(sorted->mapToSource(sorted->index(row, 0)).row()).noPunches)
            table->setSpan(row, SummaryModel::kFirstStatisticColumn, 1, report::kNumericStatistics);
    }
}

void SummaryDialog::fitColumns()
{
    // Each header's own measure, with the room of the sort arrow; the rows are
    // never measured, a thousand of them would take a while.
    const QHeaderView* header = table->horizontalHeader();
    for (int c = 0; c < SummaryModel::kColumnCount; ++c) {
        int width = header->sectionSizeHint(c);
        if (c == SummaryModel::kEmployeeColumn)
            width = std::max(width, 92);
        else if (c == SummaryModel::kDepartmentColumn)
            width = std::max(width, 64);
        table->setColumnWidth(c, width);
    }
}

void SummaryDialog::setBusyLook(bool busy)
{
    // An out-of-date summary is not written anywhere as if it were current.
    const bool ready = !busy && !model->report().employees.isEmpty() && !isOutOfDate();
    for (PictureButton* button : {xlsxButton, csvButton, pdfButton, printButton})
        button->setEnabled(ready);
}

void SummaryDialog::exportAs(report::ReportFormat format)
{
    if (isBusy() || model->report().employees.isEmpty() || isOutOfDate())
        return;
    saveSigners();
    const report::Report& r = model->report();
    const QString name = QCoreApplication::translate("SummaryDialog", "考勤汇总%1-%2%3")
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
    runWork(QCoreApplication::translate("SummaryDialog", "正在导出 %1 …").arg(QFileInfo(path).fileName()),
            [report = reportToWrite(), path, shown]() -> Outcome {
                const Outcome written = report::writeReport(report, path);
                if (!written.ok())
                    return written;
                return Outcome::success(QCoreApplication::translate("SummaryDialog", "汇总已导出到 %1").arg(shown));
            });
}

void SummaryDialog::print()
{
    if (isBusy() || model->report().employees.isEmpty() || isOutOfDate())
        return;
    saveSigners();
    auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
    printer->setPageSize(QPageSize(QPageSize::A4));
    printer->setDocName(model->report().title());
    QPrintDialog dialog(printer.get(), this);
    dialog.setWindowTitle(QCoreApplication::translate("SummaryDialog", "打印汇总"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    printTo(printer);
}

void SummaryDialog::printTo(const std::shared_ptr<QPrinter>& printer)
{
    // Painting on a printer is allowed off the window thread.
    runWork(QCoreApplication::translate("SummaryDialog", "正在打印…"), [report = reportToWrite(), printer]() -> Outcome {
        int pages = 0;
        if (!report::paintReport(report, *printer, &pages))
            return Outcome::error(QCoreApplication::translate("SummaryDialog", "无法打印：打印机未能开始打印，请检查打印机设置。"));
        return Outcome::success(QCoreApplication::translate("SummaryDialog", "汇总已送往打印机（共 %1 页）。").arg(pages));
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

report::Report SummaryDialog::reportToWrite() const
{
    report::Report r = model->report();
    r.byDepartment = byDepartment->isChecked();
    r.preparedBy = preparedBy->text().trimmed();
    r.checkedBy = checkedBy->text().trimmed();
    return r;
}

void SummaryDialog::loadSigners(const QString& programDir)
{
    signersFolder_ = programDir;
    const Result<report::Signers> names = report::signers::load(programDir);
    if (!names) {
        // Said at once: the status line is taken by the build that follows.
        showMessage(this, {kTitleError, names.error() + QCoreApplication::translate("SummaryDialog", "请重新填写制表人和审核人。"), MessageIcon::Warning});
        return;
    }
    preparedBy->setText(names->preparedBy);
    checkedBy->setText(names->checkedBy);
    preparedBy->setModified(false);
    checkedBy->setModified(false);
}

void SummaryDialog::saveSigners()
{
    if (signersFolder_.isEmpty() || (!preparedBy->isModified() && !checkedBy->isModified()))
        return;
    for (QLineEdit* name : {preparedBy, checkedBy}) {
        if (const QString fault = report::signers::nameFault(name->text()); !fault.isEmpty()) {
            showMessage(this, {kTitleError, fault, MessageIcon::Critical});
            name->setFocus();
            return;
        }
    }
    const Outcome saved =
        report::signers::save(signersFolder_, {preparedBy->text().trimmed(), checkedBy->text().trimmed()});
    if (!saved.ok()) {
        showOutcome(this, saved);
        return;
    }
    preparedBy->setModified(false);
    checkedBy->setModified(false);
}

void SummaryDialog::setSource(InputsSource source)
{
    source_ = std::move(source);
}

void SummaryDialog::checkCurrent()
{
    if (!source_ || !built_ || !isVisible())
        return;
    QStringList reasons;
    const std::optional<Inputs> now = source_();
    if (!now) {
        reasons.append(QCoreApplication::translate("SummaryDialog", "结算期"));
    } else {
        const report::ReportSetting& was = built_->setting;
        const report::ReportSetting& is = now->setting;
        if (is.period.start != was.period.start)
            reasons.append(QCoreApplication::translate("SummaryDialog", "结算期"));
        if (is.period.style != was.period.style)
            reasons.append(QCoreApplication::translate("SummaryDialog", "月结制式"));
        if (is.timeMode != was.timeMode)
            reasons.append(QCoreApplication::translate("SummaryDialog", "时间模式"));
        if (is.restDays != was.restDays)
            reasons.append(QCoreApplication::translate("SummaryDialog", "休息日"));
        if (now->programDir != built_->programDir || !samePunches(now->punches, built_->punches)
            || report::reportEntries(now->pickerEntries) != report::reportEntries(built_->pickerEntries))
            reasons.append(QCoreApplication::translate("SummaryDialog", "考勤数据"));
        else if (report::inputFilesStamp(now->programDir, was.period) != builtStamp_)
            reasons.append(QCoreApplication::translate("SummaryDialog", "登记、值日表或设置"));
        // The same records read again: nothing to rebuild, and no second look at them.
        if (now->programDir == built_->programDir && samePunches(now->punches, built_->punches))
            built_->punches = now->punches;
    }
    if (reasons == staleReasons_)
        return;
    staleReasons_ = reasons;
    staleBar->setVisible(!reasons.isEmpty());
    staleText->setText(QCoreApplication::translate("SummaryDialog", "汇总已过期：%1已更改，表中数字仍是更改前的，不能导出或打印。请重新汇总。")
                           .arg(reasons.join(QCoreApplication::translate("SummaryDialog", "、"))));
    setBusyLook(isBusy());
}

void SummaryDialog::rebuild()
{
    if (!source_)
        return;
    const std::optional<Inputs> now = source_();
    if (!now) {
        showMessage(this, {kTitleError, QCoreApplication::translate("SummaryDialog", "请先选择结算的起始年份和月份！"), MessageIcon::Critical});
        return;
    }
    start(now->programDir, now->punches, now->pickerEntries, now->setting);
}

void SummaryDialog::done(int result)
{
    cancelBuild();
    saveSigners();
    QDialog::done(result);
}

void SummaryDialog::closeEvent(QCloseEvent* event)
{
    cancelBuild();
    // A name typed just before closing never left its field.
    saveSigners();
    QDialog::closeEvent(event);
}

} // namespace tarnby::ui
