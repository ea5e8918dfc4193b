// The window without a mouse: every control a user reaches has a name for a
// screen reader, and a month's work can be done with the keys alone.
#include "analysis/ui/AnalysisPage.h"
#include "import/ui/DataFolderPanel.h"
#include "import/ui/FolderTextBox.h"
#include "import/ui/Form2.h"
#include "import/ui/ReadReportView.h"
#include "report/ui/SummaryDialog.h"
#include "settings/RestDays.h"
#include "settings/ui/DetectDialog.h"
#include "settings/ui/HistoryDialog.h"
#include "settings/ui/RegistrationDutyPage.h"
#include "settings/ui/ShiftEditorDialog.h"
#include "settings/ui/ShiftRosterDialog.h"
#include "settings/ui/WeekPatternDialog.h"
#include "shell/Form1.h"
#include "shell/InfoPage.h"
#include "support/ProgramFolder.h"
#include "support/TestPaths.h"
#include "support/WindowSupport.h"
#include "widgets/DayGridKeys.h"
#include "widgets/PictureButton.h"
#include "widgets/PictureComboBox.h"

#include <QAccessible>
#include <QApplication>
#include <QTest>
#include <QTreeWidget>

#include <functional>
#include <memory>

using namespace tarnby;
using namespace tarnby::ui;
using testsupport::press;
using testsupport::tabTo;

namespace {

using MakeDialog = std::function<std::unique_ptr<QWidget>(const QString& programDir)>;

const QList<std::pair<const char*, MakeDialog>>& dialogs()
{
    static const QList<std::pair<const char*, MakeDialog>> table = {
        {"folder picker", [](const QString& dir) { return std::make_unique<Form2>(dir, dir); }},
        {"read report", [](const QString& dir) { return std::make_unique<ReadReportDialog>(dir); }},
        {"summary", [](const QString&) { return std::make_unique<SummaryDialog>(); }},
        {"detection", [](const QString&) { return std::make_unique<DetectDialog>(ReadPosition{"A2", "B2"}); }},
        {"history", [](const QString& dir) { return std::make_unique<HistoryDialog>(dir, MonthKey{2026, 11}); }},
        {"shift editor", [](const QString& dir) { return std::make_unique<ShiftEditorDialog>(dir); }},
        {"shift roster", [](const QString& dir) { return std::make_unique<ShiftRosterDialog>(dir, MonthKey{2026, 11}); }},
        {"week pattern", [](const QString&) { return std::make_unique<WeekPatternDialog>(Schedules{}, QList<RosterEntry>{}); }},
    };
    return table;
}

} // namespace

class TestKeyboard : public QObject {
    Q_OBJECT
private slots:
    void everyControlIsNamedAndReachedInReadingOrder_data();
    void everyControlIsNamedAndReachedInReadingOrder();
    void aMonthsWorkIsDoneWithTheKeysAlone();
};

void TestKeyboard::everyControlIsNamedAndReachedInReadingOrder_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("dialog");
    for (int page = 0; page < Form1::kPageCount; ++page)
        QTest::addRow("page %d", page) << page << -1;
    for (int d = 0; d < dialogs().size(); ++d)
        QTest::newRow(dialogs()[d].first) << -1 << d;
}

void TestKeyboard::everyControlIsNamedAndReachedInReadingOrder()
{
    QFETCH(int, page);
    QFETCH(int, dialog);
    testsupport::MessageRecorder messages;
    testsupport::SampleMonthFolder program;
    Form1 window(program.path(), testsupport::fixedClock(QDate(2026, 12, 9)));
    window.infoPage->offerLanguages(program.path());
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QWidget* top = &window;
    std::unique_ptr<QWidget> shown;
    if (dialog < 0) {
        window.SwitchPage(page);
        window.MbtPic[(page + 1) % Form1::kPageCount]->setFocus();
    } else {
        shown = dialogs()[dialog].second(program.path());
        shown->show();
        shown->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(shown.get()));
        top = shown.get();
    }
    const QStringList unnamed = testsupport::unnamedControls(top);
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QLatin1Char('\n'))));

    const QStringList faults = testsupport::tabRoundFaults(top);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    if (shown) {
        press(Qt::Key_Escape);
        QVERIFY(!shown->isVisible());
    }
}

void TestKeyboard::aMonthsWorkIsDoneWithTheKeysAlone()
{
    testsupport::MessageRecorder messages;
    testsupport::SampleMonthFolder program;
    Form1 window(program.path(), testsupport::fixedClock(QDate(2026, 12, 9)));
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    AnalysisPage* analysis = window.analysisPage;

    // The folder read through the data-folder panel.
    press(Qt::Key_3, Qt::ControlModifier);
    QCOMPARE(window.currentPage(), 2);
    QVERIFY(tabTo(window.bnPic[AnalysisPage::kOpenPanelButton]));
    press(Qt::Key_Space);
    QVERIFY(analysis->cxPic->isVisible());
    QVERIFY(tabTo(analysis->cxPic->cTxt));
    press(Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(analysis->cxPic->cTxt, testsupport::sampleFolder());
    QVERIFY(tabTo(analysis->cxPic->bnPic13));
    press(Qt::Key_Return);
    QTRY_VERIFY_WITH_TIMEOUT(!analysis->cxPic->isReading(), 60000);
    QVERIFY(tabTo(analysis->cxPic->bnPic14));
    press(Qt::Key_Space);
    QVERIFY(!analysis->cxPic->isVisible());

    // The second employee of the picker analysed.
    QVERIFY(tabTo(analysis->dCmb[6]));
    const QString first = analysis->dCmb[6]->currentText();
    press(Qt::Key_Down);
    QVERIFY(analysis->dCmb[6]->currentText() != first);
    QVERIFY(analysis->cLV->topLevelItemCount() > 0);

    // The first day of the period marked as rest day, and saved.
    QVERIFY(tabTo(analysis->calendarKeys));
    press(Qt::Key_End);
    press(Qt::Key_Home);
    const int cell = analysis->calendarKeys->current();
    const QDate day = restdays::cellDate(analysis->calendar(), cell);
    press(Qt::Key_Space);
    QVERIFY(analysis->calendar().isRestDay(analysis->calendar().period()->restFlagIndex(day)));
    QVERIFY(program.exists(day.toString(QStringLiteral("yyyyMM")) + QStringLiteral(".rest")));
    const QString heard = QAccessible::queryAccessibleInterface(analysis->calendarKeys)->child(cell)->text(QAccessible::Name);
    QVERIFY2(heard.contains(day.toString(QStringLiteral("M月d日"))) && heard.contains(QStringLiteral("休息日")),
             qPrintable(heard));

    // A registration added and saved on page 1, its boxes as the page fills them.
    press(Qt::Key_2, Qt::ControlModifier);
    QCOMPARE(window.currentPage(), 1);
    QVERIFY(tabTo(window.bnPic[6]));
    press(Qt::Key_Return);
    QCOMPARE(window.registrationPage->registrations().size(), 1);
    QVERIFY(tabTo(window.bnPic[9]));
    press(Qt::Key_Space);
    QCOMPARE(messages.lastText(), QStringLiteral("登记信息保存成功！"));
}

QTEST_MAIN(TestKeyboard)
#include "test_keyboard.moc"
