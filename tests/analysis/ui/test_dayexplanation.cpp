// The result list explains its rows: the tooltip of a day shows what
// tarnby-cli analyse --explain says about it, Enter (or a double-click) opens
// it in a panel to copy from. With TARNBY_EXPLAIN_SHOT=FILE the test also
// saves the page with a day's tooltip showing (the picture in docs/).

#include "analysis/ui/AnalysisPage.h"
#include "analysis/ui/DayExplanationPanel.h"
#include "import/ui/DataFolderPanel.h"
#include "import/ui/FolderTextBox.h"
#include "shell/Form1.h"
#include "widgets/PictureButton.h"
#include "widgets/PictureComboBox.h"
#include "support/Cli.h"
#include "support/ProgramFolder.h"
#include "support/TestPaths.h"
#include "support/WindowSupport.h"

#include <QApplication>
#include <QClipboard>
#include <QHelpEvent>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolTip>
#include <QTreeWidget>
#include <memory>

using namespace tarnby::ui;
using testsupport::leftClick;
using testsupport::sampleFolder;

// The window on the sample month, read once for all cases: mid-month from
// November, nine to five, 0002 李四, and tarnby-cli's --explain of the same.
class TestDayExplanation : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void everyRowsTooltipHoldsTheCommandLinesExplanation();
    void enterOpensThePanelAndItsTextCopiesWhole();
    void hoveringARowShowsItsTooltip();
    void cleanupTestCase();

private:
    QTreeWidgetItem* row(const QString& date) const
    {
        const QList<QTreeWidgetItem*> found = list->findItems(date, Qt::MatchExactly, 0);
        return found.isEmpty() ? nullptr : found.first();
    }

    std::unique_ptr<testsupport::MessageRecorder> recorder;
    std::unique_ptr<testsupport::SampleMonthFolder> program;
    std::unique_ptr<Form1> window;
    QTreeWidget* list = nullptr;
    QJsonArray explained;
};

void TestDayExplanation::initTestCase()
{
    recorder = std::make_unique<testsupport::MessageRecorder>();
    program = std::make_unique<testsupport::SampleMonthFolder>();
    window = std::make_unique<Form1>(program->path(), testsupport::fixedClock(QDate(2026, 12, 9), QTime(9, 0)));
    window->show();
    AnalysisPage* page = window->analysisPage;
    leftClick(window->MbtPic[2]);
    leftClick(window->bnPic[11]);
    page->cxPic->cTxt->setText(sampleFolder());
    leftClick(window->bnPic[13]);
    QTRY_VERIFY_WITH_TIMEOUT(!page->cxPic->isReading(), 60000);
    leftClick(window->bnPic[14]);
    leftClick(page->cnLab[1]); // mid-month
    leftClick(page->cnLab[6]); // nine to five: the midday punches fall outside both windows
    page->dCmb[6]->setCurrentIndex(page->dCmb[6]->findText(QStringLiteral("0002 李四")));
    leftClick(window->bnPic[10]);
    list = page->cLV;
    QVERIFY2(recorder->messages.isEmpty(), qPrintable(recorder->lastText()));
    QVERIFY(list->topLevelItemCount() > 0);

    const testsupport::CliRun cli = testsupport::runCli(
        {"analyse", "--home", program->path(), "--folder", sampleFolder(), "--year", "2026", "--month", "11", "--mode",
         "2", "--employee", "0002 李四", "--explain"});
    QCOMPARE(cli.status, 0);
    explained = QJsonDocument::fromJson(cli.out).object().value("rows").toArray();
}

void TestDayExplanation::cleanupTestCase()
{
    window.reset();
    recorder.reset();
}

void TestDayExplanation::everyRowsTooltipHoldsTheCommandLinesExplanation()
{
    QCOMPARE(list->topLevelItemCount(), explained.size());
    for (int r = 0; r < explained.size(); ++r) {
        QTreeWidgetItem* item = list->topLevelItem(r);
        const QString tip = item->toolTip(0);
        for (int c = 0; c < 7; ++c)
            QCOMPARE(item->toolTip(c), tip);
        const QJsonObject explain = explained[r].toObject().value("explain").toObject();
        for (const QJsonValue& p : explain.value("punches").toArray()) {
            const QString line = p.toObject().value("time").toString();
            QVERIFY2(tip.contains(line) && tip.contains(p.toObject().value("why").toString()), qPrintable(tip));
        }
        for (const QJsonValue& rule : explain.value("rules").toArray())
            QVERIFY2(tip.contains(rule.toString()), qPrintable(tip));
    }
}

void TestDayExplanation::enterOpensThePanelAndItsTextCopiesWhole()
{
    QTreeWidgetItem* day = row(QStringLiteral("11月25日"));
    QVERIFY(day);
    list->setFocus();
    list->setCurrentItem(day);
    QTest::keyClick(list->viewport(), Qt::Key_Return);
    DayExplanationPanel* panel = DayExplanationPanel::panelOf(list);
    QVERIFY(panel);
    QTRY_VERIFY(panel->isVisible());
    QCOMPARE(panel->text(), day->toolTip(0));
    QVERIFY(panel->findChild<QPlainTextEdit*>()->isReadOnly());
    panel->findChild<QPushButton*>(QStringLiteral("copyButton"))->click();
    QCOMPARE(QGuiApplication::clipboard()->text(), day->toolTip(0));
    panel->hide();
}

void TestDayExplanation::hoveringARowShowsItsTooltip()
{
    QTreeWidgetItem* day = row(QStringLiteral("11月25日"));
    QVERIFY(day);
    list->scrollToItem(day);
    const QPoint at = list->visualItemRect(day).center();
    QHelpEvent hover(QEvent::ToolTip, at, list->viewport()->mapToGlobal(at));
    QApplication::sendEvent(list->viewport(), &hover);
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), day->toolTip(0));

    const QString shot = qEnvironmentVariable("TARNBY_EXPLAIN_SHOT");
    if (!shot.isEmpty()) {
        QWidget* tip = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->inherits("QTipLabel") && w->isVisible())
                tip = w;
        }
        QVERIFY(tip);
        QPixmap picture = window->grab();
        {
            QPainter painter(&picture);
            painter.drawPixmap(tip->pos() - window->mapToGlobal(QPoint(0, 0)), tip->grab());
        }
        QVERIFY(picture.save(shot));
    }
}

QTEST_MAIN(TestDayExplanation)
#include "test_dayexplanation.moc"
