#include "base/TextFile.h"
#include "analysis/ui/AnalysisPage.h"
#include "import/ui/DataFolderPanel.h"
#include "import/ui/FolderTextBox.h"
#include "report/ui/SummaryChart.h"
#include "report/ui/SummaryDialog.h"
#include "report/ui/SummaryModel.h"
#include "shell/Form1.h"
#include "widgets/MessageSeam.h"
#include "widgets/PictureButton.h"
#include "widgets/PictureComboBox.h"
#include "support/ProgramFolder.h"
#include "support/TestPaths.h"
#include "support/WindowSupport.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QProgressBar>
#include <QSemaphore>
#include <QSignalSpy>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <atomic>
#include <unistd.h>

using namespace tarnby;
using namespace tarnby::ui;

namespace {

using Recorder = testsupport::MessageRecorder;
using testsupport::leftClick;
using testsupport::sampleFolder;

struct FileNames {
    explicit FileNames(QString answer)
    {
        previous = SummaryDialog::setFileNameAsker([this, answer](QWidget*, const QString& suggested, const QString&) {
            asked.append(suggested);
            return answer;
        });
    }
    ~FileNames() { SummaryDialog::setFileNameAsker(previous); }
    SummaryDialog::FileNameAsker previous;
    QStringList asked;
};

// The window with the sample month read, November month-start style.
struct SampleWindow {
    SampleWindow()
        : window(program.path(), [] { return QDateTime(QDate(2026, 12, 9), QTime(9, 0)); })
    {
        window.show();
        page = window.analysisPage;
        window.SwitchPage(2);
        page->OpenDataFolderPanel();
        page->cxPic->cTxt->setText(sampleFolder());
        page->cxPic->readAndWait();
        page->CloseDataFolderPanel();
    }
    // Clicks 汇总 and waits for the table.
    SummaryDialog* openSummary()
    {
        leftClick(page->summaryButton);
        if (!page->summary)
            return nullptr;
        if (page->summary->isBuilding()) {
            QSignalSpy ended(page->summary, &SummaryDialog::buildEnded);
            if (!ended.wait(120000))
                return nullptr;
        }
        return page->summary;
    }
    testsupport::SampleMonthFolder program;
    Form1 window;
    AnalysisPage* page = nullptr;
};

QString cell(const SummaryDialog* d, int row, int column)
{
    return d->sorted->index(row, column).data().toString();
}

// The statistics panel caption as the summary writes it: "1.5天" is 1.5.
QString captionNumber(QString caption)
{
    if (caption.endsWith(QStringLiteral("天")))
        caption.chop(1);
    return caption;
}

report::EmployeeReport employee(const QString& name, double lateness10, double absence, bool full, report::Fen fine)
{
    report::EmployeeReport e;
    e.employee = name;
    e.values[2] = lateness10;
    e.values[8] = absence;
    e.fullAttendance = full;
    e.fineTotal = fine;
    return e;
}

} // namespace

class TestSummaryDialog : public QObject {
    Q_OBJECT
private slots:
    void tableMatchesThePageEmployeeByEmployee_data();
    void tableMatchesThePageEmployeeByEmployee();
    void sortsNumbersAsNumbers_data();
    void sortsNumbersAsNumbers();
    void subtotalsStayUnderTheirDepartmentWhateverTheSort();
    void doubleClickShowsTheEmployeeOnThePage_data();
    void doubleClickShowsTheEmployeeOnThePage();
    void askingTooEarlySaysSo();
    void exportWritesTheFile_data();
    void exportWritesTheFile();
    void failingExportKeepsTheOldFile_data();
    void failingExportKeepsTheOldFile();
    void printsOnAPrinter();
    void closingDuringTheBuildCancelsIt_data();
    void closingDuringTheBuildCancelsIt();
    void anOutOfDateSummarySaysSoAndRebuilds_data();
    void anOutOfDateSummarySaysSoAndRebuilds();
    void theSignersAreRemembered();
};

void TestSummaryDialog::tableMatchesThePageEmployeeByEmployee_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("mode");
    QTest::newRow("month start, mode 1") << 1 << 1;
    QTest::newRow("mid-month, mode 2") << 2 << 2;
}

