#include "analysis/ui/AnalysisPage.h"
#include "import/ui/DataFolderPanel.h"
#include "import/ui/FolderTextBox.h"
#include "import/ui/Form2.h"
#include "import/xls/TestWorkbook.h"
#include "shell/Form1.h"
#include "widgets/MessageSeam.h"
#include "widgets/PictureButton.h"
#include "support/ProgramFolder.h"
#include "support/TestPaths.h"
#include "support/WindowSupport.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileSystemModel>
#include <QRegularExpression>
#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSemaphore>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <QTreeWidget>

#include <atomic>
#include <memory>
#include <set>

using namespace tarnby::ui;
using tarnby::xls::test::TestWorkbook;

namespace {

using ProgramFolder = testsupport::WindowFolder;
using Recorder = testsupport::MessageRecorder;
using testsupport::sampleFolder;

// Big enough that a read is still running when the test acts on it.
constexpr int kBigWorkbooks = 3;
constexpr int kBigRows = 30000;

// A clock export of kBigWorkbooks x kBigRows punches, 300 employees.
const QString& bigFolder()
{
    static QTemporaryDir dir;
    static bool written = false;
    if (!written) {
        for (int w = 0; w < kBigWorkbooks; ++w) {
            TestWorkbook book;
            book.text(0, 0, QStringLiteral("工号")).text(0, 1, QStringLiteral("时间"));
            for (int r = 0; r < kBigRows; ++r) {
                const int employee = (w * kBigRows + r) / 300;
                book.text(r + 1, 0, QStringLiteral("%1").arg(employee + 1, 4, 10, QLatin1Char('0')))
                    .number(r + 1, 1, TestWorkbook::serial(2026, 11, 1 + r % 28, 8, r % 60, 0),
                            QStringLiteral("yyyy-mm-dd hh:mm:ss"));
            }
            QString error;
            if (!book.save(QDir(dir.path()).filePath(QStringLiteral("%1.xls").arg(w + 1)), &error))
                qFatal("cannot write the big export: %s", qPrintable(error));
        }
        written = true;
    }
    static const QString path = dir.path();
    return path;
}

// A folder of one workbook with `rows` punches of employee 0001.
void writeSmallFolder(const QString& folder, int rows)
{
    TestWorkbook book;
    book.text(0, 0, QStringLiteral("工号")).text(0, 1, QStringLiteral("时间"));
    for (int r = 0; r < rows; ++r)
        book.text(r + 1, 0, QStringLiteral("0001"))
            .number(r + 1, 1, TestWorkbook::serial(2026, 11, 2 + r, 8, 0, 0), QStringLiteral("yyyy-mm-dd hh:mm:ss"));
    QVERIFY(book.save(QDir(folder).filePath(QStringLiteral("1.xls"))));
}

QStringList pickerTexts(const QComboBox* combo)
{
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i)
        texts.append(combo->itemText(i));
    return texts;
}

} // namespace

class TestDataFolderPanel : public QObject {
    Q_OBJECT
private slots:
    void folderTextOnOpening_data();
    void folderTextOnOpening();
    void openingDisablesThePanelsBelowAndClosingEnablesThem();
    void thePanelNamesTheFormatsItReadsWithoutOverlap();
    void readShowsTheReadingStateThenIdle();
    void readFillsThePickerAndAnalysesItsFirstEntry();
    void emptyFolderLeavesThePlaceholderWithoutMessage();
    void readErrorNamesTheWorkbookAndKeepsThePicker();
    void missingFolderIsReportedAndNothingChanges();
    void aLongReadShowsTheOldTableUntilTheNewOneIsWhole();
    void deletingThePageDuringAReadWaitsForTheWorker();
    void closingTheWindowDuringAReadEndsWithTheWholeTable();
    void folderBoxSelectsAllOnDoubleClick();
    void pickerGeometry_data();
    void pickerGeometry();
    void pickerStartsAt_data();
    void pickerStartsAt();
    void okWithoutTouchingTheTreeWritesTheStartFolderBack();
    void cancelAfterBrowsingLeavesTheBoxUnchanged();
    void highlightingWithoutEnteringKeepsTheOpenFolder();
    void enterInTheTreeGoesDownWithoutClosing_data();
    void enterInTheTreeGoesDownWithoutClosing();
    void pickerShowsItsStartFolderOnceTheTreeHasLoaded();
    void progressNamesTheWorkbookAsItIs_data();
    void progressNamesTheWorkbookAsItIs();
};

