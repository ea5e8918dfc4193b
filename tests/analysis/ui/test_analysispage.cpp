#include "analysis/ui/AnalysisPage.h"
#include "import/ui/DataFolderPanel.h"
#include "import/ui/FolderTextBox.h"
#include "shell/Form1.h"
#include "widgets/ClickLabel.h"
#include "widgets/ImageList.h"
#include "widgets/MessageSeam.h"
#include "widgets/PictureButton.h"
#include "widgets/PictureComboBox.h"
#include "support/Cli.h"
#include "support/ProgramFolder.h"
#include "support/TestPaths.h"
#include "support/WindowSupport.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

using namespace tarnby::ui;

namespace {

const QColor kRest(255, 192, 128);
const QColor kPlain(224, 224, 224);
const QColor kChosen(128, 0, 128);
const QColor kOther(128, 128, 128);

using Recorder = testsupport::MessageRecorder;
using testsupport::leftClick;
using testsupport::sampleFolder;

// The enabled day label of a grid (0 first month, 1 second) showing `day`.
ClickLabel* dayLabel(AnalysisPage* page, int grid, int day)
{
    for (int i = grid * 42; i < grid * 42 + 42; ++i) {
        if (page->cLab[i]->text() == QString::number(day))
            return page->cLab[i];
    }
    return nullptr;
}

QString colourName(const QBrush& brush)
{
    return brush.color().name();
}

} // namespace

class TestAnalysisPage : public QObject {
    Q_OBJECT
private slots:
    void journeyMatchesTheCommandLine_data();
    void journeyMatchesTheCommandLine();
    void styleOptionsColourAndRedraw();
    void restDayClicks_data();
    void restDayClicks();
    void changingTheStyleShowsTheSavedMarksOfTheNewPeriod();
    void januaryWorkDateSelectsNoMonthAndRefreshSaysSo();
    void aBadScheduleStopsTheAnalysisNamingTheFile();
    void endOfCalendarMessageUsesTheProgramTitle();
    void timeModeLabels();
    void detailsPanelToggles();
    void pageSwitchSelectsASingleEntry();
    void dropDownArrowFollowsTheFocus_data();
    void dropDownArrowFollowsTheFocus();
};

void TestAnalysisPage::journeyMatchesTheCommandLine_data()
{
    QTest::addColumn<QString>("employee");
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QList<QDate>>("rest");
    QTest::newRow("mid-month, mode 1: leave, fine, duty and an all-employee excuse")
        << QStringLiteral("0002 李四") << 2 << 1 << QList<QDate>{QDate(2026, 11, 21), QDate(2026, 12, 5)};
    QTest::newRow("month start, mode 2, an unregistered number")
        << QStringLiteral("9 未登记") << 1 << 2 << QList<QDate>{QDate(2026, 11, 7), QDate(2026, 11, 8)};
    QTest::newRow("month start, mode 1, sick leave") << QStringLiteral("0003 王五") << 1 << 1 << QList<QDate>{};
}