void TestSummaryDialog::tableMatchesThePageEmployeeByEmployee()
{
    QFETCH(int, style);
    QFETCH(int, mode);
    Recorder recorder;
    SampleWindow w;
    w.page->chooseStyle(style);
    w.page->chooseTimeMode(mode);
    SummaryDialog* d = w.openSummary();
    QVERIFY(d);
    QVERIFY2(recorder.messages.isEmpty(), qPrintable(recorder.messages.value(0).text));
    QVERIFY(d->isVisible());
    QVERIFY(d->title->text().contains(style == 1 ? QStringLiteral("月初制") : QStringLiteral("月中制")));

    // Every picker entry but the placeholder, once, in picker order.
    QStringList entries;
    for (int i = 0; i < w.page->dCmb[6]->count(); ++i)
        if (!entries.contains(w.page->dCmb[6]->itemText(i)) && !w.page->dCmb[6]->itemText(i).startsWith(QStringLiteral("==")))
            entries.append(w.page->dCmb[6]->itemText(i));
    QCOMPARE(d->sorted->rowCount(), entries.size());
    QVERIFY(entries.size() >= 3);
    bool sawFine = false;
    bool sawNobody = false;
    for (int row = 0; row < entries.size(); ++row) {
        QCOMPARE(cell(d, row, SummaryModel::kEmployeeColumn), entries.at(row));
        w.page->Analyse(entries.at(row));
        // Without a punch the page's zeros would read as a faultless month.
        const bool nobody = w.page->cLV->topLevelItemCount() == 0;
        sawNobody = sawNobody || nobody;
        for (int s = 0; s < report::kNumericStatistics; ++s)
            QCOMPARE(cell(d, row, SummaryModel::kFirstStatisticColumn + s),
                     !nobody ? captionNumber(w.page->ckLab[s]->text()) : s == 0 ? QStringLiteral("本期无打卡记录") : QString());
        QCOMPARE(cell(d, row, SummaryModel::kFullAttendanceColumn), nobody ? QStringLiteral("无") : w.page->ckLab[12]->text());
        // The fines: the penalties of the result list's remarks, summed.
        int yuan = 0;
        for (int r = 0; r < w.page->cLV->topLevelItemCount(); ++r) {
            const QString remark = w.page->cLV->topLevelItem(r)->text(6);
            if (remark.contains(QStringLiteral("罚款5元")))
                yuan += 5;
            if (remark.contains(QStringLiteral("罚款二十元")))
                yuan += 20;
        }
        sawFine = sawFine || yuan > 0;
        QCOMPARE(cell(d, row, SummaryModel::kFineColumn), nobody ? QString() : QString::number(yuan));
    }
    QVERIFY(sawFine);
    QCOMPARE(d->totals->text().contains(QStringLiteral("本期无打卡记录")), sawNobody);
    QVERIFY(d->totals->text().contains(QStringLiteral("罚款合计 25 元")));
    QCOMPARE(d->chart->groups().size(), entries.size());
    QVERIFY(recorder.messages.isEmpty());
}

void TestSummaryDialog::sortsNumbersAsNumbers_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("order");
    QTest::addColumn<QStringList>("expected");
    // Read as text "10" would come before "9" and "2".
    QTest::newRow("lateness ascending") << SummaryModel::kFirstStatisticColumn + 2 << int(Qt::AscendingOrder)
                                        << QStringList{"b", "c", "a"};
    QTest::newRow("lateness descending") << SummaryModel::kFirstStatisticColumn + 2 << int(Qt::DescendingOrder)
                                         << QStringList{"a", "c", "b"};
    QTest::newRow("absence in half days") << SummaryModel::kFirstStatisticColumn + 8 << int(Qt::DescendingOrder)
                                          << QStringList{"c", "a", "b"};
    QTest::newRow("fines in yuan") << int(SummaryModel::kFineColumn) << int(Qt::DescendingOrder)
                                   << QStringList{"b", "a", "c"};
    QTest::newRow("全勤 有 after 无") << int(SummaryModel::kFullAttendanceColumn) << int(Qt::AscendingOrder)
                                    << QStringList{"a", "c", "b"};
    QTest::newRow("employee") << int(SummaryModel::kEmployeeColumn) << int(Qt::DescendingOrder)
                              << QStringList{"c", "b", "a"};
}