void TestDataFolderPanel::folderTextOnOpening_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("expanded");
    QTest::newRow("the default becomes the program folder's Source") << QStringLiteral(".\\Source\\") << true;
    QTest::newRow("any text starting with .\\ does too") << QStringLiteral(".\\Data\\") << true;
    QTest::newRow("an absolute folder stays as typed") << QStringLiteral("/srv/clock") << false;
    QTest::newRow("a bare name stays as typed") << QStringLiteral("Source") << false;
    QTest::newRow("a Unix relative path stays as typed") << QStringLiteral("./Source/") << false;
}

void TestDataFolderPanel::folderTextOnOpening()
{
    QFETCH(QString, typed);
    QFETCH(bool, expanded);
    ProgramFolder program;
    AnalysisPage page(program.path());
    page.cxPic->cTxt->setText(typed);
    page.OpenDataFolderPanel();
    const QString expected = expanded
        ? QDir::toNativeSeparators(QDir(program.path()).absoluteFilePath(QStringLiteral("Source")) + u'/')
        : typed;
    QCOMPARE(page.cxPic->cTxt->text(), expected);
    // Opening again changes nothing more.
    page.CloseDataFolderPanel();
    page.OpenDataFolderPanel();
    QCOMPARE(page.cxPic->cTxt->text(), expected);
}