void TestAnalysisPage::journeyMatchesTheCommandLine()
{
    QFETCH(QString, employee);
    QFETCH(int, style);
    QFETCH(int, mode);
    QFETCH(QList<QDate>, rest);
    Recorder recorder;
    testsupport::SampleMonthFolder program;
    Form1 window(program.path(), testsupport::fixedClock(QDate(2026, 12, 9), QTime(9, 0)));
    window.show();
    AnalysisPage* page = window.analysisPage;

    // Open the panel, read the folder, close the panel.
    leftClick(window.MbtPic[2]);
    QCOMPARE(window.currentPage(), 2);
    leftClick(window.bnPic[11]);
    page->cxPic->cTxt->setText(sampleFolder());
    leftClick(window.bnPic[13]);
    // The read runs on a worker; the panel is back once it has ended.
    QTRY_VERIFY_WITH_TIMEOUT(!page->cxPic->isReading(), 60000);
    leftClick(window.bnPic[14]);
    QVERIFY2(recorder.messages.isEmpty(), qPrintable(recorder.messages.value(0).text));

    // Style and time mode, then the rest days, then the employee.
    leftClick(page->cnLab[style == 1 ? 0 : 1]);
    leftClick(page->cnLab[mode == 1 ? 5 : 6]);
    const QDate first(2026, 11, style == 1 ? 1 : 16);
    for (const QDate& day : rest) {
        ClickLabel* label = dayLabel(page, day.month() == 11 ? 0 : 1, day.day());
        QVERIFY(label);
        leftClick(label);
        QCOMPARE(label->background(), kRest);
    }
    const int index = page->dCmb[6]->findText(employee);
    QVERIFY2(index >= 0, qPrintable(employee));
    page->dCmb[6]->setCurrentIndex(index);
    leftClick(window.bnPic[10]);
    QVERIFY2(recorder.messages.isEmpty(), qPrintable(recorder.messages.value(0).text));

    QStringList restArgs;
    for (const QDate& day : rest)
        restArgs.append(day.toString(QStringLiteral("yyyy-MM-dd")));
    QStringList args{QStringLiteral("analyse"), QStringLiteral("--home"), program.path(), QStringLiteral("--folder"),
                     sampleFolder(), QStringLiteral("--year"), QStringLiteral("2026"), QStringLiteral("--month"),
                     QStringLiteral("11"), QStringLiteral("--style"), QString::number(style), QStringLiteral("--mode"),
                     QString::number(mode), QStringLiteral("--employee"), employee};
    if (!restArgs.isEmpty())
        args << QStringLiteral("--rest") << restArgs.join(u',');
    const testsupport::CliRun cli = testsupport::runCli(args);
    QCOMPARE(cli.status, 0);
    const QJsonObject expected = QJsonDocument::fromJson(cli.out).object();
    QVERIFY(!expected.isEmpty());

    const QJsonArray rows = expected.value(QStringLiteral("rows")).toArray();
    QCOMPARE(page->cLV->topLevelItemCount(), rows.size());
    QCOMPARE(page->cLV->topLevelItem(0)->text(0), first.toString(QStringLiteral("MM月dd日")));
    for (int r = 0; r < rows.size(); ++r) {
        const QJsonObject row = rows[r].toObject();
        const QJsonArray cells = row.value(QStringLiteral("cells")).toArray();
        const QJsonObject colours = row.value(QStringLiteral("colors")).toObject();
        QTreeWidgetItem* item = page->cLV->topLevelItem(r);
        for (int c = 0; c < 7; ++c) {
            QCOMPARE(item->text(c), cells[c].toString());
            const QString key = QString::number(c);
            if (colours.contains(key))
                QCOMPARE(colourName(item->foreground(c)), colours.value(key).toString());
            else
                QCOMPARE(item->foreground(c).style(), Qt::NoBrush);
        }
    }
    const QJsonArray stats = expected.value(QStringLiteral("stats")).toArray();
    QCOMPARE(stats.size(), 13);
    for (int i = 0; i < 13; ++i)
        QCOMPARE(page->ckLab[i]->text(), stats[i].toString());
    const QJsonArray registrations = expected.value(QStringLiteral("registrations")).toArray();
    QCOMPARE(page->cxLV->topLevelItemCount(), registrations.size());
    for (int r = 0; r < registrations.size(); ++r) {
        const QJsonArray cells = registrations[r].toArray();
        for (int c = 0; c < 4; ++c)
            QCOMPARE(page->cxLV->topLevelItem(r)->text(c), cells[c].toString());
    }
}

void TestAnalysisPage::styleOptionsColourAndRedraw()
{
    Recorder recorder;
    QTemporaryDir dir;
    AnalysisPage page(dir.path());
    page.FillPeriodPickers(QDate(2013, 12, 20));
    // Mid-month style at start; the work date's month before pre-selected.
    QCOMPARE(page.cnLab[2]->text(), QStringLiteral("2"));
    QCOMPARE(static_cast<ClickLabel*>(page.cnLab[1])->background(), kChosen);
    QCOMPARE(static_cast<ClickLabel*>(page.cnLab[0])->background(), kOther);
    QCOMPARE(page.cnLab[3]->text(), QStringLiteral("11月16日 —— 12月15日"));
    page.dCmb[5]->setCurrentIndex(11);
    emit page.dCmb[5]->activated(11);
    QCOMPARE(page.cnLab[3]->text(), QStringLiteral("12月16日 —— 1月15日"));
    QCOMPARE(page.crLab[1]->text(), QStringLiteral("2014年1月"));
    leftClick(page.cnLab[0]);
    QCOMPARE(page.cnLab[2]->text(), QStringLiteral("1"));
    QCOMPARE(static_cast<ClickLabel*>(page.cnLab[0])->background(), kChosen);
    QCOMPARE(page.cnLab[3]->text(), QStringLiteral("12月1日 —— 12月31日"));
    // With style 1 no day of the second grid can be clicked.
    for (int i = 42; i < 84; ++i)
        QVERIFY(!page.cLab[i]->isEnabled());
    QVERIFY(recorder.messages.isEmpty());
}

void TestAnalysisPage::restDayClicks_data()
{
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("button");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("left marks a day of the period") << 20 << int(Qt::LeftButton) << kRest;
    QTest::newRow("right on an unmarked day leaves it grey") << 20 << int(Qt::RightButton) << kPlain;
    QTest::newRow("the middle button does nothing") << 20 << int(Qt::MiddleButton) << kPlain;
    QTest::newRow("a day before the 16th cannot be clicked") << 10 << int(Qt::LeftButton) << kPlain;
}