void TestSummaryDialog::sortsNumbersAsNumbers()
{
    QFETCH(int, column);
    QFETCH(int, order);
    QFETCH(QStringList, expected);
    SummaryDialog d;
    report::Report r;
    r.employees = {employee("a", 10, 0.5, false, 900), employee("b", 2, 0, true, 10000), employee("c", 9, 1.5, false, 0)};
    d.model->setReport(r);
    // As the Menu key sorts, on the column of the current cell.
    d.table->setCurrentIndex(d.sorted->index(0, column));
    (order == Qt::AscendingOrder ? d.sortAscending : d.sortDescending)->trigger();
    QStringList shown;
    for (int row = 0; row < 3; ++row)
        shown.append(cell(&d, row, SummaryModel::kEmployeeColumn));
    QCOMPARE(shown, expected);
    // The chart follows the table's order.
    QStringList charted;
    for (const SummaryChart::Group& g : d.chart->groups())
        charted.append(g.employee);
    QCOMPARE(charted, expected);
    QCOMPARE(cell(&d, expected.indexOf("b"), SummaryModel::kFineColumn), QStringLiteral("100"));
}

void TestSummaryDialog::subtotalsStayUnderTheirDepartmentWhateverTheSort()
{
    SummaryDialog d;
    report::Report r;
    r.employees = {employee("a", 10, 0.5, false, 900), employee("b", 2, 0, true, 10000), employee("c", 9, 1.5, false, 0)};
    r.employees[0].department = r.employees[2].department = QStringLiteral("生产部");
    r.employees[1].department = QStringLiteral("财务部");
    r.departments = {QStringLiteral("生产部"), QStringLiteral("财务部")};
    d.model->setReport(r);
    d.byDepartment->setChecked(true);
    const QStringList sums = {QStringLiteral("生产部 小计（2人）"), QStringLiteral("财务部 小计（1人）"), QStringLiteral("合计（3人）")};
    for (const Qt::SortOrder order : {Qt::AscendingOrder, Qt::DescendingOrder}) {
        d.table->sortByColumn(SummaryModel::kFirstStatisticColumn + 2, order);
        QStringList shown;
        for (int row = 0; row < d.sorted->rowCount(); ++row)
            shown.append(cell(&d, row, SummaryModel::kEmployeeColumn));
        const QStringList production = order == Qt::AscendingOrder ? QStringList{"c", "a"} : QStringList{"a", "c"};
        const QStringList expected = production + QStringList{sums[0], "b", sums[1], sums[2]};
        QCOMPARE(shown, expected);
        QCOMPARE(cell(&d, 5, SummaryModel::kFirstStatisticColumn + 2), QStringLiteral("21"));
    }
    QCOMPARE(d.chart->groups().size(), 3); // the employees, never a sum
}

void TestSummaryDialog::doubleClickShowsTheEmployeeOnThePage_data()
{
    QTest::addColumn<bool>("byKey");
    QTest::newRow("double-click") << false;
    QTest::newRow("Enter on the row") << true;
}

void TestSummaryDialog::doubleClickShowsTheEmployeeOnThePage()
{
    QFETCH(bool, byKey);
    Recorder recorder;
    SampleWindow w;
    SummaryDialog* d = w.openSummary();
    QVERIFY(d);
    QVERIFY(QTest::qWaitForWindowExposed(d));
    // Sorted, so that the row on screen is not the row of the report.
    d->table->sortByColumn(SummaryModel::kFirstStatisticColumn + 8, Qt::DescendingOrder);
    for (int row : {0, int(d->sorted->rowCount()) - 1}) {
        const QString name = cell(d, row, SummaryModel::kEmployeeColumn);
        const QModelIndex index = d->sorted->index(row, 3);
        d->table->scrollTo(index);
        if (byKey) {
            d->table->setFocus();
            d->table->setCurrentIndex(index);
            QTest::keyClick(d->table, Qt::Key_Return);
        } else {
            QTest::mouseClick(d->table->viewport(), Qt::LeftButton, {}, d->table->visualRect(index).center());
            QTest::mouseDClick(d->table->viewport(), Qt::LeftButton, {}, d->table->visualRect(index).center());
        }
        QCOMPARE(w.page->dCmb[6]->currentText(), name);
        const report::EmployeeReport& shown = d->report().employees.at(d->sorted->mapToSource(index).row());
        QCOMPARE(w.page->cLV->topLevelItemCount(), shown.rows.size());
        for (int s = 0; s < report::kNumericStatistics && !shown.noPunches; ++s)
            QCOMPARE(captionNumber(w.page->ckLab[s]->text()), cell(d, row, SummaryModel::kFirstStatisticColumn + s));
    }
    QVERIFY(d->isVisible());
    QVERIFY(recorder.messages.isEmpty());
}