void TestDataFolderPanel::openingDisablesThePanelsBelowAndClosingEnablesThem()
{
    ProgramFolder program;
    AnalysisPage page(program.path());
    page.show();
    QVERIFY(page.cxPic->isHidden());
    QTest::mouseClick(page.actionButton(11), Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(page.cxPic->isVisible());
    for (int i : {6, 11, 12})
        QVERIFY2(!page.dmPic[i]->isEnabled(), qPrintable(QString::number(i)));
    QVERIFY(!page.dCmb[6]->isEnabled());
    QTest::mouseClick(page.actionButton(14), Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(page.cxPic->isHidden());
    for (int i : {6, 11, 12})
        QVERIFY(page.dmPic[i]->isEnabled());
}

void TestDataFolderPanel::thePanelNamesTheFormatsItReadsWithoutOverlap()
{
    ProgramFolder program;
    tarnby::PunchTable table;
    DataFolderPanel panel(program.path(), table);
    panel.show();
    QVERIFY(panel.cxFormats->isVisible());
    for (const char* suffix : {"xls", "xlsx", "xlsm", "csv", "dat"})
        QVERIFY2(panel.cxFormats->text().contains(QLatin1String(suffix)), suffix);
    QVERIFY(panel.cxFormats->fontMetrics().horizontalAdvance(panel.cxFormats->text()) <= panel.cxFormats->width());
    QList<QWidget*> shown;
    for (QWidget* child : panel.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isVisible())
            shown.append(child);
    }
    for (QWidget* child : shown) {
        QVERIFY2(panel.rect().contains(child->geometry()), qPrintable(child->objectName()));
        for (QWidget* other : shown) {
            if (other != child)
                QVERIFY2(!child->geometry().intersects(other->geometry()),
                         qPrintable(child->objectName() + u'/' + other->objectName()));
        }
    }
}

void TestDataFolderPanel::readShowsTheReadingStateThenIdle()
{
    Recorder recorder;
    ProgramFolder program;
    AnalysisPage page(program.path());
    page.FillPeriodPickers(QDate(2026, 12, 9));
    page.show();
    page.OpenDataFolderPanel();
    page.cxPic->cTxt->setText(sampleFolder());

    QColor readingColour;
    QString readingCaption;
    bool enabledWhileReading = true;
    bool barShown = false;
    bool formatsShown = true;
    // Runs while the read is on, when the window processes its events.
    QTimer::singleShot(0, &page, [&] {
        readingColour = page.cxPic->palette().color(QPalette::Window);
        readingCaption = page.cnLab[8]->text();
        enabledWhileReading = page.cxPic->isEnabled();
        barShown = page.cxPic->cxBar->isVisible();
        formatsShown = page.cxPic->cxFormats->isVisible();
    });
    page.cxPic->readAndWait();

    QCOMPARE(readingColour, QColor(192, 64, 0));
    QCOMPARE(readingCaption, QStringLiteral("正在读取，请稍候！"));
    QVERIFY(!enabledWhileReading);
    QVERIFY(barShown);
    QVERIFY(!formatsShown); // the status line has its place
    QVERIFY(page.cxPic->cxFormats->isVisible());
    QCOMPARE(page.cxPic->palette().color(QPalette::Window), QColor(0, 162, 203));
    QCOMPARE(page.cnLab[8]->text(), QStringLiteral("选择考勤所在目录："));
    QVERIFY(page.cxPic->isEnabled());
    QVERIFY(page.cxPic->cxBar->isHidden());
    QVERIFY(recorder.messages.isEmpty());
}

void TestDataFolderPanel::readFillsThePickerAndAnalysesItsFirstEntry()
{
    Recorder recorder;
    ProgramFolder program;
    AnalysisPage page(program.path());
    page.FillPeriodPickers(QDate(2026, 12, 9));
    page.cxPic->cTxt->setText(sampleFolder());
    page.cxPic->readAndWait();
    const QStringList entries = pickerTexts(page.dCmb[6]);
    QVERIFY(entries.size() >= 2);
    QVERIFY(entries.first().startsWith(QStringLiteral("0001 ")));
    QVERIFY(entries.contains(QStringLiteral("9 未登记")));
    QCOMPARE(page.dCmb[6]->currentIndex(), 0);
    // Mid-month style from November: 16 November to 15 December, 30 rows.
    QCOMPARE(page.cLV->topLevelItemCount(), 30);
    QCOMPARE(page.cLV->topLevelItem(0)->text(0), QStringLiteral("11月16日"));
    QVERIFY(recorder.messages.isEmpty());
}

void TestDataFolderPanel::emptyFolderLeavesThePlaceholderWithoutMessage()
{
    Recorder recorder;
    ProgramFolder program;
    QTemporaryDir empty;
    QFile note(QDir(empty.path()).filePath(QStringLiteral("notes.txt")));
    QVERIFY(note.open(QIODevice::WriteOnly));
    note.close();
    AnalysisPage page(program.path());
    page.FillPeriodPickers(QDate(2026, 12, 9));
    page.cxPic->cTxt->setText(sampleFolder());
    page.cxPic->readAndWait();
    QVERIFY(page.cLV->topLevelItemCount() > 0);

    page.cxPic->cTxt->setText(empty.path());
    page.cxPic->readAndWait();
    QCOMPARE(pickerTexts(page.dCmb[6]), QStringList{QStringLiteral("====请选择====")});
    QCOMPARE(page.cLV->topLevelItemCount(), 0);
    QVERIFY(page.punches().isEmpty());
    QVERIFY(recorder.messages.isEmpty());
}

void TestDataFolderPanel::readErrorNamesTheWorkbookAndKeepsThePicker()
{
    const QString folder = testsupport::sharedPath(QStringLiteral("fixtures/timeclock/error-missing-time/data"));
    if (folder.isEmpty())
        QSKIP("no ../shared beside the repository");
    Recorder recorder;
    ProgramFolder program;
    AnalysisPage page(program.path());
    page.FillPeriodPickers(QDate(2026, 12, 9));
    page.cxPic->cTxt->setText(sampleFolder());
    page.cxPic->readAndWait();
    const QStringList before = pickerTexts(page.dCmb[6]);

    page.cxPic->cTxt->setText(folder);
    page.cxPic->readAndWait();
    QCOMPARE(recorder.messages.size(), 1);
    const Message& m = recorder.messages[0];
    QCOMPARE(m.title, QStringLiteral("错误"));
    QCOMPARE(m.icon, MessageIcon::Critical);
    const QStringList lines = m.text.split(QRegularExpression(QStringLiteral("\r?\n")));
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines[0], QDir::toNativeSeparators(folder + QStringLiteral("/2.xls")));
    QCOMPARE(lines[1], QStringLiteral("文件读取错误，请检查是否含有密码，"));
    QCOMPARE(lines[2], QStringLiteral("或数据所在位置设定不正确！"));
    QCOMPARE(pickerTexts(page.dCmb[6]), before);
    QCOMPARE(page.punches().size(), 42);
    QVERIFY(page.cxPic->isEnabled());
    QCOMPARE(page.cnLab[8]->text(), QStringLiteral("选择考勤所在目录："));
}