void TestAnalysisPage::restDayClicks()
{
    QFETCH(int, day);
    QFETCH(int, button);
    QFETCH(QColor, colour);
    testsupport::ProgramFolder dir; // SrDate/ is where a mark is saved
    AnalysisPage page(dir.path());
    page.show();
    page.FillPeriodPickers(QDate(2013, 3, 5));
    ClickLabel* label = dayLabel(&page, 0, day);
    QVERIFY(label);
    QTest::mouseClick(label, Qt::MouseButton(button), {}, QPoint(4, 4));
    QCOMPARE(label->background(), colour);
    QCOMPARE(page.calendar().isRestDay(day), colour == kRest);
    if (colour == kRest) {
        QTest::mouseClick(label, Qt::RightButton, {}, QPoint(4, 4));
        QCOMPARE(label->background(), kPlain);
        QVERIFY(!page.calendar().isRestDay(day));
    }
}

void TestAnalysisPage::changingTheStyleShowsTheSavedMarksOfTheNewPeriod()
{
    testsupport::ProgramFolder dir;
    AnalysisPage page(dir.path());
    page.show();
    page.FillPeriodPickers(QDate(2013, 3, 5));
    leftClick(dayLabel(&page, 0, 23));
    leftClick(dayLabel(&page, 1, 2));
    QVERIFY(page.calendar().isRestDay(23));
    QVERIFY(page.calendar().isRestDay(31 + 2));
    // Month-start style: February alone, its 23rd still marked, March out of the period.
    leftClick(page.cnLab[0]);
    for (int i = 1; i < 63; ++i)
        QCOMPARE(page.calendar().isRestDay(i), i == 23);
    for (ClickLabel* label : page.cLab)
        QCOMPARE(label->background(), label == dayLabel(&page, 0, 23) ? kRest : kPlain);
    leftClick(page.cnLab[1]);
    QVERIFY(page.calendar().isRestDay(23));
    QVERIFY(page.calendar().isRestDay(31 + 2));
}

void TestAnalysisPage::januaryWorkDateSelectsNoMonthAndRefreshSaysSo()
{
    Recorder recorder;
    QTemporaryDir dir;
    AnalysisPage page(dir.path());
    page.FillPeriodPickers(QDate(2014, 1, 10));
    QCOMPARE(page.dCmb[5]->currentIndex(), -1);
    for (ClickLabel* label : page.cLab) {
        QVERIFY(!label->isEnabled());
        QVERIFY(label->text().isEmpty());
    }
    page.dCmb[6]->clear();
    page.dCmb[6]->addItem(QStringLiteral("0001 张三"));
    page.Refresh();
    QCOMPARE(recorder.messages.size(), 1);
    QCOMPARE(recorder.messages[0].title, QStringLiteral("错误"));
    QCOMPARE(page.cLV->topLevelItemCount(), 0);
}

void TestAnalysisPage::aBadScheduleStopsTheAnalysisNamingTheFile()
{
    Recorder recorder;
    testsupport::WindowFolder folder;
    QFile schedules(QDir(folder.path()).filePath(QStringLiteral("Schedules.json")));
    QVERIFY(schedules.open(QIODevice::WriteOnly));
    schedules.write("{\"shifts\": 1}");
    schedules.close();
    AnalysisPage page(folder.path());
    page.FillPeriodPickers(QDate(2026, 12, 10));
    page.dCmb[6]->clear();
    page.dCmb[6]->addItem(QStringLiteral("0001 张三"));
    page.Refresh();
    QCOMPARE(recorder.messages.size(), 1);
    QCOMPARE(recorder.messages[0].title, QStringLiteral("错误"));
    QVERIFY(recorder.messages[0].text.contains(QStringLiteral("Schedules.json 有误：shifts：应是一个 [ … ] 数组")));
    QCOMPARE(page.cLV->topLevelItemCount(), 0);
}

void TestAnalysisPage::endOfCalendarMessageUsesTheProgramTitle()
{
    Recorder recorder;
    QTemporaryDir dir;
    AnalysisPage page(dir.path());
    page.FillPeriodPickers(QDate(2100, 6, 1));
    page.dCmb[5]->setCurrentIndex(11);
    emit page.dCmb[5]->activated(11);
    QCOMPARE(recorder.messages.size(), 1);
    QCOMPARE(recorder.messages[0].text, QStringLiteral("年历已达最大计年数，请更新！"));
    QCOMPARE(recorder.messages[0].title, kProgramTitle);
    QCOMPARE(page.crLab[0]->text(), QStringLiteral("2100年12月"));
    QCOMPARE(page.crLab[1]->text(), QStringLiteral("2100年12月"));
}