void TestSummaryDialog::askingTooEarlySaysSo()
{
    Recorder recorder;
    QTemporaryDir dir;
    AnalysisPage page(dir.path());
    page.FillPeriodPickers(QDate(2026, 12, 9));
    leftClick(page.summaryButton);
    QCOMPARE(recorder.messages.size(), 1);
    QVERIFY(recorder.messages[0].text.contains(QStringLiteral("读取")));
    QVERIFY(!page.summary);

    SampleWindow w;
    recorder.messages.clear();
    w.page->FillPeriodPickers(QDate(2027, 1, 10)); // January: no month is chosen
    leftClick(w.page->summaryButton);
    QCOMPARE(recorder.messages.size(), 1);
    QCOMPARE(recorder.messages[0].title, QStringLiteral("错误"));
    QCOMPARE(recorder.messages[0].text, QStringLiteral("请先选择结算的起始年份和月份！"));
    QVERIFY(!w.page->summary);
}

void TestSummaryDialog::exportWritesTheFile_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QByteArray>("head");
    QTest::newRow("xlsx") << "summaryXlsx" << "report.xlsx" << "report.xlsx" << QByteArray("PK");
    QTest::newRow("csv with its BOM") << "summaryCsv" << "report.csv" << "report.csv" << QByteArray("\xEF\xBB\xBF员工");
    QTest::newRow("pdf") << "summaryPdf" << "report.pdf" << "report.pdf" << QByteArray("%PDF");
    QTest::newRow("a name typed without extension") << "summaryCsv" << "月报" << "月报.csv" << QByteArray("\xEF\xBB\xBF");
}

void TestSummaryDialog::exportWritesTheFile()
{
    QFETCH(QString, button);
    QFETCH(QString, typed);
    QFETCH(QString, written);
    QFETCH(QByteArray, head);
    Recorder recorder;
    SampleWindow w;
    SummaryDialog* d = w.openSummary();
    QVERIFY(d);
    QTemporaryDir out;
    FileNames names(QDir(out.path()).filePath(typed));
    QSignalSpy ended(d, &SummaryDialog::workEnded);
    const int width = d->width();
    leftClick(d->findChild<PictureButton*>(button));
    QCOMPARE(names.asked.size(), 1);
    QVERIFY(names.asked[0].contains(QStringLiteral("考勤汇总20261116-20261215")));
    QVERIFY(ended.wait(120000));
    QCOMPARE(d->width(), width); // the message naming the file does not widen the window
    QCOMPARE(recorder.messages.size(), 1);
    QCOMPARE(recorder.messages[0].title, QStringLiteral("完成"));
    QVERIFY(testsupport::bytesOf(QDir(out.path()).filePath(written)).startsWith(head));
    QCOMPARE(QDir(out.path()).entryList(QDir::Files | QDir::Hidden), QStringList{written});
}

void TestSummaryDialog::failingExportKeepsTheOldFile_data()
{
    QTest::addColumn<QString>("why");
    QTest::newRow("read-only folder") << "read-only";
    QTest::newRow("an office suite holds the file") << "locked";
    QTest::newRow("a folder of that name") << "folder";
}

