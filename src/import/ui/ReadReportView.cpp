#include "ReadReportView.h"

#include "base/EmployeeNumber.h"
#include "base/TextFile.h"
#include "settings/ConfigFile.h"
#include "settings/SettingsBoxRules.h"
#include "widgets/MessageSeam.h"
#include "widgets/PictureButton.h"
#include "widgets/SaveQuestion.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSet>
#include <QTableWidget>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QCoreApplication>

namespace tarnby::ui {
namespace {

const QColor kFailedColour(192, 0, 0);
const QColor kSkippedColour(160, 90, 0);

QString fileLayoutText(const FileReadReport& file)
{
    if (file.failed)
        return QCoreApplication::translate("ReadReportView", "读取失败");
    if (file.layout == ExportLayout::Header)
        return layoutText(file.layout) + QCoreApplication::translate("ReadReportView", "：") + headerShapeText(file.shape);
    return layoutText(file.layout);
}

QString skippedCellText(const SkippedRow& row)
{
    QString where = QCoreApplication::translate("ReadReportView", "第%1行").arg(rowName(row.row));
    if (row.column >= 0)
        where += u' ' + QCoreApplication::translate("ReadReportView", "%1列").arg(columnName(row.column));
    return where;
}

void colour(QTreeWidgetItem* item, const QColor& c)
{
    for (int column = 0; column < item->columnCount(); ++column)
        item->setForeground(column, c);
}

} // namespace

ReadReportView::ReadReportView(const QString& programDir, QWidget* parent)
    : QWidget(parent)
    , programDir_(programDir)
{
    setObjectName(QStringLiteral("readReport"));
    files = new QTreeWidget(this);
    files->setObjectName(QStringLiteral("readReportFiles"));
    files->setAccessibleName(QCoreApplication::translate("ReadReportView", "读取的文件"));
    files->setHeaderLabels({QCoreApplication::translate("ReadReportView", "文件"), QCoreApplication::translate("ReadReportView", "读取方式"), QCoreApplication::translate("ReadReportView", "记录数"),
                            QCoreApplication::translate("ReadReportView", "跳过"), QCoreApplication::translate("ReadReportView", "位置")});
    files->setRootIsDecorated(true);
    files->setUniformRowHeights(true);
    files->setColumnWidth(kFileColumn, 170);
    files->setColumnWidth(kLayoutColumn, 230);
    files->setColumnWidth(kRecordsColumn, 56);
    files->setColumnWidth(kSkippedColumn, 44);

    hints = new QLabel(this);
    hints->setObjectName(QStringLiteral("readReportHints"));
    hints->setWordWrap(true);
    hints->setStyleSheet(QStringLiteral("color: rgb(192, 64, 0);"));
    hints->hide();

    numbersCaption = new QLabel(this);
    numbersCaption->setObjectName(QStringLiteral("readReportNumbersCaption"));
    numbersCaption->setWordWrap(true);
    numbers = new QTableWidget(0, 3, this);
    numbers->setObjectName(QStringLiteral("readReportNumbers"));
    numbers->setAccessibleName(QCoreApplication::translate("ReadReportView", "工号与打卡记录"));
    numbers->setHorizontalHeaderLabels({QCoreApplication::translate("ReadReportView", "工号"), QCoreApplication::translate("ReadReportView", "姓名"), QCoreApplication::translate("ReadReportView", "打卡记录")});
    numbers->verticalHeader()->hide();
    numbers->verticalHeader()->setDefaultSectionSize(20);
    numbers->horizontalHeader()->setStretchLastSection(true);
    numbers->setColumnWidth(kNumberColumn, 80);
    numbers->setColumnWidth(kNameColumn, 90);
    numbers->setMinimumWidth(250);
    numbers->setToolTip(QCoreApplication::translate("ReadReportView", "姓名可以修改；没有姓名的员工请先填写姓名"));
    addButton = new PictureButton(PictureButton::Kind::Action, this);
    addButton->setObjectName(QStringLiteral("readReportAdd"));
    addButton->setCaption(QCoreApplication::translate("ReadReportView", "添加"));
    addButton->setFixedSize(addButton->size());
    addButton->setToolTip(QCoreApplication::translate("ReadReportView", "将表中的工号和姓名添加到员工编号列表并保存"));
    connect(addButton, &PictureButton::released, this, &ReadReportView::AddToRoster);

    auto numbersSide = new QVBoxLayout;
    numbersSide->addWidget(numbersCaption);
    numbersSide->addWidget(numbers, 1);
    auto addRow = new QHBoxLayout;
    addRow->addStretch();
    addRow->addWidget(new QLabel(QCoreApplication::translate("ReadReportView", "添加到员工列表 -->"), this));
    addRow->addWidget(addButton);
    numbersSide->addLayout(addRow);
    auto filesSide = new QVBoxLayout;
    filesSide->addWidget(files, 1);
    filesSide->addWidget(hints);
    auto layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(filesSide, 1);
    layout->addLayout(numbersSide, 0);
}

QString ReadReportView::whereText(const FileReadReport& file)
{
    if (file.failed) {
        if (file.readError != ReadError::None)
            return readErrorText(file.readError);
        return QCoreApplication::translate("ReadReportView", "第%1行不是考勤记录，请检查数据读取位置").arg(rowName(file.failedRow));
    }
    QStringList parts;
    if (!file.sheetName.isEmpty())
        parts << QCoreApplication::translate("ReadReportView", "工作表“%1”").arg(file.sheetName);
    if (file.layout == ExportLayout::Grid) {
        parts << QCoreApplication::translate("ReadReportView", "考勤期间 %1 至 %2，第%3行为日期")
                     .arg(file.periodFirst.toString(u"yyyy-MM-dd"), file.periodLast.toString(u"yyyy-MM-dd"),
                          QString::number(rowName(file.headerRow)));
    } else if (file.headerRow >= 0) {
        parts << QCoreApplication::translate("ReadReportView", "第%1行表头").arg(rowName(file.headerRow));
    } else {
        parts << QCoreApplication::translate("ReadReportView", "从第%1行起").arg(rowName(file.firstRow));
    }
    QStringList columns;
    int days = 0;
    for (const ColumnUse& use : file.columns) {
        if (use.role == ColumnRole::Day)
            ++days;
        else
            columns << QCoreApplication::translate("ReadReportView", "%1列 %2").arg(columnName(use.column), use.header.isEmpty() ? roleText(use.role) : use.header);
    }
    if (days > 0)
        columns << QCoreApplication::translate("ReadReportView", "%1 个日期列").arg(days);
    if (!columns.isEmpty())
        parts << columns.join(QCoreApplication::translate("ReadReportView", "，"));
    return parts.join(QCoreApplication::translate("ReadReportView", "；"));
}

QString ReadReportView::hintText(const FileReadReport& file)
{
    if (file.punchAboveStart < 0)
        return {};
    return QCoreApplication::translate("ReadReportView", "“%1”第%2行也像是一条打卡记录，但读取从第%3行开始，这一行没有读入；"
                          "文件如果没有表头，请把数据读取位置改到第%2行。")
        .arg(QFileInfo(file.path).fileName(), QString::number(rowName(file.punchAboveStart)),
             QString::number(rowName(file.firstRow)));
}

QString ReadReportView::summaryText(const FolderReadReport& report)
{
    int records = 0, skipped = 0, recognised = 0;
    for (const FileReadReport& file : report.files) {
        records += file.records;
        skipped += int(file.skipped.size());
        recognised += file.recognised() ? 1 : 0;
    }
    QString text = QCoreApplication::translate("ReadReportView", "%1 个文件 %2 条").arg(report.files.size()).arg(records);
    if (recognised > 0)
        text += QCoreApplication::translate("ReadReportView", "，识别 %1 个").arg(recognised);
    if (skipped > 0)
        text += QCoreApplication::translate("ReadReportView", "，跳过 %1 行").arg(skipped);
    if (!report.unregistered.isEmpty())
        text += QCoreApplication::translate("ReadReportView", "，%1 个工号未登记").arg(report.unregistered.size());
    return text;
}

void ReadReportView::showReport(const FolderReadReport& report)
{
    report_ = report;
    files->clear();
    QStringList hintLines;
    for (const FileReadReport& file : report.files) {
        auto item = new QTreeWidgetItem(files, {QFileInfo(file.path).fileName(), fileLayoutText(file),
                                                QString::number(file.records), QString::number(file.skipped.size()),
                                                whereText(file)});
        item->setToolTip(kFileColumn, file.path);
        item->setToolTip(kWhereColumn, item->text(kWhereColumn));
        if (file.failed)
            colour(item, kFailedColour);
        for (qsizetype s = 0; s < file.skipped.size() && s < kShownSkippedRows; ++s) {
            const SkippedRow& row = file.skipped.at(s);
            auto child = new QTreeWidgetItem(item, {skippedCellText(row), skipReasonText(row.reason), QString(), QString(),
                                                    row.text.isEmpty() ? QString() : QStringLiteral("“%1”").arg(row.text)});
            colour(child, kSkippedColour);
        }
        if (file.skipped.size() > kShownSkippedRows)
            new QTreeWidgetItem(item, {QCoreApplication::translate("ReadReportView", "另有 %1 行").arg(file.skipped.size() - kShownSkippedRows)});
        if (const QString hint = hintText(file); !hint.isEmpty())
            hintLines << hint;
    }
    hints->setText(hintLines.join(u'\n'));
    hints->setVisible(!hintLines.isEmpty());

    numbers->setRowCount(0);
    for (const UnregisteredNumber& unknown : report.unregistered) {
        const int row = numbers->rowCount();
        numbers->insertRow(row);
        auto number = new QTableWidgetItem(unknown.number);
        number->setFlags(number->flags() & ~Qt::ItemIsEditable);
        auto records = new QTableWidgetItem(QString::number(unknown.records));
        records->setFlags(records->flags() & ~Qt::ItemIsEditable);
        numbers->setItem(row, kNumberColumn, number);
        numbers->setItem(row, kNameColumn, new QTableWidgetItem(unknown.name));
        numbers->setItem(row, kNumberRecordsColumn, records);
    }
    numbersCaption->setText(report.unregistered.isEmpty()
                                ? QCoreApplication::translate("ReadReportView", "打卡的工号都已在员工编号列表中。")
                                : QCoreApplication::translate("ReadReportView", "以下 %1 个工号不在员工编号列表中：").arg(report.unregistered.size()));
    addButton->setEnabled(!report.unregistered.isEmpty());
}

void ReadReportView::AddToRoster()
{
    if (numbers->rowCount() == 0)
        return;
    // Moving the current cell away commits a name still being typed: it is what the user sees.
    numbers->setCurrentIndex(QModelIndex());
    auto refuse = [this](const QString& text) {
        showMessage(window(), {kProgramTitle, text + QCoreApplication::translate("ReadReportView", "没有添加任何员工。"), MessageIcon::Warning});
    };
    const Result<QList<PickerEntry>> roster = config::LoadRosterList(programDir_);
    if (!roster) {
        showOutcome(window(), Outcome::error(roster.error()));
        return;
    }
    // The other window's report may have added some of the numbers meanwhile.
    QSet<QString> known;
    for (const PickerEntry& entry : roster.value())
        known.insert(pickerKey(entry.number));
    QList<PickerEntry> added;
    for (int row = 0; row < numbers->rowCount(); ++row) {
        const QString number = numbers->item(row, kNumberColumn)->text().toUpper();
        const QString name = numbers->item(row, kNameColumn)->text().trimmed();
        if (known.contains(pickerKey(number)))
            continue;
        if (const settingsbox::EntryCheck check = settingsbox::checkEntry(number, name); !check.ok()) {
            refuse(QCoreApplication::translate("ReadReportView", "工号“%1”：%2").arg(number, check.message));
            return;
        }
        if (!textfile::fitsGbk(number) || !textfile::fitsGbk(name)) {
            refuse(QCoreApplication::translate("ReadReportView", "工号“%1”的姓名“%2”中有员工编号列表无法保存的字符，请在表中修改后再试。").arg(number, name));
            return;
        }
        added.append(PickerEntry{number, name});
    }
    SettingsPageData page;
    page.rosterList = roster.value() + added;
    // A conflict reloads nothing here: the roster is read afresh at the next
    // press, which skips the numbers it has gained.
    const Outcome saved = saveAsking(
        window(), [&] { return config::SaveSettings(programDir_, ConfigSection::Roster, page); }, [] {});
    showOutcome(window(), saved);
    if (!saved.ok())
        return;
    report_.unregistered.clear();
    numbers->setRowCount(0);
    numbersCaption->setText(QCoreApplication::translate("ReadReportView", "已添加 %1 个员工到员工编号列表。").arg(added.size()));
    addButton->setEnabled(false);
    emit rosterChanged();
}

ReadReportDialog::ReadReportDialog(const QString& programDir, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("readReportDialog"));
    setWindowTitle(QCoreApplication::translate("ReadReportView", "读取报告"));
    setSizeGripEnabled(true);
    resize(1060, 360);
    view = new ReadReportView(programDir, this);
    auto layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(view);
}

} // namespace tarnby::ui
