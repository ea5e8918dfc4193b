// The result list explains its rows: the tooltip of a day shows what
// tarnby-cli analyse --explain says about it, Enter (or a double-click) opens
// it in a panel to copy from. With TARNBY_EXPLAIN_SHOT=FILE the test also
// saves the page with a day's tooltip showing (the picture in docs/).

#include "analysis/ui/AnalysisPage.h"
#include "analysis/ui/DayExplanationPanel.h"
#include "import/ui/DataFolderPanel.h"
#include "import/ui/FolderTextBox.h"
#include "shell/Form1.h"
#include "widgets/MessageSeam.h"
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

using namespace tarnby::ui;

namespace {

using testsupport::leftClick;
using testsupport::sampleFolder;

} // namespace

class TestDayExplanation : public QObject {
    Q_OBJECT
private slots:
    void rowsExplainThemselvesAsTheCommandLineDoes();
};

void TestDayExplanation::rowsExplainThemselvesAsTheCommandLineDoes()
{
    setMessageHandler([](QWidget*, const Message& m) {
        qWarning("message: %s", qPrintable(m.text));
        return MessageAnswer::Ok;
    });
    testsupport::WindowFolder program;
    QVERIFY(program.writeMonth(QStringLiteral("202611.ydj"), {QStringLiteral("0002##11月17日##李四##外出办事##事假0.5天"),
                                                              QStringLiteral("2##11月25日##李四##忘带工牌##处罚5元")}));

    Form1 window(program.path(), [] { return QDateTime(QDate(2026, 12, 9), QTime(9, 0)); });
    window.show();
    AnalysisPage* page = window.analysisPage;
    leftClick(window.MbtPic[2]);
    leftClick(window.bnPic[11]);
    page->cxPic->cTxt->setText(sampleFolder());
    leftClick(window.bnPic[13]);
    QTRY_VERIFY_WITH_TIMEOUT(!page->cxPic->isReading(), 60000);
    leftClick(window.bnPic[14]);
    leftClick(page->cnLab[1]); // mid-month
    leftClick(page->cnLab[6]); // nine to five: the midday punches fall outside both windows
    page->dCmb[6]->setCurrentIndex(page->dCmb[6]->findText(QStringLiteral("0002 李四")));
    leftClick(window.bnPic[10]);
    QTreeWidget* list = page->cLV;
    QVERIFY(list->topLevelItemCount() > 0);

    const testsupport::CliRun cli = testsupport::runCli(
        {"analyse", "--home", program.path(), "--folder", sampleFolder(), "--year", "2026", "--month", "11", "--mode",
         "2", "--employee", "0002 李四", "--explain"});
    QCOMPARE(cli.status, 0);
    const QJsonArray rows = QJsonDocument::fromJson(cli.out).object().value("rows").toArray();
    QCOMPARE(list->topLevelItemCount(), rows.size());
    int shotRow = -1;
    for (int r = 0; r < rows.size(); ++r) {
        const QJsonObject row = rows[r].toObject();
        QTreeWidgetItem* item = list->topLevelItem(r);
        const QString tip = item->toolTip(0);
        for (int c = 0; c < 7; ++c)
            QCOMPARE(item->toolTip(c), tip);
        const QJsonObject explain = row.value("explain").toObject();
        for (const QJsonValue& p : explain.value("punches").toArray()) {
            const QString line = p.toObject().value("time").toString();
            QVERIFY2(tip.contains(line) && tip.contains(p.toObject().value("why").toString()), qPrintable(tip));
        }
        for (const QJsonValue& rule : explain.value("rules").toArray())
            QVERIFY2(tip.contains(rule.toString()), qPrintable(tip));
        if (item->text(0) == QStringLiteral("11月25日"))
            shotRow = r;
    }
    QVERIFY(shotRow >= 0);

    // Enter on the current row opens the panel; its text can be copied whole.
    QTreeWidgetItem* day = list->topLevelItem(shotRow);
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

    // Hovering the row shows the tooltip.
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
        QPixmap picture = window.grab();
        {
            QPainter painter(&picture);
            painter.drawPixmap(tip->pos() - window.mapToGlobal(QPoint(0, 0)), tip->grab());
        }
        QVERIFY(picture.save(shot));
    }
    setMessageHandler({});
}

QTEST_MAIN(TestDayExplanation)
#include "test_dayexplanation.moc"