void TestSummaryDialog::failingExportKeepsTheOldFile()
{
    QFETCH(QString, why);
    if (why == QStringLiteral("read-only") && ::geteuid() == 0)
        QSKIP("running as the superuser, who writes into read-only folders: this failure cannot be made");
    Recorder recorder;
    SampleWindow w;
    SummaryDialog* d = w.openSummary();
    QVERIFY(d);
    QTemporaryDir out;
    const QString target = QDir(out.path()).filePath(QStringLiteral("汇总.xlsx"));
    if (why == QStringLiteral("folder")) {
        QVERIFY(QDir(out.path()).mkdir(QStringLiteral("汇总.xlsx")));
    } else {
        QFile old(target);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("the old report");
    }
    if (why == QStringLiteral("locked")) {
        QFile lock(QDir(out.path()).filePath(QStringLiteral(".~lock.汇总.xlsx#")));
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write("someone,host");
    }
    if (why == QStringLiteral("read-only"))
        QVERIFY(QFile::setPermissions(out.path(), QFile::ReadOwner | QFile::ExeOwner));
    FileNames names(target);
    QSignalSpy ended(d, &SummaryDialog::workEnded);
    leftClick(d->xlsxButton);
    QVERIFY(ended.wait(120000));
    QFile::setPermissions(out.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const Outcome outcome = ended[0][0].value<Outcome>();
    QVERIFY(!outcome.ok());
    QCOMPARE(recorder.messages.size(), 1);
    QCOMPARE(recorder.messages[0].title, QStringLiteral("错误"));
    QCOMPARE(recorder.messages[0].icon, MessageIcon::Critical);
    QCOMPARE(recorder.messages[0].text, outcome.text);
    QVERIFY(outcome.text.contains(QStringLiteral("汇总.xlsx")));
    if (why != QStringLiteral("folder"))
        QCOMPARE(testsupport::bytesOf(target), QByteArray("the old report"));
    // Nothing half written is left behind, and the buttons work again.
    QVERIFY(QDir(out.path()).entryList({QStringLiteral(".汇总.xlsx.*")}, QDir::Files | QDir::Hidden).isEmpty());
    QVERIFY(d->xlsxButton->isEnabled());
}

void TestSummaryDialog::printsOnAPrinter()
{
    Recorder recorder;
    SampleWindow w;
    SummaryDialog* d = w.openSummary();
    QVERIFY(d);
    QTemporaryDir out;
    auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(QDir(out.path()).filePath(QStringLiteral("printed.pdf")));
    QSignalSpy ended(d, &SummaryDialog::workEnded);
    d->printTo(printer);
    QVERIFY(!d->pdfButton->isEnabled()); // one job at a time
    QVERIFY(ended.wait(120000));
    printer.reset();
    QCOMPARE(recorder.messages.size(), 1);
    QCOMPARE(recorder.messages[0].title, QStringLiteral("完成"));
    QVERIFY(testsupport::bytesOf(QDir(out.path()).filePath(QStringLiteral("printed.pdf"))).startsWith("%PDF"));
}

void TestSummaryDialog::closingDuringTheBuildCancelsIt_data()
{
    QTest::addColumn<bool>("destroy");
    QTest::newRow("closed") << false;
    QTest::newRow("destroyed") << true;
}

void TestSummaryDialog::closingDuringTheBuildCancelsIt()
{
    QFETCH(bool, destroy);
    // Enough employees that the build is still under way when the dialog goes.
    testsupport::WindowFolder home(false);
    PunchTable punches;
    QList<PickerEntry> entries;
    for (int n = 1; n <= 3000; ++n) {
        const QString number = QStringLiteral("%1").arg(n, 4, 10, QLatin1Char('0'));
        entries.append({number, QStringLiteral("员工")});
        for (int day = 1; day <= 28; day += 3)
            punches.append(Punch{number, QStringLiteral("2026-11-%1").arg(day, 2, 10, QLatin1Char('0')), "08:20:00"});
    }
    report::ReportSetting setting;
    setting.period.style = kMonthStartStyle;
    setting.period.start = MonthKey{2026, 11};

    Recorder recorder;
    auto d = std::make_unique<SummaryDialog>();
    d->show();
    QSignalSpy ended(d.get(), &SummaryDialog::buildEnded);
    // The worker is held once it has analysed the first employee, however
    // fast the machine; let go with no event handled in between, its end can
    // no longer reach the dialog before the dialog goes.
    QSemaphore reported, resume;
    std::atomic_bool held = false;
    connect(d.get(), &SummaryDialog::buildProgressed, d.get(), [&](int, int) {
        if (!held.exchange(true)) {
            reported.release();
            resume.acquire();
        }
    }, Qt::DirectConnection);
    d->start(home.path(), punches, entries, setting);
    QVERIFY(d->isBuilding());
    QCOMPARE(d->chart->placeholder(), QStringLiteral("正在汇总…"));
    QVERIFY(reported.tryAcquire(1, 60000));
    QTRY_VERIFY(d->progress->value() > 0);
    resume.release();
    if (destroy) {
        d.reset();
    } else {
        d->close();
        QVERIFY(!d->isBuilding());
        QVERIFY(d->report().employees.isEmpty());
        QVERIFY(!d->xlsxButton->isEnabled());
        QCoreApplication::processEvents();
        QCOMPARE(ended.size(), 0);
        // Opened again, it builds afresh.
        entries = entries.mid(0, 5);
        d->start(home.path(), punches, entries, setting);
        d->show();
        QVERIFY(ended.wait(60000));
        QCOMPARE(d->report().employees.size(), 5);
    }
    QVERIFY(recorder.messages.isEmpty());
}

void TestSummaryDialog::anOutOfDateSummarySaysSoAndRebuilds_data()
{
    QTest::addColumn<int>("change");
    QTest::addColumn<QString>("named");
    QTest::newRow("time mode") << 0 << "时间模式";
    QTest::newRow("settlement style") << 1 << "月结制式";
    QTest::newRow("a registration saved") << 2 << "登记";
}

void TestSummaryDialog::anOutOfDateSummarySaysSoAndRebuilds()
{
    QFETCH(int, change);
    QFETCH(QString, named);
    if (!QFileInfo(sampleFolder()).isDir())
        QSKIP("no sample workbooks in dist/Source");
    Recorder recorder;
    SampleWindow w;
    SummaryDialog* d = w.openSummary();
    QVERIFY(d);
    d->checkCurrent();
    QVERIFY(!d->isOutOfDate());
    if (change == 0)
        w.page->chooseTimeMode(2);
    else if (change == 1)
        w.page->chooseStyle(1); // the window opens mid-month
    else
        QVERIFY(textfile::writeLines(QDir(w.program.path()).filePath(QStringLiteral("SrDate/202611.ydj")),
                                     {QStringLiteral("0001##11月18日##张三##看病##病假1天")})
                    .ok());
    d->checkCurrent();
    QVERIFY(d->isOutOfDate());
    QVERIFY2(d->staleText->text().contains(named), qPrintable(d->staleText->text()));
    QVERIFY(!d->staleBar->isHidden());
    QVERIFY(!d->xlsxButton->isEnabled() && !d->printButton->isEnabled());
    QSignalSpy ended(d, &SummaryDialog::buildEnded);
    leftClick(d->rebuildButton);
    QVERIFY(ended.wait(120000));
    d->checkCurrent();
    QVERIFY(!d->isOutOfDate());
    QVERIFY(d->staleBar->isHidden());
    QVERIFY(d->xlsxButton->isEnabled());
    QVERIFY(recorder.messages.isEmpty());
}

void TestSummaryDialog::theSignersAreRemembered()
{
    QTemporaryDir home;
    report::ReportSetting setting;
    setting.period.start = MonthKey{2026, 11};
    {
        SummaryDialog d;
        d.start(home.path(), PunchTable(), {}, setting);
        d.preparedBy->setText(QStringLiteral("王会计"));
        d.preparedBy->setModified(true);
        emit d.preparedBy->editingFinished();
        d.show();
        d.checkedBy->setText(QStringLiteral("李经理"));
        d.checkedBy->setModified(true);
        d.close(); // typed, never left the field
    }
    SummaryDialog again;
    again.start(home.path(), PunchTable(), {}, setting);
    QCOMPARE(again.preparedBy->text(), QStringLiteral("王会计"));
    QCOMPARE(again.checkedBy->text(), QStringLiteral("李经理"));

    // A file nobody can read is said at once, not lost under the build's status.
    QVERIFY(textfile::writeUtf8Lines(QDir(home.path()).filePath("ReportSigners.txt"), {"审核\t李经理"}).ok());
    Recorder recorder;
    SummaryDialog third;
    third.start(home.path(), PunchTable(), {}, setting);
    QCOMPARE(recorder.messages.size(), 1);
    QVERIFY(recorder.messages[0].text.contains(QStringLiteral("第1行")));
}

QTEST_MAIN(TestSummaryDialog)
#include "test_summarydialog.moc"