void TestDataFolderPanel::missingFolderIsReportedAndNothingChanges()
{
    Recorder recorder;
    ProgramFolder program;
    AnalysisPage page(program.path());
    page.cxPic->cTxt->setText(QDir(program.path()).filePath(QStringLiteral("no-such-folder")));
    page.cxPic->readAndWait();
    QCOMPARE(recorder.messages.size(), 1);
    QCOMPARE(recorder.messages[0].title, QStringLiteral("错误"));
    QVERIFY(recorder.messages[0].text.contains(QStringLiteral("no-such-folder")));
    QCOMPARE(pickerTexts(page.dCmb[6]), QStringList{QStringLiteral("====请选择====")});
    QVERIFY(page.cxPic->isEnabled());
}

void TestDataFolderPanel::aLongReadShowsTheOldTableUntilTheNewOneIsWhole()
{
    Recorder recorder;
    ProgramFolder program;
    QTemporaryDir small;
    writeSmallFolder(small.path(), 7);
    const QString big = bigFolder();
    AnalysisPage page(program.path());
    page.FillPeriodPickers(QDate(2026, 12, 9));
    page.show();
    page.OpenDataFolderPanel();
    page.cxPic->cTxt->setText(small.path());
    page.cxPic->readAndWait();
    QCOMPARE(page.punches().size(), 7);

    page.cxPic->cTxt->setText(big);
    // Every turn of the event loop sees the old table or the whole new one.
    std::set<int> sizesSeen;
    QTimer sampler;
    sampler.setInterval(1);
    connect(&sampler, &QTimer::timeout, &page, [&] { sizesSeen.insert(page.punches().size()); });
    sampler.start();
    page.cxPic->ReadFolderRecords();
    QVERIFY(page.cxPic->isReading());
    QVERIFY(!page.cxPic->isEnabled());
    QCOMPARE(page.punches().size(), 7);
    // A second press while the read runs starts nothing.
    page.cxPic->ReadFolderRecords();
    QTRY_VERIFY_WITH_TIMEOUT(!page.cxPic->isReading(), 120000);
    sampler.stop();

    const int whole = kBigWorkbooks * kBigRows;
    QCOMPARE(page.punches().size(), whole);
    for (int size : sizesSeen)
        QVERIFY2(size == 7 || size == whole, qPrintable(QString::number(size)));
    QVERIFY(page.cxPic->isEnabled());
    QVERIFY(page.cxPic->cxStatus->text().isEmpty());
    QCOMPARE(page.dCmb[6]->count(), whole / 300);
    QVERIFY(recorder.messages.isEmpty());
}

void TestDataFolderPanel::deletingThePageDuringAReadWaitsForTheWorker()
{
    Recorder recorder;
    ProgramFolder program;
    const QString big = bigFolder();
    auto page = std::make_unique<AnalysisPage>(program.path());
    page->show();
    page->OpenDataFolderPanel();
    page->cxPic->cTxt->setText(big);
    // The worker is held at its first progress report, before it has read a
    // punch, however fast the machine.
    QSemaphore reported, resume;
    std::atomic_bool held = false;
    connect(page->cxPic, &DataFolderPanel::progressReported, page->cxPic, [&](const tarnby::ImportProgress&) {
        if (!held.exchange(true)) {
            reported.release();
            resume.acquire();
        }
    }, Qt::DirectConnection);
    page->cxPic->ReadFolderRecords();
    QVERIFY(page->cxPic->isReading());
    QVERIFY(reported.tryAcquire(1, 60000));
    // Let go with no event handled in between, the read cannot end on the page:
    // the worker goes on writing into the panel's memory and reporting to it
    // while the page is deleted, and the sanitiser catches any use after that.
    resume.release();
    page.reset();
    QCoreApplication::processEvents();
    QVERIFY(recorder.messages.isEmpty());
}

void TestDataFolderPanel::closingTheWindowDuringAReadEndsWithTheWholeTable()
{
    Recorder recorder;
    ProgramFolder program;
    const QString big = bigFolder();
    {
        Form1 window(program.path());
        window.show();
        window.SwitchPage(2);
        AnalysisPage* page = window.analysisPage;
        page->OpenDataFolderPanel();
        page->cxPic->cTxt->setText(big);
        page->cxPic->ReadFolderRecords();
        QVERIFY(page->cxPic->isReading());
        // The exit question is answered OK: the window closes while the read runs.
        QVERIFY(window.close());
        QVERIFY(window.isHidden());
        QTRY_VERIFY_WITH_TIMEOUT(!page->cxPic->isReading(), 120000);
        QCOMPARE(page->punches().size(), kBigWorkbooks * kBigRows);
    }
    QCOMPARE(recorder.messages.first().title, QStringLiteral("退出"));
}

