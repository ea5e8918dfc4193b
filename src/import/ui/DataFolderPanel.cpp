#include "DataFolderPanel.h"

#include "FolderTextBox.h"
#include "Form2.h"
#include "ReadReportView.h"
#include "widgets/MessageSeam.h"
#include "widgets/PictureButton.h"

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>
#include <QtConcurrent/QtConcurrentRun>
#include <QCoreApplication>

namespace tarnby::ui {
namespace {

const char* const kIdleCaption = QT_TRANSLATE_NOOP("DataFolderPanel", "选择考勤所在目录：");
const char* const kReadingCaption = QT_TRANSLATE_NOOP("DataFolderPanel", "正在读取，请稍候！");
const QColor kIdleColour(0, 162, 203);
const QColor kReadingColour(192, 64, 0);
// Every export the import reads; said where the folder is chosen, since the
// clock may save its punches in any of them.
const char* const kFormatsHint = QT_TRANSLATE_NOOP("DataFolderPanel", "可读取 xls、xlsx、xlsm、csv、dat 文件");

QString text(const char* source)
{
    return QCoreApplication::translate("DataFolderPanel", source);
}

QLabel* whiteLabel(const QString& text, QWidget* parent)
{
    auto label = new QLabel(text, parent);
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, Qt::white);
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(255, 230, 210));
    label->setPalette(p);
    return label;
}

PictureButton* actionButton(int number, const QString& caption, QWidget* parent)
{
    auto button = new PictureButton(PictureButton::Kind::Action, parent);
    button->setObjectName(QStringLiteral("bnPic(%1)").arg(number));
    button->setCaption(caption);
    return button;
}

} // namespace

DataFolderPanel::~DataFolderPanel()
{
    watcher_.waitForFinished();
}

DataFolderPanel::DataFolderPanel(const QString& programDir, PunchTable& table, QWidget* parent)
    : QFrame(parent)
    , programDir_(programDir)
    , table_(table)
{
    setObjectName(QStringLiteral("cxPic"));
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    resize(282, 176);

    cnLab8 = whiteLabel(text(kIdleCaption), this);
    cnLab8->setObjectName(QStringLiteral("cnLab(8)"));
    QFont bold = cnLab8->font();
    bold.setBold(true);
    cnLab8->setFont(bold);
    cnLab8->setGeometry(10, 8, 262, 18);

    cTxt = new FolderTextBox(this);
    cTxt->setObjectName(QStringLiteral("cTxt"));
    cTxt->setText(QStringLiteral(".\\Source\\"));
    cTxt->setGeometry(10, 30, 200, 22);

    bnPic12 = actionButton(kBrowseButton, QCoreApplication::translate("DataFolderPanel", "浏览"), this);
    bnPic12->move(218, 31);

    auto readLabel = whiteLabel(QCoreApplication::translate("DataFolderPanel", "读取文件夹数据 -->"), this);
    readLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    readLabel->setGeometry(10, 62, 200, 21);
    bnPic13 = actionButton(kReadButton, QCoreApplication::translate("DataFolderPanel", "读取"), this);
    bnPic13->move(218, 62);

    auto closeLabel = whiteLabel(QCoreApplication::translate("DataFolderPanel", "点击关闭 -->"), this);
    closeLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    closeLabel->setGeometry(10, 90, 200, 21);
    bnPic14 = actionButton(kCloseButton, QCoreApplication::translate("DataFolderPanel", "关闭"), this);
    bnPic14->move(218, 90);

    cxStatus = whiteLabel(QString(), this);
    cxStatus->setObjectName(QStringLiteral("cxStatus"));
    cxStatus->setGeometry(10, 116, 262, 14);
    QFont small = cxStatus->font();
    small.setPixelSize(11);
    cxStatus->setFont(small);

    // In the status line's place while no read runs.
    cxFormats = whiteLabel(text(kFormatsHint), this);
    cxFormats->setObjectName(QStringLiteral("cxFormats"));
    cxFormats->setGeometry(cxStatus->geometry());
    cxFormats->setFont(small);
    cTxt->setToolTip(QCoreApplication::translate("DataFolderPanel", "考勤记录所在的文件夹；") + text(kFormatsHint)
                     + QCoreApplication::translate("DataFolderPanel", "：每行一条打卡记录的表格，考勤机的月报表，带表头的考勤表，无表头的原始记录"));

    cxBar = new QProgressBar(this);
    cxBar->setObjectName(QStringLiteral("cxBar"));
    cxBar->setGeometry(10, 132, 262, 10);
    cxBar->setTextVisible(false);
    cxBar->hide();

    cxReport = whiteLabel(QString(), this);
    cxReport->setObjectName(QStringLiteral("cxReport"));
    cxReport->setGeometry(10, 150, 204, 18);
    cxReport->setFont(small);
    bnReport = actionButton(15, QCoreApplication::translate("DataFolderPanel", "报告"), this);
    bnReport->setObjectName(QStringLiteral("bnReport"));
    bnReport->setToolTip(QCoreApplication::translate("DataFolderPanel", "每个文件的读取方式、记录数、跳过的行和未登记的工号"));
    bnReport->move(218, 148);
    bnReport->setEnabled(false);

    connect(bnPic12, &PictureButton::released, this, &DataFolderPanel::Browse);
    connect(bnPic13, &PictureButton::released, this, &DataFolderPanel::ReadFolderRecords);
    connect(bnReport, &PictureButton::released, this, &DataFolderPanel::ShowReadReport);
    connect(this, &DataFolderPanel::progressReported, this, &DataFolderPanel::showProgress, Qt::QueuedConnection);
    connect(&watcher_, &QFutureWatcher<ImportOutcome>::finished, this, [this] {
        finishRead(watcher_.result(), readingTable_.get());
    });

    setReadingLook(false);
    hide();
}

