#include "DetectDialog.h"

#include "widgets/PictureButton.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSet>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>
#include <QCoreApplication>

#include <algorithm>

namespace tarnby::ui {
namespace {

// Wide enough for a grid's 31 days and what stands beside them.
constexpr int kPreviewColumns = 48;
const QColor kSkippedText(192, 0, 0);

QString askWithDialog(QWidget* parent)
{
    return QFileDialog::getOpenFileName(parent, QCoreApplication::translate("DetectDialog", "选择考勤机导出的文件"), QString(),
                                        QCoreApplication::translate("DetectDialog", "考勤记录 (*.xls *.xlsx *.xlsm *.csv *.dat);;所有文件 (*)"));
}

DetectDialog::FileAsker& fileAsker()
{
    static DetectDialog::FileAsker asker = askWithDialog;
    return asker;
}

PictureButton* button(const QString& name, const QString& caption, QWidget* parent)
{
    auto b = new PictureButton(PictureButton::Kind::Action, parent);
    b->setObjectName(name);
    b->setCaption(caption);
    // a layout would shrink a widget that gives no size hint
    b->setFixedSize(b->size());
    return b;
}

} // namespace

DetectDialog::FileAsker DetectDialog::setFileAsker(FileAsker asker)
{
    FileAsker previous = fileAsker();
    fileAsker() = asker ? std::move(asker) : FileAsker(askWithDialog);
    return previous;
}

DetectDialog::DetectDialog(const ReadPosition& position, QWidget* parent, Clock clock)
    : QDialog(parent)
    , position_(position)
    , clock_(std::move(clock))
{
    setObjectName(QStringLiteral("detectDialog"));
    setWindowTitle(QCoreApplication::translate("DetectDialog", "自动识别考勤记录的格式"));
    setSizeGripEnabled(true);
    resize(860, 520);

    fileLabel = new QLabel(QCoreApplication::translate("DetectDialog", "请选择考勤机导出的文件（xls、xlsx、xlsm、csv、dat）。"), this);
    fileLabel->setObjectName(QStringLiteral("detectFile"));
    layoutLabel = new QLabel(this);
    layoutLabel->setObjectName(QStringLiteral("detectLayout"));
    layoutLabel->setWordWrap(true);
    QFont bold = layoutLabel->font();
    bold.setBold(true);
    layoutLabel->setFont(bold);

    cells = new QTableWidget(this);
    cells->setObjectName(QStringLiteral("detectCells"));
    cells->setAccessibleName(QCoreApplication::translate("DetectDialog", "文件的前几行"));
    cells->setEditTriggers(QAbstractItemView::NoEditTriggers);
    cells->setWordWrap(true);
    cells->verticalHeader()->setDefaultSectionSize(20);
    cells->horizontalHeader()->setDefaultSectionSize(72);

    auto legend = new QLabel(this);
    legend->setText(QCoreApplication::translate("DetectDialog", "<span style='background:%1'>&nbsp;工号&nbsp;</span> "
                                   "<span style='background:%2'>&nbsp;姓名&nbsp;</span> "
                                   "<span style='background:%3'>&nbsp;日期时间、日期&nbsp;</span> "
                                   "<span style='background:%4'>&nbsp;打卡时间&nbsp;</span> "
                                   "<span style='color:%5'>红字：跳过的行</span>")
                        .arg(roleColour(ColumnRole::Number).name(), roleColour(ColumnRole::Name).name(),
                             roleColour(ColumnRole::DateTime).name(), roleColour(ColumnRole::Time).name(),
                             kSkippedText.name()));

    chooseButton = button(QStringLiteral("detectChoose"), QCoreApplication::translate("DetectDialog", "选择"), this);
    putButton = button(QStringLiteral("detectPut"), QCoreApplication::translate("DetectDialog", "填入"), this);
    putButton->setToolTip(QCoreApplication::translate("DetectDialog", "把找到的工号和日期时间单元格填入数据读取位置，再点“保存”"));
    putButton->setEnabled(false);
    connect(chooseButton, &PictureButton::released, this, &DetectDialog::ChooseFile);
    connect(putButton, &PictureButton::released, this, &DetectDialog::PutIntoBoxes);
    connect(&watcher_, &QFutureWatcher<ExportPreview>::finished, this, [this] {
        preview_ = watcher_.result();
        showPreview();
    });

    auto top = new QHBoxLayout;
    top->addWidget(fileLabel, 1);
    top->addWidget(new QLabel(QCoreApplication::translate("DetectDialog", "选择文件 -->"), this));
    top->addWidget(chooseButton);
    auto bottom = new QHBoxLayout;
    bottom->addWidget(legend, 1);
    bottom->addWidget(new QLabel(QCoreApplication::translate("DetectDialog", "填入读取位置 -->"), this));
    bottom->addWidget(putButton);
    auto layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(layoutLabel);
    layout->addWidget(cells, 1);
    layout->addLayout(bottom);
    setTabOrder(chooseButton, cells);
    setTabOrder(cells, putButton);
}

DetectDialog::~DetectDialog()
{
    watcher_.waitForFinished();
}

QColor DetectDialog::roleColour(ColumnRole role)
{
    switch (role) {
    case ColumnRole::Number: return QColor(255, 221, 140);
    case ColumnRole::Name: return QColor(222, 222, 222);
    case ColumnRole::DateTime:
    case ColumnRole::Date:
    case ColumnRole::Day: return QColor(176, 220, 255);
    case ColumnRole::Time: break;
    }
    return QColor(190, 240, 190);
}

QString DetectDialog::layoutLine(const FileReadReport& report)
{
    if (report.failed && report.readError != ReadError::None)
        return QCoreApplication::translate("DetectDialog", "无法读取：") + readErrorText(report.readError);
    QString line = layoutText(report.layout);
    if (report.layout == ExportLayout::Header)
        line += QCoreApplication::translate("DetectDialog", "（%1）").arg(headerShapeText(report.shape));
    if (!report.sheetName.isEmpty())
        line += QCoreApplication::translate("DetectDialog", "，工作表“%1”").arg(report.sheetName);
    line += QCoreApplication::translate("DetectDialog", "，%1 条打卡记录").arg(report.records);
    if (!report.skipped.isEmpty())
        line += QCoreApplication::translate("DetectDialog", "，跳过 %1 行").arg(report.skipped.size());
    if (report.failed)
        line += QCoreApplication::translate("DetectDialog", "；第%1行不是考勤记录").arg(rowName(report.failedRow));
    return line;
}

void DetectDialog::ChooseFile()
{
    if (isReading())
        return;
    const QString path = fileAsker()(this);
    if (!path.isEmpty())
        detect(path);
}

void DetectDialog::detect(const QString& path)
{
    if (isReading())
        return;
    fileLabel->setText(QFileInfo(path).fileName());
    fileLabel->setToolTip(path);
    layoutLabel->setText(QCoreApplication::translate("DetectDialog", "正在读取，请稍候！"));
    cells->clear();
    cells->setRowCount(0);
    cells->setColumnCount(0);
    putButton->setEnabled(false);
    chooseButton->setEnabled(false);
    const QDate today = clock_().date();
    watcher_.setFuture(QtConcurrent::run([path, position = position_, today] {
        return previewExport(path, position, today, kPreviewRows);
    }));
}

void DetectDialog::showPreview()
{
    const FileReadReport& report = preview_.read.report;
    const Sheet& sheet = preview_.sheet;
    chooseButton->setEnabled(true);
    layoutLabel->setText(layoutLine(report));
    const int rows = sheet.rowCount();
    const int columns = std::min(sheet.columnCount(), kPreviewColumns);
    cells->setRowCount(rows);
    cells->setColumnCount(columns);
    QStringList letters;
    for (int c = 0; c < columns; ++c)
        letters << columnName(c);
    cells->setHorizontalHeaderLabels(letters);

    // A row passed over is red as a whole; an unreadable time alone in its cell.
    QSet<std::pair<int, int>> skippedCells;
    for (const SkippedRow& skipped : report.skipped)
        skippedCells.insert({skipped.row, skipped.column});
    // A grid's columns hold punches only below its day row; a table's below its header.
    const int firstMarked = report.headerRow >= 0 ? report.headerRow : report.firstRow;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            const QString text = previewText(sheet.cell(r, c));
            auto item = new QTableWidgetItem(text);
            if (r == report.headerRow) {
                QFont f = item->font();
                f.setBold(true);
                item->setFont(f);
            }
            if (skippedCells.contains({r, -1}) || skippedCells.contains({r, c}))
                item->setForeground(kSkippedText);
            cells->setItem(r, c, item);
        }
    }
    if (report.layout == ExportLayout::Grid)
        markGrid(report, rows, columns);
    else if (report.recognised() || report.layout == ExportLayout::Configured) {
        for (const ColumnUse& use : report.columns) {
            if (use.column >= columns)
                continue;
            for (int r = firstMarked; r < rows; ++r)
                cells->item(r, use.column)->setBackground(roleColour(use.role));
        }
    }
    // Every punch of a cell shows, one a line, as the clock stacks them.
    cells->resizeColumnsToContents();
    for (int c = 0; c < columns; ++c)
        cells->setColumnWidth(c, std::min(cells->columnWidth(c), 170));
    cells->resizeRowsToContents();
    if (report.headerRow >= 0 && report.headerRow < rows)
        cells->scrollToItem(cells->item(report.headerRow, 0), QAbstractItemView::PositionAtTop);
    putButton->setEnabled(report.suggestedPosition().has_value());
    emit shown();
}