void TestAnalysisPage::timeModeLabels()
{
    QTemporaryDir dir;
    AnalysisPage page(dir.path());
    page.show();
    QCOMPARE(page.cnLab[4]->text(), QStringLiteral("1"));
    QCOMPARE(page.cnLab[7]->text(), QStringLiteral("使用行政班制时间模式"));
    leftClick(page.cnLab[6]);
    QCOMPARE(page.cnLab[4]->text(), QStringLiteral("2"));
    QCOMPARE(page.cnLab[7]->text(), QStringLiteral("使用朝九晚五时间模式"));
    QCOMPARE(static_cast<ClickLabel*>(page.cnLab[6])->background(), kChosen);
    QCOMPARE(static_cast<ClickLabel*>(page.cnLab[5])->background(), kOther);
    leftClick(page.cnLab[5]);
    QCOMPARE(page.timeMode(), 1);
    QCOMPARE(static_cast<ClickLabel*>(page.cnLab[5])->background(), kChosen);
}

void TestAnalysisPage::detailsPanelToggles()
{
    QTemporaryDir dir;
    AnalysisPage page(dir.path());
    page.show();
    QVERIFY(page.cLPic->isHidden());
    leftClick(page.cnLab[9]);
    QVERIFY(page.cLPic->isVisible());
    leftClick(page.cnLab[9]);
    QVERIFY(page.cLPic->isHidden());
    leftClick(page.cnLab[9]);
    leftClick(page.cnLab[10]);
    QVERIFY(page.cLPic->isHidden());
    QStringList headers;
    for (int i = 0; i < page.cxLV->columnCount(); ++i)
        headers.append(page.cxLV->headerItem()->text(i));
    QCOMPARE(headers, (QStringList{QStringLiteral("序号"), QStringLiteral("日期"), QStringLiteral("登记事由"),
                                   QStringLiteral("处理方式")}));
}

void TestAnalysisPage::pageSwitchSelectsASingleEntry()
{
    QTemporaryDir dir;
    AnalysisPage page(dir.path());
    page.dCmb[6]->setCurrentIndex(-1);
    page.prepare();
    QCOMPARE(page.dCmb[6]->currentIndex(), 0);
    QCOMPARE(page.dCmb[6]->currentText(), QStringLiteral("====请选择===="));
}

void TestAnalysisPage::dropDownArrowFollowsTheFocus_data()
{
    QTest::addColumn<int>("focused");
    QTest::addColumn<int>("next");
    QTest::newRow("the year picker, then the month picker") << 4 << 5;
    QTest::newRow("the month picker, then the employee picker") << 5 << 6;
    QTest::newRow("the employee picker, then the year picker") << 6 << 4;
}

void TestAnalysisPage::dropDownArrowFollowsTheFocus()
{
    QFETCH(int, focused);
    QFETCH(int, next);
    QTemporaryDir dir;
    AnalysisPage page(dir.path());
    page.FillPeriodPickers(QDate(2013, 3, 5));
    const QImage normal = listImage(kComboNormal).toImage();
    const QImage focus = listImage(kComboFocus).toImage();
    auto picture = [&page](int i) {
        auto* arrow = page.findChild<QLabel*>(QStringLiteral("dCbPic(%1)").arg(i));
        return arrow ? arrow->pixmap().toImage() : QImage();
    };
    for (int i : {4, 5, 6})
        QCOMPARE(picture(i), normal);
    page.show();
    page.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&page));
    for (int i : {4, 5, 6}) {
        // The picture stands over the list's own arrow, inside its right edge, and lets clicks through.
        QLabel* arrow = page.dCmb[i]->picture();
        QCOMPARE(arrow->parentWidget(), page.dCmb[i]->parentWidget());
        QVERIFY(page.dCmb[i]->geometry().right() - arrow->geometry().right() <= 1);
        QVERIFY(page.dCmb[i]->geometry().contains(arrow->geometry()));
        QVERIFY(arrow->testAttribute(Qt::WA_TransparentForMouseEvents));
    }
    // Whichever list the window gave the focus to on showing wears the focus picture.
    for (int i : {4, 5, 6})
        QCOMPARE(picture(i), page.dCmb[i]->hasFocus() ? focus : normal);

    page.dCmb[focused]->setFocus(Qt::TabFocusReason);
    QVERIFY(page.dCmb[focused]->hasFocus());
    for (int i : {4, 5, 6})
        QCOMPARE(picture(i), i == focused ? focus : normal);
    // Dropping the list down does not take the focus picture away.
    page.dCmb[focused]->showPopup();
    QCOMPARE(picture(focused), focus);
    page.dCmb[focused]->hidePopup();
    QCOMPARE(picture(focused), focus);

    page.dCmb[next]->setFocus(Qt::TabFocusReason);
    for (int i : {4, 5, 6})
        QCOMPARE(picture(i), i == next ? focus : normal);
}

QTEST_MAIN(TestAnalysisPage)
#include "test_analysispage.moc"