void TestDataFolderPanel::folderBoxSelectsAllOnDoubleClick()
{
    ProgramFolder program;
    AnalysisPage page(program.path());
    page.show();
    page.OpenDataFolderPanel();
    FolderTextBox* box = page.cxPic->cTxt;
    box->setCursorPosition(0);
    box->deselect();
    QTest::mouseDClick(box, Qt::LeftButton);
    QCOMPARE(box->selectedText(), box->text());
}

void TestDataFolderPanel::pickerGeometry_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRect>("geometry");
    // The dialog's twips divided by 15, its pixels at 96 dpi.
    QTest::newRow("Drive1") << QStringLiteral("Drive1") << QRect(8, 28, 200, 20);
    QTest::newRow("Dir1") << QStringLiteral("Dir1") << QRect(8, 56, 202, 272);
    QTest::newRow("Command1") << QStringLiteral("Command1") << QRect(84, 335, 60, 25);
    QTest::newRow("Command2") << QStringLiteral("Command2") << QRect(152, 335, 60, 25);
}

void TestDataFolderPanel::pickerGeometry()
{
    QFETCH(QString, control);
    QFETCH(QRect, geometry);
    QTemporaryDir dir;
    Form2 picker(dir.path(), dir.path());
    QCOMPARE(picker.windowTitle(), QStringLiteral("选取文件夹"));
    QCOMPARE(picker.size(), QSize(220, 366));
    QCOMPARE(picker.Label1->text(), QStringLiteral("选择考勤文件所在目录："));
    QCOMPARE(picker.Command1->text(), QStringLiteral("确 定"));
    QCOMPARE(picker.Command2->text(), QStringLiteral("取 消"));
    auto widget = picker.findChild<QWidget*>(control);
    QVERIFY(widget);
    QCOMPARE(widget->geometry(), geometry);
}

void TestDataFolderPanel::pickerStartsAt_data()
{
    QTest::addColumn<QString>("typed");     // relative to the scratch folder; "@" is the folder itself
    QTest::addColumn<QString>("expected");
    QTest::newRow("an existing folder, trailing separator dropped") << QStringLiteral("@/a/b/") << QStringLiteral("@/a/b");
    QTest::newRow("a missing folder opens its nearest parent") << QStringLiteral("@/a/missing/deeper") << QStringLiteral("@/a");
    QTest::newRow("the default relative text opens the program folder") << QStringLiteral(".\\Source\\") << QStringLiteral("@");
    QTest::newRow("the root keeps its separator") << QStringLiteral("/") << QStringLiteral("/");
}

void TestDataFolderPanel::pickerStartsAt()
{
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("a/b")));
    const QString root = QDir::cleanPath(dir.path());
    Form2 picker(typed.replace(u'@', root), root);
    QCOMPARE(picker.currentFolder(), QDir::toNativeSeparators(expected.replace(u'@', root)));
}

void TestDataFolderPanel::okWithoutTouchingTheTreeWritesTheStartFolderBack()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("clock")));
    ProgramFolder program;
    AnalysisPage page(program.path());
    page.show();
    page.OpenDataFolderPanel();
    const QString start = QDir(dir.path()).filePath(QStringLiteral("clock")) + u'/';
    page.cxPic->cTxt->setText(start);
    QTimer::singleShot(0, &page, [] {
        auto picker = qobject_cast<Form2*>(QApplication::activeModalWidget());
        QVERIFY(picker);
        picker->Command1->click();
    });
    page.cxPic->Browse();
    QCOMPARE(page.cxPic->cTxt->text(), QDir::toNativeSeparators(QDir::cleanPath(start)));
}

void TestDataFolderPanel::cancelAfterBrowsingLeavesTheBoxUnchanged()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("clock/inner")));
    ProgramFolder program;
    AnalysisPage page(program.path());
    page.show();
    page.OpenDataFolderPanel();
    const QString start = QDir(dir.path()).filePath(QStringLiteral("clock"));
    page.cxPic->cTxt->setText(start);
    QTimer::singleShot(0, &page, [&] {
        auto picker = qobject_cast<Form2*>(QApplication::activeModalWidget());
        QVERIFY(picker);
        QVERIFY(picker->enterFolder(start + QStringLiteral("/inner")));
        picker->Command2->click();
    });
    page.cxPic->Browse();
    QCOMPARE(page.cxPic->cTxt->text(), start);
}