void DetectDialog::markGrid(const FileReadReport& report, int rows, int columns)
{
    // An employee's row holds "工号：" and the number; the row under it the day's times.
    auto isNumberRow = [&](int r) {
        for (int c = 0; c < columns; ++c) {
            QString text = cells->item(r, c)->text();
            text.remove(u' ').remove(u':').remove(u'：');
            if (text == QStringLiteral("工号"))
                return true;
        }
        return false;
    };
    for (int r = report.headerRow; r >= 0 && r < rows; ++r) {
        const bool numbers = r > report.headerRow && isNumberRow(r);
        const bool times = r > report.headerRow + 1 && isNumberRow(r - 1);
        for (const ColumnUse& use : report.columns) {
            if (use.column >= columns)
                continue;
            if (use.role == ColumnRole::Day && r == report.headerRow)
                cells->item(r, use.column)->setBackground(roleColour(ColumnRole::Day));
            else if (use.role == ColumnRole::Day && times)
                cells->item(r, use.column)->setBackground(roleColour(ColumnRole::Time));
            else if ((use.role == ColumnRole::Number || use.role == ColumnRole::Name) && numbers)
                cells->item(r, use.column)->setBackground(roleColour(use.role));
        }
    }
}

void DetectDialog::PutIntoBoxes()
{
    const std::optional<ReadPosition> found = preview_.read.report.suggestedPosition();
    if (!found)
        return;
    emit positionChosen(*found);
    accept();
}

} // namespace tarnby::ui