QString DataFolderPanel::expandFolderText(const QString& text, const QString& programDir)
{
    if (!text.startsWith(QLatin1String(".\\")))
        return text;
    return QDir::toNativeSeparators(QDir(programDir).absoluteFilePath(QStringLiteral("Source")) + u'/');
}

void DataFolderPanel::OpenPanel()
{
    show();
    raise();
    cTxt->setText(expandFolderText(cTxt->text(), programDir_));
}

void DataFolderPanel::ClosePanel()
{
    hide();
}

void DataFolderPanel::Browse()
{
    Form2 picker(cTxt->text(), programDir_, window());
    if (picker.exec() == QDialog::Accepted)
        cTxt->setText(picker.currentFolder());
}

void DataFolderPanel::setReadingLook(bool reading)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, reading ? kReadingColour : kIdleColour);
    // The disabled look keeps the state's colour: the panel is disabled while it reads.
    p.setColor(QPalette::Disabled, QPalette::Window, reading ? kReadingColour : kIdleColour);
    setPalette(p);
    cnLab8->setText(text(reading ? kReadingCaption : kIdleCaption));
    setEnabled(!reading);
    cxBar->setVisible(reading);
    cxStatus->setVisible(reading);
    cxFormats->setVisible(!reading);
    if (!reading)
        cxStatus->clear();
}

void DataFolderPanel::showProgress(const ImportProgress& progress)
{
    if (!reading_)
        return;
    if (progress.workbookCount > 1) {
        cxBar->setRange(0, progress.workbookCount);
        cxBar->setValue(progress.workbook);
    } else {
        cxBar->setRange(0, 0);
    }
    cxStatus->setText(progressText(progress));
}

QString DataFolderPanel::progressText(const ImportProgress& progress)
{
    // One arg() call: a file name may hold "%4" itself.
    return QCoreApplication::translate("DataFolderPanel", "第 %1/%2 个文件 %3，已读 %4 条")
        .arg(QString::number(progress.workbook + 1), QString::number(progress.workbookCount),
             QFileInfo(progress.workbookPath).fileName(), QString::number(progress.records));
}

void DataFolderPanel::ReadFolderRecords()
{
    if (reading_)
        return;
    const QString folder = cTxt->text();
    // Listing the folder is quick; with nothing to read (or no folder) the
    // read is over at once: no reading state, no worker.
    if (listWorkbooks(folder).isEmpty()) {
        PunchTable read;
        reading_ = true;
        finishRead(tarnby::ReadFolderRecords(programDir_, folder, read), &read);
        return;
    }
    reading_ = true;
    setReadingLook(true);
    readingTable_ = std::make_unique<PunchTable>();
    watcher_.setFuture(QtConcurrent::run(
        [this, programDir = programDir_, folder, read = readingTable_.get()] {
            return tarnby::ReadFolderRecords(programDir, folder, *read, [this](const ImportProgress& progress) {
                emit progressReported(progress);
            });
        }));
}

void DataFolderPanel::finishRead(const ImportOutcome& outcome, PunchTable* read)
{
    // A setup error has read nothing and leaves the table as it was; any
    // other end replaces it, as far as the read went.
    if (outcome.kind != ImportOutcome::Kind::SetupError)
        table_ = std::move(*read);
    readingTable_.reset();
    setReadingLook(false);
    reading_ = false;
    if (outcome.kind != ImportOutcome::Kind::SetupError) {
        lastReport_ = outcome.report;
        cxReport->setText(ReadReportView::summaryText(lastReport_));
        cxReport->setToolTip(cxReport->text());
        bnReport->setEnabled(!lastReport_.files.isEmpty());
        if (reportDialog)
            reportDialog->view->showReport(lastReport_);
    }
    if (outcome.hasMessage()) {
        Message message{outcome.title.isEmpty() ? kProgramTitle : outcome.title, outcome.text};
        if (outcome.kind == ImportOutcome::Kind::ReadError)
            message.icon = MessageIcon::Critical;
        showMessage(window(), message);
    }
    emit readFinished(outcome);
}

ReadReportDialog* DataFolderPanel::ShowReadReport()
{
    if (!reportDialog) {
        reportDialog = new ReadReportDialog(programDir_, window());
        connect(reportDialog->view, &ReadReportView::rosterChanged, this, &DataFolderPanel::rosterChanged);
        reportDialog->view->showReport(lastReport_);
    }
    reportDialog->show();
    reportDialog->raise();
    return reportDialog;
}

ImportOutcome DataFolderPanel::readAndWait()
{
    ImportOutcome outcome;
    QEventLoop loop;
    bool finished = false;
    const auto connection = connect(this, &DataFolderPanel::readFinished, &loop,
                                    [&](const ImportOutcome& ended) {
                                        outcome = ended;
                                        finished = true;
                                        loop.quit();
                                    });
    ReadFolderRecords();
    if (!finished && reading_)
        loop.exec();
    disconnect(connection);
    return outcome;
}

} // namespace tarnby::ui