void TestDataFolderPanel::highlightingWithoutEnteringKeepsTheOpenFolder()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("clock/inner")));
    const QString start = QDir::cleanPath(QDir(dir.path()).filePath(QStringLiteral("clock")));
    Form2 picker(start, dir.path());
    auto model = qobject_cast<QFileSystemModel*>(picker.Dir1->model());
    QVERIFY(model);
    picker.Dir1->setCurrentIndex(model->index(start + QStringLiteral("/inner")));
    QCOMPARE(picker.currentFolder(), QDir::toNativeSeparators(start));
    emit picker.Dir1->activated(model->index(start + QStringLiteral("/inner")));
    QCOMPARE(picker.currentFolder(), QDir::toNativeSeparators(start + QStringLiteral("/inner")));
}

void TestDataFolderPanel::enterInTheTreeGoesDownWithoutClosing_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Return") << int(Qt::Key_Return);
    QTest::newRow("Enter of the keypad") << int(Qt::Key_Enter);
}

void TestDataFolderPanel::enterInTheTreeGoesDownWithoutClosing()
{
    QFETCH(int, key);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("clock/inner/deeper")));
    const QString start = QDir::cleanPath(QDir(dir.path()).filePath(QStringLiteral("clock")));
    Form2 picker(start, dir.path());
    picker.show();
    QVERIFY(QTest::qWaitForWindowExposed(&picker));
    auto model = qobject_cast<QFileSystemModel*>(picker.Dir1->model());
    QVERIFY(model);
    // Two levels down with the keyboard alone: the arrow to the sub-folder, Enter into it.
    for (const QString& below : {QStringLiteral("/inner"), QStringLiteral("/inner/deeper")}) {
        const QString open = QDir::fromNativeSeparators(picker.currentFolder());
        QTRY_COMPARE(model->rowCount(model->index(open)), 1);
        QTest::keyClick(picker.Dir1, Qt::Key_Down);
        QTest::keyClick(picker.Dir1, Qt::Key(key));
        QVERIFY(picker.isVisible());
        QCOMPARE(picker.result(), int(QDialog::Rejected));
        QCOMPARE(picker.currentFolder(), QDir::toNativeSeparators(start + below));
    }
}

void TestDataFolderPanel::pickerShowsItsStartFolderOnceTheTreeHasLoaded()
{
    // Three levels down, each with more sibling folders than the tree shows
    // at once and the way down the last of them by name.
    QTemporaryDir dir;
    QString start = QDir::cleanPath(dir.path());
    for (int level = 0; level < 3; ++level) {
        for (int i = 0; i < 30; ++i)
            QVERIFY(QDir(start).mkpath(QStringLiteral("f%1/sub").arg(i, 2, 10, QLatin1Char('0'))));
        start += QStringLiteral("/zz");
        QVERIFY(QDir().mkpath(start));
    }
    Form2 picker(start, dir.path());
    picker.show();
    QVERIFY(QTest::qWaitForWindowExposed(&picker));
    auto model = qobject_cast<QFileSystemModel*>(picker.Dir1->model());
    QVERIFY(model);
    // listed and sorted: the way down is last at every level
    for (QString folder = start; folder != QDir::cleanPath(dir.path()); folder = QFileInfo(folder).path())
        QTRY_COMPARE(model->index(folder).row(), 30);
    QTRY_VERIFY(picker.Dir1->viewport()->rect().contains(picker.Dir1->visualRect(model->index(start))));
}

void TestDataFolderPanel::progressNamesTheWorkbookAsItIs_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("shown");
    QTest::newRow("a plain name") << "11月.xls" << "第 2/3 个文件 11月.xls，已读 40 条";
    QTest::newRow("a name holding %4") << "a%4.xls" << "第 2/3 个文件 a%4.xls，已读 40 条";
    QTest::newRow("a name holding %1 %2") << "%1 %2.csv" << "第 2/3 个文件 %1 %2.csv，已读 40 条";
}

void TestDataFolderPanel::progressNamesTheWorkbookAsItIs()
{
    QFETCH(QString, name);
    QFETCH(QString, shown);
    tarnby::ImportProgress progress;
    progress.workbook = 1;
    progress.workbookCount = 3;
    progress.workbookPath = QStringLiteral("/clock/") + name;
    progress.records = 40;
    QCOMPARE(DataFolderPanel::progressText(progress), shown);
}

QTEST_MAIN(TestDataFolderPanel)
#include "test_datafolderpanel.moc"
